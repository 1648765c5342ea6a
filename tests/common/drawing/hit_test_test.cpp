// Mouse position conversion and the side, fold-line and shape picking queries.
#include "common/shape_builders.h"
#include "drawing/hit_test.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

void ExpectPoint(const TPointF& expected, const TPointF& actual) {
    EXPECT_NEAR(static_cast<double>(expected.X), static_cast<double>(actual.X), 1e-12);
    EXPECT_NEAR(static_cast<double>(expected.Y), static_cast<double>(actual.Y), 1e-12);
}

constexpr TMouseKeys NoKeys{};
constexpr TMouseKeys Ctrl{.Shift = false, .Ctrl = true};
constexpr TMouseKeys Shift{.Shift = true, .Ctrl = false};
constexpr TMouseKeys ShiftCtrl{.Shift = true, .Ctrl = true};

TEST(MousePosToMm, ConvertsAtTheScreenScaleAndSnapsHalvesToEven) {
    const TPointF origin{0, 0};
    EXPECT_EQ((TPointF{12.5, 13.5}), MousePosToMm(2, 1, origin, NoKeys, 25, 27));
    EXPECT_EQ((TPointF{12, 14}), MousePosToMm(2, 1, origin, Ctrl, 25, 27));
    // The grid is anchored at the page origin, not at the reference.
    EXPECT_EQ((TPointF{20, 30}), MousePosToMm(1, 10, TPointF{3, 3}, Ctrl, 24, 26));

    TViewScale scale; // 100 %: 3.5 pixels per mm, grid 1 mm
    ExpectPoint(TPointF{10, 20}, MousePosToMm(scale, origin, NoKeys, 35, 70));
    ExpectPoint(TPointF{3, 1}, MousePosToMm(scale, origin, Ctrl, 11, 4));
}

TEST(MousePosToMm, ShiftAlignsWithTheReference) {
    const TPointF reference{20, 20};
    // Already on a diagonal: stays there, in every quadrant.
    EXPECT_EQ((TPointF{30, 10}), MousePosToMm(1, 1, reference, Shift, 30, 10));
    EXPECT_EQ((TPointF{12, 28}), MousePosToMm(1, 1, reference, Shift, 12, 28));
    // Between the axis and the diagonal: moved onto the diagonal.
    EXPECT_EQ((TPointF{26, 26}), MousePosToMm(1, 1, reference, Shift, 27, 25));
    EXPECT_EQ((TPointF{14, 14}), MousePosToMm(1, 1, reference, Shift, 13, 15));
    // dx 10, dy 5: the smaller offset is exactly half, so the horizontal wins.
    EXPECT_EQ((TPointF{30, 20}), MousePosToMm(1, 1, reference, Shift, 30, 25));
    EXPECT_EQ((TPointF{20, 30}), MousePosToMm(1, 1, reference, Shift, 25, 30));
    // The grid snap comes first, so an aligned point need not lie on the grid.
    EXPECT_EQ((TPointF{3, 30}), MousePosToMm(1, 10, TPointF{3, 3}, ShiftCtrl, 14, 26));
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

TEST(PickPolygon, PicksTheShapeWhoseBoundaryIsNearest) {
    // Two overlapping boxes: the nearer boundary decides, not the drawing order.
    const TPolygonTbl overlapping{Square(20), Rect(30, 20, {10, 0})};
    EXPECT_EQ(1, PickPolygon(overlapping, {11, 10}));
    EXPECT_EQ(0, PickPolygon(overlapping, {19, 10}));
    EXPECT_EQ(0, PickPolygon(overlapping, {15, 10})); // equal distances: lower index
    EXPECT_EQ(1, PickPolygon(overlapping, {35, 10}));

    // A small shape lying on a large one is picked near its own boundary.
    const TPolygonTbl nested{Square(100), Square(10, {40, 40})};
    EXPECT_EQ(1, PickPolygon(nested, {45, 45}));
    EXPECT_EQ(0, PickPolygon(nested, {10, 45}));

    EXPECT_EQ(-1, PickPolygon(nested, {150, 45}));
    EXPECT_EQ(-1, PickPolygon(TPolygonTbl{}, {1, 1}));
}

TEST(PickPolygon, IgnoresFlanges) {
    TPolygon flanged = Square(20, {10, 10});
    flanged.Flanges[0] = MakeFlange("A", 5, 1.5707963267948966L, 1.5707963267948966L);
    const TPolygonTbl page{flanged};
    EXPECT_EQ(-1, PickPolygon(page, {20, 7}));
    EXPECT_EQ(0, PickPolygon(page, {20, 12}));
}

} // namespace
