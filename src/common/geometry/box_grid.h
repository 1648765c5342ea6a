// Boxes of the shapes of a page filed by the cells of a grid, so that the
// shapes near a box are found without looking at every shape of the page.
#pragma once

#include "geometry/bounding_box.h"

#include <cstdint>
#include <vector>

class TBoxGrid {
public:
    // Files boxes[i] under id i for every i, the cells sized to the boxes.
    void Rebuild(const std::vector<TBox>& boxes);
    // Files, or takes away, id with the box it is (was) filed under.
    void Insert(int id, const TBox& box);
    void Remove(int id, const TBox& box);

    // Every id whose box may meet box, each once, in increasing order, into
    // ids: at least every one whose box meets it. count is the number of ids
    // filed (one more than the highest).
    void Query(const TBox& box, int count, std::vector<int>& ids);

private:
    struct TCellRange {
        int Left = 0, Top = 0, Right = -1, Bottom = -1;
        int Count() const { return (Right - Left + 1) * (Bottom - Top + 1); }
    };
    // Boxes reaching over more cells than this are kept in a list of their own.
    static constexpr int MaxCellsPerBox = 64;

    int CellOf(long double value, long double origin, int cells) const;
    TCellRange RangeOf(const TBox& box) const;
    bool IsWide(const TBox& box, const TCellRange& range) const;
    std::vector<int>& Cell(int column, int row) { return FCells[row * FColumns + column]; }

    long double FLeft = 0;
    long double FTop = 0;
    long double FCellSize = 32;
    double FCellsPerMm = 1.0 / 32;
    int FColumns = 1;
    int FRows = 1;
    std::vector<std::vector<int>> FCells = std::vector<std::vector<int>>(1);
    std::vector<int> FWide;
    std::vector<std::uint32_t> FSeen;
    std::uint32_t FVisit = 0;
};
