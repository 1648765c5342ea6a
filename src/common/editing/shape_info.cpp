// The figures of the shape information monitor.
#include "editing/shape_info.h"

#include "geometry/angles.h"
#include "geometry/hit_test.h"
#include "geometry/plane_geometry.h"

namespace {

constexpr long double TwoPi = 2 * Pi;

// ApexAngle with the outline's order given instead of found again from all
// the vertices for every one of them.
long double InteriorAngle(const TDaPointF& apexes, bool clockwise, int k) {
    long double angle = RawApexAngle(apexes, k);
    if (!clockwise)
        angle = TwoPi - angle;
    if (angle >= TwoPi)
        angle -= TwoPi;
    return angle;
}

} // namespace

bool IsClockwiseOutline(const TDaPointF& apexes) {
    const std::size_t n = apexes.size();
    std::vector<long double> directions(n);
    for (std::size_t k = 0; k < n; ++k)
        directions[k] = PointDirection(apexes[k], apexes[(k + 1) % n]);
    return IsClockwiseFromSideDirections(directions);
}

TVertexInfo VertexInfoAt(const TPolygon& polygon, bool clockwise, int i) {
    const TDaPointF& apexes = polygon.Apexes;
    const TPointF& next = apexes[(i + 1) % apexes.size()];
    TVertexInfo row;
    row.Point = apexes[i];
    row.InteriorAngle = RadToDeg(InteriorAngle(apexes, clockwise, i));
    row.SideLength = PointDistance(apexes[i], next);
    row.SideSlope = SlopeDegrees(apexes[i], next);
    if (IsIndexOf(polygon.Flanges, i)) {
        const TFlange& flange = polygon.Flanges[i];
        row.FlangeWidth = flange.Width;
        row.FlangeAngle1 = RadToDeg(flange.Angle1);
        row.FlangeAngle2 = RadToDeg(flange.Angle2);
    }
    return row;
}

std::vector<TVertexInfo> ShapeInfo(const TPolygon& polygon) {
    const int n = static_cast<int>(polygon.Apexes.size());
    std::vector<TVertexInfo> rows;
    if (n < 2)
        return rows;
    const bool clockwise = IsClockwiseOutline(polygon.Apexes);
    rows.reserve(polygon.Apexes.size());
    for (int i = 0; i < n; ++i)
        rows.push_back(VertexInfoAt(polygon, clockwise, i));
    return rows;
}
