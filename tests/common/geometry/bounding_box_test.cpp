// Tests of the boxes that stand in for exact tests: meeting boxes, boxes
// clearly apart, and the points no box test may decide about.
#include "geometry/bounding_box.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

TBox Box(long double left, long double top, long double right, long double bottom) {
    return BoxOf(PointF(left, top), PointF(right, bottom));
}

TEST(BoxesMeet, TouchingCountsAndGapsDoNot) {
    const TBox square = Box(0, 0, 10, 10);
    EXPECT_TRUE(BoxesMeet(square, Box(10, 10, 20, 20)));
    EXPECT_TRUE(BoxesMeet(square, Box(2, 2, 3, 3)));
    EXPECT_FALSE(BoxesMeet(square, Box(10.000001L, 0, 20, 10)));
    EXPECT_FALSE(BoxesMeet(square, Box(0, -5, 10, -0.000001L)));
}

TEST(BoxesClearlyApart, AnyGapAlongXButOnlyAWideOneAlongY) {
    const TBox square = Box(0, 0, 10, 10);
    EXPECT_TRUE(BoxesClearlyApart(square, Box(10 + 1e-15L, 0, 20, 10)));
    EXPECT_FALSE(BoxesClearlyApart(square, Box(0, 10 + 1e-12L, 10, 20)));
    EXPECT_TRUE(BoxesClearlyApart(square, Box(0, 10.001L, 10, 20)));
    EXPECT_FALSE(BoxesClearlyApart(square, Box(10, 10, 20, 20)));
    EXPECT_TRUE(BoxesClearlyApart(square, TBox()));
}

TEST(TBox, PointsOutsideTheOrdinaryRangeMakeItUnbounded) {
    const long double inf = std::numeric_limits<long double>::infinity();
    const long double nan = std::numeric_limits<long double>::quiet_NaN();
    for (const TPointF& odd :
         {PointF(nan, 0), PointF(0, inf), PointF(1e-200L, 0), PointF(0, 1e200L)}) {
        TBox box = Box(0, 0, 10, 10);
        box.Add(odd);
        EXPECT_TRUE(box.Unbounded);
        EXPECT_TRUE(BoxesMeet(box, Box(50, 50, 60, 60)));
        EXPECT_FALSE(BoxesClearlyApart(box, Box(50, 50, 60, 60)));
    }
    TBox box = Box(0, 0, 10, 10);
    box.Add(PointF(-0.0L, 1e-50L));
    EXPECT_FALSE(box.Unbounded);
}

} // namespace
