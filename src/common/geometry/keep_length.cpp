// The vertex moves that keep side lengths: a dragged vertex pulls its
// neighbours along until one of them can stay between its own two neighbours.
#include "geometry/keep_length.h"

#include "geometry/plane_geometry.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

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
    const TPointF plus = PointAt(pNext, lenNext, t + e);
    const TPointF minus = PointAt(pNext, lenNext, t - e);
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
