// Today's flange outline and overlap tests: every call builds the outlines
// anew and runs every side of one against every side of the other.
#include "baseline_geometry.h"

#include "geometry/intersection.h"
#include "geometry/plane_geometry.h"

#include <cmath>
#include <numbers>

namespace baseline {
namespace {

constexpr long double Pi = std::numbers::pi_v<long double>;
constexpr long double TwoPi = 2 * Pi;
constexpr long double ClockwiseTolerance = 1.0L;
constexpr long double FlangeSineEpsilon = 1e-12L;

bool IsFinite(const TPointF& p) {
    return std::isfinite(p.X) && std::isfinite(p.Y);
}

TSegmentF OutlineSide(const TDaPointF& outline, std::size_t i) {
    return MakeSegment(outline[i], outline[(i + 1) % outline.size()]);
}

bool SidesIntersect(const TDaPointF& outlineA, const TDaPointF& outlineB, TPointF& contact) {
    for (std::size_t a = 0; a < outlineA.size(); ++a) {
        for (std::size_t b = 0; b < outlineB.size(); ++b) {
            bool collinear = false;
            if (SegmentsIntersect(OutlineSide(outlineA, a), OutlineSide(outlineB, b), contact,
                                  collinear))
                return true;
        }
    }
    return false;
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
    const bool clockwise = baseline::IsClockwiseOnScreen(polygon.Apexes);
    for (int side = 0; side < n; ++side) {
        std::array<TPointF, 4> corners;
        if (baseline::FlangeOutline(polygon, clockwise, side, corners))
            outline.insert(outline.end(), corners.begin(), corners.begin() + 3);
        else
            outline.push_back(polygon.Apexes[side]);
    }
    return outline;
}

long double RawApexAngle(const TDaPointF& apexes, int k) {
    const int n = static_cast<int>(apexes.size());
    if (k < 0 || k >= n)
        return 0;
    const int p = (k - 1 + n) % n;
    const int q = (k + 1) % n;
    const long double incoming = PointDirection(apexes[p], apexes[k]);
    const long double outgoing = PointDirection(apexes[k], apexes[q]);
    long double r = Pi - outgoing + incoming;
    if (r >= TwoPi)
        r -= TwoPi;
    else if (r < 0)
        r += TwoPi;
    return r;
}

bool IsClockwiseOnScreen(const TDaPointF& apexes) {
    const int n = static_cast<int>(apexes.size());
    long double sum = 0;
    for (int k = 0; k < n; ++k)
        sum += baseline::RawApexAngle(apexes, k);
    return std::fabs(sum - (n - 2) * Pi) < ClockwiseTolerance;
}

bool PolygonsOverlap(const TDaPointF& outlineA, const TDaPointF& outlineB, TPointF& contact) {
    if (outlineA.empty() || outlineB.empty())
        return false;
    if (SidesIntersect(outlineA, outlineB, contact))
        return true;
    if (PointInPolygon(outlineA, outlineB[0])) {
        PolygonCentroid(outlineB, contact);
        return true;
    }
    if (PointInPolygon(outlineB, outlineA[0])) {
        PolygonCentroid(outlineA, contact);
        return true;
    }
    return false;
}

bool PolygonHitsOthers(const TPolygonTbl& page, int ownIndex, const TPolygon& shape,
                       TPointF& contact) {
    if (page.empty())
        return false;
    const TDaPointF moving = baseline::OutlineWithFlanges(shape);
    for (std::size_t i = 0; i < page.size(); ++i) {
        if (static_cast<int>(i) == ownIndex)
            continue;
        if (baseline::PolygonsOverlap(moving, baseline::OutlineWithFlanges(page[i]), contact))
            return true;
    }
    return false;
}

} // namespace baseline
