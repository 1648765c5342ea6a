// The distance queries to segments, sides and fold lines, and picking a
// vertex or a line of one shape with the hover report.
#include "geometry/hit_test.h"

#include "common/shape_builders.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

void ExpectPoint(const TPointF& expected, const TPointF& actual) {
    EXPECT_NEAR(static_cast<double>(expected.X), static_cast<double>(actual.X), 1e-12);
    EXPECT_NEAR(static_cast<double>(expected.Y), static_cast<double>(actual.Y), 1e-12);
}

TEST(FootOfPerpendicular, CoversVerticalHorizontalAndSlopedLines) {
    EXPECT_EQ((TPointF{2, 3}), FootOfPerpendicular({5, 3}, {2, 0}, {2, 10}));
    EXPECT_EQ((TPointF{3, 4}), FootOfPerpendicular({3, 9}, {0, 4}, {10, 4}));
    // Shallow (|dx| > |dy|) and steep (|dx| <= |dy|), off the origin.
    ExpectPoint(TPointF{3, 2}, FootOfPerpendicular({1, 6}, {1, 1}, {5, 3}));
    ExpectPoint(TPointF{2, 3}, FootOfPerpendicular({6, 1}, {1, 1}, {3, 5}));
    ExpectPoint(TPointF{5, 5}, FootOfPerpendicular({10, 0}, {0, 0}, {-4, -4}));
    // The foot may lie beyond the segment's ends.
    ExpectPoint(TPointF{-1, -3}, FootOfPerpendicular({3, -5}, {1, 1}, {3, 5}));
}

TEST(FootOnSegment, IncludesBothEnds) {
    TPointF foot;
    EXPECT_TRUE(FootOnSegment({10, 5}, {0, 0}, {10, 0}, foot));
    EXPECT_EQ((TPointF{10, 0}), foot);
    EXPECT_TRUE(FootOnSegment({0, -3}, {0, 0}, {10, 0}, foot));
    EXPECT_TRUE(FootOnSegment({4, 4}, {0, 0}, {10, 0}, foot));
    EXPECT_FALSE(FootOnSegment({10.5, 1}, {0, 0}, {10, 0}, foot));
    EXPECT_FALSE(FootOnSegment({-0.1L, 1}, {0, 0}, {10, 0}, foot));
    EXPECT_FALSE(FootOnSegment({3, -5}, {1, 1}, {3, 5}, foot));
}

TEST(DistToSegment, UsesTheFootOrTheNearerEnd) {
    EXPECT_NEAR(3.0, static_cast<double>(DistToSegment({4, 3}, {0, 0}, {10, 0})), 1e-15);
    EXPECT_NEAR(5.0, static_cast<double>(DistToSegment({13, 4}, {0, 0}, {10, 0})), 1e-15);
    EXPECT_NEAR(5.0, static_cast<double>(DistToSegment({-3, -4}, {0, 0}, {10, 0})), 1e-15);
    EXPECT_NEAR(std::sqrt(20.0), static_cast<double>(DistToSegment({1, 6}, {1, 1}, {5, 3})), 1e-15);
}

TEST(NearestSide, FindsTheFirstNearestSide) {
    int i1 = 7;
    int i2 = 8;
    EXPECT_EQ(-1, NearestSide({0, 0}, TDaPointF{{1, 1}}, i1, i2));
    EXPECT_EQ(-1, NearestSide({0, 0}, TDaPointF{}, i1, i2));
    EXPECT_EQ(7, i1);
    EXPECT_EQ(8, i2);

    // Two vertices: the same segment twice, the first report wins.
    EXPECT_NEAR(1.0, static_cast<double>(NearestSide({5, 1}, {{0, 0}, {10, 0}}, i1, i2)), 1e-15);
    EXPECT_EQ(0, i1);
    EXPECT_EQ(1, i2);

    const TDaPointF square = Square(10).Apexes;
    EXPECT_NEAR(1.0, static_cast<double>(NearestSide({9, 5}, square, i1, i2)), 1e-15);
    EXPECT_EQ(1, i1);
    EXPECT_EQ(2, i2);
    EXPECT_NEAR(2.0, static_cast<double>(NearestSide({2, 5}, square, i1, i2)), 1e-15);
    EXPECT_EQ(3, i1);
    EXPECT_EQ(0, i2);
    // Off the corner, sides 0 and 1 are equally near: side 0 wins.
    NearestSide({11, -1}, square, i1, i2);
    EXPECT_EQ(0, i1);
    EXPECT_EQ(1, i2);
}

TEST(NearestLine, SidesBeatFoldLinesAndSetOneBeatsSetTwo) {
    // A 10 x 8 box with vertices halfway up both sides, joined by fold lines.
    TPolygon box = Shape({{0, 0}, {10, 0}, {10, 4}, {10, 8}, {0, 8}, {0, 4}});
    box.BendLines[0] = {{0, 9}, {-1, 2}, {5, 2}};
    box.BendLines[1] = {{2, 5}, {0, 3}};
    int i1 = -1;
    int i2 = -1;

    // The middle fold line is in both sets: set 1 is found first.
    EXPECT_NEAR(1.0, static_cast<double>(NearestLine({2, 5}, box, i1, i2)), 1e-15);
    EXPECT_EQ(5, i1);
    EXPECT_EQ(2, i2);
    // Equally near the bottom side and the middle fold line: the side wins.
    EXPECT_NEAR(2.0, static_cast<double>(NearestLine({8, 2}, box, i1, i2)), 1e-15);
    EXPECT_EQ(0, i1);
    EXPECT_EQ(1, i2);
    // On set 2's diagonal.
    EXPECT_NEAR(0.0, static_cast<double>(NearestLine({2.5L, 2}, box, i1, i2)), 1e-15);
    EXPECT_EQ(0, i1);
    EXPECT_EQ(3, i2);

    TPolygon dot = Shape({{1, 1}});
    dot.BendLines[0] = {{0, 0}};
    EXPECT_EQ(-1, NearestLine({1, 1}, dot, i1, i2));
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

    // A joint mark on a side without a flange is reported with its width 0.
    shape.Flanges[0] = MakeFlange("7", 0, 0, 0);
    ASSERT_TRUE(LineReportAt(shape, PointF(5, -5), 1, report));
    ASSERT_NE(report.Flange, nullptr);
    EXPECT_EQ(report.Flange->Name, "7");
    EXPECT_EQ(report.Flange->Width, 0);
    shape.Flanges[0] = MakeFlange("", 0, 1, 1);
    ASSERT_TRUE(LineReportAt(shape, PointF(5, -5), 1, report));
    EXPECT_EQ(report.Flange, nullptr) << "a bare side without a name has nothing to show";

    // The closing side runs from vertex 2 back to vertex 0: leftward, -180.
    ASSERT_TRUE(LineReportAt(shape, PointF(10, 0), 1, report));
    EXPECT_EQ(report.Apex1, 2);
    EXPECT_NEAR(static_cast<double>(report.Slope), -180, 1e-12);
    EXPECT_FALSE(std::signbit(SlopeDegrees(PointF(0, 0), PointF(5, 0)))) << "no -0.0";

    EXPECT_FALSE(LineReportAt(shape, PointF(10, -3), 1, report));
}

} // namespace
