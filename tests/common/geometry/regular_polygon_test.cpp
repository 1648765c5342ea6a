// Regular polygons: equal sides and angles to 1e-9 mm, the size by side or by
// circumradius, the first side's slope, the outline closing exactly, and the
// parameters that make none.
#include "geometry/angles.h"
#include "geometry/plane_geometry.h"
#include "geometry/regular_polygon.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

constexpr double Exact = 1e-9; // mm

double Slope(const TPointF& from, const TPointF& to) {
    return static_cast<double>(-RadToDeg(PointDirection(from, to)));
}

} // namespace

TEST(RegularPolygon, SidesAndCircumradiusAreExactForEveryCount) {
    struct Case {
        TRegularPolygonParams Params;
        TPointF Centre;
        double Side;
        double Radius;
    };
    const std::vector<Case> cases = {
        {{3, 10, TRegularSize::SideLength, 0}, {50, 50}, 10, 10 / std::sqrt(3.0)},
        {{4, 10, TRegularSize::Circumradius, 0}, {0, 0}, 10 * std::sqrt(2.0), 10},
        {{6, 24.4155L, TRegularSize::SideLength, 30}, {100, 80}, 24.4155, 24.4155},
        {{7, 33.3L, TRegularSize::SideLength, -12.5L}, {5000, 9000}, 33.3, 0},
        {{360, 1, TRegularSize::SideLength, 90}, {95, 138}, 1, 0},
        {{360, 500, TRegularSize::Circumradius, 17}, {-400, 1e6L}, 0, 500},
    };
    for (const Case& c : cases) {
        const TDaPointF apexes = RegularPolygonApexes(c.Centre, c.Params);
        const int n = c.Params.Sides;
        ASSERT_EQ(static_cast<int>(apexes.size()), n);
        const double side =
            c.Side != 0 ? c.Side
                        : static_cast<double>(2 * RegularCircumradius(c.Params) * std::sin(Pi / n));
        const double radius = static_cast<double>(RegularCircumradius(c.Params));
        if (c.Radius != 0) {
            EXPECT_NEAR(radius, c.Radius, Exact) << n;
        }
        for (int i = 0; i < n; ++i) {
            // The closing side, from the last vertex to the first, too.
            EXPECT_NEAR(static_cast<double>(PointDistance(apexes[i], apexes[(i + 1) % n])), side,
                        Exact)
                << n << " sides, side " << i;
            EXPECT_NEAR(static_cast<double>(PointDistance(c.Centre, apexes[i])), radius, Exact);
            EXPECT_NEAR(static_cast<double>(ApexAngle(apexes, i)),
                        static_cast<double>(Pi - 2 * Pi / n), 1e-12);
        }
        EXPECT_NEAR(Slope(apexes[0], apexes[1]), static_cast<double>(c.Params.SlopeDegrees), 1e-12);
        EXPECT_TRUE(IsClockwiseOnScreen(apexes)) << "as the editor's shapes are drawn";
        TPointF centroid;
        ASSERT_GT(PolygonCentroid(apexes, centroid), 0);
        EXPECT_NEAR(static_cast<double>(centroid.X), static_cast<double>(c.Centre.X), 1e-6);
        EXPECT_NEAR(static_cast<double>(centroid.Y), static_cast<double>(c.Centre.Y), 1e-6);
    }
}

// The hexagon of the everyday case: its first side level along the top, as
// the slope setting would leave it.
TEST(RegularPolygon, ALevelFirstSideRunsRightAlongTheTop) {
    const TDaPointF hexagon = RegularPolygonApexes({0, 0}, {6, 10, TRegularSize::SideLength, 0});
    EXPECT_NEAR(static_cast<double>(hexagon[0].X), -5, Exact);
    EXPECT_NEAR(static_cast<double>(hexagon[1].X), 5, Exact);
    EXPECT_NEAR(static_cast<double>(hexagon[0].Y), -5 * std::sqrt(3.0), Exact);
    EXPECT_NEAR(static_cast<double>(hexagon[1].Y), -5 * std::sqrt(3.0), Exact);
}

TEST(RegularPolygon, ParametersOutOfRangeMakeNothing) {
    const long double inf = INFINITY;
    const std::vector<TRegularPolygonParams> refused = {
        {2, 10, TRegularSize::SideLength, 0},   {361, 10, TRegularSize::SideLength, 0},
        {6, 0, TRegularSize::SideLength, 0},    {6, -3, TRegularSize::Circumradius, 0},
        {6, inf, TRegularSize::SideLength, 0},  {6, NAN, TRegularSize::SideLength, 0},
        {6, 10, TRegularSize::SideLength, inf},
    };
    for (const TRegularPolygonParams& params : refused) {
        EXPECT_FALSE(IsRegularPolygonParams(params)) << params.Sides;
        EXPECT_TRUE(RegularPolygonApexes({0, 0}, params).empty()) << params.Sides;
        EXPECT_EQ(RegularCircumradius(params), 0);
    }
}
