// Tests of fold lines drawn as marks outside the piece only: short marks on
// the line's extension, past the cut line (flanges included) and a gap, on
// the waste; and the styles that draw the line, its marks or nothing.
#include "drawing/outside_marks.h"

#include "common/shape_builders.h"
#include "geometry/angles.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

void ExpectSegment(const TSegmentF& actual, const TSegmentF& expected) {
    EXPECT_NEAR(actual.P1.X, expected.P1.X, 1e-9L);
    EXPECT_NEAR(actual.P1.Y, expected.P1.Y, 1e-9L);
    EXPECT_NEAR(actual.P2.X, expected.P2.X, 1e-9L);
    EXPECT_NEAR(actual.P2.Y, expected.P2.Y, 1e-9L);
}

struct TMarkCase {
    const char* Name;
    TPolygon Piece;
    TSegmentF Line;
    TSegmentF Before; // the mark beyond P1
    TSegmentF After;  // the mark beyond P2
};

TPolygon WithRightFlange() {
    TPolygon shape = Square(20);
    shape.Flanges[1] = MakeFlange("", 5, Pi / 2, Pi / 2);
    return shape;
}

// A U open at the top: the extension of a line across its left arm leaves
// the piece into the notch before it meets the right arm.
TPolygon OpenTopU() {
    return Shape({{0, 0}, {10, 0}, {10, 10}, {20, 10}, {20, 0}, {30, 0}, {30, 20}, {0, 20}});
}

class OutsideMarksTest : public testing::TestWithParam<TMarkCase> {};

TEST_P(OutsideMarksTest, LieOnTheWasteBeyondEachEnd) {
    const TMarkCase& c = GetParam();
    const std::vector<TSegmentF> marks = OutsideMarks(c.Line, TPieceCut(c.Piece).Outlines());
    ASSERT_EQ(marks.size(), 2u);
    ExpectSegment(marks[0], c.Before);
    ExpectSegment(marks[1], c.After);
}

INSTANTIATE_TEST_SUITE_P(
    Pieces, OutsideMarksTest,
    testing::Values(
        TMarkCase{
            "Square", Square(20), {{0, 10}, {20, 10}}, {{-1, 10}, {-4, 10}}, {{21, 10}, {24, 10}}},
        // The flange is cut out with the piece: the mark keeps off it.
        TMarkCase{"PastTheFlange",
                  WithRightFlange(),
                  {{0, 10}, {20, 10}},
                  {{-1, 10}, {-4, 10}},
                  {{26, 10}, {29, 10}}},
        TMarkCase{
            "IntoANotch", OpenTopU(), {{0, 5}, {10, 5}}, {{-1, 5}, {-4, 5}}, {{11, 5}, {14, 5}}},
        TMarkCase{"Slanted",
                  Square(20),
                  {{0, 0}, {20, 20}},
                  {{-1 / std::sqrt(2.0L), -1 / std::sqrt(2.0L)},
                   {-4 / std::sqrt(2.0L), -4 / std::sqrt(2.0L)}},
                  {{20 + 1 / std::sqrt(2.0L), 20 + 1 / std::sqrt(2.0L)},
                   {20 + 4 / std::sqrt(2.0L), 20 + 4 / std::sqrt(2.0L)}}}),
    [](const testing::TestParamInfo<TMarkCase>& info) { return info.param.Name; });

TEST(OutsideMarks, ALineOfNoLengthHasNone) {
    const TPolygon square = Square(20);
    EXPECT_TRUE(OutsideMarks({{5, 5}, {5, 5}}, TPieceCut(square).Outlines()).empty());
}

TEST(OutsideMarks, EachStyleAddsTheLineItsMarksOrNothing) {
    const TPolygon square = Square(20);
    const TSegmentF line{{0, 10}, {20, 10}};
    for (const auto& [style, count] :
         {std::pair{TLineStyle::Solid, 1u}, std::pair{TLineStyle::Dashed, 1u},
          std::pair{TLineStyle::DashDot, 1u}, std::pair{TLineStyle::OutsideMarks, 2u},
          std::pair{TLineStyle::Hidden, 0u}}) {
        TPieceCut piece(square);
        std::vector<TSegmentF> lines;
        AddStyledFold(lines, line, style, piece);
        EXPECT_EQ(lines.size(), count) << static_cast<int>(style);
    }
}

} // namespace
