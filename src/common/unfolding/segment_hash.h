// Segments of a piece's outline hashed into square cells, to find the ones
// that come near a new segment; and the distance of two segments. Pieces grow
// and gain tabs one segment at a time, so segments come and go here, unlike
// geometry's TSegmentGrid, which is built once over a fixed set.
#pragma once

#include "geometry/polygon.h"

#include <cmath>
#include <cstdint>
#include <unordered_map>
#include <vector>

// True when the segments ab and cd come within distance of each other.
bool SegmentsWithin(const TPointF& a, const TPointF& b, const TPointF& c, const TPointF& d,
                    long double distance);

class TSegmentHash {
public:
    explicit TSegmentHash(long double cellSize = 1)
        : FCellsPerMm(1 / static_cast<double>(cellSize)) {}

    void Insert(int id, const TPointF& a, const TPointF& b);
    // Takes out a segment inserted with the same ends.
    void Remove(int id, const TPointF& a, const TPointF& b);
    // Calls visit(id) for every segment in a cell that the box of ab, grown by
    // margin, touches; an id may come more than once.
    template <class TVisit>
    void ForEachNear(const TPointF& a, const TPointF& b, long double margin, TVisit visit) const {
        const TCellRange range = RangeOf(a, b, margin);
        for (std::int64_t x = range.X0; x <= range.X1; ++x)
            for (std::int64_t y = range.Y0; y <= range.Y1; ++y) {
                const auto found = FCells.find(Key(x, y));
                if (found != FCells.end())
                    for (int id : found->second)
                        visit(id);
            }
    }
    void Clear() { FCells.clear(); }

private:
    struct TCellRange {
        std::int64_t X0, X1, Y0, Y1;
    };
    // In double: a cell only has to be the same for the same value, and the
    // search margin dwarfs the rounding.
    std::int64_t Cell(long double value) const {
        return static_cast<std::int64_t>(std::floor(static_cast<double>(value) * FCellsPerMm));
    }
    static std::uint64_t Key(std::int64_t x, std::int64_t y) {
        return (static_cast<std::uint64_t>(x) << 32) ^
               (static_cast<std::uint64_t>(y) & 0xFFFFFFFFu);
    }
    TCellRange RangeOf(const TPointF& a, const TPointF& b, long double margin) const;

    double FCellsPerMm;
    std::unordered_map<std::uint64_t, std::vector<int>> FCells;
};
