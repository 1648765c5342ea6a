// The glue flange quadrilateral of a side, and the outline once around a shape
// and its flanges that overlap tests and rubber-band selection use.
#include "geometry/flange_outline.h"

#include "geometry/angles.h"
#include "geometry/plane_geometry.h"

#include <cmath>

namespace {

// A flange angle whose sine is this small (an angle of 0 or pi as read from a
// file) would put the flange's corners out at infinity or far beyond any page.
constexpr long double FlangeSineEpsilon = 1e-12L;

bool IsFinite(const TPointF& p) {
    return std::isfinite(p.X) && std::isfinite(p.Y);
}

} // namespace

TFlangeReach FlangeReachOf(const TFlange& flange) {
    TFlangeReach reach;
    if (flange.Width == 0)
        return reach;
    const long double sine1 = std::sin(flange.Angle1);
    const long double sine2 = std::sin(flange.Angle2);
    if (!(std::fabs(sine1) > FlangeSineEpsilon) || !(std::fabs(sine2) > FlangeSineEpsilon))
        return reach;
    reach.Usable = true;
    reach.Angle1 = flange.Angle1;
    reach.Angle2 = flange.Angle2;
    reach.Length1 = flange.Width / sine1;
    reach.Length2 = flange.Width / sine2;
    return reach;
}

// A clockwise outline has its interior where the direction angle grows, so
// the slanted edges turn the other way to stay outside.
TPointF FlangeCorner1(const TPointF& a, long double theta, const TFlangeReach& reach,
                      bool clockwise) {
    const long double phi1 = clockwise ? theta - reach.Angle1 : theta + reach.Angle1;
    return PointAt(a, reach.Length1, phi1);
}

TPointF FlangeCorner2(const TPointF& b, long double theta, const TFlangeReach& reach,
                      bool clockwise) {
    const long double phi2 = clockwise ? theta + Pi + reach.Angle2 : theta + Pi - reach.Angle2;
    return PointAt(b, reach.Length2, phi2);
}

bool FlangeCorners(const TPointF& a, const TPointF& b, long double theta, const TFlangeReach& reach,
                   bool clockwise, TPointF& q1, TPointF& q2) {
    if (!reach.Usable)
        return false;
    const TPointF corner1 = FlangeCorner1(a, theta, reach, clockwise);
    const TPointF corner2 = FlangeCorner2(b, theta, reach, clockwise);
    if (!IsFinite(a) || !IsFinite(corner1) || !IsFinite(corner2) || !IsFinite(b))
        return false;
    q1 = corner1;
    q2 = corner2;
    return true;
}

bool FlangeOutline(const TPolygon& polygon, bool clockwise, int side,
                   std::array<TPointF, 4>& quad) {
    const TDaPointF& apexes = polygon.Apexes;
    const int n = static_cast<int>(apexes.size());
    if (side < 0 || side >= n || side >= static_cast<int>(polygon.Flanges.size()))
        return false;
    const TFlangeReach reach = FlangeReachOf(polygon.Flanges[side]);
    if (!reach.Usable)
        return false;
    const TPointF& a = apexes[side];
    const TPointF& b = apexes[(side + 1) % n];
    TPointF q1, q2;
    if (!FlangeCorners(a, b, PointDirection(a, b), reach, clockwise, q1, q2))
        return false;
    quad = {a, q1, q2, b};
    return true;
}

TDaPointF OutlineWithFlanges(const TPolygon& polygon) {
    TDaPointF outline;
    const int n = static_cast<int>(polygon.Apexes.size());
    const bool clockwise = IsClockwiseOnScreen(polygon.Apexes);
    for (int side = 0; side < n; ++side) {
        std::array<TPointF, 4> corners;
        if (FlangeOutline(polygon, clockwise, side, corners))
            outline.insert(outline.end(), corners.begin(), corners.begin() + 3);
        else
            outline.push_back(polygon.Apexes[side]);
    }
    return outline;
}

int OutlineWithFlangesCount(const TPolygon& polygon) {
    return static_cast<int>(OutlineWithFlanges(polygon).size());
}
