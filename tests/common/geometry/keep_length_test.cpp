// Tests of the vertex moves that keep side lengths.
#include "geometry/keep_length.h"

#include "common/shape_builders.h"
#include "geometry/plane_geometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

void ExpectPoint(const TPointF& p, long double x, long double y, double tolerance = 1e-12) {
    EXPECT_NEAR(static_cast<double>(p.X), static_cast<double>(x), tolerance);
    EXPECT_NEAR(static_cast<double>(p.Y), static_cast<double>(y), tolerance);
}

std::vector<long double> SideLengths(const TDaPointF& apexes) {
    std::vector<long double> lengths;
    for (std::size_t i = 0; i < apexes.size(); ++i)
        lengths.push_back(PointDistance(apexes[i], apexes[(i + 1) % apexes.size()]));
    return lengths;
}

void ExpectSideLengths(const TDaPointF& apexes, long double length) {
    for (long double side : SideLengths(apexes))
        EXPECT_NEAR(static_cast<double>(side), static_cast<double>(length), 1e-12);
}

const TPointF Untouched{-777, -777};

} // namespace

TEST(TwoCirclePoint, TakesTheCrossingNearerTheReference) {
    TPointF p = Untouched;
    EXPECT_FALSE(TwoCirclePoint(PointF(0, 0), PointF(5, 5), PointF(20, 0), 10, 10, p));
    EXPECT_FALSE(TwoCirclePoint(PointF(0, 0), PointF(5, 5), PointF(0, 0), 10, 10, p));
    EXPECT_FALSE(TwoCirclePoint(PointF(0, 0), PointF(5, 5), PointF(10, 0), 0, 10, p));
    EXPECT_EQ(p, Untouched);

    const long double h = std::sqrt(75.0L);
    EXPECT_TRUE(TwoCirclePoint(PointF(0, 0), PointF(5, 5), PointF(10, 0), 10, 10, p));
    ExpectPoint(p, 5, h);
    EXPECT_TRUE(TwoCirclePoint(PointF(0, 0), PointF(5, -5), PointF(10, 0), 10, 10, p));
    ExpectPoint(p, 5, -h);
}

TEST(TwoCirclePoint, NearlyTouchingCirclesGiveAFinitePoint) {
    // Circles one unit in the last place short of touching, where the rounded
    // cosine of the angle at pNext falls below -1.
    const TPointF pPrev = PointF(-0xe.d4c64afd0f2d8p+2L, 0xc.df9a682a8bbp-1L);
    const TPointF pNext = PointF(-0x8.06b5a021ecddp+3L, 0xc.6a33ce5564e8p+1L);
    const long double lenPrev = 0xe.bb42030c777e9f3p+3L;
    const long double lenNext = 0xc.5a46ed080069p+3L;
    TPointF p;
    ASSERT_TRUE(TwoCirclePoint(pPrev, pPrev, pNext, lenPrev, lenNext, p));
    ASSERT_TRUE(std::isfinite(p.X) && std::isfinite(p.Y));
    EXPECT_NEAR(static_cast<double>(PointDistance(p, pNext)), static_cast<double>(lenNext), 1e-9);
    EXPECT_NEAR(static_cast<double>(PointDistance(p, pPrev)), static_cast<double>(lenPrev), 1e-9);
}

TEST(MoveApexKeepLen, SmallMoveShiftsBothNeighboursAndKeepsTheOpposite) {
    TPolygon square = Square(10);
    ASSERT_TRUE(MoveApexKeepLen(square, 0, PointF(0.5L, 0.3L)));
    EXPECT_EQ(square.Apexes[0], PointF(0.5L, 0.3L));
    EXPECT_EQ(square.Apexes[2], PointF(10, 10));
    EXPECT_NE(square.Apexes[1], PointF(10, 0));
    EXPECT_NE(square.Apexes[3], PointF(0, 10));
    ExpectSideLengths(square.Apexes, 10);
}

TEST(MoveApexKeepLen, FailedWalkLeavesTheShapeAlone) {
    // Beyond vertex 3 on the line of side 2: walking forward the pulled
    // vertices line up and no vertex finds a place.
    const TPointF far = PointF(-30, 10);
    TPolygon square = Square(10);
    EXPECT_FALSE(MoveApexKeepLenDir(square, 0, far, 1));
    EXPECT_FALSE(MoveApexKeepLen(square, 0, far));
    EXPECT_EQ(square, Square(10));

    // Walking backward the chain bends and the move succeeds.
    ASSERT_TRUE(MoveApexKeepLenDir(square, 0, far, -1));
    EXPECT_EQ(square.Apexes[0], far);
    ExpectSideLengths(square.Apexes, 10);

    EXPECT_FALSE(MoveApexKeepLen(square, 4, far));
    EXPECT_FALSE(MoveApexKeepLenDir(square, 0, far, 2));
}

TEST(MoveApexKeepLen, TargetOnTheVertexAfterNextKeepsSideLengths) {
    // Vertex 0 onto vertex 2: the neighbour between them has no line to be
    // pulled onto and must still stay at its side's length.
    TPolygon square = Square(10);
    ASSERT_TRUE(MoveApexKeepLenDir(square, 0, PointF(10, 10), 1));
    ExpectSideLengths(square.Apexes, 10);
}
