// Segments hashed into square cells, and the distance of two segments.
#include "unfolding/segment_hash.h"

#include <algorithm>

namespace {

long double Turn(const TPointF& a, const TPointF& b, const TPointF& c) {
    return (b.X - a.X) * (c.Y - a.Y) - (b.Y - a.Y) * (c.X - a.X);
}

long double PointSegmentDistance(const TPointF& p, const TPointF& a, const TPointF& b) {
    const long double dx = b.X - a.X, dy = b.Y - a.Y;
    const long double lengthSquared = dx * dx + dy * dy;
    long double t = lengthSquared > 0 ? ((p.X - a.X) * dx + (p.Y - a.Y) * dy) / lengthSquared : 0;
    t = std::clamp(t, 0.0L, 1.0L);
    return std::hypot(p.X - (a.X + t * dx), p.Y - (a.Y + t * dy));
}

} // namespace

bool SegmentsWithin(const TPointF& a, const TPointF& b, const TPointF& c, const TPointF& d,
                    long double distance) {
    if (std::max(a.X, b.X) + distance < std::min(c.X, d.X) ||
        std::max(c.X, d.X) + distance < std::min(a.X, b.X) ||
        std::max(a.Y, b.Y) + distance < std::min(c.Y, d.Y) ||
        std::max(c.Y, d.Y) + distance < std::min(a.Y, b.Y))
        return false;
    const long double d1 = Turn(c, d, a), d2 = Turn(c, d, b);
    const long double d3 = Turn(a, b, c), d4 = Turn(a, b, d);
    if (((d1 > 0 && d2 < 0) || (d1 < 0 && d2 > 0)) && ((d3 > 0 && d4 < 0) || (d3 < 0 && d4 > 0)))
        return true;
    return std::min({PointSegmentDistance(a, c, d), PointSegmentDistance(b, c, d),
                     PointSegmentDistance(c, a, b), PointSegmentDistance(d, a, b)}) <= distance;
}

TSegmentHash::TCellRange TSegmentHash::RangeOf(const TPointF& a, const TPointF& b,
                                               long double margin) const {
    return {Cell(std::min(a.X, b.X) - margin), Cell(std::max(a.X, b.X) + margin),
            Cell(std::min(a.Y, b.Y) - margin), Cell(std::max(a.Y, b.Y) + margin)};
}

void TSegmentHash::Insert(int id, const TPointF& a, const TPointF& b) {
    const TCellRange range = RangeOf(a, b, 0);
    for (std::int64_t x = range.X0; x <= range.X1; ++x)
        for (std::int64_t y = range.Y0; y <= range.Y1; ++y)
            FCells[Key(x, y)].push_back(id);
}

void TSegmentHash::Remove(int id, const TPointF& a, const TPointF& b) {
    const TCellRange range = RangeOf(a, b, 0);
    for (std::int64_t x = range.X0; x <= range.X1; ++x)
        for (std::int64_t y = range.Y0; y <= range.Y1; ++y) {
            const auto found = FCells.find(Key(x, y));
            if (found == FCells.end())
                continue;
            std::vector<int>& ids = found->second;
            const auto at = std::find(ids.begin(), ids.end(), id);
            if (at != ids.end()) {
                *at = ids.back();
                ids.pop_back();
            }
        }
}
