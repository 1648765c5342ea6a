// Tests of the overlap of outlines and of shapes with their glue flanges.
#include "geometry/angles.h"
#include "geometry/overlap.h"

#include "common/shape_builders.h"

#include <gtest/gtest.h>

namespace {

void ExpectPoint(const TPointF& p, long double x, long double y, double tolerance = 1e-12) {
    EXPECT_NEAR(static_cast<double>(p.X), static_cast<double>(x), tolerance);
    EXPECT_NEAR(static_cast<double>(p.Y), static_cast<double>(y), tolerance);
}

const TPointF Untouched{-777, -777};

} // namespace

TEST(PolygonsOverlap, CrossingTouchingAndApartOutlines) {
    TPointF contact = Untouched;
    EXPECT_TRUE(PolygonsOverlap(Square(10).Apexes, Square(10, {5, 5}).Apexes, contact));
    ExpectPoint(contact, 10, 5);

    contact = Untouched;
    EXPECT_TRUE(PolygonsOverlap(Square(10).Apexes, Square(10, {10, 10}).Apexes, contact));
    ExpectPoint(contact, 10, 10);

    // Sides on one line: an overlap with no contact point.
    contact = Untouched;
    EXPECT_TRUE(PolygonsOverlap(Square(10).Apexes, Square(10, {10, 0}).Apexes, contact));
    EXPECT_EQ(contact, Untouched);

    EXPECT_FALSE(PolygonsOverlap(Square(10).Apexes, Square(10, {10.5L, 0}).Apexes, contact));
    EXPECT_FALSE(PolygonsOverlap(Square(10).Apexes, TDaPointF{}, contact));
    EXPECT_EQ(contact, Untouched);
}

TEST(PolygonsOverlap, ContainedOutlineOverlapsAtItsCentroid) {
    const TDaPointF outer = Square(10).Apexes;
    const TDaPointF inner = Shape({{2, 2}, {5, 2}, {2, 5}}).Apexes;
    TPointF contact;
    EXPECT_TRUE(PolygonsOverlap(outer, inner, contact));
    ExpectPoint(contact, 3, 3);
    contact = Untouched;
    EXPECT_TRUE(PolygonsOverlap(inner, outer, contact));
    ExpectPoint(contact, 3, 3);
}

TEST(PolygonHitsOthers, FlangeTouchingAnotherShapeCounts) {
    TPolygon flanged = Square(10);
    flanged.Flanges[0] = MakeFlange("", 5, Pi / 2, Pi / 2);
    const TPolygon above = Square(10, {2, -12}); // its bottom side at y = -2
    TPointF contact = Untouched;
    EXPECT_TRUE(PolygonHitsOthers({above}, -1, flanged, contact));
    ExpectPoint(contact, 2, -5); // where its left side crosses the flange's outer edge

    const TPolygon edgeOn = Square(10, {5, -15}); // its bottom side on the flange's outer edge
    EXPECT_TRUE(PolygonHitsOthers({edgeOn}, -1, flanged, contact));

    EXPECT_FALSE(PolygonHitsOthers({above, edgeOn}, -1, Square(10), contact));
}

TEST(PolygonHitsOthers, SkipsItsOwnSlot) {
    const TPolygonTbl page = {Square(10), Square(10, {30, 0})};
    TPointF contact;
    EXPECT_FALSE(PolygonHitsOthers(page, 0, Square(10, {1, 1}), contact));
    EXPECT_TRUE(PolygonHitsOthers(page, 1, Square(10, {1, 1}), contact));
    EXPECT_TRUE(PolygonHitsOthers(page, 0, Square(10, {25, 0}), contact));
    EXPECT_FALSE(PolygonHitsOthers({}, -1, Square(10), contact));
}
