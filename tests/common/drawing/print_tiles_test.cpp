// Tests of pages tiled over several sheets: the tiled area, where the page
// lies on each sheet, and marks that meet when the sheets overlap.
#include "drawing/print_tiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <utility>

namespace {

constexpr TPageAreaMm Sheet{190, 277};

// The points of a sheet's marks that lie on the page line x = at (or y = at),
// in the page's mm, rounded to a micrometre.
std::set<std::pair<long long, long long>> MarksOn(const TTile& tile, const TTileGrid& grid,
                                                  bool vertical, long double at) {
    std::set<std::pair<long long, long long>> found;
    for (const TPrintStroke& stroke : TileMarks(tile, grid, Sheet).Strokes)
        for (const TPrintPath& path : stroke.Paths)
            for (const TPointF& p : path.Points) {
                const long double x = p.X - tile.PageOrigin.X;
                const long double y = p.Y - tile.PageOrigin.Y;
                if (std::fabs((vertical ? x : y) - at) < 1e-9L)
                    found.insert({std::llround(static_cast<double>(x * 1000)),
                                  std::llround(static_cast<double>(y * 1000))});
            }
    return found;
}

TEST(PrintTiles, TheTiledAreaIsTheSheetsLessTheirOverlaps) {
    struct TCase {
        TTileGrid Grid;
        long double Width;
        long double Height;
    };
    for (const TCase& c :
         {TCase{{1, 1}, 190, 277}, TCase{{2, 1}, 370, 277}, TCase{{3, 2}, 550, 544}}) {
        const TPageAreaMm area = TiledArea(c.Grid, Sheet);
        EXPECT_EQ(area.Width, c.Width);
        EXPECT_EQ(area.Height, c.Height);
    }
    for (const auto& [count, accepted] :
         {std::pair{0, 1}, std::pair{1, 1}, std::pair{10, 10}, std::pair{11, 1}})
        EXPECT_EQ(AcceptedTileCount(count), accepted) << count;
}

// With a 5 mm left and 3 mm top margin, the sheet of column 2 starts
// 180 mm further along the page than the first.
TEST(PrintTiles, EachSheetShowsItsShareOfThePageRowByRow) {
    const TTileGrid grid{2, 2};
    const std::vector<TTile> tiles = TilesOf(grid, Sheet, {3, 0, 5, 0});
    ASSERT_EQ(tiles.size(), 4u);
    EXPECT_EQ(tiles[1].Column, 1);
    EXPECT_EQ(tiles[1].Row, 0);
    EXPECT_EQ(tiles[1].PageOrigin.X, 5 - 180);
    EXPECT_EQ(tiles[1].PageOrigin.Y, 3);
    EXPECT_EQ(tiles[2].PageOrigin.X, 5);
    EXPECT_EQ(tiles[2].PageOrigin.Y, 3 - 267);
    EXPECT_EQ(TileLabel(tiles[3], grid), "2-2 / 4");
}

// Crop marks and crosses of two neighbours lie at the same places of the
// page, on the middle of their overlap: matched, the sheets line up.
TEST(PrintTiles, NeighboursMarksMeetOnTheSeam) {
    // The seam between columns lies 185 mm into the page, between rows 272 mm.
    const TTileGrid across{2, 1};
    const std::vector<TTile> columns = TilesOf(across, Sheet, {});
    const auto left = MarksOn(columns[0], across, true, 185);
    EXPECT_EQ(left.size(), 10u) << "two crop marks and three crosses, each with two ends";
    EXPECT_EQ(left, MarksOn(columns[1], across, true, 185));
    const TTileGrid down{1, 2};
    const std::vector<TTile> rows = TilesOf(down, Sheet, {});
    const auto top = MarksOn(rows[0], down, false, 272);
    EXPECT_EQ(top.size(), 10u);
    EXPECT_EQ(top, MarksOn(rows[1], down, false, 272));
    // Each sheet's label stands clear of the overlap, in the sheet's corner.
    const TPrintedSheet marks = TileMarks(columns[1], across, Sheet);
    ASSERT_EQ(marks.Texts.size(), 1u);
    EXPECT_EQ(marks.Texts[0].Placement.Text, "2-1 / 2");
    EXPECT_GT(marks.Texts[0].Placement.At.X, TileOverlap);
}

TEST(PrintTiles, APageOfOneSheetHasNoMarks) {
    const TPrintedSheet marks = TileMarks({}, {1, 1}, Sheet);
    EXPECT_TRUE(marks.Strokes.empty());
    EXPECT_TRUE(marks.Texts.empty());
}

} // namespace
