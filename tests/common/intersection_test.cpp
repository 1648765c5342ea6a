// Tests of the line and segment intersections, shape overlap with flanges,
// rotation and the side-length-keeping vertex moves.
#include "intersection.h"

#include "geometry.h"
#include "shape_builders.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

namespace {

constexpr long double Pi = std::numbers::pi_v<long double>;

TSegmentF Segment(long double x1, long double y1, long double x2, long double y2) {
    return MakeSegment(PointF(x1, y1), PointF(x2, y2));
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

void ExpectPoint(const TPointF& p, long double x, long double y, double tolerance = 1e-12) {
    EXPECT_NEAR(static_cast<double>(p.X), static_cast<double>(x), tolerance);
    EXPECT_NEAR(static_cast<double>(p.Y), static_cast<double>(y), tolerance);
}

const TPointF Untouched{-777, -777};

} // namespace

TEST(SegmentsIntersect, CrossingAndEndTouchingSegmentsMeet) {
    TPointF p = Untouched;
    bool collinear = true;
    EXPECT_TRUE(SegmentsIntersect(Segment(0, 0, 10, 10), Segment(0, 10, 10, 0), p, collinear));
    EXPECT_FALSE(collinear);
    ExpectPoint(p, 5, 5);

    EXPECT_TRUE(SegmentsIntersect(Segment(0, 0, 10, 0), Segment(10, 0, 10, 10), p, collinear));
    ExpectPoint(p, 10, 0);

    // A steep and a flat segment, in both orders.
    EXPECT_TRUE(SegmentsIntersect(Segment(2, 0, 4, 10), Segment(0, 5, 10, 5), p, collinear));
    ExpectPoint(p, 3, 5);
    p = Untouched;
    EXPECT_TRUE(SegmentsIntersect(Segment(0, 5, 10, 5), Segment(2, 0, 4, 10), p, collinear));
    ExpectPoint(p, 3, 5);
}

TEST(SegmentsIntersect, CollinearOverlapReportsNoPoint) {
    TPointF p = Untouched;
    bool collinear = false;
    EXPECT_TRUE(SegmentsIntersect(Segment(0, 0, 10, 0), Segment(5, 0, 15, 0), p, collinear));
    EXPECT_TRUE(collinear);
    EXPECT_EQ(p, Untouched);

    EXPECT_TRUE(SegmentsIntersect(Segment(3, 0, 3, 10), Segment(3, 10, 3, 20), p, collinear));
    EXPECT_TRUE(collinear);

    EXPECT_FALSE(SegmentsIntersect(Segment(0, 0, 10, 0), Segment(11, 0, 20, 0), p, collinear));
    EXPECT_FALSE(collinear);
}

TEST(SegmentsIntersect, SegmentsWithoutCommonPointMiss) {
    TPointF p = Untouched;
    bool collinear = true;
    // Parallel on different lines.
    EXPECT_FALSE(SegmentsIntersect(Segment(0, 0, 10, 0), Segment(0, 1, 10, 1), p, collinear));
    EXPECT_FALSE(collinear);
    // Ranges touch at x = 2 and y = 0, the lines meet at (1, 1) off the second segment.
    EXPECT_FALSE(SegmentsIntersect(Segment(0, 0, 2, 2), Segment(2, 0, 3, -1), p, collinear));
    // The first would reach the second only if prolonged.
    EXPECT_FALSE(SegmentsIntersect(Segment(0, 0, 4, 4), Segment(0, 10, 10, 0), p, collinear));
    // A zero-length segment lying on the other.
    EXPECT_FALSE(SegmentsIntersect(Segment(5, 5, 5, 5), Segment(0, 0, 10, 10), p, collinear));
    EXPECT_EQ(p, Untouched);
}

TEST(LinesIntersect, SlopeToleranceOnlyAppliesToInfiniteLines) {
    // Slopes 0.5 and 0.500009 through (5, 2.5).
    const TSegmentF flat = Segment(0, 0, 10, 5);
    const TSegmentF nearlyParallel = Segment(0, 2.5L - 5 * 0.500009L, 10, 2.5L + 5 * 0.500009L);
    TPointF p = Untouched;
    EXPECT_FALSE(LinesIntersect(flat, nearlyParallel, p));
    EXPECT_EQ(p, Untouched);

    bool collinear = true;
    EXPECT_TRUE(SegmentsIntersect(flat, nearlyParallel, p, collinear));
    EXPECT_FALSE(collinear);
    ExpectPoint(p, 5, 2.5L, 1e-9);

    // 0.5 against 0.50002 is beyond the tolerance.
    EXPECT_TRUE(LinesIntersect(flat, Segment(0, 2.5L - 5 * 0.50002L, 10, 2.5L + 5 * 0.50002L), p));
    ExpectPoint(p, 5, 2.5L, 1e-9);
}

TEST(LinesIntersect, MeetsBeyondTheSegmentsInEveryForm) {
    TPointF p;
    EXPECT_TRUE(LinesIntersect(Segment(0, 0, 1, 10), Segment(10, 0, 9, 10), p));
    ExpectPoint(p, 5, 50);
    EXPECT_TRUE(LinesIntersect(Segment(0, 0, 10, 1), Segment(0, 10, 10, 9), p));
    ExpectPoint(p, 50, 5);
    EXPECT_TRUE(LinesIntersect(Segment(2, 0, 2.2L, 1), Segment(0, 5, 1, 5), p));
    ExpectPoint(p, 3, 5);
    EXPECT_TRUE(LinesIntersect(Segment(0, 5, 1, 5), Segment(2, 0, 2.2L, 1), p));
    ExpectPoint(p, 3, 5);
    EXPECT_FALSE(LinesIntersect(Segment(1, 1, 1, 1), Segment(0, 5, 1, 5), p));

    EXPECT_TRUE(RayLineIntersect(PointF(0, 0), Pi / 4, Segment(10, 0, 10, 1), p));
    ExpectPoint(p, 10, 10);
}

TEST(PolygonsOverlap, CrossingTouchingAndApartOutlines) {
    TPointF contact = Untouched;
    EXPECT_TRUE(PolygonsOverlap(Square(10).Apexes, Square(10, {5, 5}).Apexes, contact));
    ExpectPoint(contact, 10, 5);

    contact = Untouched;
    EXPECT_TRUE(PolygonsOverlap(Square(10).Apexes, Square(10, {10, 10}).Apexes, contact));
    ExpectPoint(contact, 10, 10);

    // Sides on one line: an overlap with no contact point.
    contact = Untouched;
    EXPECT_TRUE(PolygonsOverlap(Square(10).Apexes, Square(10, {10, 0}).Apexes, contact));
    EXPECT_EQ(contact, Untouched);

    EXPECT_FALSE(PolygonsOverlap(Square(10).Apexes, Square(10, {10.5L, 0}).Apexes, contact));
    EXPECT_FALSE(PolygonsOverlap(Square(10).Apexes, TDaPointF{}, contact));
    EXPECT_EQ(contact, Untouched);
}

TEST(PolygonsOverlap, ContainedOutlineOverlapsAtItsCentroid) {
    const TDaPointF outer = Square(10).Apexes;
    const TDaPointF inner = Shape({{2, 2}, {5, 2}, {2, 5}}).Apexes;
    TPointF contact;
    EXPECT_TRUE(PolygonsOverlap(outer, inner, contact));
    ExpectPoint(contact, 3, 3);
    contact = Untouched;
    EXPECT_TRUE(PolygonsOverlap(inner, outer, contact));
    ExpectPoint(contact, 3, 3);
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

TEST(PolygonHitsOthers, FlangeTouchingAnotherShapeCounts) {
    TPolygon flanged = Square(10);
    flanged.Flanges[0] = MakeFlange("", 5, Pi / 2, Pi / 2);
    const TPolygon above = Square(10, {2, -12}); // its bottom side at y = -2
    TPointF contact = Untouched;
    EXPECT_TRUE(PolygonHitsOthers({above}, -1, flanged, contact));
    ExpectPoint(contact, 2, -5); // where its left side crosses the flange's outer edge

    const TPolygon edgeOn = Square(10, {5, -15}); // its bottom side on the flange's outer edge
    EXPECT_TRUE(PolygonHitsOthers({edgeOn}, -1, flanged, contact));

    EXPECT_FALSE(PolygonHitsOthers({above, edgeOn}, -1, Square(10), contact));
}

TEST(PolygonHitsOthers, SkipsItsOwnSlot) {
    const TPolygonTbl page = {Square(10), Square(10, {30, 0})};
    TPointF contact;
    EXPECT_FALSE(PolygonHitsOthers(page, 0, Square(10, {1, 1}), contact));
    EXPECT_TRUE(PolygonHitsOthers(page, 1, Square(10, {1, 1}), contact));
    EXPECT_TRUE(PolygonHitsOthers(page, 0, Square(10, {25, 0}), contact));
    EXPECT_FALSE(PolygonHitsOthers({}, -1, Square(10), contact));
}

TEST(RotatePoints, QuarterTurnAboutCentreTurnsClockwiseOnScreen) {
    TDaPointF apexes = Square(10).Apexes;
    RotatePoints(apexes, PointF(5, 5), Pi / 2);
    ExpectPoint(apexes[0], 10, 0);
    ExpectPoint(apexes[1], 10, 10);
    ExpectPoint(apexes[2], 0, 10);
    ExpectPoint(apexes[3], 0, 0);
}

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
