// Picking whole shapes: the shape under a point, moving or turning by a press
// inside a shape on the sheet and in the editor, and the rubber band.
#include "geometry/shape_pick.h"

#include "common/shape_builders.h"
#include "geometry/angles.h"
#include "geometry/flange_outline.h"
#include "geometry/overlap.h"

#include <gtest/gtest.h>

#include <random>

namespace {

// The 100 mm square with its centre at (50, 50).
const TDaPointF Square100{{0, 0}, {100, 0}, {100, 100}, {0, 100}};

// Sides of Square: 0 top, 1 right, 2 bottom, 3 left.
TPolygon WithFlange(TPolygon shape, int side, long double width) {
    shape.Flanges[side] = MakeFlange("", width, Pi / 2, Pi / 2);
    return shape;
}

TEST(PickPolygon, PicksTheShapeWhoseBoundaryIsNearest) {
    // Two overlapping boxes: the nearer boundary decides, not the drawing order.
    const TPolygonTbl overlapping{Square(20), Rect(30, 20, {10, 0})};
    EXPECT_EQ(1, PickPolygon(overlapping, {11, 10}));
    EXPECT_EQ(0, PickPolygon(overlapping, {19, 10}));
    EXPECT_EQ(0, PickPolygon(overlapping, {15, 10})); // equal distances: lower index
    EXPECT_EQ(1, PickPolygon(overlapping, {35, 10}));

    // A small shape lying on a large one is picked near its own boundary.
    const TPolygonTbl nested{Square(100), Square(10, {40, 40})};
    EXPECT_EQ(1, PickPolygon(nested, {45, 45}));
    EXPECT_EQ(0, PickPolygon(nested, {10, 45}));

    EXPECT_EQ(-1, PickPolygon(nested, {150, 45}));
    EXPECT_EQ(-1, PickPolygon(TPolygonTbl{}, {1, 1}));
}

TEST(PickPolygon, IgnoresFlanges) {
    TPolygon flanged = Square(20, {10, 10});
    flanged.Flanges[0] = MakeFlange("A", 5, 1.5707963267948966L, 1.5707963267948966L);
    const TPolygonTbl page{flanged};
    EXPECT_EQ(-1, PickPolygon(page, {20, 7}));
    EXPECT_EQ(0, PickPolygon(page, {20, 12}));
}

TEST(ShapeGestureTest, PressNearTheCentreMovesAndFartherOutTurns) {
    EXPECT_NEAR(static_cast<double>(ShapeGrabRadius(10000)), 39.894228, 1e-6);
    EXPECT_EQ(ShapeGestureAt(Square100, PointF(50 + 39.8L, 50), 1), TShapeGesture::Move);
    EXPECT_EQ(ShapeGestureAt(Square100, PointF(50 + 39.9L, 50), 1), TShapeGesture::Rotate);
    EXPECT_EQ(ShapeGestureAt(Square100, PointF(50, 50), 1), TShapeGesture::Move);

    EXPECT_EQ(ShapeGestureAt(Square100, PointF(99, 50), 1), TShapeGesture::None) << "on a side";
    EXPECT_EQ(ShapeGestureAt(Square100, PointF(98.9L, 50), 1), TShapeGesture::Rotate);
    EXPECT_EQ(ShapeGestureAt(Square100, PointF(150, 50), 1), TShapeGesture::None) << "outside";
    const TDaPointF flat{{0, 0}, {10, 0}, {20, 0}};
    EXPECT_EQ(ShapeGestureAt(flat, PointF(5, 0), 0), TShapeGesture::None) << "no area";
}

TEST(GrabKindTest, HalfAreaCircleDividesMoveFromRotate) {
    // Radius of the circle of half the 100 mm square's area: 39.894 mm.
    const TPolygon square = Square(100);
    EXPECT_EQ(GrabKind(square, PointF(50, 50)), TGrabKind::Move);
    EXPECT_EQ(GrabKind(square, PointF(89.8L, 50)), TGrabKind::Move);
    EXPECT_EQ(GrabKind(square, PointF(89.9L, 50)), TGrabKind::Rotate);
    EXPECT_EQ(GrabKind(square, PointF(50, 10.1L)), TGrabKind::Rotate);
    EXPECT_EQ(GrabKind(Shape({{0, 0}, {5, 0}, {9, 0}}), PointF(0, 0)), TGrabKind::None);
    EXPECT_EQ(GrabKind(TPolygon{}, PointF(0, 0)), TGrabKind::None);
}

TEST(RubberBandTest, SelectsShapesTheBandMeets) {
    // Shape 1 has a 5 mm flange above its top side.
    const TPolygonTbl page = {Square(10), WithFlange(Square(10, {50, 0}), 0, 5),
                              Square(10, {100, 0})};
    const auto band = [&page](TPointF a, TPointF b, TDaInt selection = {}) {
        return ShapesInRubberBand(page, a, b, selection);
    };
    EXPECT_EQ(band({5, 5}, {15, 15}), TDaInt{0});
    EXPECT_EQ(band({-10, -10}, {0, 0}), TDaInt{0});   // touches a corner
    EXPECT_EQ(band({-1, 11}, {11, -1}), TDaInt{0});   // contains it
    EXPECT_EQ(band({2, 2}, {3, 3}), TDaInt{0});       // lies inside it
    EXPECT_EQ(band({55, -2}, {55, -2}), TDaInt{1});   // a click on the flange
    EXPECT_EQ(band({52, -6}, {53, -5.5L}), TDaInt{}); // above the flange
    EXPECT_EQ(band({20, 20}, {40, 40}), TDaInt{});
    EXPECT_EQ(band({-50, -50}, {150, 50}), (TDaInt{0, 1, 2}));
    EXPECT_EQ(band({-50, -50}, {150, 50}, {1}), (TDaInt{0, 2}));
}

// The band drawn in any direction, clicked, or cutting through shapes and
// their flanges selects what testing each outline against it selects.
TEST(RubberBandTest, SelectsWhatTestingEveryOutlineSelects) {
    TPolygonTbl page;
    for (int i = 0; i < 12; ++i) {
        TPolygon shape = Square(8, PointF(10.0L * (i % 4), 10.0L * (i / 4)));
        for (TFlange& flange : shape.Flanges)
            flange = MakeFlange("", 0.8L + 0.1L * (i % 3), Pi / 3, Pi / 3);
        page.push_back(shape);
    }
    std::mt19937 random(41);
    std::uniform_real_distribution<double> coordinate(-5, 45);
    for (int i = 0; i < 300; ++i) {
        const TPointF a = PointF(coordinate(random), coordinate(random));
        const TPointF b = i % 10 == 0 ? a : PointF(coordinate(random), coordinate(random));
        const TDaPointF band = {a, PointF(b.X, a.Y), b, PointF(a.X, b.Y)};
        TDaInt expected;
        for (int k = 0; k < static_cast<int>(page.size()); ++k) {
            TPointF contact;
            if (PolygonsOverlap(band, OutlineWithFlanges(page[k]), contact))
                expected.push_back(k);
        }
        EXPECT_EQ(ShapesInRubberBand(page, a, b, {}), expected) << i;
    }
}

} // namespace
