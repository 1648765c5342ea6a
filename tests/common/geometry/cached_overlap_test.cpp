// Tests of the overlap of cached outlines against the straightforward
// PolygonsOverlap and PolygonHitsOthers: the same answer and the same contact
// point for every pair, and the first overlapping shape in page order.
#include "geometry/angles.h"
#include "geometry/cached_overlap.h"

#include "common/exact_compare.h"
#include "common/shape_builders.h"
#include "geometry/flange_outline.h"
#include "geometry/overlap.h"
#include "geometry/plane_geometry.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

TPolygon Flanged(TPolygon shape, long double width) {
    for (TFlange& flange : shape.Flanges)
        flange = MakeFlange("", width, Pi / 3, Pi / 3);
    return shape;
}

void ExpectSameOverlap(const TPolygon& a, const TPolygon& b) {
    TOutlineCache cachedA, cachedB;
    cachedA.Sync(a);
    cachedB.Sync(b);
    const TPointF unset = PointF(-123, -456);
    TPointF expected = unset, actual = unset;
    const bool overlaps = PolygonsOverlap(OutlineWithFlanges(a), OutlineWithFlanges(b), expected);
    EXPECT_EQ(CachedPolygonsOverlap(cachedA, cachedB, actual), overlaps);
    EXPECT_TRUE(SameBits(actual, expected));
}

struct TPairCase {
    std::string Name;
    TPolygon A;
    TPolygon B;
};

TEST(CachedPolygonsOverlap, SameAnswerAndContactAsTheStraightforwardTest) {
    const TPolygon square = Square(10);
    const std::vector<TPairCase> cases = {
        {"crossing", square, Square(10, {5, 5})},
        {"touching at a corner", square, Square(10, {10, 10})},
        {"lying along a side", square, Square(10, {10, 0})},
        {"inside", Square(20), Square(2, {5, 5})},
        {"around", Square(2, {5, 5}), Square(20)},
        {"flanges touching", Flanged(square, 2), Flanged(Square(10, {14, 0}), 2)},
        {"apart along x by a hair", square, Square(10, {10 + 1e-15L, 0})},
        {"apart along y by a hair", square, Square(10, {0, 10 + 1e-15L})},
        {"far apart", square, Square(10, {500, 300})},
        {"a flange around the other", Flanged(Square(1, {5, 0}), 3), Square(1, {5, -2.5L})},
        // The bar crosses the flanged square's outline at both ends: the
        // contact is the crossing its sides meet first.
        {"crossing many sides", Rect(30, 2, {-10, 4}), Flanged(square, 2)},
        {"crossed by many sides", Flanged(square, 2), Rect(30, 2, {-10, 4})},
    };
    for (const TPairCase& c : cases) {
        SCOPED_TRACE(c.Name);
        ExpectSameOverlap(c.A, c.B);
    }
}

// Flanged shapes placed at random a little apart or just touching: most
// pairs are near misses, where a box test that decided too much would show.
TEST(CachedPolygonsOverlap, SameAsTheStraightforwardTestForNearMisses) {
    std::mt19937 random(5);
    std::uniform_real_distribution<double> offset(-0.3, 0.3);
    std::uniform_real_distribution<double> turn(-0.2, 0.2);
    const TPolygon base = Flanged(
        Shape({PointF(0, 0), PointF(6, -1), PointF(9, 4), PointF(4, 8), PointF(-1, 5)}), 1.5L);
    for (int i = 0; i < 400; ++i) {
        TPolygon other = base;
        RotatePoints(other.Apexes, PointF(4, 3), turn(random));
        for (TPointF& p : other.Apexes)
            p = PointF(p.X + 12.5L + offset(random), p.Y + offset(random) * 10);
        ExpectSameOverlap(base, other);
        ExpectSameOverlap(other, base);
    }
}

TPolygonTbl Row() {
    return {Square(10, {0, 0}), Square(10, {20, 0}), Square(10, {40, 0}), Square(10, {60, 0})};
}

TEST(CachedPolygonHitsOthers, FindsTheFirstOverlappingShapeInPageOrder) {
    const TPolygonTbl page = Row();
    TPageIndex index;
    index.Sync(page);
    // Reaching from shape 1 into shape 3, and covering shape 2 entirely.
    TOutlineCache candidate;
    candidate.Sync(Rect(50, 4, {15, 3}));
    const std::vector<int> near = index.ShapesMeeting(candidate.Bounds());
    EXPECT_EQ(near, (std::vector<int>{1, 2, 3}));
    TPointF expected, actual;
    ASSERT_TRUE(PolygonHitsOthers(page, 0, Rect(50, 4, {15, 3}), expected));
    ASSERT_TRUE(CachedPolygonHitsOthers(index, near, 0, candidate, actual));
    EXPECT_TRUE(SameBits(actual, expected));
    EXPECT_LT(actual.X, 40); // on shape 1, not on shape 2 or 3
    // Its own slot never counts.
    EXPECT_FALSE(CachedPolygonHitsOthers(index, {1}, 1, candidate, actual));
}

TEST(SidesStillMeet, OnlyForThePairThatMeetsNow) {
    const TPolygonTbl page = Row();
    TPageIndex index;
    index.Sync(page);
    TOutlineCache candidate;
    candidate.Sync(Rect(4, 4, {18, 3}));
    TSideContact met;
    TPointF contact;
    met.Shape = 1;
    ASSERT_TRUE(CachedPolygonsOverlap(candidate, index.Shape(1), contact, &met));
    EXPECT_TRUE(SidesStillMeet(candidate, index.Shape(1), met));
    candidate.Sync(Rect(4, 4, {13, 3}));
    EXPECT_FALSE(SidesStillMeet(candidate, index.Shape(1), met));
}

} // namespace
