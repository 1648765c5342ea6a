// What every construction of the numeric settings shares: with the side-length
// switch on every side keeps its length after each construction that
// succeeds, nothing moves when one cannot, and no vertex ever becomes a point
// that is not finite or that a drawing file cannot hold.
#include "editing/apex_position.h"
#include "editing/interior_angle.h"
#include "editing/side_length.h"
#include "editing/side_slope.h"

#include "common/shape_builders.h"
#include "construction_checks.h"

#include <functional>
#include <limits>

namespace {

// No two sides alike, so that a wrong vertex cannot keep the lengths by chance.
TPolygon Pentagon() {
    return Shape({{0, 0}, {30, -5}, {45, 15}, {25, 35}, {-5, 20}});
}

constexpr long double Shortest = 2.857142857L; // the closing distance at 100 %

using TConstruction = std::function<bool(TPolygon&)>;

struct TCase {
    const char* Name;
    TConstruction Construction;
    int ChangedSide = -1; // the side whose length the construction sets, if any
};

} // namespace

TEST(ConstructionTest, SwitchOnKeepsEverySideLengthWhenAConstructionSucceeds) {
    const TCase cases[] = {
        {"coordinates",
         [](TPolygon& s) {
             return SetApexPosition(s, 2, {50, 18}, true);
         }},
        {"angle at a vertex",
         [](TPolygon& s) {
             return SetInteriorAngle(s, {-1, 2}, Radians(100), true);
         }},
        {"angle with the side before",
         [](TPolygon& s) {
             return SetInteriorAngle(s, {1, 2}, Radians(100), true);
         }},
        {"angle with the side after",
         [](TPolygon& s) {
             return SetInteriorAngle(s, {3, 2}, Radians(100), true);
         }},
        {"length of a side forward",
         [](TPolygon& s) { return SetSideLength(s, 1, 2, 30, Shortest, true); }, 1},
        {"length of a side backward",
         [](TPolygon& s) { return SetSideLength(s, 3, 2, 30, Shortest, true); }, 2},
        {"length of a diagonal",
         [](TPolygon& s) { return SetSideLength(s, 0, 2, 40, Shortest, true); }},
        {"slope of a side",
         [](TPolygon& s) { return SetSideSlope(s, 1, 2, Radians(70), false, true); }},
        {"slope of a diagonal",
         [](TPolygon& s) { return SetSideSlope(s, 0, 2, Radians(30), false, true); }},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        TPolygon shape = Pentagon();
        ASSERT_TRUE(c.Construction(shape));
        EXPECT_NE(shape.Apexes, Pentagon().Apexes);
        const std::vector<long double> lengths = SideLengths(shape.Apexes);
        const std::vector<long double> old = SideLengths(Pentagon().Apexes);
        for (int i = 0; i < static_cast<int>(lengths.size()); ++i) {
            if (i != c.ChangedSide) {
                EXPECT_NEAR(static_cast<double>(lengths[i]), static_cast<double>(old[i]), 1e-9)
                    << "side " << i;
            }
        }
        if (c.ChangedSide >= 0) {
            EXPECT_NEAR(static_cast<double>(lengths[c.ChangedSide]), 30, 1e-9);
        }
    }
}

TEST(ConstructionTest, NothingMovesWhenAConstructionCannotBeDone) {
    constexpr long double huge = std::numeric_limits<long double>::max() / 2;
    const TPolygon rect = Rect(40, 25);
    const TPolygon needle = Shape({{0, 0}, {1e-4940L, 0}, {10, 10}, {0, 10}});
    const struct {
        const char* Name;
        TPolygon Shape;
        TConstruction Construction;
    } cases[] = {
        {"coordinates the lengths cannot follow", rect,
         [](TPolygon& s) {
             return SetApexPosition(s, 1, {60, 0}, true);
         }},
        {"coordinates so far the lengths overflow", rect,
         [](TPolygon& s) {
             return SetApexPosition(s, 1, {huge, 0}, true);
         }},
        {"a length so long the walk overflows", rect,
         [](TPolygon& s) { return SetSideLength(s, 0, 1, huge, Shortest, true); }},
        {"coordinates beyond what a drawing file holds", rect,
         [](TPolygon& s) {
             return SetApexPosition(s, 1, {1e16L, 0}, false);
         }},
        {"a length that carries a vertex beyond the file's limit", rect,
         [](TPolygon& s) { return SetSideLength(s, 0, 1, 1e20L, Shortest, false); }},
        {"a length divided by a side next to nothing", needle,
         [](TPolygon& s) { return SetSideLength(s, 0, 1, 1e4000L, Shortest, false); }},
        {"an angle whose second side cannot turn once the first has", rect,
         [](TPolygon& s) {
             return SetInteriorAngle(s, {-1, 1}, Radians(180), true);
         }},
        {"an angle at a corner too straight for its triangle", Rect(4, 3),
         [](TPolygon& s) {
             return SetInteriorAngle(s, {-1, 1}, Radians(180), false);
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        TPolygon shape = c.Shape;
        EXPECT_FALSE(c.Construction(shape));
        EXPECT_EQ(shape, c.Shape);
    }
}
