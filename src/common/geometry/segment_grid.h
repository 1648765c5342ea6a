// A grid over a set of segments, so that the segments that may meet one
// another, or a ray along an axis, are found without testing every pair.
#pragma once

#include "geometry/polygon.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <vector>

// A ray from a point parallel to an axis, toward growing or shrinking values.
enum class TAxisRay { PlusX, MinusX, PlusY, MinusY };

// Square cells about as large as a typical segment, kept only where segments
// pass, so that an outline of many short sides puts few in each cell however
// much of the bounds it leaves empty.
class TSegmentGrid {
public:
    // segments must be finite and outlive the grid.
    explicit TSegmentGrid(const std::vector<TSegmentF>& segments);

    // Calls visit(i, j), i < j, once for every pair of segments that share a
    // cell: a superset of the pairs that meet.
    template <class TVisit> void ForEachNearbyPair(TVisit visit);

    // Calls visit(i) once for every segment that may meet the ray from
    // `from`: a superset of those it crosses.
    template <class TVisit> void ForEachAlongRay(const TPointF& from, TAxisRay ray, TVisit visit);

    // The bounds of all segments.
    long double MinX() const { return FMinX; }
    long double MinY() const { return FMinY; }
    long double MaxX() const { return FMaxX; }
    long double MaxY() const { return FMaxY; }

private:
    // A segment in a cell, the cell named by its line (column or row) and its
    // place along the line.
    struct TEntry {
        std::int64_t Line = 0;
        std::int64_t Place = 0;
        int Segment = 0;
    };
    using TEntries = std::vector<TEntry>;
    using TRange = std::pair<TEntries::const_iterator, TEntries::const_iterator>;

    const std::vector<TSegmentF>& FSegments;
    long double FMinX = 0, FMinY = 0, FMaxX = 0, FMaxY = 0;
    long double FCellSize = 1;
    TEntries FByColumn;      // Line = column, Place = row
    TEntries FByRow;         // Line = row, Place = column
    std::vector<int> FStamp; // per segment, the last visit that reported it
    int FVisit = 0;

    std::int64_t Column(long double x) const;
    std::int64_t Row(long double y) const;
    // The cells a segment passes through, with a quarter cell to spare all
    // round so that rounding never loses one.
    template <class TCellVisit>
    void ForEachCellOf(const TSegmentF& segment, TCellVisit visit) const;
    // The entries of one line from place `from` to place `to`, both included.
    static TRange Entries(const TEntries& entries, std::int64_t line, std::int64_t from,
                          std::int64_t to);
    // A fresh stamp; stamps of earlier visits are all older.
    int NextVisit() { return ++FVisit; }
};

template <class TCellVisit>
void TSegmentGrid::ForEachCellOf(const TSegmentF& segment, TCellVisit visit) const {
    const TPointF& a = segment.P1;
    const TPointF& b = segment.P2;
    const long double margin = FCellSize / 4;
    const long double top = std::min(a.Y, b.Y) - margin;
    const long double bottom = std::max(a.Y, b.Y) + margin;
    const std::int64_t firstRow = Row(top);
    const std::int64_t lastRow = Row(bottom);
    for (std::int64_t row = firstRow; row <= lastRow; ++row) {
        long double fromX = std::min(a.X, b.X);
        long double toX = std::max(a.X, b.X);
        if (firstRow != lastRow && a.Y != b.Y) {
            // The part of the segment inside the row's band and a margin.
            const long double bandTop = std::max(top, FMinY + row * FCellSize - margin);
            const long double bandBottom = std::min(bottom, FMinY + (row + 1) * FCellSize + margin);
            const long double x1 = a.X + (b.X - a.X) * ((bandTop - a.Y) / (b.Y - a.Y));
            const long double x2 = a.X + (b.X - a.X) * ((bandBottom - a.Y) / (b.Y - a.Y));
            fromX = std::max(fromX, std::min(x1, x2));
            toX = std::min(toX, std::max(x1, x2));
        }
        const std::int64_t lastColumn = Column(toX + margin);
        for (std::int64_t column = Column(fromX - margin); column <= lastColumn; ++column)
            visit(column, row);
    }
}

template <class TVisit> void TSegmentGrid::ForEachNearbyPair(TVisit visit) {
    const int count = static_cast<int>(FSegments.size());
    for (int i = 0; i < count; ++i) {
        const int stamp = NextVisit();
        ForEachCellOf(FSegments[i], [&](std::int64_t column, std::int64_t row) {
            const TRange cell = Entries(FByColumn, column, row, row);
            for (auto entry = cell.first; entry != cell.second; ++entry) {
                const int j = entry->Segment;
                if (j > i && FStamp[j] != stamp) {
                    FStamp[j] = stamp;
                    visit(i, j);
                }
            }
        });
    }
}

template <class TVisit>
void TSegmentGrid::ForEachAlongRay(const TPointF& from, TAxisRay ray, TVisit visit) {
    constexpr std::int64_t Least = std::numeric_limits<std::int64_t>::min();
    constexpr std::int64_t Most = std::numeric_limits<std::int64_t>::max();
    const std::int64_t column = Column(from.X);
    const std::int64_t row = Row(from.Y);
    TRange cells;
    switch (ray) {
    case TAxisRay::PlusX:
        cells = Entries(FByRow, row, column, Most);
        break;
    case TAxisRay::MinusX:
        cells = Entries(FByRow, row, Least, column);
        break;
    case TAxisRay::PlusY:
        cells = Entries(FByColumn, column, row, Most);
        break;
    case TAxisRay::MinusY:
        cells = Entries(FByColumn, column, Least, row);
        break;
    }
    const int stamp = NextVisit();
    for (auto entry = cells.first; entry != cells.second; ++entry) {
        const int j = entry->Segment;
        if (FStamp[j] != stamp) {
            FStamp[j] = stamp;
            visit(j);
        }
    }
}
