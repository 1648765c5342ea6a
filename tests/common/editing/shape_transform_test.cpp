// Mirroring the shape across a side and resizing it about its centroid.
#include "editing/shape_transform.h"

#include "common/shape_builders.h"
#include "construction_checks.h"

#include <limits>

namespace {

// The square with a flange on each side and a fold line.
TPolygon FlangedSquare() {
    TPolygon square = Square(10);
    for (int i = 0; i < 4; ++i)
        square.Flanges[i] = MakeFlange(std::string(1, static_cast<char>('A' + i)), 2 * (i + 1),
                                       Radians(45), Radians(60));
    square.BendLines[1] = {MakeBendLine(0, 2)};
    return square;
}

} // namespace

TEST(ShapeTransformTest, MirrorAcrossTheFirstSideKeepsItsEndsExact) {
    TPolygon shape = FlangedSquare();
    ASSERT_TRUE(MirrorAcrossSide(shape, 0, 1));
    EXPECT_EQ(shape.Apexes[0], PointF(0, 0));
    EXPECT_EQ(shape.Apexes[1], PointF(10, 0));
    ExpectPointNear(shape.Apexes[2], {10, -10}, 1e-15);
    ExpectPointNear(shape.Apexes[3], {0, -10}, 1e-15);
    EXPECT_EQ(shape.Flanges, FlangedSquare().Flanges);
    EXPECT_EQ(shape.BendLines, FlangedSquare().BendLines);
    EXPECT_NE(IsClockwiseOnScreen(shape.Apexes), IsClockwiseOnScreen(FlangedSquare().Apexes));
}

TEST(ShapeTransformTest, MirrorAcrossASlantedSideReflectsTheOtherVertices) {
    TPolygon shape = Shape({{0, 0}, {10, 10}, {0, 10}});
    ASSERT_TRUE(MirrorAcrossSide(shape, 1, 0));
    ExpectPointNear(shape.Apexes[2], {10, 0}, 1e-15);

    TPolygon pinched = Shape({{0, 0}, {0, 0}, {0, 10}});
    EXPECT_FALSE(MirrorAcrossSide(pinched, 0, 1)) << "a side without length has no line";
    EXPECT_FALSE(MirrorAcrossSide(pinched, 0, 3));
    EXPECT_EQ(pinched, Shape({{0, 0}, {0, 0}, {0, 10}}));
}

TEST(ShapeTransformTest, ResizeScalesAboutTheCentroidWithTheFlangeWidths) {
    TPolygon shape = FlangedSquare();
    ASSERT_TRUE(ResizePolygon(shape, 0.5L));
    EXPECT_EQ(shape.Apexes, TDaPointF({{2.5, 2.5}, {7.5, 2.5}, {7.5, 7.5}, {2.5, 7.5}}));
    for (int i = 0; i < 4; ++i) {
        TFlange halved = FlangedSquare().Flanges[i];
        halved.Width /= 2;
        EXPECT_EQ(shape.Flanges[i], halved) << "side " << i;
    }
    EXPECT_EQ(shape.BendLines, FlangedSquare().BendLines);
}

TEST(ShapeTransformTest, ShapeWithoutAreaScalesAboutTheMeanOfItsVertices) {
    TPolygon flat = Shape({{0, 0}, {10, 0}, {20, 0}});
    ASSERT_TRUE(ResizePolygon(flat, 2));
    EXPECT_EQ(flat.Apexes, TDaPointF({{-10, 0}, {10, 0}, {30, 0}}));
}

TEST(ShapeTransformTest, ResizeTakesOnlyFactorsFromOneToAMillionPercent) {
    const struct {
        long double Factor;
        bool Applied;
    } cases[] = {
        {0.5L / 100, false},
        {1.0L / 100, true},
        {1000000.0L / 100, true},
        {1000001.0L / 100, false},
        {0, false},
        {-1, false},
        {1, false},
        {std::numeric_limits<long double>::quiet_NaN(), false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << static_cast<double>(c.Factor));
        TPolygon shape = FlangedSquare();
        EXPECT_EQ(ResizePolygon(shape, c.Factor), c.Applied);
        EXPECT_EQ(shape != FlangedSquare(), c.Applied);
    }
    TPolygon line = Shape({{0, 0}, {10, 0}});
    EXPECT_FALSE(ResizePolygon(line, 2)) << "fewer than 3 vertices";
}

TEST(ShapeTransformTest, ResizeThatOverflowsChangesNothing) {
    const long double far = std::numeric_limits<long double>::max() / 4;
    TPolygon shape = Shape({{0, 0}, {far, 0}, {far, far}});
    const TPolygon before = shape;
    EXPECT_FALSE(ResizePolygon(shape, 100));
    EXPECT_EQ(shape, before);
}

// A shape a drawing file cannot hold is never made: the limit is 1e15 mm.
TEST(ShapeTransformTest, ResizeStopsShortOfTheFileLimit) {
    const struct {
        long double Size;
        bool Applied;
    } cases[] = {
        {1e11L, true},  // corners at +-5e14 about the centre
        {2e11L, false}, // corners beyond 1e15
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<double>(c.Size));
        TPolygon shape = Square(c.Size);
        EXPECT_EQ(ResizePolygon(shape, MaxResizeFactor), c.Applied);
        EXPECT_EQ(shape != Square(c.Size), c.Applied);
    }
}
