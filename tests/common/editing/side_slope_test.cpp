// The typed slope of a side or diagonal: the far end turns about the near end,
// or the whole shape does.
#include "editing/side_slope.h"

#include "common/shape_builders.h"
#include "construction_checks.h"

#include "geometry/plane_geometry.h"

TEST(SideSlopeTest, ThirtyDegreesPutsTheFarEndUpAndToTheRight) {
    TPolygon shape = Square(10);
    // 30 degrees counter-clockwise as seen is -30 degrees in the program.
    ASSERT_TRUE(SetSideSlope(shape, 0, 1, Radians(-30), false, false));
    ExpectPointNear(shape.Apexes[1], {8.660254037844386L, -5});
    EXPECT_EQ(shape.Apexes[0], PointF(0, 0));
    EXPECT_EQ(shape.Apexes[2], PointF(10, 10)) << "only the far end moves";
    EXPECT_EQ(shape.Apexes[3], PointF(0, 10));
}

TEST(SideSlopeTest, RotatingTheWholeShapeTurnsEveryVertexAboutTheNearEnd) {
    TPolygon shape = Square(10, {5, 5});
    shape.BendLines[0] = {MakeBendLine(0, 2)};
    ASSERT_TRUE(SetSideSlope(shape, 1, 2, Radians(180), true, false));
    // Side 1-2 pointed down; pointing left it has turned a quarter clockwise.
    ExpectApexesNear(shape.Apexes, {{15, -5}, {15, 5}, {5, 5}, {5, -5}}, 1e-12);
    EXPECT_EQ(shape.BendLines[0], TDaBendLine({MakeBendLine(0, 2)}));
}

TEST(SideSlopeTest, VertexThatIsNotThereChangesNothing) {
    TPolygon shape = Square(10);
    EXPECT_FALSE(SetSideSlope(shape, 0, 4, 1, false, false));
    EXPECT_FALSE(SetSideSlope(shape, -1, 1, 1, true, false));
    EXPECT_EQ(shape, Square(10));
}
