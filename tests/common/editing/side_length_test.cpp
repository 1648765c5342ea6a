// The typed length of a side or diagonal: the far end slides along the line,
// and lengths below the closing distance or equal to the current one are
// ignored.
#include "editing/side_length.h"

#include "common/shape_builders.h"
#include "construction_checks.h"

#include <cmath>
#include <limits>

namespace {

constexpr long double CloseDistAt100 = 10 / 3.5L;
constexpr long double CloseDistAt400 = 10 / (3.5L * 4);

} // namespace

TEST(SideLengthTest, FarEndSlidesAlongTheLineFromTheNearEnd) {
    TPolygon side = Rect(40, 25);
    ASSERT_TRUE(SetSideLength(side, 0, 1, 30, CloseDistAt100, false));
    EXPECT_EQ(side.Apexes, TDaPointF({{0, 0}, {30, 0}, {40, 25}, {0, 25}}));

    TPolygon diagonal = Square(10);
    ASSERT_TRUE(SetSideLength(diagonal, 2, 0, 5, CloseDistAt100, false));
    const long double offset = 10 - 5 / std::sqrt(2.0L);
    ExpectPointNear(diagonal.Apexes[0], PointF(offset, offset));
    EXPECT_NEAR(static_cast<double>(PointDistance(diagonal.Apexes[0], diagonal.Apexes[2])), 5,
                1e-12);
}

TEST(SideLengthTest, LengthBelowTheClosingDistanceCountsOnlyWhenZoomedIn) {
    TPolygon at100 = Square(10);
    EXPECT_FALSE(SetSideLength(at100, 0, 1, 1, CloseDistAt100, false));
    EXPECT_EQ(at100, Square(10));

    TPolygon at400 = Square(10);
    ASSERT_TRUE(SetSideLength(at400, 0, 1, 1, CloseDistAt400, false));
    EXPECT_EQ(at400.Apexes[1], PointF(1, 0));
}

TEST(SideLengthTest, SwitchOnMovesOnlyTheVerticesBeyondTheChangedSide) {
    TPolygon forward = Rect(40, 25);
    ASSERT_TRUE(SetSideLength(forward, 0, 1, 30, CloseDistAt100, true));
    EXPECT_EQ(forward.Apexes[0], PointF(0, 0));
    EXPECT_EQ(forward.Apexes[1], PointF(30, 0));
    EXPECT_EQ(forward.Apexes[3], PointF(0, 25));
    EXPECT_NEAR(static_cast<double>(PointDistance(forward.Apexes[1], forward.Apexes[2])), 25, 1e-9);

    TPolygon backward = Rect(40, 25);
    ASSERT_TRUE(SetSideLength(backward, 1, 0, 30, CloseDistAt100, true));
    EXPECT_EQ(backward.Apexes[0], PointF(10, 0));
    EXPECT_EQ(backward.Apexes[1], PointF(40, 0));
    EXPECT_EQ(backward.Apexes[2], PointF(40, 25));
    EXPECT_NEAR(static_cast<double>(PointDistance(backward.Apexes[3], backward.Apexes[0])), 25,
                1e-9);
}

TEST(SideLengthTest, UnusableLengthsChangeNothing) {
    const TPolygon pinched = Shape({{0, 0}, {0, 0}, {10, 10}, {0, 10}});
    const struct {
        const char* Name;
        TPolygon Shape;
        int J;
        int K;
        long double Length;
    } cases[] = {
        {"the current length", Square(10), 0, 1, 10},
        {"an empty field, read as 0", Square(10), 0, 1, 0},
        {"a line without length", pinched, 0, 1, 5},
        {"one vertex twice", Square(10), 1, 1, 5},
        {"a vertex that is not there", Square(10), 0, 4, 5},
        {"not a number", Square(10), 0, 1, std::numeric_limits<long double>::quiet_NaN()},
    };
    for (const auto& c : cases) {
        for (const bool keepLengths : {false, true}) {
            SCOPED_TRACE(testing::Message() << c.Name << (keepLengths ? ", switch on" : ""));
            TPolygon shape = c.Shape;
            EXPECT_FALSE(SetSideLength(shape, c.J, c.K, c.Length, CloseDistAt100, keepLengths));
            EXPECT_EQ(shape, c.Shape);
        }
    }
}
