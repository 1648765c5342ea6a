// Tests of the outline cache: what it gives must be exactly what the flange
// outline routines give, for fresh shapes and after any change, and its boxes
// must hold every outline point.
#include "geometry/angles.h"
#include "geometry/outline_cache.h"

#include "common/exact_compare.h"
#include "common/shape_builders.h"
#include "geometry/plane_geometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <utility>
#include <vector>

namespace {

TPolygon Flanged(TPolygon shape, long double width = 3, long double angle = Pi / 3) {
    for (TFlange& flange : shape.Flanges)
        flange = MakeFlange("", width, angle, angle);
    return shape;
}

TPolygon Reversed(TPolygon shape) {
    std::reverse(shape.Apexes.begin(), shape.Apexes.end());
    return shape;
}

struct TOutlineCase {
    std::string Name;
    TPolygon Shape;
};

std::vector<TOutlineCase> OutlineCases() {
    const long double nan = std::numeric_limits<long double>::quiet_NaN();
    TPolygon mixed = Flanged(Square(10, {5, 5}));
    mixed.Flanges[1] = MakeFlange("", 0, Pi / 4, Pi / 4); // no flange
    mixed.Flanges[2] = MakeFlange("", 2, 0, Pi / 2);      // an angle without sine
    TPolygon fewFlanges = Flanged(Triangle(8, {1, 2}));
    fewFlanges.Flanges.resize(1);
    TPolygon withNan = Flanged(Square(10));
    withNan.Apexes[2].X = nan;
    return {
        {"clockwise", Flanged(Square(10, {5, 5}))},
        {"counter-clockwise", Reversed(Flanged(Square(10, {5, 5})))},
        {"some sides without a flange", mixed},
        {"fewer flange records than vertices", fewFlanges},
        {"one vertex", Flanged(Shape({PointF(3, 4)}))},
        {"two vertices", Flanged(Shape({PointF(0, 0), PointF(4, 3)}))},
        {"a vertex that is not a number", withNan},
        {"beyond the ordinary range", Flanged(Square(1e120L))},
        {"a hair apart from zero", Flanged(Square(10, {-0.0L, 1e-30L}))},
    };
}

void ExpectMatchesFreshComputation(TOutlineCache& cache, const TPolygon& shape) {
    EXPECT_TRUE(SamePoints(cache.Outline(), OutlineWithFlanges(shape)));
    EXPECT_EQ(cache.Clockwise(), IsClockwiseOnScreen(shape.Apexes));
}

TEST(TOutlineCache, GivesExactlyTheOutlineWithFlanges) {
    for (const TOutlineCase& c : OutlineCases()) {
        SCOPED_TRACE(c.Name);
        TOutlineCache cache;
        cache.Sync(c.Shape);
        ExpectMatchesFreshComputation(cache, c.Shape);
    }
}

// Each change keeps what the shape's other sides had; a stale corner would
// show as a difference from the fresh outline.
TEST(TOutlineCache, StaysExactThroughEveryKindOfChange) {
    TPolygon shape = Flanged(Square(10, {20, 20}));
    TOutlineCache cache;
    cache.Sync(shape);
    cache.Outline();
    const std::vector<std::pair<std::string, void (*)(TPolygon&)>> changes = {
        {"a vertex moves", [](TPolygon& s) { s.Apexes[1].X += 0.5L; }},
        {"a flange widens", [](TPolygon& s) { s.Flanges[2].Width = 4; }},
        {"a flange goes", [](TPolygon& s) { s.Flanges[0].Width = 0; }},
        {"a vertex is added",
         [](TPolygon& s) {
             s.Apexes.push_back(PointF(15, 25));
             s.Flanges.push_back(MakeFlange("", 1, Pi / 2, Pi / 2));
         }},
        {"the whole shape moves",
         [](TPolygon& s) {
             for (TPointF& p : s.Apexes)
                 p = PointF(p.X + 3, p.Y - 2);
         }},
    };
    for (const auto& [name, change] : changes) {
        SCOPED_TRACE(name);
        change(shape);
        cache.Sync(shape);
        ExpectMatchesFreshComputation(cache, shape);
    }
}

// Moving one vertex of a triangle across the opposite side turns its order:
// the flange of the side that did not move goes to its other side too.
TEST(TOutlineCache, ATurnedOrderMovesEveryFlange) {
    TPolygon triangle = Flanged(Triangle(10, {30, 30}));
    TOutlineCache cache;
    cache.Sync(triangle);
    ExpectMatchesFreshComputation(cache, triangle);
    triangle.Apexes[2] = PointF(30, 20);
    ASSERT_NE(IsClockwiseOnScreen(triangle.Apexes), cache.Clockwise());
    cache.Sync(triangle);
    ExpectMatchesFreshComputation(cache, triangle);
}

// Estimates stand in for the corners only within their error, and that
// error stays far below what a screen pixel could show at any zoom; corners
// once computed are given exactly.
TEST(TOutlineCache, CornerEstimatesHoldTheExactCornersWithinTheirError) {
    std::vector<TOutlineCase> cases = OutlineCases();
    cases.push_back({"far from the origin, at odd angles",
                     Flanged(Triangle(35, {9.6e5L, -7.3e5L}), 4.5L, 2.9L)});
    cases.push_back({"a huge flange angle", Flanged(Square(12, {3, 4}), 2, 1e12L)});
    for (const TOutlineCase& c : cases) {
        TOutlineCache cache;
        cache.Sync(c.Shape);
        for (int side = 0; side < cache.SideCount(); ++side) {
            TPointEstimate q1, q2;
            TPointF exact1, exact2;
            const bool estimated = cache.CornerEstimates(side, q1, q2);
            ASSERT_EQ(cache.Corners(side, exact1, exact2), estimated) << c.Name << side;
            if (!estimated)
                continue;
            for (const auto& [estimate, exact] : {std::pair(q1, exact1), std::pair(q2, exact2)}) {
                EXPECT_LE(std::fabs(estimate.Point.X - exact.X), estimate.Error) << c.Name;
                EXPECT_LE(std::fabs(estimate.Point.Y - exact.Y), estimate.Error) << c.Name;
            }
            if (cache.IsOrdinary() && c.Shape.Flanges[side].Angle1 < 10) {
                EXPECT_LT(q1.Error, 1e-9L) << c.Name;
            }
            ASSERT_TRUE(cache.CornerEstimates(side, q1, q2));
            EXPECT_EQ(0, q1.Error);
            EXPECT_EQ(0, q2.Error);
            EXPECT_TRUE(SamePoints({q1.Point, q2.Point}, {exact1, exact2})) << c.Name;
        }
    }
}

TEST(TOutlineCache, BoxesHoldEveryPointOfTheOutline) {
    for (const TOutlineCase& c : OutlineCases()) {
        SCOPED_TRACE(c.Name);
        TOutlineCache cache;
        cache.Sync(c.Shape);
        const TBox& whole = cache.Bounds();
        for (int side = 0; side < cache.SideCount(); ++side) {
            std::array<TSegmentF, 3> segments;
            const int count = cache.SideSegments(side, segments);
            for (int k = 0; k < count; ++k) {
                for (const TPointF& p : {segments[k].P1, segments[k].P2}) {
                    EXPECT_TRUE(BoxesMeet(cache.SideBounds(side), BoxOf(p, p)));
                    EXPECT_TRUE(BoxesMeet(whole, BoxOf(p, p)));
                }
            }
        }
    }
}

TEST(TOutlineCache, OneSegmentIsTheSameAsTheSidesSegments) {
    TPolygon shape = Flanged(Square(10));
    shape.Flanges[3].Width = 0;
    TOutlineCache cache;
    cache.Sync(shape);
    for (int side = 0; side < 4; ++side) {
        std::array<TSegmentF, 3> segments;
        const int count = cache.SideSegments(side, segments);
        for (int k = 0; k < 4; ++k) {
            TSegmentF one;
            ASSERT_EQ(cache.SideSegment(side, k, one), k < count) << side << " " << k;
            if (k < count) {
                EXPECT_TRUE(SameBits(one.P1, segments[k].P1));
                EXPECT_TRUE(SameBits(one.P2, segments[k].P2));
            }
        }
    }
}

TEST(TOutlineCache, NamesTheSidesAChangeTouches) {
    TPolygon shape = Flanged(Square(10));
    TOutlineCache cache;
    cache.Sync(shape);
    shape.Apexes[2].Y = 11;
    shape.Flanges[0].Angle1 = Pi / 4;
    EXPECT_EQ(cache.SidesChangedBy(shape.Apexes, shape.Flanges), (std::vector<int>{0, 1, 2}));
    shape.Apexes.pop_back();
    EXPECT_TRUE(cache.SidesChangedBy(shape.Apexes, shape.Flanges).empty());
}

// A robust shape's order is the same for copies moved and turned anywhere in
// range; shapes on the edge of changing order are not robust.
TEST(TOutlineCache, OrderIsRobustOnlyWellAwayFromDegenerateShapes) {
    TOutlineCache cache;
    const TPolygon square = Flanged(Square(10, {100, 200}));
    cache.Sync(square);
    ASSERT_TRUE(cache.IsOrderRobust());
    for (long double turn = -3; turn <= 3; turn += 0.37L) {
        TPolygon copy = square;
        RotatePoints(copy.Apexes, PointF(-40, 7), turn);
        EXPECT_EQ(IsClockwiseOnScreen(copy.Apexes), cache.Clockwise()) << turn;
    }
    const std::vector<TDaPointF> fragile = {
        {PointF(0, 0), PointF(10, 0), PointF(10, 10), PointF(10, 0)},    // a spike
        {PointF(0, 0), PointF(1e-5L, 0), PointF(10, 10), PointF(0, 10)}, // a tiny side
        {PointF(2e6L, 0), PointF(2e6L + 10, 0), PointF(2e6L + 10, 10)},  // out of range
        {PointF(0, 0), PointF(10, 0)},                                   // no area
    };
    for (const TDaPointF& apexes : fragile) {
        cache.Sync(Shape(apexes));
        EXPECT_FALSE(cache.IsOrderRobust());
    }
}

} // namespace
