// Tests of the glue flange quadrilateral and the outline with flanges.
#include "geometry/angles.h"
#include "geometry/flange_outline.h"

#include "common/shape_builders.h"
#include "geometry/overlap.h"
#include "geometry/plane_geometry.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>

namespace {

constexpr long double Tolerance = 1e-15L;

void ExpectPointNear(const TPointF& expected, const TPointF& actual) {
    EXPECT_NEAR(expected.X, actual.X, Tolerance);
    EXPECT_NEAR(expected.Y, actual.Y, Tolerance);
}

void ExpectPoint(const TPointF& p, long double x, long double y, double tolerance = 1e-12) {
    EXPECT_NEAR(static_cast<double>(p.X), static_cast<double>(x), tolerance);
    EXPECT_NEAR(static_cast<double>(p.Y), static_cast<double>(y), tolerance);
}

} // namespace

TEST(FlangeOutline, RectangleOutsideClockwiseSquare) {
    TPolygon square = Square(10);
    square.Flanges[0] = MakeFlange("", 5, Pi / 2, Pi / 2);
    std::array<TPointF, 4> corners;
    ASSERT_TRUE(FlangeOutline(square, IsClockwiseOnScreen(square.Apexes), 0, corners));
    ExpectPointNear({0, 0}, corners[0]);
    ExpectPointNear({0, -5}, corners[1]);
    ExpectPointNear({10, -5}, corners[2]);
    ExpectPointNear({10, 0}, corners[3]);
}

TEST(FlangeOutline, OutsideForReversedOrderWithSlantedEdges) {
    // The same side, now run from (10,0) to (0,0) as the last side.
    TPolygon square = Shape({{0, 0}, {0, 10}, {10, 10}, {10, 0}});
    square.Flanges[3] = MakeFlange("", 5, Pi / 4, Pi / 2);
    std::array<TPointF, 4> corners;
    ASSERT_TRUE(FlangeOutline(square, IsClockwiseOnScreen(square.Apexes), 3, corners));
    ExpectPointNear({10, 0}, corners[0]);
    ExpectPointNear({5, -5}, corners[1]);
    ExpectPointNear({0, -5}, corners[2]);
    ExpectPointNear({0, 0}, corners[3]);
}

TEST(FlangeOutline, FalseForNoFlangeBadSideOrDegenerateAngle) {
    TPolygon square = Square(10);
    std::array<TPointF, 4> corners{};
    EXPECT_FALSE(FlangeOutline(square, IsClockwiseOnScreen(square.Apexes), 0, corners));
    square.Flanges[0] = MakeFlange("", 5, 0, Pi / 2);
    EXPECT_FALSE(FlangeOutline(square, IsClockwiseOnScreen(square.Apexes), 0, corners));
    square.Flanges[0] = MakeFlange("", 5, Pi / 2, Pi);
    EXPECT_FALSE(FlangeOutline(square, IsClockwiseOnScreen(square.Apexes), 0, corners));
    square.Flanges[0] = MakeFlange("", 5, Pi / 2, std::nanl(""));
    EXPECT_FALSE(FlangeOutline(square, IsClockwiseOnScreen(square.Apexes), 0, corners));
    square.Flanges[0] = MakeFlange("", 5, Pi / 2, Pi / 2);
    EXPECT_FALSE(FlangeOutline(square, IsClockwiseOnScreen(square.Apexes), -1, corners));
    EXPECT_FALSE(FlangeOutline(square, IsClockwiseOnScreen(square.Apexes), 4, corners));
    square.Flanges.resize(1);
    square.Flanges[0] = MakeFlange("", 0, Pi / 2, Pi / 2);
    EXPECT_FALSE(FlangeOutline(square, IsClockwiseOnScreen(square.Apexes), 0, corners));
    EXPECT_FALSE(FlangeOutline(square, IsClockwiseOnScreen(square.Apexes), 1, corners));
    EXPECT_EQ((std::array<TPointF, 4>{}), corners);
}

TEST(OutlineWithFlanges, FlangedSidesContributeTheirCorners) {
    TPolygon square = Square(10);
    square.Flanges[0] = MakeFlange("", 5, Pi / 2, Pi / 2);
    const TDaPointF outline = OutlineWithFlanges(square);
    ASSERT_EQ(outline.size(), 6u);
    EXPECT_EQ(OutlineWithFlangesCount(square), 6);
    const TPointF expected[] = {{0, 0}, {0, -5}, {10, -5}, {10, 0}, {10, 10}, {0, 10}};
    for (std::size_t i = 0; i < outline.size(); ++i)
        ExpectPoint(outline[i], expected[i].X, expected[i].Y);
}

TEST(OutlineWithFlanges, FlangeWithoutFiniteCornersTakesNoPart) {
    TPolygon square = Square(10);
    square.Flanges[1] = MakeFlange("x", 5, 0, Pi / 2);
    square.Flanges[2] = MakeFlange("", 5, Pi / 2, Pi);
    EXPECT_EQ(OutlineWithFlanges(square), square.Apexes);
    EXPECT_EQ(OutlineWithFlangesCount(square), 4);

    TPointF contact;
    EXPECT_FALSE(PolygonHitsOthers({Square(10, {12, 0})}, -1, square, contact));
}
