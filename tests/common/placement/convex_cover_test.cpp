// Tests of the convex cover the layout measures clearances on: every part
// convex, every point of the outline with flanges inside some part, for
// outlines that are convex, concave, crossed, spiked or degenerate.
#include "placement/convex_cover.h"

#include "common/shape_builders.h"
#include "geometry/angles.h"
#include "geometry/flange_outline.h"
#include "placement/layout_bounds.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

bool PartHolds(const TConvexPart& part, const TVec& p) {
    for (std::size_t i = 0; i < part.size(); ++i) {
        const TVec& a = part[i];
        const TVec& b = part[(i + 1) % part.size()];
        const TVec edge = b - a;
        if (Cross(edge, p - a) < -1e-9 * std::hypot(edge.X, edge.Y))
            return false;
    }
    return true;
}

bool CoverHolds(const std::vector<TConvexPart>& cover, const TVec& p) {
    for (const TConvexPart& part : cover) {
        if (PartHolds(part, p))
            return true;
    }
    return false;
}

TVec Vec(const TPointF& p) {
    return {static_cast<double>(p.X), static_cast<double>(p.Y)};
}

TPolygon WithFlanges(TPolygon shape, long double width, long double angle = Pi / 4) {
    for (TFlange& flange : shape.Flanges)
        flange = MakeFlange("", width, angle, angle);
    return shape;
}

struct TCoverCase {
    const char* Name;
    TPolygon Shape;
    int Parts; // 0: any number
};

class ConvexCoverTest : public ::testing::TestWithParam<TCoverCase> {};

TEST_P(ConvexCoverTest, PartsAreConvexAndHoldTheOutlineWithFlanges) {
    const TCoverCase& c = GetParam();
    const std::vector<TConvexPart> cover = ConvexCover(c.Shape);
    ASSERT_FALSE(cover.empty());
    if (c.Parts > 0) {
        EXPECT_EQ(static_cast<int>(cover.size()), c.Parts);
    }
    for (const TConvexPart& part : cover) {
        ASSERT_GE(part.size(), 3u);
        EXPECT_GT(PartArea(part), 0);
        for (std::size_t i = 0; i < part.size(); ++i) {
            const TVec& a = part[i];
            const TVec& b = part[(i + 1) % part.size()];
            const TVec& d = part[(i + 2) % part.size()];
            EXPECT_GE(Cross(b - a, d - b), 0) << "part turns back at a vertex";
        }
    }
    const TDaPointF outline = OutlineWithFlanges(c.Shape);
    for (std::size_t i = 0; i < outline.size(); ++i) {
        const TVec a = Vec(outline[i]);
        const TVec b = Vec(outline[(i + 1) % outline.size()]);
        for (const double t : {0.0, 0.25, 0.5, 0.75}) {
            const TVec p{a.X + t * (b.X - a.X), a.Y + t * (b.Y - a.Y)};
            EXPECT_TRUE(CoverHolds(cover, p)) << "outline point " << i << " at " << t;
        }
    }
}

TPolygon LShape() {
    return Shape({PointF(0, 0), PointF(10, 0), PointF(10, 30), PointF(30, 30), PointF(30, 40),
                  PointF(0, 40)});
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, ConvexCoverTest,
    ::testing::Values(
        // 45-degree flanges on every side of a rectangle leave it convex.
        TCoverCase{"flanged rectangle", WithFlanges(Rect(40, 20), 6), 1},
        TCoverCase{"right-angled flanges", WithFlanges(Rect(40, 20), 3, Pi / 2), 0},
        TCoverCase{"flanged L", WithFlanges(LShape(), 4), 0},
        // 8 mm flanges on 6 mm sides cross beyond their sides.
        TCoverCase{"crossed flanges", WithFlanges(Square(6), 8), 0},
        TCoverCase{"crossing outline",
                   Shape({PointF(0, 0), PointF(20, 20), PointF(20, 0), PointF(0, 20)}), 1},
        TCoverCase{"spike",
                   Shape({PointF(0, 0), PointF(10, 0), PointF(10, 10), PointF(30, 10),
                          PointF(10, 10), PointF(0, 10)}),
                   1},
        TCoverCase{"all in a line", Shape({PointF(0, 0), PointF(5, 5), PointF(9, 9)}), 1},
        TCoverCase{
            "counter-clockwise",
            WithFlanges(Shape({PointF(0, 0), PointF(0, 20), PointF(30, 20), PointF(30, 0)}), 5),
            1}));

TEST(ConvexCover, NothingToCoverGivesNoParts) {
    EXPECT_TRUE(ConvexCover(TPolygon()).empty());
    const long double nan = std::numeric_limits<long double>::quiet_NaN();
    EXPECT_TRUE(ConvexCover(Shape({PointF(0, 0), PointF(nan, 1), PointF(2, 0)})).empty());
}

// A 16-gon with a narrow flange on every side has a notch at every vertex; a
// little slack covers it with one part, a little larger than the shape.
TEST(ConvexCover, SlackJoinsFlangesAcrossSmallNotches) {
    TDaPointF apexes;
    for (int k = 0; k < 16; ++k)
        apexes.push_back(PointF(20 * std::cos(-k * Pi / 8), 20 * std::sin(-k * Pi / 8)));
    const TPolygon shape = WithFlanges(Shape(apexes), 1.5L);
    EXPECT_GT(ConvexCover(shape).size(), 1u);
    const std::vector<TConvexPart> loose = ConvexCover(shape, 0.02);
    ASSERT_EQ(loose.size(), 1u);
    const double area = static_cast<double>(AreaWithFlanges(shape));
    EXPECT_GT(PartArea(loose[0]), area);
    EXPECT_LT(PartArea(loose[0]), area * 1.02 * 1.02 * 1.02);
}

} // namespace
