// Tests of the layout's rigid motions: side lengths and angles kept, quarter
// turns exact, and a mirror image keeping every flange on its side and every
// fold line on its vertices.
#include "placement/layout_transform.h"

#include "common/shape_builders.h"
#include "geometry/angles.h"
#include "geometry/flange_outline.h"
#include "geometry/plane_geometry.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>

namespace {

constexpr long double Tolerance = 1e-9L;

// An irregular pentagon, clockwise on screen, with flanges of different
// widths, angles and names, and fold lines in both sets.
TPolygon Pentagon() {
    TPolygon shape =
        Shape({PointF(3, 1), PointF(41, 4), PointF(47, 30), PointF(22, 43), PointF(-2, 25)});
    shape.Flanges[0] = MakeFlange("A", 5, Pi / 4, Pi / 3);
    shape.Flanges[2] = MakeFlange("B", 8, Pi / 2, Pi / 6);
    shape.Flanges[3] = MakeFlange("", 6, Pi / 4, Pi / 4);
    shape.BendLines[0] = {MakeBendLine(0, 2), MakeBendLine(1, 3)};
    shape.BendLines[1] = {MakeBendLine(2, 4), MakeBendLine(1, 7)}; // the second names no vertex
    return shape;
}

long double SideLength(const TPolygon& shape, int side) {
    const int n = static_cast<int>(shape.Apexes.size());
    return PointDistance(shape.Apexes[side], shape.Apexes[(side + 1) % n]);
}

void ExpectNear(const TPointF& actual, const TPointF& expected, const char* what) {
    EXPECT_NEAR(actual.X, expected.X, Tolerance) << what;
    EXPECT_NEAR(actual.Y, expected.Y, Tolerance) << what;
}

struct TMotionCase {
    long double Angle;
    bool Mirror;
};

class LayoutTransformTest : public ::testing::TestWithParam<TMotionCase> {};

// Side k of the moved shape is side k of the original, or, mirrored, side
// n - 1 - k walked backwards; vertex k is vertex k, or vertex (n - k) mod n.
TEST_P(LayoutTransformTest, KeepsLengthsAnglesFlangesAndFoldLines) {
    const TMotionCase& motion = GetParam();
    const TPolygon original = Pentagon();
    const TLayoutTransform transform{motion.Angle, motion.Mirror, PointF(120.25L, -33.5L)};
    const TPolygon moved = TransformedPolygon(original, transform);
    const int n = static_cast<int>(original.Apexes.size());
    ASSERT_EQ(moved.Apexes.size(), original.Apexes.size());
    ASSERT_EQ(moved.Flanges.size(), original.Flanges.size());
    const auto vertexOf = [&](int k) { return motion.Mirror ? (n - k) % n : k; };
    const auto sideOf = [&](int k) { return motion.Mirror ? n - 1 - k : k; };
    for (int k = 0; k < n; ++k) {
        ExpectNear(moved.Apexes[k], TransformPoint(original.Apexes[vertexOf(k)], transform),
                   "vertex");
        EXPECT_NEAR(SideLength(moved, k), SideLength(original, sideOf(k)), Tolerance);
        EXPECT_NEAR(ApexAngle(moved.Apexes, k), ApexAngle(original.Apexes, vertexOf(k)), Tolerance);
    }
    EXPECT_EQ(IsClockwiseOnScreen(moved.Apexes), IsClockwiseOnScreen(original.Apexes));
    // Each flange lies where the original's, moved, lies, its corners in the
    // order of its new side.
    const bool cwMoved = IsClockwiseOnScreen(moved.Apexes);
    const bool cwOriginal = IsClockwiseOnScreen(original.Apexes);
    for (int k = 0; k < n; ++k) {
        const TFlange& was = original.Flanges[sideOf(k)];
        EXPECT_EQ(moved.Flanges[k].Name, was.Name);
        EXPECT_EQ(moved.Flanges[k].Width, was.Width);
        std::array<TPointF, 4> now, before;
        const bool hasNow = FlangeOutline(moved, cwMoved, k, now);
        ASSERT_EQ(hasNow, FlangeOutline(original, cwOriginal, sideOf(k), before)) << "side " << k;
        if (!hasNow)
            continue;
        for (int corner = 0; corner < 4; ++corner) {
            const int from = motion.Mirror ? 3 - corner : corner;
            ExpectNear(now[corner], TransformPoint(before[from], transform), "flange corner");
        }
    }
    // Each fold line joins the vertices that were its ends.
    for (std::size_t set = 0; set < 2; ++set) {
        ASSERT_EQ(moved.BendLines[set].size(), original.BendLines[set].size());
        for (std::size_t i = 0; i < original.BendLines[set].size(); ++i) {
            const TBendLine& was = original.BendLines[set][i];
            const TBendLine& now = moved.BendLines[set][i];
            if (!IsValidBendLine(was, n)) {
                EXPECT_EQ(now, was);
                continue;
            }
            EXPECT_LT(now.Apex1, now.Apex2);
            const TPointF ends[2] = {moved.Apexes[now.Apex1], moved.Apexes[now.Apex2]};
            const TPointF wasEnds[2] = {TransformPoint(original.Apexes[was.Apex1], transform),
                                        TransformPoint(original.Apexes[was.Apex2], transform)};
            const bool same = PointDistance(ends[0], wasEnds[0]) < Tolerance &&
                              PointDistance(ends[1], wasEnds[1]) < Tolerance;
            const bool swapped = PointDistance(ends[0], wasEnds[1]) < Tolerance &&
                                 PointDistance(ends[1], wasEnds[0]) < Tolerance;
            EXPECT_TRUE(same || swapped) << "fold line " << i << " of set " << set + 1;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Motions, LayoutTransformTest,
                         ::testing::Values(TMotionCase{0, false}, TMotionCase{Pi / 2, false},
                                           TMotionCase{Pi, false}, TMotionCase{3 * Pi / 2, false},
                                           TMotionCase{Pi / 12, false},
                                           TMotionCase{7 * Pi / 6, false}, TMotionCase{0, true},
                                           TMotionCase{Pi / 2, true},
                                           TMotionCase{5 * Pi / 4, true}));

TEST(LayoutTransform, QuarterTurnsSwapCoordinatesExactly) {
    const TPointF p = PointF(12.345678901234567L, -7.25L);
    const TPointF turned = TransformPoint(p, {Pi / 2, false, PointF(0, 0)});
    EXPECT_EQ(turned.X, 7.25L);
    EXPECT_EQ(turned.Y, 12.345678901234567L);
    const TPointF back = TransformPoint(p, {-Pi / 2, false, PointF(0, 0)});
    EXPECT_EQ(back.X, -7.25L);
    EXPECT_EQ(back.Y, -12.345678901234567L);
    // Six steps of 15 degrees make a quarter turn.
    const TPointF six = TransformPoint(p, {6 * (2 * Pi / 24), false, PointF(0, 0)});
    EXPECT_EQ(six, turned);
    const TPointF half = TransformPoint(p, {Pi, true, PointF(1, 1)});
    EXPECT_EQ(half.X, 1 + 12.345678901234567L);
    EXPECT_EQ(half.Y, 1 + 7.25L);
}

TEST(LayoutTransform, CopyGetsOneFlangePerVertex) {
    TPolygon shape = Square(10);
    shape.Flanges.resize(2);
    const TPolygon moved = TransformedPolygon(shape, {0, true, PointF(0, 0)});
    EXPECT_EQ(moved.Flanges.size(), 4u);
}

} // namespace
