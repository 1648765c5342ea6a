// The editor's geometry for the mouse: picking vertices and lines, the hover
// report, drawing a new outline and choosing between moving and turning.
#include "common/shape_builders.h"
#include "editing/new_outline.h"
#include "editing/shape_gesture.h"
#include "editing/shape_pick.h"

#include <cmath>
#include <gtest/gtest.h>
#include <numbers>

namespace {

// The 100 mm square with its centre at (50, 50).
const TDaPointF Square100{{0, 0}, {100, 0}, {100, 100}, {0, 100}};

} // namespace

TEST(ShapeGestureTest, PressNearTheCentreMovesAndFartherOutTurns) {
    EXPECT_NEAR(static_cast<double>(ShapeGrabRadius(10000)), 39.894228, 1e-6);
    EXPECT_EQ(ShapeGestureAt(Square100, PointF(50 + 39.8L, 50), 1), TShapeGesture::Move);
    EXPECT_EQ(ShapeGestureAt(Square100, PointF(50 + 39.9L, 50), 1), TShapeGesture::Rotate);
    EXPECT_EQ(ShapeGestureAt(Square100, PointF(50, 50), 1), TShapeGesture::Move);

    EXPECT_EQ(ShapeGestureAt(Square100, PointF(99, 50), 1), TShapeGesture::None) << "on a side";
    EXPECT_EQ(ShapeGestureAt(Square100, PointF(98.9L, 50), 1), TShapeGesture::Rotate);
    EXPECT_EQ(ShapeGestureAt(Square100, PointF(150, 50), 1), TShapeGesture::None) << "outside";
    const TDaPointF flat{{0, 0}, {10, 0}, {20, 0}};
    EXPECT_EQ(ShapeGestureAt(flat, PointF(5, 0), 0), TShapeGesture::None) << "no area";
}

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

TEST(ShapePickTest, NearestVertexWithinTheDistanceLowerIndexOnTies) {
    const TDaPointF apexes{{0, 0}, {10, 0}, {10, 10}, {0, 2}};
    EXPECT_EQ(PickApex(apexes, PointF(0, 1), 2), 0);
    EXPECT_EQ(PickApex(apexes, PointF(0, 1.5L), 2), 3);
    EXPECT_EQ(PickApex(apexes, PointF(12, 10), 2), -1) << "the distance itself is too far";
    EXPECT_EQ(PickApex({}, PointF(0, 0), 2), -1);
}

TEST(ShapePickTest, PickedLineHasItsNearerEndSecond) {
    TPolygon square = Shape({{0, 0}, {10, 0}, {10, 10}, {0, 10}});
    TLineEnds ends;
    ASSERT_TRUE(PickLine(square, PointF(3, 0.5L), 1, ends));
    EXPECT_EQ(ends.Near, 0);
    EXPECT_EQ(ends.Far, 1);
    ASSERT_TRUE(PickLine(square, PointF(5, 1), 1, ends)) << "exactly the pick distance away";
    EXPECT_EQ(ends.Near, 1) << "equally near: the second end";
    EXPECT_EQ(ends.Far, 0);
    EXPECT_FALSE(PickLine(square, PointF(5, 5), 1, ends));

    square.BendLines[1] = {MakeBendLine(0, 2)};
    ASSERT_TRUE(PickLine(square, PointF(6, 5), 1, ends));
    EXPECT_EQ(ends.Near, 2);
    EXPECT_EQ(ends.Far, 0);
}

TEST(ShapePickTest, LineReportGivesLengthSlopeAndTheFlangeOfAForwardSide) {
    TPolygon shape = Shape({{0, 0}, {10, -10}, {20, 0}});
    TLineReport report;
    ASSERT_TRUE(LineReportAt(shape, PointF(5, -5), 1, report));
    EXPECT_NEAR(static_cast<double>(report.Length), 14.142136, 1e-6);
    EXPECT_NEAR(static_cast<double>(report.Slope), 45, 1e-12);
    EXPECT_EQ(report.Flange, nullptr);

    shape.Flanges[0] = MakeFlange("A", 5, 1, 1);
    ASSERT_TRUE(LineReportAt(shape, PointF(5, -5), 1, report));
    ASSERT_NE(report.Flange, nullptr);
    EXPECT_EQ(report.Flange->Name, "A");

    // The closing side runs from vertex 2 back to vertex 0: leftward, -180.
    ASSERT_TRUE(LineReportAt(shape, PointF(10, 0), 1, report));
    EXPECT_EQ(report.Apex1, 2);
    EXPECT_NEAR(static_cast<double>(report.Slope), -180, 1e-12);
    EXPECT_FALSE(std::signbit(SlopeDegrees(PointF(0, 0), PointF(5, 0)))) << "no -0.0";

    EXPECT_FALSE(LineReportAt(shape, PointF(10, -3), 1, report));
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
