// Tests of the plane geometry: distances, nearest vertex, area and centroid,
// vertex angles and order, point inside, device conversion, grid snap, rotation.
#include "common/shape_builders.h"
#include "geometry/angles.h"
#include "geometry/plane_geometry.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

constexpr long double Tolerance = 1e-15L;

TDaPointF Points(std::initializer_list<TPointF> points) {
    return TDaPointF(points);
}

TDaPointF Reversed(TDaPointF points) {
    std::reverse(points.begin(), points.end());
    return points;
}

TDaPointF LShape() {
    return Points({{0, 0}, {4, 0}, {4, 1}, {1, 1}, {1, 4}, {0, 4}});
}

void ExpectPointNear(const TPointF& expected, const TPointF& actual) {
    EXPECT_NEAR(expected.X, actual.X, Tolerance);
    EXPECT_NEAR(expected.Y, actual.Y, Tolerance);
}

TEST(PointDistanceAndDirection, FollowScreenAxes) {
    EXPECT_EQ(5, PointDistance({1, 1}, {4, 5}));
    EXPECT_NEAR(Pi / 2, PointDirection({0, 0}, {0, 3}), Tolerance);
    EXPECT_NEAR(-Pi / 2, PointDirection({0, 0}, {0, -3}), Tolerance);
    EXPECT_EQ(0, PointDirection({0, 0}, {2, 0}));
}

TEST(PointDirection, StraightLeftIsPlusPiEvenFromNegativeZero) {
    EXPECT_NEAR(Pi, PointDirection({0, 0}, {-1, 0}), Tolerance);
    EXPECT_NEAR(Pi, PointDirection({0, 0}, {-1, -0.0L}), Tolerance);
}

TEST(NearestApex, EmptyListLeavesDistanceUntouched) {
    long double distance = 42;
    EXPECT_EQ(-1, NearestApex({}, {1, 1}, distance));
    EXPECT_EQ(42, distance);
}

TEST(NearestApex, PicksNearestAndKeepsLowerIndexOnTies) {
    long double distance = -1;
    EXPECT_EQ(2, NearestApex(Square(10).Apexes, {9, 9}, distance));
    EXPECT_NEAR(std::sqrt(2.0L), distance, Tolerance);
    EXPECT_EQ(0, NearestApex(Square(10).Apexes, {5, 0}, distance));
    EXPECT_EQ(5, distance);
    EXPECT_EQ(1, NearestApex(Square(10).Apexes, {10, 5}, distance));
}

TEST(PolygonCentroid, SquareAndTriangleInBothOrders) {
    TPointF centroid;
    EXPECT_EQ(100, PolygonCentroid(Square(10).Apexes, centroid));
    ExpectPointNear({5, 5}, centroid);

    const TDaPointF triangle = Points({{0, 0}, {6, 0}, {0, 3}});
    for (const TDaPointF& order : {triangle, Reversed(triangle)}) {
        centroid = {};
        EXPECT_NEAR(9, PolygonCentroid(order, centroid), Tolerance);
        ExpectPointNear({2, 1}, centroid);
    }
}

TEST(PolygonCentroid, LShape) {
    TPointF centroid;
    EXPECT_NEAR(7, PolygonCentroid(LShape(), centroid), Tolerance);
    ExpectPointNear({19.0L / 14, 19.0L / 14}, centroid);
}

TEST(PolygonCentroid, ZeroAreaLeavesCentroidAsPassed) {
    TPointF centroid{7, 8};
    EXPECT_EQ(0, PolygonCentroid(Points({{0, 0}, {5, 5}}), centroid));
    EXPECT_EQ(0, PolygonCentroid(Points({{0, 0}, {1, 1}, {2, 2}}), centroid));
    EXPECT_EQ(0, PolygonCentroid({}, centroid));
    EXPECT_EQ((TPointF{7, 8}), centroid);
}

TEST(VertexOrder, ClockwiseSquareAndItsReverse) {
    const TDaPointF square = Square(10).Apexes;
    EXPECT_TRUE(IsClockwiseOnScreen(square));
    for (int k = 0; k < 4; ++k) {
        EXPECT_NEAR(Pi / 2, RawApexAngle(square, k), Tolerance);
        EXPECT_NEAR(Pi / 2, ApexAngle(square, k), Tolerance);
    }

    const TDaPointF reversed = Reversed(square);
    EXPECT_FALSE(IsClockwiseOnScreen(reversed));
    for (int k = 0; k < 4; ++k) {
        EXPECT_NEAR(3 * Pi / 2, RawApexAngle(reversed, k), Tolerance);
        EXPECT_NEAR(Pi / 2, ApexAngle(reversed, k), Tolerance);
    }
}

TEST(VertexOrder, ReflexVertexOfLShapeInBothOrders) {
    EXPECT_TRUE(IsClockwiseOnScreen(LShape()));
    EXPECT_NEAR(3 * Pi / 2, ApexAngle(LShape(), 3), Tolerance);
    EXPECT_NEAR(Pi / 2, ApexAngle(LShape(), 0), Tolerance);
    // Reversing moves vertex 3 to index 2.
    EXPECT_NEAR(3 * Pi / 2, ApexAngle(Reversed(LShape()), 2), Tolerance);
}

TEST(PointInPolygon, SquareAndReflexCorner) {
    EXPECT_TRUE(PointInPolygon(Square(10).Apexes, {5, 5}));
    EXPECT_FALSE(PointInPolygon(Square(10).Apexes, {15, 5}));
    EXPECT_FALSE(PointInPolygon(Square(10).Apexes, {5, -1}));
    EXPECT_TRUE(PointInPolygon(Reversed(Square(10).Apexes), {5, 5}));
    EXPECT_TRUE(PointInPolygon(LShape(), {0.5L, 3}));
    EXPECT_FALSE(PointInPolygon(LShape(), {3, 3}));
    EXPECT_FALSE(PointInPolygon({}, {0, 0}));
}

TEST(PointInPolygon, VertexOnTheVerticalLineCountsOnce) {
    const TDaPointF notched = Points({{0, 0}, {5, 2}, {10, 0}, {10, 10}, {0, 10}});
    EXPECT_FALSE(PointInPolygon(notched, {5, 1}));
    EXPECT_TRUE(PointInPolygon(notched, {5, 3}));
    EXPECT_FALSE(PointInPolygon(Reversed(notched), {5, 1}));
    EXPECT_TRUE(PointInPolygon(Reversed(notched), {5, 3}));
}

TEST(DeviceConversion, HalvesGoToEvenAndBackDivides) {
    EXPECT_EQ((TPixelPoint{2, 4}), ModelToDevice({2.5L, 3.5L}, 1, 1));
    EXPECT_EQ((TPixelPoint{-2, 7}), ModelToDevice({-2.5L, 2}, 1, 3.5L));
    const TPointF back = DeviceToModel({7, -14}, 3.5L, 7);
    ExpectPointNear({2, -2}, back);
}

TEST(DeviceConversion, ExtremeValuesStayDefined) {
    const TPixelPoint far = ModelToDevice({1e30L, -1e30L}, 1, 1);
    EXPECT_GT(far.X, 0);
    EXPECT_LT(far.Y, 0);
    EXPECT_EQ(0, ModelToDevice({std::nanl(""), 0}, 1, 1).X);
}

TEST(SnapToGrid, AnchoredAtFirstVertex) {
    const TPolygon shape = Shape({{0.3L, 0.3L}, {5, 0.3L}, {5, 5}});
    ExpectPointNear({3.3L, -0.7L}, SnapToGrid(shape, {2.9L, -0.4L}, 1));
    // Halves to even: 2.5 steps go to 2, 3.5 steps to 4.
    const TPolygon exact = Shape({{0.5L, 0}, {5, 0}, {5, 5}});
    EXPECT_EQ((TPointF{2.5L, 4}), SnapToGrid(exact, {3, 3.5L}, 1));
    EXPECT_EQ((TPointF{4.5L, -4}), SnapToGrid(exact, {5.5L, -3}, 2));
}

TEST(SnapToGrid, NoAnchorOrNoStepLeavesPoint) {
    EXPECT_EQ((TPointF{1.2L, 3.4L}), SnapToGrid(TPolygon{}, {1.2L, 3.4L}, 1));
    EXPECT_EQ((TPointF{1.2L, 3.4L}), SnapToGrid(Shape({{0, 0}}), {1.2L, 3.4L}, 0));
}

TEST(RotatePoints, QuarterTurnAboutCentreTurnsClockwiseOnScreen) {
    TDaPointF apexes = Square(10).Apexes;
    RotatePoints(apexes, PointF(5, 5), Pi / 2);
    ExpectPointNear({10, 0}, apexes[0]);
    ExpectPointNear({10, 10}, apexes[1]);
    ExpectPointNear({0, 10}, apexes[2]);
    ExpectPointNear({0, 0}, apexes[3]);
}

} // namespace
