// Tests of a page sorted into cut, fold and text layers: the cut contour goes
// round the shape joined with its flanges, only flanged sides and fold lines
// fold, names stand upright in their flanges or inside the shape, and what
// cannot be drawn is left out.
#include "drawing/page_layers.h"

#include "common/geometry/union_checks.h"
#include "common/shape_builders.h"
#include "drawing/outside_marks.h"
#include "drawing/side_name.h"
#include "geometry/angles.h"
#include "geometry/flange_outline.h"
#include "geometry/plane_geometry.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <string>
#include <vector>

namespace {

constexpr long double RightAngle = Pi / 2;
constexpr double Tolerance = 1e-12;

const TPointF Origin{15, 25};

void ExpectPoint(const TPointF& p, long double x, long double y) {
    EXPECT_NEAR(static_cast<double>(p.X), static_cast<double>(x), Tolerance);
    EXPECT_NEAR(static_cast<double>(p.Y), static_cast<double>(y), Tolerance);
}

void ExpectSegment(const TSegmentF& s, const TPointF& a, const TPointF& b) {
    ExpectPoint(s.P1, a.X, a.Y);
    ExpectPoint(s.P2, b.X, b.Y);
}

TPolygon Reversed(TPolygon shape) {
    std::reverse(shape.Apexes.begin(), shape.Apexes.end());
    return shape;
}

TEST(PageLayers, TheCutOfAFlangedSquareIsItsOutlineWithFlangesMovedToTheOrigin) {
    TPolygon square = Square(40, {10, 20});
    square.Flanges[0] = MakeFlange("", 5, RightAngle, RightAngle);
    square.Flanges[2] = MakeFlange("", 8, Pi / 4, Pi / 3);
    const TPageLayers layers = PageLayersOf({square}, Origin, 4);

    ASSERT_EQ(layers.Cut.size(), 1u);
    const TDaPointF outline = OutlineWithFlanges(square);
    ASSERT_EQ(layers.Cut[0].size(), outline.size());
    for (std::size_t i = 0; i < outline.size(); ++i)
        ExpectPoint(layers.Cut[0][i], outline[i].X + Origin.X, outline[i].Y + Origin.Y);
}

// Flanges on both sides of an L's reflex corner overlap: the cut goes round
// them both once, where before it ran back into the corner and crossed itself.
TEST(PageLayers, TheCutOfAConcaveShapeRunsRoundItsFlangesWithoutCrossing) {
    TPolygon l = Shape({{0, 0}, {20, 0}, {20, 10}, {10, 10}, {10, 20}, {0, 20}});
    l.Flanges[2] = MakeFlange("", 4, RightAngle, RightAngle);
    l.Flanges[3] = MakeFlange("", 4, RightAngle, RightAngle);
    const TPageLayers layers = PageLayersOf({l}, Origin, 4);

    ASSERT_EQ(layers.Cut.size(), 1u);
    union_checks::ExpectSimple(layers.Cut[0]);
    const TDaPointF expected{{0, 0},   {20, 0},  {20, 10}, {20, 14},
                             {14, 14}, {14, 20}, {10, 20}, {0, 20}};
    ASSERT_EQ(layers.Cut[0].size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i)
        ExpectPoint(layers.Cut[0][i], expected[i].X + Origin.X, expected[i].Y + Origin.Y);
}

TEST(PageLayers, ASideWithoutFlangeIsCutButNotFolded) {
    TPolygon square = Square(40, {10, 20});
    square.Flanges[1] = MakeFlange("", 5, RightAngle, RightAngle);
    const TPageLayers layers = PageLayersOf({square}, {}, 4);

    // Only the right side folds; the top side runs straight along the cut.
    ASSERT_EQ(layers.FlangeBase.size(), 1u);
    ExpectSegment(layers.FlangeBase[0], {50, 20}, {50, 60});
    EXPECT_TRUE(layers.Fold1.empty());
    EXPECT_TRUE(layers.Fold2.empty());
    ASSERT_EQ(layers.Cut.size(), 1u);
    const TDaPointF& cut = layers.Cut[0];
    ASSERT_EQ(cut.size(), 6u);
    ExpectPoint(cut[0], 10, 20);
    ExpectPoint(cut[1], 50, 20);
    ExpectPoint(cut[2], 55, 20);
    ExpectPoint(cut[3], 55, 60);
    ExpectPoint(cut[4], 50, 60);
    ExpectPoint(cut[5], 10, 60);
}

TEST(PageLayers, FoldLinesGoToTheirSetsAndBrokenOnesAreLeftOut) {
    TPolygon shape = Rect(60, 30);
    shape.BendLines[0] = {MakeBendLine(0, 2), MakeBendLine(1, 1), MakeBendLine(-1, 2)};
    shape.BendLines[1] = {MakeBendLine(1, 3), MakeBendLine(0, 4)};
    const TPageLayers layers = PageLayersOf({shape}, Origin, 4);

    ASSERT_EQ(layers.Fold1.size(), 1u);
    ExpectSegment(layers.Fold1[0], {15, 25}, {75, 55});
    ASSERT_EQ(layers.Fold2.size(), 1u);
    ExpectSegment(layers.Fold2[0], {75, 25}, {15, 55});
}

TEST(PageLayers, ShapesKeepThePagesOrderAndTooFewVerticesDrawNothing) {
    const TPolygon lonePoint = Shape({{5, 5}});
    const TPageLayers layers =
        PageLayersOf({Square(10, {100, 0}), lonePoint, Square(10, {0, 100})}, {}, 4);
    ASSERT_EQ(layers.Cut.size(), 2u);
    ExpectPoint(layers.Cut[0][0], 100, 0);
    ExpectPoint(layers.Cut[1][0], 0, 100);
}

TEST(PageLayers, AShapeWithAPointThatIsNotFiniteIsLeftOut) {
    TPolygon broken = Square(10);
    broken.Apexes[2].X = std::numeric_limits<long double>::infinity();
    broken.BendLines[0] = {MakeBendLine(0, 2), MakeBendLine(1, 3)};
    const TPageLayers layers = PageLayersOf({broken, Square(10, {20, 0})}, {}, 4);
    ASSERT_EQ(layers.Cut.size(), 1u);
    ExpectPoint(layers.Cut[0][0], 20, 0);
    // The fold line that does not touch the broken vertex stays.
    ASSERT_EQ(layers.Fold1.size(), 1u);
    ExpectSegment(layers.Fold1[0], {10, 0}, {0, 10});
}

// The top side of a square runs from (10, 20) to (50, 20) in either vertex
// order; a name in its flange stands above it, one without a flange below it,
// and both read left to right.
TEST(PageLayers, NamesOfTheTopSideStandInItsFlangeOrInsideTheShape) {
    const TFlange named = MakeFlange("A1", 8, RightAngle, RightAngle);
    const TFlange unnamed = MakeFlange("", 8, RightAngle, RightAngle);
    const TFlange bare = MakeFlange("7", 0, RightAngle, RightAngle);
    const TFlange none;
    const long double lift = 5 * FlangeNameBaselineLift;
    const long double cell = 5 + lift;
    const struct {
        const char* What;
        TFlange Top;
        long double BaselineY;
    } cases[] = {
        {"in the flange, letters outward", named, 20 - lift},
        {"inside, letters outward", bare, 20 + BareSideNameGap * cell + 5},
    };
    for (const auto& c : cases) {
        for (const bool reversed : {false, true}) {
            TPolygon square = Square(40, {10, 20});
            square.Flanges = {c.Top, unnamed, none, none};
            if (reversed) {
                // Reversed, side 2 is the top side.
                square = Reversed(square);
                square.Flanges = {none, unnamed, c.Top, none};
            }
            const TPageLayers layers = PageLayersOf({square}, Origin, 5);
            SCOPED_TRACE(std::string(c.What) + (reversed ? ", counter-clockwise" : ""));
            ASSERT_EQ(layers.Text.size(), 1u);
            const TTextPlacement& text = layers.Text[0];
            EXPECT_EQ(text.Text, c.Top.Name);
            EXPECT_NEAR(static_cast<double>(text.Angle), 0, Tolerance);
            EXPECT_NEAR(static_cast<double>(text.Height), 5, Tolerance);
            ExpectPoint(text.At, 30 + Origin.X, c.BaselineY + Origin.Y);
        }
    }
}

// The regular 12-gon has sides in twelve directions, the square exactly
// vertical and horizontal ones; each in both vertex orders, every side named,
// with or without a flange.
std::vector<TPolygon> ShapesWithSidesEveryWay() {
    TDaPointF twelve;
    for (int k = 0; k < 12; ++k)
        twelve.push_back(PointAt({100, 100}, 50, (15 + 30 * k) * Pi / 180));
    std::vector<TPolygon> shapes;
    for (const TPolygon& shape : {Shape(twelve), Square(40, {10, 20})}) {
        shapes.push_back(shape);
        shapes.push_back(Reversed(shape));
    }
    return shapes;
}

long double SignedDistance(const TPointF& p, const TPointF& from, const TPointF& to,
                           long double awayDirection) {
    const TPointF foot{(from.X + to.X) / 2, (from.Y + to.Y) / 2};
    return (p.X - foot.X) * std::cos(awayDirection) + (p.Y - foot.Y) * std::sin(awayDirection);
}

// Upright, centred on the side, on the right side of its line (in the flange
// or inside the shape) with the whole cell, descent included, keeping the
// gap from the line.
TEST(PageLayers, EveryNameReadsUprightCentredAndClearOfItsSide) {
    constexpr long double Height = 4;
    const long double cell = Height * (1 + FlangeNameBaselineLift);
    for (const bool flanged : {true, false}) {
        for (TPolygon shape : ShapesWithSidesEveryWay()) {
            const int n = static_cast<int>(shape.Apexes.size());
            for (int side = 0; side < n; ++side)
                shape.Flanges[side] =
                    MakeFlange(std::to_string(side), flanged ? 6 : 0, RightAngle, RightAngle);
            const TPageLayers layers = PageLayersOf({shape}, {}, Height);
            ASSERT_EQ(layers.Text.size(), static_cast<std::size_t>(n));
            const bool clockwise = IsClockwiseOnScreen(shape.Apexes);
            for (int side = 0; side < n; ++side) {
                const TTextPlacement& text = layers.Text[side];
                const TPointF& from = shape.Apexes[side];
                const TPointF& to = shape.Apexes[(side + 1) % n];
                SCOPED_TRACE(testing::Message()
                             << (flanged ? "flanged " : "bare ") << "side " << side << " of " << n
                             << ", clockwise " << clockwise);
                EXPECT_EQ(text.Text, std::to_string(side));
                EXPECT_GE(text.Angle, -Pi / 2);
                EXPECT_LT(text.Angle, Pi / 2);
                const long double direction = PointDirection(from, to);
                EXPECT_NEAR(static_cast<double>(std::sin(text.Angle - direction)), 0, Tolerance)
                    << "runs along the side";
                const long double outward = clockwise ? direction - Pi / 2 : direction + Pi / 2;
                const long double away = flanged ? outward : outward + Pi;
                EXPECT_NEAR(static_cast<double>(SignedDistance(text.At, from, to, direction)), 0,
                            1e-9)
                    << "centred";
                // The letters' tops point left of the text as seen.
                const long double baseline = SignedDistance(text.At, from, to, away);
                const long double tops = std::cos(text.Angle - Pi / 2 - away) > 0 ? 1 : -1;
                const long double edge1 = baseline - tops * Height * FlangeNameBaselineLift;
                const long double edge2 = baseline + tops * Height;
                const long double gap = flanged ? 0 : BareSideNameGap * cell;
                EXPECT_NEAR(static_cast<double>(std::min(edge1, edge2)), static_cast<double>(gap),
                            1e-9);
                EXPECT_NEAR(static_cast<double>(std::max(edge1, edge2)),
                            static_cast<double>(gap + cell), 1e-9);
            }
        }
    }
}

// Every character 1 mm wide per mm of height.
class TSquareMeasure : public ITextMeasure {
public:
    long double WidthMm(std::string_view text, long double height) const override {
        return text.size() * height;
    }
};

// A hidden look leaves its lines out, outside marks stand beyond the cut,
// and with a measure a long name is drawn smaller to fit its flange.
TEST(PageLayers, FoldLinesTakeTheirLooksAndNamesFitTheirFlanges) {
    TPolygon square = Square(40, {10, 20});
    square.Flanges[0] = MakeFlange("ABCDEFGHIJKLMNOP", 5, RightAngle, RightAngle);
    square.BendLines[0] = {MakeBendLine(0, 2)};
    square.BendLines[1] = {MakeBendLine(1, 3)};
    const TSquareMeasure measure;
    TPageLook look;
    look.TextHeight = 4;
    look.Measure = &measure;
    look.Folds.Set1.Style = TLineStyle::Hidden;
    look.Folds.Set2.Style = TLineStyle::OutsideMarks;
    look.Folds.FlangeBase.Style = TLineStyle::DashDot;
    const TPageLayers layers = PageLayersOf({square}, {}, look);

    EXPECT_TRUE(layers.Fold1.empty());
    ASSERT_EQ(layers.FlangeBase.size(), 1u);
    ExpectSegment(layers.FlangeBase[0], {10, 20}, {50, 20});
    // Fold line 1-3 runs from (50, 20) to (10, 60): its marks lie beyond
    // both corners, which no flange covers.
    ASSERT_EQ(layers.Fold2.size(), 2u);
    const long double step = 1 / std::sqrt(2.0L);
    const long double near = OutsideMarkGap * step;
    const long double far = (OutsideMarkGap + OutsideMarkLength) * step;
    ExpectSegment(layers.Fold2[0], {50 + near, 20 - near}, {50 + far, 20 - far});
    ExpectSegment(layers.Fold2[1], {10 - near, 60 + near}, {10 - far, 60 + far});

    // 16 characters in 40 mm: 2.5 mm high, 40 mm wide.
    ASSERT_EQ(layers.Text.size(), 1u);
    EXPECT_NEAR(static_cast<double>(layers.Text[0].Height), 2.5, 1e-12);
    EXPECT_NEAR(static_cast<double>(layers.Text[0].Width), 40, 1e-12);
    EXPECT_EQ(layers.Text[0].Text, "ABCDEFGHIJKLMNOP");
}

TEST(PageLayers, NameSuffixesFollowTheNamesOfEitherKindOfSide) {
    TPolygon square = Square(40);
    square.Flanges[0] = MakeFlange("A", 5, RightAngle, RightAngle);
    square.Flanges[1] = MakeFlange("3", 0, RightAngle, RightAngle);
    square.Flanges[2] = MakeFlange("B", 0, RightAngle, RightAngle);
    const std::string arrow = "\x81\xa8"; // "→"
    const std::vector<std::vector<std::string>> suffixes = {{arrow + "2", arrow + "4"}};
    const TPageLayers layers = PageLayersOf({square, square}, {}, 4, suffixes);
    std::vector<std::string> texts;
    for (const TTextPlacement& text : layers.Text)
        texts.push_back(text.Text);
    // The second shape is beyond the list: its names stand alone.
    EXPECT_EQ(texts,
              (std::vector<std::string>{"A" + arrow + "2", "3" + arrow + "4", "B", "A", "3", "B"}));
}

} // namespace
