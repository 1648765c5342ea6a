// The figures of the shape information monitor.
#include "editing/shape_info.h"

#include "geometry/hit_test.h"
#include "geometry/plane_geometry.h"

#include <numbers>

namespace {

long double Degrees(long double radians) {
    return radians / std::numbers::pi_v<long double> * 180;
}

} // namespace

std::vector<TVertexInfo> ShapeInfo(const TPolygon& polygon) {
    const TDaPointF& apexes = polygon.Apexes;
    const int n = static_cast<int>(apexes.size());
    std::vector<TVertexInfo> rows;
    if (n < 2)
        return rows;
    rows.reserve(apexes.size());
    for (int i = 0; i < n; ++i) {
        const TPointF& next = apexes[(i + 1) % n];
        TVertexInfo row;
        row.Point = apexes[i];
        row.InteriorAngle = Degrees(ApexAngle(apexes, i));
        row.SideLength = PointDistance(apexes[i], next);
        row.SideSlope = SlopeDegrees(apexes[i], next);
        if (IsIndexOf(polygon.Flanges, i)) {
            const TFlange& flange = polygon.Flanges[i];
            row.FlangeWidth = flange.Width;
            row.FlangeAngle1 = Degrees(flange.Angle1);
            row.FlangeAngle2 = Degrees(flange.Angle2);
        }
        rows.push_back(row);
    }
    return rows;
}
