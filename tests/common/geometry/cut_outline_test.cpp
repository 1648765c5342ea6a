// Tests of a shape's cut line: the outer boundary of the shape with its
// flanges, simple where flanges meet at reflex corners, overlap one another or
// share a slanted edge, and one loop per part where flanges stand apart.
#include "geometry/cut_outline.h"

#include "common/shape_builders.h"
#include "geometry/angles.h"
#include "geometry/flange_outline.h"
#include "geometry/plane_geometry.h"
#include "union_checks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace {

using union_checks::ExpectSoundUnion;

constexpr long double RightAngle = Pi / 2;
// Flange corners come from sines and cosines: a right angle is a hair off.
constexpr double Tolerance = 1e-12;

TPolygon WithFlanges(TPolygon shape, const std::vector<int>& sides, long double width,
                     long double angle) {
    for (const int side : sides)
        shape.Flanges[side] = MakeFlange("", width, angle, angle);
    return shape;
}

TPolygon Reversed(TPolygon shape) {
    std::reverse(shape.Apexes.begin(), shape.Apexes.end());
    return shape;
}

// What the cut line must go round: the outline and each flange quadrilateral.
std::vector<TDaPointF> Parts(const TPolygon& shape) {
    std::vector<TDaPointF> parts{shape.Apexes};
    std::array<TPointF, 4> quad;
    const bool clockwise = IsClockwiseOnScreen(shape.Apexes);
    for (int side = 0; side < static_cast<int>(shape.Apexes.size()); ++side)
        if (FlangeOutline(shape, clockwise, side, quad))
            parts.push_back(TDaPointF(quad.begin(), quad.end()));
    return parts;
}

void ExpectLoop(const TDaPointF& loop, const TDaPointF& expected) {
    ASSERT_EQ(loop.size(), expected.size());
    for (std::size_t i = 0; i < loop.size(); ++i) {
        EXPECT_NEAR(static_cast<double>(loop[i].X), static_cast<double>(expected[i].X), Tolerance)
            << "point " << i;
        EXPECT_NEAR(static_cast<double>(loop[i].Y), static_cast<double>(expected[i].Y), Tolerance)
            << "point " << i;
    }
}

// An L clockwise on screen; its reflex corner is vertex 3 at (10, 10), between
// side 2 from (20, 10) and side 3 down to (10, 20).
TPolygon LShape() {
    return Shape({{0, 0}, {20, 0}, {20, 10}, {10, 10}, {10, 20}, {0, 20}});
}

// A square with a notch 6 mm wide cut up into it from the bottom; sides 3, 4
// and 5 line the notch.
TPolygon Notched() {
    return Shape({{0, 0}, {30, 0}, {30, 30}, {18, 30}, {18, 10}, {12, 10}, {12, 30}, {0, 30}});
}

struct TConvexCase {
    const char* Name;
    bool Reverse;
};

class ConvexCut : public testing::TestWithParam<TConvexCase> {};

// At convex corners flanges meet only at the shape's vertex: the outline with
// flanges stays as it was, same points, same way round, same start.
TEST_P(ConvexCut, IsTheOutlineWithFlanges) {
    TPolygon square = WithFlanges(Square(40, {10, 20}), {0, 1, 3}, 5, RightAngle);
    square.Flanges[2] = MakeFlange("", 8, Pi / 4, Pi / 3);
    if (GetParam().Reverse)
        square = Reversed(square);
    const std::vector<TDaPointF> cut = CutOutlines(square);
    ASSERT_EQ(cut.size(), 1u);
    EXPECT_EQ(cut[0], OutlineWithFlanges(square));
}

INSTANTIATE_TEST_SUITE_P(EitherWayRound, ConvexCut,
                         testing::Values(TConvexCase{"Clockwise", false},
                                         TConvexCase{"CounterClockwise", true}),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST(CutOutlines, FlangesAtAReflexCornerAreJoinedWhereTheyCross) {
    const TPolygon l = WithFlanges(LShape(), {2, 3}, 4, RightAngle);
    const std::vector<TDaPointF> cut = CutOutlines(l);
    ExpectSoundUnion(Parts(l), cut);
    ASSERT_EQ(cut.size(), 1u);
    ExpectLoop(cut[0],
               {{0, 0}, {20, 0}, {20, 10}, {20, 14}, {14, 14}, {14, 20}, {10, 20}, {0, 20}});
}

TEST(CutOutlines, SlantedFlangesAroundAnLAreSound) {
    for (const long double angle : {Pi / 4, Pi / 3, RightAngle}) {
        const TPolygon l = WithFlanges(LShape(), {0, 1, 2, 3, 4, 5}, 3, angle);
        SCOPED_TRACE(static_cast<double>(angle));
        const std::vector<TDaPointF> cut = CutOutlines(l);
        ExpectSoundUnion(Parts(l), cut);
        EXPECT_EQ(cut.size(), 1u);
        EXPECT_EQ(cut[0][0], l.Apexes[0]);
    }
}

// The flanges of the notch's two walls overlap in its middle; with the flange
// of its end they fill it, and the cut runs straight across its mouth.
TEST(CutOutlines, FlangesOverlappingEachOtherFillANotch) {
    const TPolygon notched = WithFlanges(Notched(), {3, 4, 5}, 4, RightAngle);
    const std::vector<TDaPointF> cut = CutOutlines(notched);
    ExpectSoundUnion(Parts(notched), cut);
    ASSERT_EQ(cut.size(), 1u);
    ExpectLoop(cut[0],
               {{0, 0}, {30, 0}, {30, 30}, {18, 30}, {16, 30}, {14, 30}, {12, 30}, {0, 30}});
}

// At the L's reflex corner of 270 degrees two 45 degree flanges of one width
// share their slanted edge along the mitre, each running it the other way:
// the cut leaves the corner out and goes along neither.
TEST(CutOutlines, MitredFlangesAtAReflexCornerShareTheirSlantedEdge) {
    const TPolygon l = WithFlanges(LShape(), {2, 3}, 4, Pi / 4);
    const std::vector<TDaPointF> cut = CutOutlines(l);
    ExpectSoundUnion(Parts(l), cut);
    ASSERT_EQ(cut.size(), 1u);
    ExpectLoop(cut[0],
               {{0, 0}, {20, 0}, {20, 10}, {16, 14}, {14, 14}, {14, 16}, {10, 20}, {0, 20}});
}

// Wide flanges on a short side with shallow angles cross over: the part beyond
// the crossing touches the rest at one point and is cut as its own loop.
TEST(CutOutlines, AFlangeCrossingOverGivesALoopForEachPart) {
    const TPolygon square = WithFlanges(Square(10), {0}, 20, Pi / 6);
    const std::vector<TDaPointF> cut = CutOutlines(square);
    ExpectSoundUnion(Parts(square), cut);
    ASSERT_EQ(cut.size(), 2u);
    EXPECT_EQ(cut[0][0], square.Apexes[0]) << "the shape's part comes first";
}

// A shape without area whose flanges stand apart: each flange is a part.
TEST(CutOutlines, FlangesStandingApartAreIslands) {
    TPolygon line = Shape({{0, 0}, {10, 0}, {20, 0}, {30, 0}});
    line = WithFlanges(line, {0, 2}, 5, Pi / 3);
    const std::vector<TDaPointF> cut = CutOutlines(line);
    ExpectSoundUnion(Parts(line), cut);
    ASSERT_EQ(cut.size(), 2u);
    EXPECT_EQ(cut[0][0], line.Apexes[0]);
    EXPECT_EQ(cut[1][0], line.Apexes[2]);
}

TEST(CutOutlines, NothingForAShapeWithoutAreaOrWithAPointThatIsNotFinite) {
    EXPECT_TRUE(CutOutlines(Shape({{0, 0}, {10, 0}, {20, 0}})).empty());
    EXPECT_TRUE(CutOutlines(Shape({{5, 5}})).empty());
    TPolygon broken = WithFlanges(Square(10), {0}, 5, RightAngle);
    broken.Apexes[2].X = std::numeric_limits<long double>::infinity();
    EXPECT_TRUE(CutOutlines(broken).empty());
}

} // namespace
