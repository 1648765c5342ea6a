// Convex polygons in double precision for the layout search.
#include "placement/convex_polygon.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

// How far a degenerate part's box is widened, in mm: far below anything
// printed, but enough to give the part an inside.
constexpr double Hair = 1e-6;

bool Lower(const TVec& a, const TVec& b) {
    return a.X < b.X || (a.X == b.X && a.Y < b.Y);
}

TConvexPart WidenedBox(const std::vector<TVec>& points) {
    double left = points.front().X, right = left;
    double top = points.front().Y, bottom = top;
    for (const TVec& p : points) {
        left = std::min(left, p.X);
        right = std::max(right, p.X);
        top = std::min(top, p.Y);
        bottom = std::max(bottom, p.Y);
    }
    left -= Hair;
    top -= Hair;
    right += Hair;
    bottom += Hair;
    return {{left, top}, {right, top}, {right, bottom}, {left, bottom}};
}

// Rotates the part so that it starts at its vertex of least Y (then least X),
// where the Minkowski merge of edge directions begins.
void StartAtTop(TConvexPart& part) {
    const auto top = std::min_element(part.begin(), part.end(), [](const TVec& a, const TVec& b) {
        return a.Y < b.Y || (a.Y == b.Y && a.X < b.X);
    });
    std::rotate(part.begin(), top, part.end());
}

} // namespace

// Andrew's monotone chain.
TConvexPart ConvexHull(std::vector<TVec> points) {
    if (points.empty())
        return {};
    std::sort(points.begin(), points.end(), Lower);
    points.erase(std::unique(points.begin(), points.end(),
                             [](const TVec& a, const TVec& b) { return a.X == b.X && a.Y == b.Y; }),
                 points.end());
    if (points.size() < 3)
        return WidenedBox(points);
    TConvexPart hull(2 * points.size());
    std::size_t k = 0;
    for (const TVec& p : points) {
        while (k >= 2 && Cross(hull[k - 1] - hull[k - 2], p - hull[k - 2]) <= 0)
            --k;
        hull[k++] = p;
    }
    const std::size_t lowerEnd = k + 1;
    for (std::size_t i = points.size() - 1; i-- > 0;) {
        const TVec& p = points[i];
        while (k >= lowerEnd && Cross(hull[k - 1] - hull[k - 2], p - hull[k - 2]) <= 0)
            --k;
        hull[k++] = p;
    }
    hull.resize(k - 1);
    if (hull.size() < 3)
        return WidenedBox(points);
    StartAtTop(hull);
    return hull;
}

double PartArea(const TConvexPart& part) {
    double sum = 0;
    for (std::size_t i = 0; i < part.size(); ++i)
        sum += Cross(part[i], part[(i + 1) % part.size()]);
    return sum / 2;
}

double PartPerimeter(const TConvexPart& part) {
    double sum = 0;
    for (std::size_t i = 0; i < part.size(); ++i) {
        const TVec side = part[(i + 1) % part.size()] - part[i];
        sum += std::hypot(side.X, side.Y);
    }
    return sum;
}

// Both outlines are walked once from their top vertices, edges taken in the
// order of their directions.
void MinkowskiSum(const TConvexPart& p, const TConvexPart& q, TConvexPart& sum) {
    const std::size_t n = p.size();
    const std::size_t m = q.size();
    sum.clear();
    std::size_t i = 0, j = 0;
    while (i < n || j < m) {
        sum.push_back(p[i % n] + q[j % m]);
        const TVec edgeP = p[(i + 1) % n] - p[i % n];
        const TVec edgeQ = q[(j + 1) % m] - q[j % m];
        const double turn = Cross(edgeP, edgeQ);
        if (j >= m || (i < n && turn > 0)) {
            ++i;
        } else if (i >= n || turn < 0) {
            ++j;
        } else {
            ++i;
            ++j;
        }
    }
}

TConvexPart MinkowskiSum(const TConvexPart& a, const TConvexPart& b) {
    TConvexPart sum;
    MinkowskiSum(a, b, sum);
    return sum;
}

TConvexPart Negated(const TConvexPart& part) {
    TConvexPart negated;
    negated.reserve(part.size());
    for (const TVec& p : part)
        negated.push_back({-p.X, -p.Y});
    StartAtTop(negated);
    return negated;
}

// The corners lie halfway between the directions of the sides' normals, which
// start at 0, so that the sides touch the circle along both axes.
TConvexPart CircumscribedPolygon(double radius, int sides) {
    const double step = 2 * std::numbers::pi / sides;
    const double reach = radius / std::cos(step / 2);
    TConvexPart polygon;
    for (int i = 0; i < sides; ++i) {
        const double angle = (i + 0.5) * step;
        polygon.push_back({reach * std::cos(angle), reach * std::sin(angle)});
    }
    StartAtTop(polygon);
    return polygon;
}
