// Whether a piece fits a white area when turned, and the turn that fits best.
#include "unfolding/area_fit.h"

#include "geometry/angles.h"
#include "geometry/plane_geometry.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace {

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

// Points in the order the hull is built in: by X, then by Y.
bool Before(const TPointF& a, const TPointF& b) {
    return a.X < b.X || (a.X == b.X && a.Y < b.Y);
}

// The hull of points sorted by Before (Andrew's monotone chain).
TDaPointF HullOfSorted(TDaPointF points) {
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

// A hull's vertices in that order, without sorting: its lower chain runs
// from the first to the last of them, its upper chain back.
TDaPointF SortedHull(const TDaPointF& hull) {
    const std::size_t n = hull.size();
    if (n < 3) {
        TDaPointF points = hull;
        std::sort(points.begin(), points.end(), Before);
        return points;
    }
    std::size_t low = 0, high = 0;
    for (std::size_t i = 1; i < n; ++i) {
        if (Before(hull[i], hull[low]))
            low = i;
        if (Before(hull[high], hull[i]))
            high = i;
    }
    TDaPointF lower, upper;
    for (std::size_t i = low; i != high; i = (i + 1) % n)
        lower.push_back(hull[i]);
    lower.push_back(hull[high]);
    for (std::size_t i = low; i != high; i = (i + n - 1) % n)
        upper.push_back(hull[i]);
    TDaPointF points(lower.size() + upper.size());
    std::merge(lower.begin(), lower.end(), upper.begin(), upper.end(), points.begin(), Before);
    return points;
}

} // namespace

TDaPointF ConvexHull(TDaPointF points) {
    std::sort(points.begin(), points.end(), Before);
    return HullOfSorted(std::move(points));
}

TDaPointF MergedHull(const TDaPointF& a, const TDaPointF& b) {
    const TDaPointF first = SortedHull(a), second = SortedHull(b);
    TDaPointF points(first.size() + second.size());
    std::merge(first.begin(), first.end(), second.begin(), second.end(), points.begin(), Before);
    return HullOfSorted(std::move(points));
}

bool AddToHull(TDaPointF& hull, const TPointF& p) {
    const std::size_t n = hull.size();
    if (n < 3) {
        TDaPointF points = hull;
        points.push_back(p);
        points = ConvexHull(std::move(points));
        const bool changed = points != hull;
        hull = std::move(points);
        return changed;
    }
    // The sides that p lies beyond form one run; sides whose line it lies on
    // at either end of the run go too, so that no corner is left in the
    // middle of a side.
    std::vector<long double> turn(n);
    std::size_t first = n;
    for (std::size_t i = 0; i < n; ++i) {
        turn[i] = Cross(hull[i], hull[(i + 1) % n], p);
        if (turn[i] < 0 && first == n)
            first = i;
    }
    if (first == n)
        return false;
    while (turn[(first + n - 1) % n] <= 0 && (first + n - 1) % n != first)
        first = (first + n - 1) % n;
    std::size_t last = first;
    while (turn[(last + 1) % n] <= 0 && (last + 1) % n != first)
        last = (last + 1) % n;
    // Keep the corners from the end of the run round to its start, then p.
    TDaPointF grown;
    for (std::size_t i = (last + 1) % n;; i = (i + 1) % n) {
        grown.push_back(hull[i]);
        if (i == first)
            break;
    }
    grown.push_back(p);
    hull = std::move(grown);
    return true;
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
