// The grid of boxes. Cells cover the boxes' extent when they are filed; a box
// beyond it is filed under the border cells, which every query beyond it
// reaches too.
#include "geometry/box_grid.h"

#include <algorithm>
#include <cmath>

namespace {

// Cells along either axis at most: a page of many small shapes still gets
// cells of about one shape each.
constexpr int MaxCellsAcross = 512;
constexpr long double DefaultCellSize = 32;

bool IsFiled(const TBox& box) {
    return box.Unbounded || !box.IsEmpty();
}

} // namespace

// In double precision: rounding to it keeps the order of values, and the
// cell only has to grow with the value.
int TBoxGrid::CellOf(long double value, long double origin, int cells) const {
    const double cell =
        std::floor((static_cast<double>(value) - static_cast<double>(origin)) * FCellsPerMm);
    if (!(cell > 0))
        return 0;
    return cell >= cells - 1 ? cells - 1 : static_cast<int>(cell);
}

TBoxGrid::TCellRange TBoxGrid::RangeOf(const TBox& box) const {
    return {CellOf(box.Left, FLeft, FColumns), CellOf(box.Top, FTop, FRows),
            CellOf(box.Right, FLeft, FColumns), CellOf(box.Bottom, FTop, FRows)};
}

bool TBoxGrid::IsWide(const TBox& box, const TCellRange& range) const {
    return box.Unbounded || range.Count() > MaxCellsPerBox;
}

// Cells about the size of an average box, fewer where the extent would need
// too many.
void TBoxGrid::Rebuild(const std::vector<TBox>& boxes) {
    TBox extent;
    long double sizes = 0;
    int counted = 0;
    for (const TBox& box : boxes) {
        if (box.Unbounded || box.IsEmpty())
            continue;
        extent.Add(box);
        sizes += (box.Right - box.Left) + (box.Bottom - box.Top);
        ++counted;
    }
    FLeft = 0;
    FTop = 0;
    FCellSize = DefaultCellSize;
    FColumns = FRows = 1;
    if (counted > 0 && std::isfinite(sizes)) {
        const long double width = extent.Right - extent.Left;
        const long double height = extent.Bottom - extent.Top;
        FCellSize = std::max(
            {sizes / (2 * counted), width / MaxCellsAcross, height / MaxCellsAcross, 1e-6L});
        FLeft = extent.Left;
        FTop = extent.Top;
        // A few cells per box at most: more would cost more to make than they save.
        const long double most = std::max(64, 4 * counted);
        for (;;) {
            FColumns = static_cast<int>(
                std::clamp<long double>(std::ceil(width / FCellSize), 1, MaxCellsAcross));
            FRows = static_cast<int>(
                std::clamp<long double>(std::ceil(height / FCellSize), 1, MaxCellsAcross));
            if (static_cast<long double>(FColumns) * FRows <= most)
                break;
            FCellSize *= 2;
        }
    }
    FCellsPerMm = 1 / static_cast<double>(FCellSize);
    FCells.assign(static_cast<std::size_t>(FColumns) * FRows, {});
    FWide.clear();
    for (std::size_t id = 0; id < boxes.size(); ++id)
        Insert(static_cast<int>(id), boxes[id]);
}

void TBoxGrid::Insert(int id, const TBox& box) {
    if (!IsFiled(box))
        return;
    const TCellRange range = RangeOf(box);
    if (IsWide(box, range)) {
        FWide.push_back(id);
        return;
    }
    for (int row = range.Top; row <= range.Bottom; ++row)
        for (int column = range.Left; column <= range.Right; ++column)
            Cell(column, row).push_back(id);
}

void TBoxGrid::Remove(int id, const TBox& box) {
    const auto drop = [id](std::vector<int>& ids) {
        const auto found = std::find(ids.begin(), ids.end(), id);
        if (found != ids.end()) {
            *found = ids.back();
            ids.pop_back();
        }
    };
    if (!IsFiled(box))
        return;
    const TCellRange range = RangeOf(box);
    if (IsWide(box, range)) {
        drop(FWide);
        return;
    }
    for (int row = range.Top; row <= range.Bottom; ++row)
        for (int column = range.Left; column <= range.Right; ++column)
            drop(Cell(column, row));
}

// A box reaching over more cells than there are ids is answered with every
// id; an empty one (or one with a coordinate that is not a number) meets only
// unbounded boxes, which are among the wide ones.
void TBoxGrid::Query(const TBox& box, int count, std::vector<int>& ids) {
    ids.clear();
    const bool empty = box.IsEmpty();
    const TCellRange range = RangeOf(box);
    if (box.Unbounded || (!empty && range.Count() >= count)) {
        for (int id = 0; id < count; ++id)
            ids.push_back(id);
        return;
    }
    if (FSeen.size() < static_cast<std::size_t>(count))
        FSeen.resize(count, 0);
    if (++FVisit == 0) {
        std::fill(FSeen.begin(), FSeen.end(), 0);
        FVisit = 1;
    }
    const auto take = [&](int id) {
        if (id < count && FSeen[id] != FVisit) {
            FSeen[id] = FVisit;
            ids.push_back(id);
        }
    };
    for (const int id : FWide)
        take(id);
    if (!empty) {
        for (int row = range.Top; row <= range.Bottom; ++row)
            for (int column = range.Left; column <= range.Right; ++column)
                for (const int id : Cell(column, row))
                    take(id);
    }
    std::sort(ids.begin(), ids.end());
}
