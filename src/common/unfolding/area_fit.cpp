// Whether a piece fits a white area when turned, and the turn that fits best.
#include "unfolding/area_fit.h"

#include "geometry/plane_geometry.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>
#include <vector>

namespace {

constexpr long double Pi = std::numbers::pi_v<long double>;
constexpr long double QuarterTurn = Pi / 2;
constexpr int DegreeSteps = 90;

long double Cross(const TPointF& o, const TPointF& a, const TPointF& b) {
    return (a.X - o.X) * (b.Y - o.Y) - (a.Y - o.Y) * (b.X - o.X);
}

// The hull vertex where value is largest, climbing from start. On a convex
// outline the value along the vertices rises to one top and falls to one
// bottom, either of which may be a side square to the direction: a climb
// that starts on the bottom side steps across it.
template <class TValue> std::size_t Climb(const TDaPointF& hull, std::size_t start, TValue value) {
    const std::size_t n = hull.size();
    std::size_t at = start;
    for (std::size_t steps = 0; steps < n; ++steps) {
        const std::size_t forward = (at + 1) % n, back = (at + n - 1) % n;
        const long double here = value(hull[at]);
        const long double ahead = value(hull[forward]), behind = value(hull[back]);
        if (ahead > here)
            at = forward;
        else if (behind > here)
            at = back;
        else if (ahead == here && value(hull[(forward + 1) % n]) > here)
            at = (forward + 1) % n;
        else if (behind == here && value(hull[(back + n - 1) % n]) > here)
            at = (back + n - 1) % n;
        else
            break;
    }
    return at;
}

// The turned box's sides, from every vertex.
void TurnedExtent(const TDaPointF& hull, long double c, long double s, long double& width,
                  long double& height) {
    long double left = 0, right = 0, top = 0, bottom = 0;
    for (std::size_t i = 0; i < hull.size(); ++i) {
        const long double x = hull[i].X * c - hull[i].Y * s;
        const long double y = hull[i].X * s + hull[i].Y * c;
        left = i == 0 ? x : std::min(left, x);
        right = i == 0 ? x : std::max(right, x);
        top = i == 0 ? y : std::min(top, y);
        bottom = i == 0 ? y : std::max(bottom, y);
    }
    width = right - left;
    height = bottom - top;
}

} // namespace

TDaPointF ConvexHull(TDaPointF points) {
    std::sort(points.begin(), points.end(), [](const TPointF& a, const TPointF& b) {
        return a.X < b.X || (a.X == b.X && a.Y < b.Y);
    });
    points.erase(std::unique(points.begin(), points.end()), points.end());
    if (points.size() < 3)
        return points;
    TDaPointF hull(2 * points.size());
    std::size_t k = 0;
    for (const TPointF& p : points) {
        while (k >= 2 && Cross(hull[k - 2], hull[k - 1], p) <= 0)
            --k;
        hull[k++] = p;
    }
    for (std::size_t i = points.size() - 1, lower = k + 1; i-- > 0;) {
        while (k >= lower && Cross(hull[k - 2], hull[k - 1], points[i]) <= 0)
            --k;
        hull[k++] = points[i];
    }
    hull.resize(k - 1);
    return hull;
}

TAreaFit FitArea(const TDaPointF& hull, long double width, long double height, long double margin,
                 long double hint, bool smallest) {
    TAreaFit best;
    if (hull.empty())
        return best;
    static const std::vector<std::pair<long double, long double>> degrees = [] {
        std::vector<std::pair<long double, long double>> turns;
        for (int step = 0; step < DegreeSteps; ++step)
            turns.push_back({std::cos(QuarterTurn * step / DegreeSteps),
                             std::sin(QuarterTurn * step / DegreeSteps)});
        return turns;
    }();

    long double bestOverflow = 0, bestCos = 1, bestSin = 0;
    bool bestSwapped = false;
    std::size_t right = 0, left = 0, bottom = 0, top = 0;
    // The box after RotatePoints by the angle whose cosine and sine these
    // are; true when the caller may stop.
    auto tryTurn = [&](long double c, long double s) {
        auto turnedX = [&](const TPointF& p) { return p.X * c - p.Y * s; };
        auto turnedY = [&](const TPointF& p) { return p.X * s + p.Y * c; };
        right = Climb(hull, right, turnedX);
        left = Climb(hull, left, [&](const TPointF& p) { return -turnedX(p); });
        bottom = Climb(hull, bottom, turnedY);
        top = Climb(hull, top, [&](const TPointF& p) { return -turnedY(p); });
        const long double boxWidth = turnedX(hull[right]) - turnedX(hull[left]) + 2 * margin;
        const long double boxHeight = turnedY(hull[bottom]) - turnedY(hull[top]) + 2 * margin;
        // Either as turned, or a quarter turn further, which swaps the sides.
        for (int quarter = 0; quarter < 2; ++quarter) {
            const long double w = quarter ? boxHeight : boxWidth;
            const long double h = quarter ? boxWidth : boxHeight;
            const long double overflow = std::max(w - width, h - height);
            const bool fits = overflow <= AreaFitTolerance;
            const bool better =
                best.Width == 0 || (fits ? !best.Fits || w * h < best.Width * best.Height
                                         : !best.Fits && overflow < bestOverflow);
            if (better) {
                best = {fits, 0, w, h};
                bestOverflow = overflow;
                bestCos = c;
                bestSin = s;
                bestSwapped = quarter == 1;
            }
            if (fits && !smallest)
                return true;
        }
        return false;
    };

    // The hint first, so that a piece that grew a little is settled at once;
    // then the hull's sides in their order round it, and whole degrees in
    // theirs, so that the extreme vertices move on step by step.
    bool done = tryTurn(std::cos(hint), std::sin(hint));
    for (std::size_t i = 0; i < hull.size() && !done; ++i) {
        const TPointF& a = hull[i];
        const TPointF& b = hull[(i + 1) % hull.size()];
        const long double length = PointDistance(a, b);
        done = tryTurn((b.X - a.X) / length, -(b.Y - a.Y) / length);
    }
    for (std::size_t i = 0; i < degrees.size() && !done; ++i)
        done = tryTurn(degrees[i].first, degrees[i].second);
    // The climb trusts the hull to be convex to the last bit; the turn it
    // chose is measured again on every vertex.
    long double w = 0, h = 0;
    TurnedExtent(hull, bestCos, bestSin, w, h);
    if (bestSwapped)
        std::swap(w, h);
    best.Width = w + 2 * margin;
    best.Height = h + 2 * margin;
    best.Fits = best.Width <= width + AreaFitTolerance && best.Height <= height + AreaFitTolerance;
    best.Angle = std::atan2(bestSin, bestCos) + (bestSwapped ? QuarterTurn : 0);
    return best;
}
