// Tests of a page sorted into cut, fold and text layers: the cut contour goes
// round the shape joined with its flanges, only flanged sides and fold lines fold, names
// stand inside their flanges, and what cannot be drawn is left out.
#include "drawing/page_layers.h"

#include "common/geometry/union_checks.h"
#include "common/shape_builders.h"
#include "geometry/flange_outline.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace {

constexpr long double Pi = std::numbers::pi_v<long double>;
constexpr long double RightAngle = Pi / 2;
constexpr double Tolerance = 1e-12;

const TPointF Origin{15, 25};

void ExpectPoint(const TPointF& p, long double x, long double y) {
    EXPECT_NEAR(static_cast<double>(p.X), static_cast<double>(x), Tolerance);
    EXPECT_NEAR(static_cast<double>(p.Y), static_cast<double>(y), Tolerance);
}

void ExpectSegment(const TSegmentF& s, const TPointF& a, const TPointF& b) {
    ExpectPoint(s.P1, a.X, a.Y);
    ExpectPoint(s.P2, b.X, b.Y);
}

TPolygon Reversed(TPolygon shape) {
    std::reverse(shape.Apexes.begin(), shape.Apexes.end());
    return shape;
}

TEST(PageLayers, TheCutOfAFlangedSquareIsItsOutlineWithFlangesMovedToTheOrigin) {
    TPolygon square = Square(40, {10, 20});
    square.Flanges[0] = MakeFlange("", 5, RightAngle, RightAngle);
    square.Flanges[2] = MakeFlange("", 8, Pi / 4, Pi / 3);
    const TPageLayers layers = PageLayersOf({square}, Origin, 4);

    ASSERT_EQ(layers.Cut.size(), 1u);
    const TDaPointF outline = OutlineWithFlanges(square);
    ASSERT_EQ(layers.Cut[0].size(), outline.size());
    for (std::size_t i = 0; i < outline.size(); ++i)
        ExpectPoint(layers.Cut[0][i], outline[i].X + Origin.X, outline[i].Y + Origin.Y);
}

// Flanges on both sides of an L's reflex corner overlap: the cut goes round
// them both once, where before it ran back into the corner and crossed itself.
TEST(PageLayers, TheCutOfAConcaveShapeRunsRoundItsFlangesWithoutCrossing) {
    TPolygon l = Shape({{0, 0}, {20, 0}, {20, 10}, {10, 10}, {10, 20}, {0, 20}});
    l.Flanges[2] = MakeFlange("", 4, RightAngle, RightAngle);
    l.Flanges[3] = MakeFlange("", 4, RightAngle, RightAngle);
    const TPageLayers layers = PageLayersOf({l}, Origin, 4);

    ASSERT_EQ(layers.Cut.size(), 1u);
    union_checks::ExpectSimple(layers.Cut[0]);
    const TDaPointF expected{{0, 0},   {20, 0},  {20, 10}, {20, 14},
                             {14, 14}, {14, 20}, {10, 20}, {0, 20}};
    ASSERT_EQ(layers.Cut[0].size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i)
        ExpectPoint(layers.Cut[0][i], expected[i].X + Origin.X, expected[i].Y + Origin.Y);
}

TEST(PageLayers, ASideWithoutFlangeIsCutButNotFolded) {
    TPolygon square = Square(40, {10, 20});
    square.Flanges[1] = MakeFlange("", 5, RightAngle, RightAngle);
    const TPageLayers layers = PageLayersOf({square}, {}, 4);

    // Only the right side folds; the top side runs straight along the cut.
    ASSERT_EQ(layers.Fold1.size(), 1u);
    ExpectSegment(layers.Fold1[0], {50, 20}, {50, 60});
    EXPECT_TRUE(layers.Fold2.empty());
    ASSERT_EQ(layers.Cut.size(), 1u);
    const TDaPointF& cut = layers.Cut[0];
    ASSERT_EQ(cut.size(), 6u);
    ExpectPoint(cut[0], 10, 20);
    ExpectPoint(cut[1], 50, 20);
    ExpectPoint(cut[2], 55, 20);
    ExpectPoint(cut[3], 55, 60);
    ExpectPoint(cut[4], 50, 60);
    ExpectPoint(cut[5], 10, 60);
}

TEST(PageLayers, FoldLinesGoToTheirSetsAndBrokenOnesAreLeftOut) {
    TPolygon shape = Rect(60, 30);
    shape.BendLines[0] = {MakeBendLine(0, 2), MakeBendLine(1, 1), MakeBendLine(-1, 2)};
    shape.BendLines[1] = {MakeBendLine(1, 3), MakeBendLine(0, 4)};
    const TPageLayers layers = PageLayersOf({shape}, Origin, 4);

    ASSERT_EQ(layers.Fold1.size(), 1u);
    ExpectSegment(layers.Fold1[0], {15, 25}, {75, 55});
    ASSERT_EQ(layers.Fold2.size(), 1u);
    ExpectSegment(layers.Fold2[0], {75, 25}, {15, 55});
}

TEST(PageLayers, ShapesKeepThePagesOrderAndTooFewVerticesDrawNothing) {
    const TPolygon lonePoint = Shape({{5, 5}});
    const TPageLayers layers =
        PageLayersOf({Square(10, {100, 0}), lonePoint, Square(10, {0, 100})}, {}, 4);
    ASSERT_EQ(layers.Cut.size(), 2u);
    ExpectPoint(layers.Cut[0][0], 100, 0);
    ExpectPoint(layers.Cut[1][0], 0, 100);
}

TEST(PageLayers, AShapeWithAPointThatIsNotFiniteIsLeftOut) {
    TPolygon broken = Square(10);
    broken.Apexes[2].X = std::numeric_limits<long double>::infinity();
    broken.BendLines[0] = {MakeBendLine(0, 2), MakeBendLine(1, 3)};
    const TPageLayers layers = PageLayersOf({broken, Square(10, {20, 0})}, {}, 4);
    ASSERT_EQ(layers.Cut.size(), 1u);
    ExpectPoint(layers.Cut[0][0], 20, 0);
    // The fold line that does not touch the broken vertex stays.
    ASSERT_EQ(layers.Fold1.size(), 1u);
    ExpectSegment(layers.Fold1[0], {10, 0}, {0, 10});
}

struct TNameCase {
    const char* Name;
    bool ReversedOrder;
};

class FlangeNameTest : public testing::TestWithParam<TNameCase> {};

// The top side of a square runs from (10, 20) to (50, 20); its flange lies
// above it in either vertex order, and the name reads left to right there.
TEST_P(FlangeNameTest, StandsCentredInsideTheFlangeReadingOutwards) {
    const TFlange named = MakeFlange("A1", 8, RightAngle, RightAngle);
    const TFlange unnamed = MakeFlange("", 8, RightAngle, RightAngle);
    const TFlange none = MakeFlange("lost", 0, RightAngle, RightAngle);
    TPolygon square = Square(40, {10, 20});
    square.Flanges = {named, unnamed, none, none};
    if (GetParam().ReversedOrder) {
        // Reversed, side 2 is the top side.
        square = Reversed(square);
        square.Flanges = {none, unnamed, named, none};
    }
    const TPageLayers layers = PageLayersOf({square}, Origin, 5);

    ASSERT_EQ(layers.Text.size(), 1u);
    const TTextPlacement& text = layers.Text[0];
    EXPECT_EQ(text.Text, "A1");
    EXPECT_NEAR(static_cast<double>(text.Angle), 0, Tolerance);
    EXPECT_NEAR(static_cast<double>(text.Height), 5, Tolerance);
    ExpectPoint(text.At, 30 + Origin.X, 20 - 5 * FlangeNameBaselineLift + Origin.Y);
}

INSTANTIATE_TEST_SUITE_P(BothVertexOrders, FlangeNameTest,
                         testing::Values(TNameCase{"Clockwise", false},
                                         TNameCase{"CounterClockwise", true}),
                         [](const testing::TestParamInfo<TNameCase>& info) {
                             return info.param.Name;
                         });

TEST(PageLayers, ANameOnASlantedSideRunsAlongIt) {
    // The right-angled triangle's long side runs from (30, 0) down to (0, 30);
    // its flange lies beyond it, to the bottom right.
    TPolygon triangle = Triangle(30);
    triangle.Flanges[1] = MakeFlange("X", 6, RightAngle, RightAngle);
    const TPageLayers layers = PageLayersOf({triangle}, {}, 4);
    ASSERT_EQ(layers.Text.size(), 1u);
    EXPECT_NEAR(static_cast<double>(layers.Text[0].Angle), static_cast<double>(3 * Pi / 4),
                Tolerance);
    const long double lift = 4 * FlangeNameBaselineLift / std::sqrt(2.0L);
    ExpectPoint(layers.Text[0].At, 15 + lift, 15 + lift);
}

} // namespace
