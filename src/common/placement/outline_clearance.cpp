// Distances between closed outlines.
#include "placement/outline_clearance.h"

#include "geometry/bounding_box.h"
#include "geometry/intersection.h"
#include "geometry/plane_geometry.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

TSegmentF Side(const TDaPointF& outline, std::size_t i) {
    return MakeSegment(outline[i], outline[(i + 1) % outline.size()]);
}

long double SegmentDistance(const TSegmentF& s, const TSegmentF& t) {
    TPointF point;
    bool collinear = false;
    if (SegmentsIntersect(s, t, point, collinear))
        return 0;
    return std::min({PointSegmentDistance(s.P1, t), PointSegmentDistance(s.P2, t),
                     PointSegmentDistance(t.P1, s), PointSegmentDistance(t.P2, s)});
}

// How far apart the boxes lie: 0 when they meet.
long double BoxDistance(const TBox& a, const TBox& b) {
    const long double dx = std::max({a.Left - b.Right, b.Left - a.Right, 0.0L});
    const long double dy = std::max({a.Top - b.Bottom, b.Top - a.Bottom, 0.0L});
    return std::hypot(dx, dy);
}

} // namespace

long double PointSegmentDistance(const TPointF& p, const TSegmentF& segment) {
    const long double dx = segment.P2.X - segment.P1.X;
    const long double dy = segment.P2.Y - segment.P1.Y;
    const long double length2 = dx * dx + dy * dy;
    long double t = 0;
    if (length2 > 0)
        t = std::clamp(((p.X - segment.P1.X) * dx + (p.Y - segment.P1.Y) * dy) / length2, 0.0L,
                       1.0L);
    return std::hypot(p.X - (segment.P1.X + t * dx), p.Y - (segment.P1.Y + t * dy));
}

long double OutlineDistance(const TDaPointF& a, const TDaPointF& b) {
    if (a.empty() || b.empty())
        return std::numeric_limits<long double>::infinity();
    if (PointInPolygon(a, b[0]) || PointInPolygon(b, a[0]))
        return 0;
    long double least = std::numeric_limits<long double>::infinity();
    for (std::size_t i = 0; i < a.size(); ++i) {
        for (std::size_t j = 0; j < b.size(); ++j)
            least = std::min(least, SegmentDistance(Side(a, i), Side(b, j)));
    }
    return least;
}

bool OutlinesKeepApart(const TDaPointF& a, const TDaPointF& b, long double gap) {
    if (a.empty() || b.empty())
        return true;
    const TBox boxA = BoxOf(a), boxB = BoxOf(b);
    if (!boxA.Unbounded && !boxB.Unbounded && BoxDistance(boxA, boxB) >= gap)
        return true;
    return OutlineDistance(a, b) >= gap;
}
