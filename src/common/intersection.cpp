// Line and segment intersections, the overlap of shapes with their glue flanges,
// rotation of vertex lists and the vertex moves that keep side lengths.
#include "intersection.h"

#include "geometry.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

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

TPointF PointAt(const TPointF& origin, long double direction, long double length) {
    return {origin.X + length * std::cos(direction), origin.Y + length * std::sin(direction)};
}

// The point at length from origin on the way to towards; false when the two
// coincide and there is no way.
bool PointTowards(const TPointF& origin, const TPointF& towards, long double length,
                  TPointF& point) {
    const long double distance = PointDistance(origin, towards);
    if (distance == 0)
        return false;
    point = {origin.X + (towards.X - origin.X) * length / distance,
             origin.Y + (towards.Y - origin.Y) * length / distance};
    return true;
}

// Vertex r goes onto the line from prev towards m at its old distance from
// prev. When m sits on prev there is no such line; r then keeps its direction
// from prev, so that the side keeps its length in every case.
TPointF PulledApex(const TDaPointF& before, const TDaPointF& copy, int prev, int r, int m,
                   long double length) {
    TPointF point;
    if (PointTowards(copy[prev], copy[m], length, point) ||
        PointTowards(copy[prev], copy[r], length, point))
        return point;
    return {copy[prev].X + before[r].X - before[prev].X,
            copy[prev].Y + before[r].Y - before[prev].Y};
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
    const TSegmentF ray = MakeSegment(origin, PointAt(origin, angle, 100));
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
    const TDaPointF moving = OutlineWithFlanges(shape);
    for (std::size_t i = 0; i < page.size(); ++i) {
        if (static_cast<int>(i) == ownIndex)
            continue;
        if (PolygonsOverlap(moving, OutlineWithFlanges(page[i]), contact))
            return true;
    }
    return false;
}

void RotatePoints(TDaPointF& apexes, const TPointF& centre, long double angle) {
    const long double cosine = std::cos(angle);
    const long double sine = std::sin(angle);
    for (TPointF& apex : apexes) {
        const long double h = apex.X - centre.X;
        const long double o = apex.Y - centre.Y;
        apex.X = centre.X + h * cosine - o * sine;
        apex.Y = centre.Y + o * cosine + h * sine;
    }
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

bool TwoCirclePoint(const TPointF& pPrev, const TPointF& pRef, const TPointF& pNext,
                    long double lenPrev, long double lenNext, TPointF& point) {
    const long double c = PointDistance(pNext, pPrev);
    if (lenNext == 0 || lenPrev == 0 || c == 0)
        return false;
    if (lenNext >= lenPrev + c || lenPrev >= lenNext + c || c >= lenNext + lenPrev)
        return false;
    const long double t = PointDirection(pNext, pPrev);
    // Rounding can carry the cosine of a nearly flat triangle past 1.
    const long double cosine = std::clamp(
        (lenNext * lenNext + c * c - lenPrev * lenPrev) / (2 * lenNext * c), -1.0L, 1.0L);
    const long double e = std::acos(cosine);
    const TPointF plus = PointAt(pNext, t + e, lenNext);
    const TPointF minus = PointAt(pNext, t - e, lenNext);
    point = PointDistance(plus, pRef) < PointDistance(minus, pRef) ? plus : minus;
    return true;
}

bool KeepLenWalk(const TDaPointF& before, TDaPointF& copy, int i, int d, const TPointF& target) {
    const int n = static_cast<int>(before.size());
    if (copy.size() != before.size() || i < 0 || i >= n || (d != 1 && d != -1))
        return false;
    const auto wrap = [n](int k) { return ((k % n) + n) % n; };
    copy[i] = target;
    int prev = i;
    int r = wrap(i + d);
    int m = wrap(r + d);
    long double len1 = PointDistance(before[prev], before[r]);
    while (r != i) {
        const long double len2 = PointDistance(before[r], before[m]);
        TPointF placed;
        if (TwoCirclePoint(copy[prev], copy[r], copy[m], len1, len2, placed)) {
            copy[r] = placed;
            return true;
        }
        if (m != i)
            copy[r] = PulledApex(before, copy, prev, r, m, len1);
        prev = r;
        r = m;
        m = wrap(m + d);
        len1 = len2;
    }
    return false;
}

bool MoveApexKeepLenDir(TPolygon& polygon, int i, const TPointF& target, int d) {
    TDaPointF moved = polygon.Apexes;
    if (!KeepLenWalk(polygon.Apexes, moved, i, d, target))
        return false;
    polygon.Apexes = std::move(moved);
    return true;
}

bool MoveApexKeepLen(TPolygon& polygon, int i, const TPointF& target) {
    TDaPointF moved = polygon.Apexes;
    if (!KeepLenWalk(polygon.Apexes, moved, i, 1, target) ||
        !KeepLenWalk(polygon.Apexes, moved, i, -1, target))
        return false;
    polygon.Apexes = std::move(moved);
    return true;
}
