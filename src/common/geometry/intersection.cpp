// Line and segment intersections: the line form of a segment, where two lines
// meet, and whether two segments share a point.
#include "geometry/intersection.h"

#include "geometry/plane_geometry.h"

#include <algorithm>
#include <cmath>

namespace {

// A line as y = Slope * x + Intercept (XForm) or x = Slope * y + Intercept.
struct TLine {
    bool XForm = false;
    long double Slope = 0;
    long double Intercept = 0;
};

bool LineOf(const TSegmentF& segment, TLine& line) {
    return LineCoeffs(segment, line.XForm, line.Slope, line.Intercept);
}

// Meeting point of two lines known not to be parallel.
TPointF MeetingPoint(const TLine& l1, const TLine& l2) {
    const long double s1 = l1.Slope, c1 = l1.Intercept;
    const long double s2 = l2.Slope, c2 = l2.Intercept;
    if (l1.XForm && l2.XForm) {
        const long double x = (c2 - c1) / (s1 - s2);
        return {x, s1 * x + c1};
    }
    if (!l1.XForm && !l2.XForm) {
        const long double y = (c2 - c1) / (s1 - s2);
        return {s1 * y + c1, y};
    }
    if (l1.XForm) {
        const long double x = (s2 * c1 + c2) / (1 - s1 * s2);
        return {x, s1 * x + c1};
    }
    const long double x = (s1 * c2 + c1) / (1 - s1 * s2);
    return {x, s2 * x + c2};
}

// The segment test takes y first when the first line is x = k*y + c, so that
// the point is computed on that line's own terms.
TPointF SegmentMeetingPoint(const TLine& l1, const TLine& l2) {
    if (!l1.XForm && l2.XForm) {
        const long double y = (l2.Slope * l1.Intercept + l2.Intercept) / (1 - l1.Slope * l2.Slope);
        return {l1.Slope * y + l1.Intercept, y};
    }
    return MeetingPoint(l1, l2);
}

// True when the range from a1 to b1 lies wholly beyond both a2 and b2; ranges
// that only touch are not apart.
bool RangesApart(long double a1, long double b1, long double a2, long double b2) {
    const long double low = std::min(a1, b1);
    const long double high = std::max(a1, b1);
    return (low > a2 && low > b2) || (high < a2 && high < b2);
}

bool WithinEnds(long double value, long double end1, long double end2) {
    return (value - end1) * (value - end2) <= 0;
}

bool OnSegment(const TPointF& p, const TSegmentF& segment) {
    return WithinEnds(p.X, segment.P1.X, segment.P2.X) &&
           WithinEnds(p.Y, segment.P1.Y, segment.P2.Y);
}

} // namespace

bool LineCoeffs(const TSegmentF& segment, bool& xForm, long double& slope, long double& intercept) {
    const long double dx = segment.P2.X - segment.P1.X;
    const long double dy = segment.P2.Y - segment.P1.Y;
    if (dx == 0 && dy == 0)
        return false;
    xForm = std::fabs(dx) >= std::fabs(dy);
    if (xForm) {
        slope = dy / dx;
        intercept = segment.P1.Y - slope * segment.P1.X;
    } else {
        slope = dx / dy;
        intercept = segment.P1.X - slope * segment.P1.Y;
    }
    return true;
}

bool LinesIntersect(const TSegmentF& segment1, const TSegmentF& segment2, TPointF& point) {
    TLine l1, l2;
    if (!LineOf(segment1, l1) || !LineOf(segment2, l2))
        return false;
    if (l1.XForm == l2.XForm && std::fabs(l1.Slope - l2.Slope) < ParallelSlopeTolerance)
        return false;
    point = MeetingPoint(l1, l2);
    return true;
}

bool RayLineIntersect(const TPointF& origin, long double angle, const TSegmentF& segment,
                      TPointF& point) {
    const TSegmentF ray = MakeSegment(origin, PointAt(origin, 100, angle));
    return LinesIntersect(ray, segment, point);
}

bool SegmentsIntersect(const TSegmentF& s1, const TSegmentF& s2, TPointF& point, bool& collinear) {
    collinear = false;
    if (RangesApart(s1.P1.X, s1.P2.X, s2.P1.X, s2.P2.X) ||
        RangesApart(s1.P1.Y, s1.P2.Y, s2.P1.Y, s2.P2.Y))
        return false;
    TLine l1, l2;
    if (!LineOf(s1, l1) || !LineOf(s2, l2))
        return false;
    if (l1.XForm == l2.XForm && l1.Slope == l2.Slope) {
        collinear = l1.Intercept == l2.Intercept;
        return collinear;
    }
    const TPointF meeting = SegmentMeetingPoint(l1, l2);
    if (!OnSegment(meeting, s1) || !OnSegment(meeting, s2))
        return false;
    point = meeting;
    return true;
}
