// Pages larger than the paper: a page printed on columns x rows sheets that
// overlap by TileOverlap, each carrying crop and alignment marks on its
// overlaps and a small "column-row / total" label, so that the sheets taped
// together give the page at full size.
#pragma once

#include "drawing/print_layout.h"
#include "drawing/printed_sheet.h"

#include <string>
#include <vector>

inline constexpr int MaxTileCount = 10; // columns or rows
inline constexpr long double TileOverlap = 10;

struct TTileGrid {
    int Columns = 1;
    int Rows = 1;
    int Count() const { return Columns * Rows; }
    friend bool operator==(const TTileGrid&, const TTileGrid&) = default;
};

// A count from 1 to MaxTileCount, others give 1.
int AcceptedTileCount(int count);

// The printable area of one sheet, in mm, and of the whole page tiled.
TPageAreaMm TiledArea(const TTileGrid& grid, const TPageAreaMm& sheet);

// One sheet of a tiled page, counted from 0. PageOrigin is where the page's
// millimetre origin lies from the sheet's printable area's corner.
struct TTile {
    int Column = 0;
    int Row = 0;
    TPointF PageOrigin;
};

// The sheets of a page, row by row, each sheet's printable area sheet mm,
// the page placed margins in from the tiled area's corner.
std::vector<TTile> TilesOf(const TTileGrid& grid, const TPageAreaMm& sheet,
                           const TPageMargins& margins);

// "column-row / total", counted from 1.
std::string TileLabel(const TTile& tile, const TTileGrid& grid);

// How long a crop mark is and how far each arm of an alignment cross reaches.
inline constexpr long double CropMarkLength = 5;
inline constexpr long double AlignmentArm = 4;
inline constexpr long double TileLabelHeight = 2.5L;

// The marks of one sheet in mm from its printable area's corner: on each
// edge it shares with another sheet, a crop mark at both ends of the seam
// (the middle of the overlap) and alignment crosses on it at a quarter, half
// and three quarters of its length, at the same places of the page on both
// sheets; and the label near the top-left corner, clear of the marks. A page of
// one sheet has
// none.
TPrintedSheet TileMarks(const TTile& tile, const TTileGrid& grid, const TPageAreaMm& sheet);
