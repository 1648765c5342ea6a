// Tests of the layout of many shapes onto pages: every shape inside the white
// area and at least the gap from every other on its page, checked here by the
// distance between the outlines with flanges; turns only by the steps asked
// for; as few pages as the simple cases allow; shapes too large reported;
// cancel stops; the same input gives the same layout.
#include "placement/layout_engine.h"

#include "common/shape_builders.h"
#include "geometry/flange_outline.h"
#include "geometry/overlap.h"
#include "geometry/plane_geometry.h"
#include "placement/layout_bounds.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <vector>

namespace {

constexpr long double Pi = std::numbers::pi_v<long double>;

// The distance between two segments, by the distances of each end to the
// other segment, and none when they cross.
long double PointToSegment(const TPointF& p, const TPointF& a, const TPointF& b) {
    const long double dx = b.X - a.X, dy = b.Y - a.Y;
    const long double length2 = dx * dx + dy * dy;
    long double t = length2 > 0 ? ((p.X - a.X) * dx + (p.Y - a.Y) * dy) / length2 : 0;
    t = std::clamp(t, 0.0L, 1.0L);
    return std::hypot(p.X - a.X - t * dx, p.Y - a.Y - t * dy);
}

long double Orientation(const TPointF& a, const TPointF& b, const TPointF& c) {
    return (b.X - a.X) * (c.Y - a.Y) - (b.Y - a.Y) * (c.X - a.X);
}

bool Cross(const TPointF& a, const TPointF& b, const TPointF& c, const TPointF& d) {
    const long double d1 = Orientation(a, b, c), d2 = Orientation(a, b, d);
    const long double d3 = Orientation(c, d, a), d4 = Orientation(c, d, b);
    return ((d1 > 0) != (d2 > 0)) && ((d3 > 0) != (d4 > 0)) && d1 != 0 && d2 != 0 && d3 != 0 &&
           d4 != 0;
}

// The gap between two outlines with flanges, 0 when one holds a vertex of the
// other.
long double Gap(const TDaPointF& a, const TDaPointF& b) {
    for (const TPointF& p : b) {
        if (PointInPolygon(a, p))
            return 0;
    }
    for (const TPointF& p : a) {
        if (PointInPolygon(b, p))
            return 0;
    }
    long double least = std::numeric_limits<long double>::infinity();
    for (std::size_t i = 0; i < a.size(); ++i) {
        const TPointF& a1 = a[i];
        const TPointF& a2 = a[(i + 1) % a.size()];
        for (std::size_t j = 0; j < b.size(); ++j) {
            const TPointF& b1 = b[j];
            const TPointF& b2 = b[(j + 1) % b.size()];
            if (Cross(a1, a2, b1, b2))
                return 0;
            least = std::min({least, PointToSegment(a1, b1, b2), PointToSegment(a2, b1, b2),
                              PointToSegment(b1, a1, a2), PointToSegment(b2, a1, a2)});
        }
    }
    return least;
}

TLayoutOptions Options(long double width, long double height, long double gap = 1,
                       TLayoutRotations rotations = TLayoutRotations::QuarterTurns,
                       bool mirror = false) {
    TLayoutOptions options;
    options.PageWidth = width;
    options.PageHeight = height;
    options.Gap = gap;
    options.Rotations = rotations;
    options.AllowMirror = mirror;
    options.Effort = 0.2;
    return options;
}

TPolygon Flanged(TPolygon shape, long double width, int every = 1) {
    for (std::size_t i = 0; i < shape.Flanges.size(); i += every)
        shape.Flanges[i] = MakeFlange("", width, Pi / 4, Pi / 4);
    return shape;
}

TPolygon LShape(long double size, long double arm, const TPointF& at = {}) {
    return Shape({at, PointF(at.X + arm, at.Y), PointF(at.X + arm, at.Y + size - arm),
                  PointF(at.X + size, at.Y + size - arm), PointF(at.X + size, at.Y + size),
                  PointF(at.X, at.Y + size)});
}

// A mix of flanged pieces, with crossed flanges on the small triangle.
std::vector<TPolygon> MixedShapes() {
    std::vector<TPolygon> shapes;
    for (int i = 0; i < 4; ++i) {
        shapes.push_back(Flanged(Rect(30 + 7 * i, 18 + 3 * i, PointF(5 * i, 40 - i)), 5));
        shapes.push_back(Flanged(LShape(35 - 2 * i, 12, PointF(100, 3 * i)), 4, 2));
        shapes.push_back(Flanged(Triangle(8 + 9 * i, PointF(-20, 7 * i)), 6));
    }
    return shapes;
}

double StepOf(TLayoutRotations rotations) {
    switch (rotations) {
    case TLayoutRotations::None:
        return 0;
    case TLayoutRotations::HalfTurns:
        return static_cast<double>(Pi);
    case TLayoutRotations::QuarterTurns:
        return static_cast<double>(Pi / 2);
    case TLayoutRotations::Every15Degrees:
        return static_cast<double>(Pi / 12);
    }
    return 0;
}

// Every shape placed inside the white area, at least the gap (and never
// touching, by the overlap rule) from every other on its page, turned by a
// whole number of steps, mirrored only when allowed; no page left empty
// unless shapes that stay fill it.
void ExpectValidLayout(const std::vector<TPolygon>& shapes, const TLayoutOptions& options,
                       const TLayoutResult& result) {
    ASSERT_EQ(result.Outcome, TLayoutOutcome::Done);
    ASSERT_EQ(result.Placements.size(), shapes.size());
    EXPECT_LE(result.PageCount, static_cast<int>(shapes.size()));
    std::vector<std::vector<TDaPointF>> pages(result.PageCount);
    for (std::size_t i = 0; i < shapes.size(); ++i) {
        const TLayoutPlacement& placement = result.Placements[i];
        if (std::find(result.Misfits.begin(), result.Misfits.end(), static_cast<int>(i)) !=
            result.Misfits.end()) {
            EXPECT_EQ(placement.Page, -1);
            continue;
        }
        ASSERT_GE(placement.Page, 0) << "shape " << i;
        ASSERT_LT(placement.Page, result.PageCount);
        EXPECT_TRUE(options.AllowMirror || !placement.Transform.Mirror);
        const double step = StepOf(options.Rotations);
        const double angle = static_cast<double>(placement.Transform.Angle);
        if (step == 0) {
            EXPECT_EQ(angle, 0);
        } else {
            EXPECT_NEAR(angle / step, std::round(angle / step), 1e-12) << "shape " << i;
        }
        const TDaPointF outline =
            OutlineWithFlanges(TransformedPolygon(shapes[i], placement.Transform));
        for (const TPointF& p : outline) {
            EXPECT_GT(p.X, 0);
            EXPECT_LT(p.X, options.PageWidth);
            EXPECT_GT(p.Y, 0);
            EXPECT_LT(p.Y, options.PageHeight);
        }
        for (const TDaPointF& other : pages[placement.Page]) {
            EXPECT_GE(Gap(outline, other), options.Gap) << "shape " << i;
            TPointF contact;
            EXPECT_FALSE(PolygonsOverlap(outline, other, contact)) << "shape " << i;
        }
        pages[placement.Page].push_back(outline);
    }
    for (std::size_t page = 0; page < pages.size(); ++page)
        EXPECT_TRUE(!pages[page].empty() ||
                    (page < options.Fixed.size() && !options.Fixed[page].empty()))
            << "an empty page within the layout";
}

struct TOptionCase {
    long double Gap;
    TLayoutRotations Rotations;
    bool Mirror;
};

class LayoutEngineTest : public ::testing::TestWithParam<TOptionCase> {};

TEST_P(LayoutEngineTest, PlacesEveryShapeInsideAndApart) {
    const TOptionCase& option = GetParam();
    const std::vector<TPolygon> shapes = MixedShapes();
    const TLayoutOptions options = Options(120, 90, option.Gap, option.Rotations, option.Mirror);
    const TLayoutResult result = LayOutShapes(shapes, options);
    EXPECT_TRUE(result.Misfits.empty());
    ExpectValidLayout(shapes, options, result);
}

INSTANTIATE_TEST_SUITE_P(Options, LayoutEngineTest,
                         ::testing::Values(TOptionCase{1, TLayoutRotations::QuarterTurns, false},
                                           TOptionCase{0, TLayoutRotations::QuarterTurns, false},
                                           TOptionCase{5, TLayoutRotations::HalfTurns, false},
                                           TOptionCase{2, TLayoutRotations::None, false},
                                           TOptionCase{1, TLayoutRotations::Every15Degrees, false},
                                           TOptionCase{1, TLayoutRotations::QuarterTurns, true},
                                           TOptionCase{20, TLayoutRotations::Every15Degrees,
                                                       true}));

struct TPagesCase {
    const char* Name;
    std::vector<TPolygon> Shapes;
    long double Width, Height;
    int Pages;
};

// Cases whose fewest pages are plain: four 40 mm squares share a 100 mm page
// and 60 mm squares cannot; a 70 mm and a 40 mm square need 111 mm side by
// side with the gap; three 90 by 20 rectangles fit a 70 mm page only turned.
TEST(LayoutEngine, UsesTheFewestPagesOnPlainCases) {
    const std::vector<TPagesCase> cases = {
        {"four squares", {Square(40), Square(40), Square(40), Square(40)}, 100, 100, 1},
        {"no two fit", {Square(60), Square(60), Square(60), Square(60), Square(60)}, 100, 100, 5},
        {"gap too tight", {Square(70), Square(40)}, 110.5L, 70.5L, 2},
        {"gap just fits", {Square(70), Square(40)}, 111.5L, 70.5L, 1},
        {"turned to fit", {Rect(90, 20), Rect(90, 20), Rect(90, 20)}, 70, 100, 1},
    };
    for (const TPagesCase& c : cases) {
        const TLayoutOptions options = Options(c.Width, c.Height);
        const TLayoutResult result = LayOutShapes(c.Shapes, options);
        EXPECT_EQ(result.PageCount, c.Pages) << c.Name;
        ExpectValidLayout(c.Shapes, options, result);
    }
}

TEST(LayoutEngine, ReportsShapesTooLargeForAPageAndPlacesTheRest) {
    const std::vector<TPolygon> shapes = {Square(20), Rect(150, 10), Flanged(Square(95), 5),
                                          Square(30)};
    const TLayoutOptions unturned = Options(100, 140, 1, TLayoutRotations::None);
    const TLayoutResult result = LayOutShapes(shapes, unturned);
    EXPECT_EQ(result.Misfits, (std::vector<int>{1, 2}));
    ExpectValidLayout(shapes, unturned, result);
    // Turned, the long rectangle fits along the page's height.
    const TLayoutResult turned = LayOutShapes(shapes, Options(100, 160));
    EXPECT_EQ(turned.Misfits, (std::vector<int>{2}));
    EXPECT_GE(turned.Placements[1].Page, 0);
}

TEST(LayoutEngine, SameInputGivesTheSameLayout) {
    const std::vector<TPolygon> shapes = MixedShapes();
    const TLayoutOptions options = Options(120, 90);
    const TLayoutResult first = LayOutShapes(shapes, options);
    const TLayoutResult second = LayOutShapes(shapes, options);
    ASSERT_EQ(first.PageCount, second.PageCount);
    for (std::size_t i = 0; i < shapes.size(); ++i) {
        EXPECT_EQ(first.Placements[i].Page, second.Placements[i].Page);
        EXPECT_EQ(first.Placements[i].Transform, second.Placements[i].Transform);
    }
}

TEST(LayoutEngine, ProgressRisesAndCancelStops) {
    const std::vector<TPolygon> shapes = MixedShapes();
    TLayoutOptions options = Options(120, 90);
    options.Effort = 1;
    std::vector<double> reported;
    const TLayoutResult done = LayOutShapes(shapes, options, [&](double share) {
        reported.push_back(share);
        return true;
    });
    EXPECT_EQ(done.Outcome, TLayoutOutcome::Done);
    ASSERT_GE(reported.size(), 2u);
    EXPECT_TRUE(std::is_sorted(reported.begin(), reported.end()));
    EXPECT_GE(reported.front(), 0);
    EXPECT_EQ(reported.back(), 1);
    int calls = 0;
    const TLayoutResult cancelled = LayOutShapes(shapes, options, [&](double) {
        ++calls;
        return false;
    });
    EXPECT_EQ(cancelled.Outcome, TLayoutOutcome::Cancelled);
    EXPECT_EQ(calls, 1);
    EXPECT_TRUE(cancelled.Placements.empty());
}

TEST(LayoutEngine, RefusesOptionsOutOfRange) {
    const std::vector<TPolygon> shapes = {Square(10)};
    for (const TLayoutOptions& options :
         {Options(0, 100), Options(100, -1), Options(100, 100, 20.5L), Options(100, 100, -0.5L),
          Options(std::numeric_limits<long double>::infinity(), 100)}) {
        EXPECT_EQ(LayOutShapes(shapes, options).Outcome, TLayoutOutcome::InvalidOptions);
    }
    EXPECT_EQ(LayOutShapes(shapes, Options(100, 100, 20)).Outcome, TLayoutOutcome::Done);
}

TEST(LayoutEngine, ShapesWithoutOutlineAreNotPlaced) {
    const std::vector<TPolygon> shapes = {
        Square(10), TPolygon(),
        Shape({PointF(0, 0), PointF(std::numeric_limits<long double>::quiet_NaN(), 1),
               PointF(2, 2)})};
    const TLayoutOptions options = Options(100, 100);
    const TLayoutResult result = LayOutShapes(shapes, options);
    EXPECT_EQ(result.Misfits, (std::vector<int>{1, 2}));
    EXPECT_EQ(result.PageCount, 1);
    ExpectValidLayout(shapes, options, result);
}

// Shapes that stay keep their place: the others go around them at the gap,
// and a page they fill takes nothing.
TEST(LayoutEngine, GoesAroundShapesThatStay) {
    const std::vector<TPolygon> shapes = {Square(30), Square(30), Flanged(Square(20), 3),
                                          Triangle(25), Rect(70, 10)};
    struct TFixedCase {
        const char* Name;
        std::vector<TPolygonTbl> Fixed;
        int FirstPageUsed;
    };
    const std::vector<TFixedCase> cases = {
        {"a square in the middle", {{Square(40, {30, 30})}}, 0},
        {"two pages, the first full", {{Square(120, {-10, -10})}, {Rect(50, 95, {2, 2})}}, 1},
        {"a full page after an empty one", {{}, {Square(120, {-10, -10})}}, 0},
    };
    for (const TFixedCase& c : cases) {
        TLayoutOptions options = Options(100, 100, 2);
        options.Fixed = c.Fixed;
        const TLayoutResult result = LayOutShapes(shapes, options);
        ASSERT_EQ(result.Outcome, TLayoutOutcome::Done) << c.Name;
        EXPECT_TRUE(result.Misfits.empty()) << c.Name;
        int firstUsed = result.PageCount;
        for (std::size_t i = 0; i < shapes.size(); ++i) {
            const int page = result.Placements[i].Page;
            ASSERT_GE(page, 0) << c.Name << ", shape " << i;
            firstUsed = std::min(firstUsed, page);
            const TDaPointF outline =
                OutlineWithFlanges(TransformedPolygon(shapes[i], result.Placements[i].Transform));
            if (page >= static_cast<int>(c.Fixed.size()))
                continue;
            for (const TPolygon& fixed : c.Fixed[page])
                EXPECT_GE(Gap(outline, OutlineWithFlanges(fixed)), 2) << c.Name << ", shape " << i;
            EXPECT_FALSE(c.Name == std::string("a full page after an empty one") && page == 1)
                << "shape " << i << " on the full page";
        }
        EXPECT_EQ(firstUsed, c.FirstPageUsed) << c.Name;
        ExpectValidLayout(shapes, options, result);
    }
}

TEST(LayoutEngine, TellsWhichShapesFitAnEmptyPage) {
    const TLayoutOptions unturned = Options(100, 140, 1, TLayoutRotations::None);
    const TLayoutOptions turned = Options(100, 160);
    EXPECT_TRUE(FitsEmptyLayoutPage(Square(20), unturned));
    EXPECT_FALSE(FitsEmptyLayoutPage(Rect(150, 10), unturned));
    EXPECT_TRUE(FitsEmptyLayoutPage(Rect(150, 10), turned));
    EXPECT_FALSE(FitsEmptyLayoutPage(Flanged(Square(95), 5), turned));
    EXPECT_FALSE(FitsEmptyLayoutPage(TPolygon(), turned));
    EXPECT_FALSE(FitsEmptyLayoutPage(Square(20), Options(0, 100)));
}

TEST(LayoutBounds, AreaCountsFlangesAndCrossedFlangesByWhatTheyEnclose) {
    TPolygon square = Square(10);
    square.Flanges[0] = MakeFlange("", 2, Pi / 2, Pi / 2);
    EXPECT_NEAR(AreaWithFlanges(square), 100 + 20, 1e-12);
    // 45-degree flanges 8 wide on a 6 mm side cross 3 mm out: two triangles,
    // base 6 and height 3 at the side, base 10 and height 5 beyond.
    TPolygon small = Square(6);
    small.Flanges[0] = MakeFlange("", 8, Pi / 4, Pi / 4);
    EXPECT_NEAR(AreaWithFlanges(small), 36 + 9 + 25, 1e-9);
    const TLayoutBounds bounds = LayoutBounds({square, square, square}, 10, 20, 1);
    EXPECT_EQ(bounds.Area, 2);
    EXPECT_GE(bounds.WithGap, bounds.Area);
}

} // namespace
