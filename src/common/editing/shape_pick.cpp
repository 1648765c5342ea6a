// Picking vertices and lines for the editor's mouse, and the hover report.
#include "editing/shape_pick.h"

#include "drawing/hit_test.h"
#include "geometry/plane_geometry.h"

#include <numbers>

namespace {

constexpr long double Pi = std::numbers::pi_v<long double>;

// The nearest side or fold line when it lies within pickDist; its ends go to
// apex1 and apex2.
bool NearestLineWithin(const TPolygon& polygon, const TPointF& q, long double pickDist, int& apex1,
                       int& apex2) {
    const long double distance = NearestLine(q, polygon, apex1, apex2);
    return distance >= 0 && distance <= pickDist && IsIndexOf(polygon.Apexes, apex1) &&
           IsIndexOf(polygon.Apexes, apex2);
}

} // namespace

int PickApex(const TDaPointF& apexes, const TPointF& q, long double pickDist) {
    long double distance = 0;
    const int nearest = NearestApex(apexes, q, distance);
    return nearest >= 0 && distance < pickDist ? nearest : -1;
}

bool PickLine(const TPolygon& polygon, const TPointF& q, long double pickDist, TLineEnds& ends) {
    int apex1 = -1;
    int apex2 = -1;
    if (!NearestLineWithin(polygon, q, pickDist, apex1, apex2))
        return false;
    const long double d1 = PointDistance(q, polygon.Apexes[apex1]);
    const long double d2 = PointDistance(q, polygon.Apexes[apex2]);
    ends = d1 >= d2 ? TLineEnds{apex1, apex2} : TLineEnds{apex2, apex1};
    return true;
}

bool LineReportAt(const TPolygon& polygon, const TPointF& q, long double pickDist,
                  TLineReport& report) {
    int apex1 = -1;
    int apex2 = -1;
    if (!NearestLineWithin(polygon, q, pickDist, apex1, apex2))
        return false;
    const TPointF& a = polygon.Apexes[apex1];
    const TPointF& b = polygon.Apexes[apex2];
    report = TLineReport{apex1, apex2, PointDistance(a, b), SlopeDegrees(a, b), nullptr};
    // A fold line whose ends happen to follow each other reports as that side.
    const int n = static_cast<int>(polygon.Apexes.size());
    if ((apex1 + 1) % n == apex2 && IsIndexOf(polygon.Flanges, apex1) &&
        polygon.Flanges[apex1].Width != 0)
        report.Flange = &polygon.Flanges[apex1];
    return true;
}

long double SlopeDegrees(const TPointF& a, const TPointF& b) {
    const long double slope = -PointDirection(a, b) / Pi * 180;
    // Adding zero turns the -0 of a rightward line into 0, which prints unsigned.
    return slope + 0.0L;
}
