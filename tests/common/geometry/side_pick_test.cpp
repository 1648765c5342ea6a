// Picking one side of a page: the nearest side within the pick distance, the
// piece that holds the point first where pieces touch.
#include "geometry/side_pick.h"

#include "common/shape_builders.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

// Two 20 mm squares sharing the line x = 20, and a third apart from them.
const TPolygonTbl Touching{Square(20), Square(20, {20, 0}), Square(10, {60, 0})};

TEST(PickSide, TakesTheSideAClickMeans) {
    struct TCase {
        const char* What;
        TPointF At;
        long double PickDist;
        bool Found;
        TPickedSide Side;
    };
    const TCase cases[] = {
        {"on a side", {10, 0}, 1, true, {0, 0}},
        {"just inside, near a side", {10, 19.5L}, 1, true, {0, 2}},
        {"just outside, near a side", {65, 10.5L}, 1, true, {2, 2}},
        {"exactly the pick distance away", {65, 11}, 1, true, {2, 2}},
        {"beyond the pick distance", {65, 11.01L}, 1, false, {}},
        {"in the middle of a piece", {10, 10}, 1, false, {}},
        {"the shared line, inside the left piece", {19.6L, 10}, 1, true, {0, 1}},
        {"the shared line, inside the right piece", {20.4L, 10}, 1, true, {1, 3}},
        {"as near to two pieces: lower shape index", {20, -0.5L}, 1, true, {0, 0}},
        // Inside the left piece, its own side is farther than the right
        // piece's top side would be, but beyond the pick distance.
        {"inside, own sides out of reach", {30, 0.5L}, 1, true, {1, 0}},
        {"at a corner: the lower side", {60, 0}, 1, true, {2, 0}},
    };
    for (const TCase& c : cases) {
        TPickedSide side{-7, -7};
        EXPECT_EQ(PickSide(Touching, c.At, c.PickDist, side), c.Found) << c.What;
        if (c.Found)
            EXPECT_EQ(side, c.Side) << c.What;
        else
            EXPECT_EQ(side, (TPickedSide{-7, -7})) << c.What << ": left untouched";
    }
}

// A click inside a piece near its side means that piece, even where another
// piece's side lies nearer outside it.
TEST(PickSide, ThePieceHoldingThePointComesFirst) {
    const TPolygonTbl apart{Square(20), Square(20, {20.5L, 0})};
    TPickedSide side;
    ASSERT_TRUE(PickSide(apart, {19.8L, 10}, 1, side));
    EXPECT_EQ(side, (TPickedSide{0, 1}));
    ASSERT_TRUE(PickSide(apart, {20.3L, 10}, 1, side)) << "between the pieces: the nearer";
    EXPECT_EQ(side, (TPickedSide{1, 3}));
}

TEST(PickSide, NothingOnAnEmptyPageOrForAPointThatIsNotANumber) {
    TPickedSide side;
    EXPECT_FALSE(PickSide({}, {0, 0}, 5, side));
    const long double nan = std::numeric_limits<long double>::quiet_NaN();
    EXPECT_FALSE(PickSide(Touching, {nan, 0}, 5, side));
    EXPECT_FALSE(PickSide({Shape({{0, 0}})}, {0, 0}, 5, side))
        << "a shape of one vertex has no side";
}

} // namespace
