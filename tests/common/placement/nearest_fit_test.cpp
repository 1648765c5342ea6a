// Tests of the nearest free place of a new or pasted shape: where it already
// fits it stays; otherwise it moves the least distance to a place inside the
// white area and off every other shape, nearer than any free place of a grid
// of candidates; where nothing fits, it says so.
#include "placement/nearest_fit.h"

#include "common/shape_builders.h"
#include "geometry/angles.h"
#include "placement/placement.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr long double PageWidth = 120;
constexpr long double PageHeight = 80;

TPlacementRules Rules() {
    TPlacementRules rules;
    rules.KeepInside = true;
    rules.AvoidOverlap = true;
    rules.PageWidth = PageWidth;
    rules.PageHeight = PageHeight;
    return rules;
}

// Fits by the sheet's own collision check: inside the white area, touching
// nothing.
bool Fits(const TPolygonTbl& page, const TPolygon& shape, const TPointF& move) {
    TPolygon moved = shape;
    TranslatePolygon(moved, move);
    TPolygonTbl withShape = page;
    withShape.push_back(moved);
    TPointF contact;
    return !CollisionCheck(withShape, static_cast<int>(page.size()), moved, Rules(), contact);
}

TPolygon Flanged(TPolygon shape) {
    for (TFlange& flange : shape.Flanges)
        flange = MakeFlange("", 4, Pi / 4, Pi / 4);
    return shape;
}

// A page with a flanged square, an L of rectangles and a triangle.
TPolygonTbl Page() {
    return {Flanged(Square(30, PointF(10, 10))), Rect(50, 12, PointF(55, 8)),
            Rect(12, 40, PointF(55, 20)), Triangle(25, PointF(80, 35))};
}

struct TNearCase {
    const char* Name;
    TPolygon Shape;
};

class NearestFitTest : public ::testing::TestWithParam<TNearCase> {};

// The move found fits, and no move on a 0.5 mm grid that fits is shorter,
// but for the least clearance kept and the grid's own rounding.
TEST_P(NearestFitTest, FindsAFreePlaceNoGridPlaceBeats) {
    const TPolygonTbl page = Page();
    const TPolygon& shape = GetParam().Shape;
    TPointF move;
    ASSERT_TRUE(NearestFreePlace(page, shape, PageWidth, PageHeight, move));
    EXPECT_TRUE(Fits(page, shape, move));
    const long double found = std::hypot(move.X, move.Y);
    constexpr long double Step = 0.5L;
    const int reach = static_cast<int>(std::ceil(found / Step));
    for (int i = -reach; i <= reach; ++i) {
        for (int j = -reach; j <= reach; ++j) {
            const TPointF grid = PointF(i * Step, j * Step);
            const long double length = std::hypot(grid.X, grid.Y);
            if (length < found - 0.01L) {
                EXPECT_FALSE(Fits(page, shape, grid)) << i << " " << j;
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NearestFitTest,
    ::testing::Values(TNearCase{"inside the square", Flanged(Square(14, PointF(20, 20)))},
                      TNearCase{"half off the page", Rect(20, 10, PointF(-8, 60))},
                      TNearCase{"in the corner of the L", Square(10, PointF(60, 14))},
                      TNearCase{"between square and L", Flanged(Rect(8, 20, PointF(40, 30)))},
                      TNearCase{"on the triangle", Triangle(12, PointF(85, 40))}),
    [](const ::testing::TestParamInfo<TNearCase>& info) {
        std::string name = info.param.Name;
        for (char& c : name)
            c = c == ' ' ? '_' : c;
        return name;
    });

TEST(NearestFit, AShapeThatFitsStays) {
    TPointF move = PointF(9, 9);
    ASSERT_TRUE(NearestFreePlace(Page(), Square(5, PointF(20, 60)), PageWidth, PageHeight, move));
    EXPECT_EQ(move, PointF(0, 0));
}

TEST(NearestFit, APastedCopyLeavesItsOriginal) {
    const TPolygonTbl page = Page();
    TPointF move;
    ASSERT_TRUE(NearestFreePlace(page, page[1], PageWidth, PageHeight, move));
    EXPECT_NE(move, PointF(0, 0));
    EXPECT_TRUE(Fits(page, page[1], move));
}

TEST(NearestFit, SaysWhenNothingFits) {
    TPointF move = PointF(3, 4);
    // Larger than the white area.
    EXPECT_FALSE(NearestFreePlace({}, Rect(130, 10), PageWidth, PageHeight, move));
    // A page filled by one shape.
    const TPolygonTbl full = {Rect(118, 78, PointF(1, 1))};
    EXPECT_FALSE(NearestFreePlace(full, Square(5, PointF(50, 50)), PageWidth, PageHeight, move));
    // No outline.
    EXPECT_FALSE(NearestFreePlace(Page(), TPolygon(), PageWidth, PageHeight, move));
    EXPECT_EQ(move, PointF(3, 4));
}

} // namespace
