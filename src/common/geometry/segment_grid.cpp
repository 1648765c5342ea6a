// The grid over segments: its bounds, its cell size and which segments pass
// through each cell, listed by column and by row.
#include "geometry/segment_grid.h"

#include <cmath>
#include <tuple>

namespace {

long double Extent(const TSegmentF& s) {
    return std::max(std::fabs(s.P2.X - s.P1.X), std::fabs(s.P2.Y - s.P1.Y));
}

bool Before(std::int64_t lineA, std::int64_t placeA, std::int64_t lineB, std::int64_t placeB) {
    return std::tie(lineA, placeA) < std::tie(lineB, placeB);
}

} // namespace

// Cells as large as the median segment put a few segments in each; where many
// segments are far longer than that, cells grow to a quarter of the mean, so
// that the long ones do not fill too many.
TSegmentGrid::TSegmentGrid(const std::vector<TSegmentF>& segments) : FSegments(segments) {
    FStamp.assign(segments.size(), 0);
    if (segments.empty())
        return;
    FMinX = FMaxX = segments.front().P1.X;
    FMinY = FMaxY = segments.front().P1.Y;
    std::vector<long double> extents;
    extents.reserve(segments.size());
    long double total = 0;
    for (const TSegmentF& segment : segments) {
        for (const TPointF& p : {segment.P1, segment.P2}) {
            FMinX = std::min(FMinX, p.X);
            FMaxX = std::max(FMaxX, p.X);
            FMinY = std::min(FMinY, p.Y);
            FMaxY = std::max(FMaxY, p.Y);
        }
        extents.push_back(Extent(segment));
        total += extents.back();
    }
    const auto middle = extents.begin() + static_cast<std::ptrdiff_t>(extents.size() / 2);
    std::nth_element(extents.begin(), middle, extents.end());
    const long double mean = total / static_cast<long double>(segments.size());
    // Never so small that a cell's number leaves the 64-bit range.
    const long double span = std::max(FMaxX - FMinX, FMaxY - FMinY);
    FCellSize = std::max({*middle, mean / 4, span * 1e-12L});
    if (!(FCellSize > 0))
        FCellSize = 1;

    for (int i = 0; i < static_cast<int>(segments.size()); ++i) {
        ForEachCellOf(segments[i], [&](std::int64_t column, std::int64_t row) {
            FByColumn.push_back({column, row, i});
            FByRow.push_back({row, column, i});
        });
    }
    const auto order = [](const TEntry& a, const TEntry& b) {
        return Before(a.Line, a.Place, b.Line, b.Place);
    };
    std::sort(FByColumn.begin(), FByColumn.end(), order);
    std::sort(FByRow.begin(), FByRow.end(), order);
}

std::int64_t TSegmentGrid::Column(long double x) const {
    return static_cast<std::int64_t>(std::floor((x - FMinX) / FCellSize));
}

std::int64_t TSegmentGrid::Row(long double y) const {
    return static_cast<std::int64_t>(std::floor((y - FMinY) / FCellSize));
}

TSegmentGrid::TRange TSegmentGrid::Entries(const TEntries& entries, std::int64_t line,
                                           std::int64_t from, std::int64_t to) {
    const auto first = std::lower_bound(entries.begin(), entries.end(), std::pair(line, from),
                                        [](const TEntry& e, const auto& key) {
                                            return Before(e.Line, e.Place, key.first, key.second);
                                        });
    const auto last = std::upper_bound(first, entries.end(), std::pair(line, to),
                                       [](const auto& key, const TEntry& e) {
                                           return Before(key.first, key.second, e.Line, e.Place);
                                       });
    return {first, last};
}
