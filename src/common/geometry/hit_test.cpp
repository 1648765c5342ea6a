// The distance queries to sides and fold lines, and picking a vertex or a line
// of one shape.
#include "geometry/hit_test.h"

#include "geometry/plane_geometry.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr long double Pi = std::numbers::pi_v<long double>;

// Larger than any distance on a page; a candidate must be strictly nearer.
constexpr long double NoDistance = 2147483647;

bool IsUsableBendLine(const TBendLine& line, int n) {
    return line.Apex1 >= 0 && line.Apex1 < n && line.Apex2 >= 0 && line.Apex2 < n &&
           line.Apex1 != line.Apex2;
}

// The nearest side or fold line when it lies within pickDist; its ends go to
// apex1 and apex2.
bool NearestLineWithin(const TPolygon& polygon, const TPointF& q, long double pickDist, int& apex1,
                       int& apex2) {
    const long double distance = NearestLine(q, polygon, apex1, apex2);
    return distance >= 0 && distance <= pickDist && IsIndexOf(polygon.Apexes, apex1) &&
           IsIndexOf(polygon.Apexes, apex2);
}

} // namespace

// Both slope forms divide by the larger component of the direction, so a
// steep line never divides by a tiny dx.
TPointF FootOfPerpendicular(const TPointF& q, const TPointF& a, const TPointF& b) {
    const long double dx = b.X - a.X;
    const long double dy = b.Y - a.Y;
    if (dx == 0)
        return TPointF{a.X, q.Y};
    if (dy == 0)
        return TPointF{q.X, a.Y};
    TPointF foot;
    if (std::fabs(dx) > std::fabs(dy)) {
        const long double m = dy / dx;
        const long double c1 = a.Y - m * a.X;
        const long double c2 = q.X + m * q.Y;
        foot.Y = (m * c2 + c1) / (m * m + 1);
        foot.X = c2 - m * foot.Y;
    } else {
        const long double k = dx / dy;
        const long double c1 = a.X - k * a.Y;
        const long double c2 = q.Y + k * q.X;
        foot.X = (k * c2 + c1) / (k * k + 1);
        foot.Y = c2 - k * foot.X;
    }
    return foot;
}

bool FootOnSegment(const TPointF& q, const TPointF& a, const TPointF& b, TPointF& foot) {
    foot = FootOfPerpendicular(q, a, b);
    return (a.X - foot.X) * (b.X - foot.X) <= 0 && (a.Y - foot.Y) * (b.Y - foot.Y) <= 0;
}

long double DistToSegment(const TPointF& q, const TPointF& a, const TPointF& b) {
    TPointF foot;
    if (FootOnSegment(q, a, b, foot))
        return PointDistance(q, foot);
    return std::min(PointDistance(q, a), PointDistance(q, b));
}

long double NearestSide(const TPointF& q, const TDaPointF& apexes, int& index1, int& index2) {
    const int n = static_cast<int>(apexes.size());
    if (n <= 1)
        return -1;
    long double best = NoDistance;
    for (int k = 0; k < n; ++k) {
        const int next = (k + 1) % n;
        const long double distance = DistToSegment(q, apexes[k], apexes[next]);
        if (distance < best) {
            best = distance;
            index1 = k;
            index2 = next;
        }
    }
    return best;
}

long double NearestLine(const TPointF& q, const TPolygon& polygon, int& index1, int& index2) {
    long double best = NearestSide(q, polygon.Apexes, index1, index2);
    const int n = static_cast<int>(polygon.Apexes.size());
    if (n <= 1)
        return best;
    for (const TDaBendLine& set : polygon.BendLines) {
        for (const TBendLine& line : set) {
            if (!IsUsableBendLine(line, n))
                continue;
            const long double distance =
                DistToSegment(q, polygon.Apexes[line.Apex1], polygon.Apexes[line.Apex2]);
            if (distance < best) {
                best = distance;
                index1 = line.Apex1;
                index2 = line.Apex2;
            }
        }
    }
    return best;
}

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
    // A name is a joint mark with a flange or without one.
    const int n = static_cast<int>(polygon.Apexes.size());
    if ((apex1 + 1) % n == apex2 && IsIndexOf(polygon.Flanges, apex1) &&
        (polygon.Flanges[apex1].Width != 0 || !polygon.Flanges[apex1].Name.empty()))
        report.Flange = &polygon.Flanges[apex1];
    return true;
}

long double SlopeDegrees(const TPointF& a, const TPointF& b) {
    const long double slope = -PointDirection(a, b) / Pi * 180;
    // Adding zero turns the -0 of a rightward line into 0, which prints unsigned.
    return slope + 0.0L;
}
