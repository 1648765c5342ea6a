// The glue flange quadrilateral of a side, and the outline once around a shape
// and its flanges that overlap tests and rubber-band selection use.
#include "geometry/flange_outline.h"

#include "geometry/plane_geometry.h"

#include <cmath>
#include <numbers>

namespace {

constexpr long double Pi = std::numbers::pi_v<long double>;

// A flange angle whose sine is this small (an angle of 0 or pi as read from a
// file) would put the flange's corners out at infinity or far beyond any page.
constexpr long double FlangeSineEpsilon = 1e-12L;

bool IsFinite(const TPointF& p) {
    return std::isfinite(p.X) && std::isfinite(p.Y);
}

} // namespace

bool FlangeOutline(const TPolygon& polygon, bool clockwise, int side,
                   std::array<TPointF, 4>& quad) {
    const TDaPointF& apexes = polygon.Apexes;
    const int n = static_cast<int>(apexes.size());
    if (side < 0 || side >= n || side >= static_cast<int>(polygon.Flanges.size()))
        return false;
    const TFlange& flange = polygon.Flanges[side];
    if (flange.Width == 0)
        return false;
    const long double sine1 = std::sin(flange.Angle1);
    const long double sine2 = std::sin(flange.Angle2);
    if (!(std::fabs(sine1) > FlangeSineEpsilon) || !(std::fabs(sine2) > FlangeSineEpsilon))
        return false;

    const TPointF& a = apexes[side];
    const TPointF& b = apexes[(side + 1) % n];
    const long double theta = PointDirection(a, b);
    // A clockwise outline has its interior where the direction angle grows, so
    // the slanted edges turn the other way to stay outside.
    const long double phi1 = clockwise ? theta - flange.Angle1 : theta + flange.Angle1;
    const long double phi2 = clockwise ? theta + Pi + flange.Angle2 : theta + Pi - flange.Angle2;
    const TPointF q1 = PointAt(a, flange.Width / sine1, phi1);
    const TPointF q2 = PointAt(b, flange.Width / sine2, phi2);
    if (!IsFinite(a) || !IsFinite(q1) || !IsFinite(q2) || !IsFinite(b))
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
