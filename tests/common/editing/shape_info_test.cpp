// Tests of the figures the shape information monitor shows per vertex.
#include "editing/shape_info.h"

#include "common/shape_builders.h"
#include "geometry/angles.h"
#include "geometry/plane_geometry.h"

#include <gtest/gtest.h>

#include <numbers>

namespace {

void ExpectNear(long double actual, long double expected) {
    EXPECT_NEAR(static_cast<double>(actual), static_cast<double>(expected), 1e-12);
}

} // namespace

TEST(ShapeInfoTest, TriangleRowsGiveAngleLengthSlopeAndFlange) {
    TPolygon triangle = Shape({{0, 0}, {10, 0}, {0, 10}});
    triangle.Flanges[0] = MakeFlange("A", 5, Pi / 4, Pi / 4);
    const std::vector<TVertexInfo> rows = ShapeInfo(triangle);
    ASSERT_EQ(rows.size(), 3u);

    EXPECT_EQ(rows[0].Point, PointF(0, 0));
    ExpectNear(rows[0].InteriorAngle, 90);
    ExpectNear(rows[0].SideLength, 10);
    ExpectNear(rows[0].SideSlope, 0);
    ExpectNear(rows[0].FlangeWidth, 5);
    ExpectNear(rows[0].FlangeAngle1, 45);
    ExpectNear(rows[0].FlangeAngle2, 45);

    // The side from (10, 0) to (0, 10) runs down to the left.
    ExpectNear(rows[1].InteriorAngle, 45);
    ExpectNear(rows[1].SideLength, 10 * std::numbers::sqrt2_v<long double>);
    ExpectNear(rows[1].SideSlope, -135);
    EXPECT_EQ(rows[1].FlangeWidth, 0);

    // Up the left-hand side, the same angles for the other vertex order.
    ExpectNear(rows[2].SideSlope, 90);
    const std::vector<TVertexInfo> reversed = ShapeInfo(Shape({{0, 10}, {10, 0}, {0, 0}}));
    ExpectNear(reversed[2].InteriorAngle, 90);
}

TEST(ShapeInfoTest, NoRowsBelowTwoVerticesAndNoFlangeWithoutItsRecord) {
    EXPECT_TRUE(ShapeInfo(TPolygon()).empty());
    EXPECT_TRUE(ShapeInfo(Shape({{3, 4}})).empty());

    TPolygon bare;
    bare.Apexes = {PointF(0, 0), PointF(4, 0), PointF(4, 3)};
    const std::vector<TVertexInfo> rows = ShapeInfo(bare);
    ASSERT_EQ(rows.size(), 3u);
    ExpectNear(rows[2].SideLength, 5);
    EXPECT_EQ(rows[2].FlangeWidth, 0);
}

// The order is found once for all rows; each row's interior angle must still
// be what ApexAngle gives for that vertex, in either order and for an outline
// that crosses itself.
TEST(ShapeInfoTest, RowsMatchTheAnglesOfTheWholeOutline) {
    const TPolygon outlines[] = {
        Shape({{0, 0}, {30, 0}, {30, 20}, {15, 8}, {0, 20}}),
        Shape({{0, 20}, {15, 8}, {30, 20}, {30, 0}, {0, 0}}),
        Shape({{0, 0}, {10, 10}, {10, 0}, {0, 10}}),
    };
    for (const TPolygon& outline : outlines) {
        const std::vector<TVertexInfo> rows = ShapeInfo(outline);
        ASSERT_EQ(rows.size(), outline.Apexes.size());
        const bool clockwise = IsClockwiseOnScreen(outline.Apexes);
        EXPECT_EQ(IsClockwiseOutline(outline.Apexes), clockwise);
        for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
            EXPECT_EQ(rows[i].InteriorAngle, ApexAngle(outline.Apexes, i) / Pi * 180) << i;
            EXPECT_EQ(VertexInfoAt(outline, clockwise, i).InteriorAngle, rows[i].InteriorAngle);
        }
    }
}
