// Tests of the line and segment intersections.
#include "geometry/angles.h"
#include "geometry/intersection.h"

#include <gtest/gtest.h>

namespace {

TSegmentF Segment(long double x1, long double y1, long double x2, long double y2) {
    return MakeSegment(PointF(x1, y1), PointF(x2, y2));
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
