// The editor's geometry for the mouse: drawing a new outline, and the steps
// of moving and turning the shape.
#include "common/shape_builders.h"
#include "editing/new_outline.h"
#include "editing/shape_gesture.h"

#include <cmath>
#include <gtest/gtest.h>
#include <numbers>

TEST(ShapeGestureTest, RotationStepTurnsOneDirectionIntoTheOther) {
    const TPointF centre = PointF(10, 10);
    EXPECT_NEAR(static_cast<double>(RotationStep(centre, PointF(20, 10), PointF(10, 20))),
                std::numbers::pi / 2, 1e-15);
    EXPECT_NEAR(static_cast<double>(RotationStep(centre, PointF(10, 20), PointF(20, 10))),
                -std::numbers::pi / 2, 1e-15);
    TDaPointF apexes{{1, 2}, {3, 4}};
    TranslateApexes(apexes, 10, -1);
    EXPECT_EQ(apexes, TDaPointF({{11, 1}, {13, 3}}));
}

TEST(NewOutlineTest, OutlineIsPlacedBehindTheRubberBandAndFinishedNearTheLastVertex) {
    TPolygon outline = NewOutline();
    EXPECT_EQ(outline, Shape({{0, 0}}));
    EXPECT_EQ(PlaceOutlineVertex(outline, PointF(0, 0)), 0);
    EXPECT_EQ(PlaceOutlineVertex(outline, PointF(10, 0)), 1);
    EXPECT_FALSE(IsOutlineClosingPress(outline, PointF(10, 0.5L), 1)) << "two placed";
    EXPECT_EQ(PlaceOutlineVertex(outline, PointF(10, 10)), 2);
    EXPECT_EQ(outline.Apexes, TDaPointF({{0, 0}, {10, 0}, {10, 10}, {10, 10}}));
    EXPECT_TRUE(IsOutlineClosingPress(outline, PointF(10, 10.5L), 1));
    EXPECT_FALSE(IsOutlineClosingPress(outline, PointF(10, 11), 1)) << "the distance itself";

    outline.Flanges[1] = MakeFlange("B", 5, 1, 1);
    FinishOutline(outline);
    EXPECT_EQ(outline.Apexes, TDaPointF({{0, 0}, {10, 0}, {10, 10}}));
    EXPECT_EQ(outline.Flanges[1], MakeFlange("B", 0, 0, 0)) << "names are kept";

    TPolygon empty;
    EXPECT_EQ(PlaceOutlineVertex(empty, PointF(1, 1)), -1);
    EXPECT_FALSE(AppendRubberBand(empty));
    EXPECT_FALSE(RemoveRubberBand(empty));
    EXPECT_FALSE(IsOutlineClosingPress(empty, TPointF(), 1));
}
