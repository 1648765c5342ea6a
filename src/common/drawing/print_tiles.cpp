// Tiling a page over several sheets, and the marks that put them together.
#include "drawing/print_tiles.h"

#include "drawing/fold_style.h"

namespace {

void AddLine(TPrintStroke& stroke, const TPointF& a, const TPointF& b) {
    stroke.Paths.push_back({{a, b}, false});
}

void AddCross(TPrintStroke& stroke, const TPointF& at) {
    AddLine(stroke, {at.X - AlignmentArm, at.Y}, {at.X + AlignmentArm, at.Y});
    AddLine(stroke, {at.X, at.Y - AlignmentArm}, {at.X, at.Y + AlignmentArm});
}

// A seam runs down the sheet at x (vertical) or across it at y.
void AddSeam(TPrintStroke& stroke, bool vertical, long double at, const TPageAreaMm& sheet) {
    const long double length = vertical ? sheet.Height : sheet.Width;
    const auto point = [&](long double along) {
        return vertical ? TPointF{at, along} : TPointF{along, at};
    };
    AddLine(stroke, point(0), point(CropMarkLength));
    AddLine(stroke, point(length - CropMarkLength), point(length));
    for (const long double share : {0.25L, 0.5L, 0.75L})
        AddCross(stroke, point(length * share));
}

} // namespace

int AcceptedTileCount(int count) {
    return count >= 1 && count <= MaxTileCount ? count : 1;
}

TPageAreaMm TiledArea(const TTileGrid& grid, const TPageAreaMm& sheet) {
    return {grid.Columns * sheet.Width - (grid.Columns - 1) * TileOverlap,
            grid.Rows * sheet.Height - (grid.Rows - 1) * TileOverlap};
}

std::vector<TTile> TilesOf(const TTileGrid& grid, const TPageAreaMm& sheet,
                           const TPageMargins& margins) {
    std::vector<TTile> tiles;
    for (int row = 0; row < grid.Rows; ++row)
        for (int column = 0; column < grid.Columns; ++column)
            tiles.push_back({column,
                             row,
                             {margins.Left - column * (sheet.Width - TileOverlap),
                              margins.Top - row * (sheet.Height - TileOverlap)}});
    return tiles;
}

std::string TileLabel(const TTile& tile, const TTileGrid& grid) {
    return std::to_string(tile.Column + 1) + "-" + std::to_string(tile.Row + 1) + " / " +
           std::to_string(grid.Count());
}

// A cross on the seam of the overlap on the right lies TileOverlap / 2 from
// that edge; on the next sheet the same place of the page lies as far from
// its left edge.
TPrintedSheet TileMarks(const TTile& tile, const TTileGrid& grid, const TPageAreaMm& sheet) {
    TPrintedSheet marks;
    if (grid.Count() <= 1)
        return marks;
    TPrintStroke stroke{CutLineWidth, {}, false, {}};
    const long double half = TileOverlap / 2;
    if (tile.Column > 0)
        AddSeam(stroke, true, half, sheet);
    if (tile.Column + 1 < grid.Columns)
        AddSeam(stroke, true, sheet.Width - half, sheet);
    if (tile.Row > 0)
        AddSeam(stroke, false, half, sheet);
    if (tile.Row + 1 < grid.Rows)
        AddSeam(stroke, false, sheet.Height - half, sheet);
    marks.Strokes.push_back(std::move(stroke));
    TTextPlacement label{
        {TileOverlap + 1, 1 + TileLabelHeight}, 0, TileLabelHeight, TileLabel(tile, grid)};
    marks.Texts.push_back({std::move(label), TTextAlign::Left});
    return marks;
}
