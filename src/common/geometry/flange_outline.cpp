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

// A clockwise outline has its interior where the direction angle grows, so
// the slanted edges turn the other way to stay outside.
long double Corner1Direction(long double theta, const TFlangeReach& reach, bool clockwise) {
    return clockwise ? theta - reach.Angle1 : theta + reach.Angle1;
}

long double Corner2Direction(long double theta, const TFlangeReach& reach, bool clockwise) {
    return clockwise ? theta + Pi + reach.Angle2 : theta + Pi - reach.Angle2;
}

// PointAt with double-precision cosine and sine. Those lie within an ulp
// (1.1e-16) of the cosine and sine of the direction rounded to double, which
// lies within 1.1e-16 |direction| of it; so each coordinate is within
// 1.2e-16 (|direction| + 1) |length| of PointAt's, taken here eight times
// over. Both computations round their product and sum in long double, each
// within 5.5e-20 of its size, taken here ten times over.
TPointEstimate EstimatePointAt(const TPointF& from, long double length, long double direction) {
    const double turn = static_cast<double>(direction);
    const long double cosine = std::cos(turn);
    const long double sine = std::sin(turn);
    const long double reach = std::fabs(length);
    const long double error = reach * (std::fabs(direction) + 1) * 1e-15L +
                              (std::fabs(from.X) + std::fabs(from.Y) + reach) * 1e-18L;
    return {PointF(from.X + length * cosine, from.Y + length * sine), error};
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

TPointF FlangeCorner1(const TPointF& a, long double theta, const TFlangeReach& reach,
                      bool clockwise) {
    return PointAt(a, reach.Length1, Corner1Direction(theta, reach, clockwise));
}

TPointF FlangeCorner2(const TPointF& b, long double theta, const TFlangeReach& reach,
                      bool clockwise) {
    return PointAt(b, reach.Length2, Corner2Direction(theta, reach, clockwise));
}

TPointEstimate EstimateFlangeCorner1(const TPointF& a, long double theta, const TFlangeReach& reach,
                                     bool clockwise) {
    return EstimatePointAt(a, reach.Length1, Corner1Direction(theta, reach, clockwise));
}

TPointEstimate EstimateFlangeCorner2(const TPointF& b, long double theta, const TFlangeReach& reach,
                                     bool clockwise) {
    return EstimatePointAt(b, reach.Length2, Corner2Direction(theta, reach, clockwise));
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
