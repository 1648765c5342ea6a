// Tests of the collision check over the page index against the rules checked
// the straightforward way: the same answer and contact for every candidate,
// also when only the answer is asked for and earlier contacts are tried first.
#include "geometry/angles.h"
#include "placement/page_collision.h"

#include "common/exact_compare.h"
#include "common/shape_builders.h"
#include "geometry/flange_outline.h"
#include "geometry/intersection.h"
#include "geometry/overlap.h"
#include "geometry/plane_geometry.h"

#include <gtest/gtest.h>

#include <array>
#include <random>

namespace {

constexpr long double PageWidth = 60;
constexpr long double PageHeight = 60;

// The rules as they read, for every side against every border edge and shape.
bool PlainWallHit(const TPolygon& shape, TPointF& contact) {
    const TDaPointF outline = OutlineWithFlanges(shape);
    if (outline.empty())
        return false;
    const std::array<TSegmentF, 4> border = {
        MakeSegment(PointF(0, 0), PointF(PageWidth, 0)),
        MakeSegment(PointF(PageWidth, 0), PointF(PageWidth, PageHeight)),
        MakeSegment(PointF(PageWidth, PageHeight), PointF(0, PageHeight)),
        MakeSegment(PointF(0, PageHeight), PointF(0, 0))};
    for (std::size_t k = 0; k < outline.size(); ++k) {
        const TSegmentF side = MakeSegment(outline[k], outline[(k + 1) % outline.size()]);
        for (const TSegmentF& edge : border) {
            TPointF point;
            bool collinear = false;
            if (SegmentsIntersect(edge, side, point, collinear) && !collinear) {
                contact = point;
                return true;
            }
        }
    }
    const TPointF& first = outline[0];
    if (first.X >= 0 && first.X <= PageWidth && first.Y >= 0 && first.Y <= PageHeight)
        return false;
    contact = first;
    return true;
}

bool PlainCheck(const TPolygonTbl& page, int index, const TPolygon& candidate,
                const TPlacementRules& rules, TPointF& contact) {
    if (!candidate.Apexes.empty())
        contact = candidate.Apexes[0];
    if (rules.KeepInside && PlainWallHit(candidate, contact))
        return true;
    return !page.empty() && rules.AvoidOverlap &&
           PolygonHitsOthers(page, index, candidate, contact);
}

TPolygon FlangedPentagon(const TPointF& at) {
    TPolygon shape =
        Shape({PointF(at.X + 2, at.Y), PointF(at.X + 14, at.Y + 1), PointF(at.X + 16, at.Y + 12),
               PointF(at.X + 8, at.Y + 16), PointF(at.X, at.Y + 10)});
    for (TFlange& flange : shape.Flanges)
        flange = MakeFlange("", 1.5L, Pi / 3, Pi / 2.5L);
    return shape;
}

// Nine shapes in three rows, the outer ones close to the border.
TPolygonTbl Crowd() {
    TPolygonTbl page;
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 3; ++column)
            page.push_back(FlangedPentagon(PointF(2.5L + 19.2L * column, 2.5L + 19.2L * row)));
    return page;
}

std::vector<TPlacementRules> AllRuleSets() {
    std::vector<TPlacementRules> sets;
    for (const bool inside : {false, true})
        for (const bool overlap : {false, true})
            sets.push_back({inside, overlap, false, PageWidth, PageHeight});
    return sets;
}

TEST(TPageCollision, SameAnswerAndContactAsTheRulesCheckedOneByOne) {
    const TPolygonTbl page = Crowd();
    TPageIndex shapes;
    shapes.Sync(page);
    std::mt19937 random(17);
    std::uniform_real_distribution<double> shift(-3, 3);
    std::uniform_real_distribution<double> turn(-0.4, 0.4);
    for (const TPlacementRules& rules : AllRuleSets()) {
        for (const int index : {0, 4, 8}) {
            TPageCollision collision(shapes, index, rules);
            for (int i = 0; i < 60; ++i) {
                TPolygon candidate = page[index];
                RotatePoints(candidate.Apexes, PointF(10, 10), turn(random));
                TranslatePolygon(candidate, PointF(shift(random), shift(random)));
                TPointF expected = PointF(-1, -1), actual = PointF(-1, -1);
                const bool hit = PlainCheck(page, index, candidate, rules, expected);
                ASSERT_EQ(collision.Check(candidate.Apexes, candidate.Flanges, actual), hit)
                    << index << " " << i;
                EXPECT_TRUE(SameBits(actual, expected)) << index << " " << i;
                EXPECT_EQ(collision.Collides(candidate.Apexes, candidate.Flanges), hit);
            }
        }
    }
}

// As a search turns the candidate to either side in turn, the remembered
// contacts answer most tries; the answers stay those of the full check.
TEST(TPageCollision, RememberedContactsGiveTheFullCheckAnswers) {
    const TPolygonTbl page = Crowd();
    TPageIndex shapes;
    shapes.Sync(page);
    const TPlacementRules rules{true, true, true, PageWidth, PageHeight};
    TPageCollision searching(shapes, 4, rules);
    const TPointF centre = PointF(29, 29);
    searching.ExpectMovesAbout(centre);
    for (int i = 1; i <= 200; ++i) {
        TPolygon candidate = page[4];
        TranslatePolygon(candidate, PointF(0.4L, 0.1L));
        RotatePoints(candidate.Apexes, centre, (i % 2 == 1 ? -1 : 1) * ((i + 1) / 2) * Pi / 400);
        TPointF contact;
        EXPECT_EQ(searching.Collides(candidate.Apexes, candidate.Flanges),
                  PlainCheck(page, 4, candidate, rules, contact))
            << i;
    }
}

TEST(CachedWallHit, BorderContactsAsTheRulesDecideThem) {
    TOutlineCache outline;
    const std::vector<TPolygon> shapes = {
        Square(10, {5, 5}),                // inside
        Square(10, {55, 5}),               // crossing the right edge
        Square(10, {0, 20}),               // lying along the left edge
        Square(10, {-5, -5}),              // over a corner
        Square(5, {100, 100}),             // wholly outside
        Square(80, {-10, -10}),            // around the whole page
        FlangedPentagon(PointF(1.4L, 30)), // a flange over the left edge
    };
    for (std::size_t i = 0; i < shapes.size(); ++i) {
        outline.Sync(shapes[i]);
        TPointF expected = PointF(-1, -1), actual = PointF(-1, -1);
        EXPECT_EQ(CachedWallHit(outline, PageWidth, PageHeight, actual),
                  PlainWallHit(shapes[i], expected))
            << i;
        EXPECT_TRUE(SameBits(actual, expected)) << i;
    }
}

} // namespace
