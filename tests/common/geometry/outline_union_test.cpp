// Tests of the union of outlines: the loops for overlapping, touching, nested,
// crossing and self-crossing outlines, exact where sides are shared, and sound
// (simple loops enclosing what the outlines cover) for many random outlines
// full of shared sides, touching corners and collinear overlaps.
#include "geometry/outline_union.h"

#include "union_checks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>

namespace {

using union_checks::ExpectSoundUnion;

TDaPointF Box(long double left, long double top, long double right, long double bottom) {
    return {{left, top}, {right, top}, {right, bottom}, {left, bottom}};
}

TDaPointF Reversed(TDaPointF loop) {
    std::reverse(loop.begin(), loop.end());
    return loop;
}

// The same loop whatever vertex it starts at.
bool SameLoop(const TDaPointF& loop, const TDaPointF& expected) {
    if (loop.size() != expected.size())
        return false;
    for (std::size_t start = 0; start < loop.size(); ++start) {
        TDaPointF turned = loop;
        std::rotate(turned.begin(), turned.begin() + static_cast<std::ptrdiff_t>(start),
                    turned.end());
        if (turned == expected)
            return true;
    }
    return false;
}

std::string Text(const std::vector<TDaPointF>& loops) {
    std::string text;
    for (const TDaPointF& loop : loops) {
        text += "{";
        for (const TPointF& p : loop)
            text += " (" + std::to_string(static_cast<double>(p.X)) + " " +
                    std::to_string(static_cast<double>(p.Y)) + ")";
        text += " }";
    }
    return text;
}

struct TUnionCase {
    const char* Name;
    std::vector<TDaPointF> Outlines;
    std::vector<TDaPointF> Expected; // each clockwise on screen, holes the other way
};

class OutlineUnionCases : public testing::TestWithParam<TUnionCase> {};

TEST_P(OutlineUnionCases, GivesTheExpectedSoundLoops) {
    const TUnionCase& c = GetParam();
    const std::vector<TDaPointF> loops = OutlineUnion(c.Outlines);
    ExpectSoundUnion(c.Outlines, loops);
    ASSERT_EQ(loops.size(), c.Expected.size()) << Text(loops);
    for (const TDaPointF& expected : c.Expected)
        EXPECT_TRUE(std::any_of(loops.begin(), loops.end(),
                                [&](const TDaPointF& loop) { return SameLoop(loop, expected); }))
            << "missing" << Text({expected}) << " in " << Text(loops);
}

INSTANTIATE_TEST_SUITE_P(
    Outlines, OutlineUnionCases,
    testing::Values(
        TUnionCase{"Overlapping",
                   {Box(0, 0, 10, 10), Box(5, 5, 15, 15)},
                   {{{0, 0}, {10, 0}, {10, 5}, {15, 5}, {15, 15}, {5, 15}, {5, 10}, {0, 10}}}},
        // The shared side disappears; its ends stay as points on the boundary.
        TUnionCase{"SharingASide",
                   {Box(0, 0, 10, 10), Box(10, 0, 20, 10)},
                   {{{0, 0}, {10, 0}, {20, 0}, {20, 10}, {10, 10}, {0, 10}}}},
        TUnionCase{"SharingPartOfASideEitherWayRound",
                   {Box(0, 0, 10, 10), Reversed(Box(4, 10, 14, 20))},
                   {{{0, 0}, {10, 0}, {10, 10}, {14, 10}, {14, 20}, {4, 20}, {4, 10}, {0, 10}}}},
        TUnionCase{"TouchingAtACorner",
                   {Box(0, 0, 10, 10), Box(10, 10, 20, 20)},
                   {Box(0, 0, 10, 10), Box(10, 10, 20, 20)}},
        TUnionCase{"ACornerOnASide",
                   {Box(0, 0, 10, 10), {{10, 5}, {20, 0}, {20, 10}}},
                   {{{0, 0}, {10, 0}, {10, 5}, {10, 10}, {0, 10}}, {{10, 5}, {20, 0}, {20, 10}}}},
        TUnionCase{"Apart",
                   {Box(0, 0, 10, 10), Box(20, 0, 30, 10)},
                   {Box(0, 0, 10, 10), Box(20, 0, 30, 10)}},
        TUnionCase{"Nested", {Box(0, 0, 30, 30), Box(10, 10, 20, 20)}, {Box(0, 0, 30, 30)}},
        TUnionCase{"AFrameWithAHole",
                   {Box(0, 0, 30, 10), Box(20, 0, 30, 30), Box(0, 20, 30, 30), Box(0, 0, 10, 30)},
                   {{{0, 0},
                     {10, 0},
                     {20, 0},
                     {30, 0},
                     {30, 10},
                     {30, 20},
                     {30, 30},
                     {20, 30},
                     {10, 30},
                     {0, 30},
                     {0, 20},
                     {0, 10}},
                    Reversed(Box(10, 10, 20, 20))}},
        // A bow-tie covers both its triangles; they meet at the crossing.
        TUnionCase{"CrossingItself",
                   {{{0, 0}, {10, 10}, {10, 0}, {0, 10}}},
                   {{{0, 0}, {5, 5}, {0, 10}}, {{10, 0}, {10, 10}, {5, 5}}}},
        TUnionCase{"CornersMeetingInsideAnother",
                   {{{0, 0}, {10, 0}, {5, 5}}, {{10, 10}, {0, 10}, {5, 5}}, Box(4, 4, 6, 6)},
                   {{{0, 0}, {10, 0}, {6, 4}, {6, 6}, {10, 10}, {0, 10}, {4, 6}, {4, 4}}}}));

// The middle of a pentagram winds twice and is covered all the same.
TEST(OutlineUnion, AStarWindingTwiceGivesItsOuterBoundary) {
    const std::vector<TDaPointF> star{{{0, -10}, {6, 8}, {-9.5L, -3}, {9.5L, -3}, {-6, 8}}};
    const std::vector<TDaPointF> loops = OutlineUnion(star);
    ExpectSoundUnion(star, loops);
    ASSERT_EQ(loops.size(), 1u);
    EXPECT_EQ(loops[0].size(), 10u) << "five points and five crossings";
    EXPECT_GT(SignedArea(loops[0]), 0);
}

TEST(OutlineUnion, OuterLoopsFillTheHolesAndDropWhatLiesInThem) {
    std::vector<TDaPointF> frame{Box(0, 0, 30, 10), Box(20, 0, 30, 30), Box(0, 20, 30, 30),
                                 Box(0, 0, 10, 30)};
    frame.push_back(Box(13, 13, 17, 17)); // an island in the hole
    frame.push_back(Box(40, 0, 50, 10));  // a part of its own
    const std::vector<TDaPointF> loops = OutlineUnion(frame);
    ExpectSoundUnion(frame, loops);
    EXPECT_EQ(loops.size(), 4u);
    const std::vector<TDaPointF> outer = OuterLoops(loops);
    ASSERT_EQ(outer.size(), 2u);
    EXPECT_EQ(SignedArea(outer[0]) + SignedArea(outer[1]), 900 + 100);
}

TEST(OutlineUnion, NothingForNoAreaOrAPointThatIsNotFinite) {
    EXPECT_TRUE(OutlineUnion({}).empty());
    EXPECT_TRUE(OutlineUnion({{{0, 0}, {10, 0}, {20, 0}}, {{5, 5}}}).empty());
    EXPECT_TRUE(OutlineUnion({Box(0, 0, 10, 10), {{0, 0}, {INFINITY, 0}, {0, 1}}}).empty());
    EXPECT_TRUE(OutlineUnion({Box(0, 0, 10, 10), {{0, 0}, {NAN, 0}, {0, 1}}}).empty());
}

// Slanted sides computed from angles meet a hair apart from where they should;
// points that close are one, so the loop has no sliver.
TEST(OutlineUnion, PointsAHairApartAreOne) {
    const long double hair = 1e-15L;
    const std::vector<TDaPointF> outlines{Box(0, 0, 10, 10), {{10 + hair, 0}, {20, 0}, {10, 10}}};
    const std::vector<TDaPointF> loops = OutlineUnion(outlines);
    ASSERT_EQ(loops.size(), 1u) << Text(loops);
    EXPECT_TRUE(SameLoop(loops[0], {{0, 0}, {10, 0}, {20, 0}, {10, 10}, {0, 10}})) << Text(loops);
}

// Small integer coordinates make every kind of coincidence common: shared and
// overlapping sides, vertices on sides, corners touching, outlines crossing
// themselves and running either way round.
TEST(OutlineUnion, RandomOutlinesOnACoarseGridGiveSoundLoops) {
    std::mt19937 random(20240521);
    std::uniform_int_distribution<int> coordinate(0, 6);
    std::uniform_int_distribution<int> vertexCount(3, 6);
    std::uniform_int_distribution<int> outlineCount(1, 4);
    for (int round = 0; round < 300; ++round) {
        std::vector<TDaPointF> outlines(outlineCount(random));
        for (TDaPointF& outline : outlines) {
            outline.resize(vertexCount(random));
            for (TPointF& p : outline)
                p = PointF(coordinate(random), coordinate(random));
        }
        SCOPED_TRACE("round " + std::to_string(round));
        const std::vector<TDaPointF> loops = OutlineUnion(outlines);
        ExpectSoundUnion(outlines, loops, 60);
        if (testing::Test::HasFatalFailure())
            return;
    }
}

// The same outlines turned by an angle have no coordinate in common with the
// grid: crossing points are rounded, and the loops must stay sound.
TEST(OutlineUnion, RandomOutlinesTurnedOffTheGridGiveSoundLoops) {
    std::mt19937 random(77);
    std::uniform_int_distribution<int> coordinate(0, 6);
    std::uniform_int_distribution<int> vertexCount(3, 5);
    const long double cosine = std::cos(0.3L);
    const long double sine = std::sin(0.3L);
    for (int round = 0; round < 200; ++round) {
        std::vector<TDaPointF> outlines(3);
        for (TDaPointF& outline : outlines) {
            outline.resize(vertexCount(random));
            for (TPointF& p : outline) {
                const long double x = coordinate(random) * 7.3L + 100;
                const long double y = coordinate(random) * 7.3L + 50;
                p = PointF(x * cosine - y * sine, x * sine + y * cosine);
            }
        }
        SCOPED_TRACE("round " + std::to_string(round));
        ExpectSoundUnion(outlines, OutlineUnion(outlines), 60);
        if (testing::Test::HasFatalFailure())
            return;
    }
}

} // namespace
