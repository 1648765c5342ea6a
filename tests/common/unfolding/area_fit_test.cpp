// Tests of fitting a piece into a white area at some turn, and of the convex
// hulls the fit is measured on.
#include "unfolding/area_fit.h"

#include "geometry/angles.h"
#include "geometry/plane_geometry.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace {

TDaPointF Rectangle(long double width, long double height, long double turn) {
    TDaPointF points = {{0, 0}, {width, 0}, {width, height}, {0, height}};
    RotatePoints(points, PointF(0, 0), turn);
    return ConvexHull(points);
}

// The box of the points after the fit's turn.
void TurnedBox(TDaPointF points, long double angle, long double& width, long double& height) {
    RotatePoints(points, PointF(0, 0), angle);
    const auto [left, right] = std::minmax_element(
        points.begin(), points.end(), [](const TPointF& a, const TPointF& b) { return a.X < b.X; });
    const auto [top, bottom] = std::minmax_element(
        points.begin(), points.end(), [](const TPointF& a, const TPointF& b) { return a.Y < b.Y; });
    width = right->X - left->X;
    height = bottom->Y - top->Y;
}

} // namespace

TEST(AreaFit, FindsATurnThatFitsOrSaysNone) {
    const struct {
        const char* Name;
        TDaPointF Hull;
        long double Margin;
        bool Fits;
    } cases[] = {
        {"a cube's net with room for tabs, exactly", Rectangle(180, 240, 0), 5, true},
        {"the same net turned by 30 degrees", Rectangle(180, 240, Pi / 6), 5, true},
        {"a strip that fits only across the page", Rectangle(300, 10, 0.1L), 0, true},
        {"a square larger than the page is wide", Rectangle(200, 200, 0), 0, false},
        {"a net one tab too wide", Rectangle(181, 240, 0), 5, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        for (bool smallest : {false, true}) {
            const TAreaFit fit = FitArea(c.Hull, 190, 277, c.Margin, 0, smallest);
            EXPECT_EQ(fit.Fits, c.Fits);
            long double width = 0, height = 0;
            TurnedBox(c.Hull, fit.Angle, width, height);
            EXPECT_NEAR(static_cast<double>(width + 2 * c.Margin), static_cast<double>(fit.Width),
                        1e-9);
            EXPECT_NEAR(static_cast<double>(height + 2 * c.Margin), static_cast<double>(fit.Height),
                        1e-9);
            if (c.Fits) {
                EXPECT_LE(width + 2 * c.Margin, 190 + AreaFitTolerance);
                EXPECT_LE(height + 2 * c.Margin, 277 + AreaFitTolerance);
            }
        }
    }
}

TEST(AreaFit, HullsGrownPieceByPieceEqualTheHullOfAllPoints) {
    std::mt19937 random(11);
    auto coordinate = [&] { return static_cast<long double>(random() % 2000) / 10; };
    for (int round = 0; round < 50; ++round) {
        TDaPointF first, second;
        for (int i = 0; i < 12; ++i)
            first.push_back({coordinate(), coordinate()});
        for (int i = 0; i < 1 + round % 6; ++i)
            second.push_back({coordinate(), coordinate()});
        TDaPointF all = first;
        all.insert(all.end(), second.begin(), second.end());
        const TDaPointF expected = ConvexHull(all);

        EXPECT_EQ(MergedHull(ConvexHull(first), ConvexHull(second)), expected);
        TDaPointF grown = ConvexHull(first);
        for (const TPointF& p : second)
            AddToHull(grown, p);
        std::rotate(grown.begin(),
                    std::min_element(
                        grown.begin(), grown.end(),
                        [](auto& a, auto& b) { return a.X < b.X || (a.X == b.X && a.Y < b.Y); }),
                    grown.end());
        EXPECT_EQ(grown, expected) << round;
    }
}
