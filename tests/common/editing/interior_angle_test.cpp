// The typed interior angle: a vertex moving between its neighbours, both sides
// turning about it, and a selected side with its neighbour sliding or turning.
#include "editing/interior_angle.h"

#include "common/shape_builders.h"
#include "construction_checks.h"

#include <cmath>

namespace {

// Which side of the line from a to b the point lies on: the sign of the cross
// product.
bool LeftOf(const TPointF& a, const TPointF& b, const TPointF& p) {
    return (b.X - a.X) * (p.Y - a.Y) - (b.Y - a.Y) * (p.X - a.X) > 0;
}

} // namespace

TEST(InteriorAngleTest, SixtyDegreesAtASquareCornerMakesAnEquilateralTriangle) {
    TPolygon shape = Square(10);
    ASSERT_TRUE(SetInteriorAngle(shape, {-1, 1}, Radians(60), false));
    const TDaPointF& v = shape.Apexes;
    EXPECT_NEAR(static_cast<double>(PointDistance(v[0], v[1])), 14.142136, 1e-6);
    EXPECT_NEAR(static_cast<double>(PointDistance(v[1], v[2])), 14.142136, 1e-6);
    EXPECT_EQ(v[0], PointF(0, 0)) << "the neighbours stay";
    EXPECT_EQ(v[2], PointF(10, 10));
    EXPECT_EQ(LeftOf(v[0], v[2], v[1]), LeftOf(v[0], v[2], PointF(10, 0)))
        << "on the same side of the diagonal as before";
    EXPECT_NEAR(Degrees(ApexAngle(v, 1)), 60, 1e-9);
}

TEST(InteriorAngleTest, TheCurrentAngleReproducesTheVertex) {
    TPolygon shape = Square(10);
    ASSERT_TRUE(SetInteriorAngle(shape, {-1, 1}, Radians(90), false));
    ExpectApexesNear(shape.Apexes, Square(10).Apexes, 1e-12);
}

// The vertex keeps the ratio of its two sides; an angle beyond 180 degrees puts
// it on the far side of the line between its neighbours.
TEST(InteriorAngleTest, MovedVertexTakesTheAngleAndKeepsTheRatioOfItsSides) {
    const struct {
        TPolygon Shape;
        long double Degrees;
    } cases[] = {{Rect(40, 25), 30}, {Rect(40, 25), 120}, {Rect(40, 25), 150}, {Square(10), 240}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << static_cast<double>(c.Degrees) << " degrees");
        const TDaPointF& before = c.Shape.Apexes;
        TPolygon shape = c.Shape;
        ASSERT_TRUE(SetInteriorAngle(shape, {-1, 1}, Radians(c.Degrees), false));
        const TDaPointF& v = shape.Apexes;
        EXPECT_NEAR(Degrees(ApexAngle(v, 1)), static_cast<double>(c.Degrees), 1e-9);
        const auto ratio = [](const TDaPointF& p) {
            return static_cast<double>(PointDistance(p[1], p[2]) / PointDistance(p[1], p[0]));
        };
        EXPECT_NEAR(ratio(v), ratio(before), 1e-12);
        EXPECT_EQ(LeftOf(v[0], v[2], v[1]) == LeftOf(v[0], v[2], before[1]), c.Degrees < 180);
    }
}

TEST(InteriorAngleTest, SelectedSideStaysWhileTheNeighbourSlidesAlongItsNextSide) {
    TPolygon forward = Square(10);
    ASSERT_TRUE(SetInteriorAngle(forward, {0, 1}, Radians(60), false));
    ExpectApexesNear(forward.Apexes, {{0, 0}, {10, 0}, {10 - 10 / std::sqrt(3.0L), 10}, {0, 10}});
    EXPECT_NEAR(Degrees(ApexAngle(forward.Apexes, 1)), 60, 1e-9);

    TPolygon backward = Square(10);
    ASSERT_TRUE(SetInteriorAngle(backward, {2, 1}, Radians(60), false));
    ExpectApexesNear(backward.Apexes, {{0, 10 / std::sqrt(3.0L)}, {10, 0}, {10, 10}, {0, 10}});
    EXPECT_NEAR(Degrees(ApexAngle(backward.Apexes, 1)), 60, 1e-9);
}

TEST(InteriorAngleTest, SwitchOnTurnsSidesAboutTheVertexKeepingTheirLengths) {
    struct TCase {
        const char* Name;
        TSelApex SelApex;
        std::vector<int> Staying; // vertices the construction must not move
    };
    for (const TCase& c : {TCase{"one vertex", {-1, 1}, {1}}, TCase{"side forward", {0, 1}, {0, 1}},
                           TCase{"side backward", {2, 1}, {1, 2}}}) {
        SCOPED_TRACE(c.Name);
        TPolygon shape = Rect(40, 25);
        const TDaPointF before = shape.Apexes;
        ASSERT_TRUE(SetInteriorAngle(shape, c.SelApex, Radians(60), true));
        EXPECT_NEAR(Degrees(ApexAngle(shape.Apexes, 1)), 60, 1e-9);
        for (int i : c.Staying)
            EXPECT_EQ(shape.Apexes[i], before[i]) << "vertex " << i;
        const std::vector<long double> lengths = SideLengths(shape.Apexes);
        const std::vector<long double> old = SideLengths(before);
        for (std::size_t i = 0; i < lengths.size(); ++i)
            EXPECT_NEAR(static_cast<double>(lengths[i]), static_cast<double>(old[i]), 1e-9);
    }
}

TEST(InteriorAngleTest, ImpossibleAnglesLeaveTheShapeAsItWas) {
    struct TCase {
        const char* Name;
        TPolygon Shape;
        TSelApex SelApex;
        long double Degrees;
        bool SwitchOnToo; // impossible with the side-length switch on as well
    };
    const TPolygon pinched = Shape({{0, 0}, {0, 0}, {10, 10}, {0, 10}});
    const TCase cases[] = {
        {"turning side parallel to the guide", Square(10), {0, 1}, 180, false},
        {"vertex on its neighbour", pinched, {-1, 1}, 60, false},
        {"equal sides closed to nothing", Square(10), {-1, 1}, 0, false},
        {"straight corner rounding past a flat triangle", Rect(4, 3), {-1, 1}, 180, false},
        {"selected side without length", pinched, {0, 1}, 60, true},
        {"a diagonal", Square(10), {0, 2}, 60, true},
        {"no vertex", Square(10), NoSelApex, 60, true},
        {"a vertex that is not there", Square(10), {-1, 4}, 60, true},
        {"two vertices", Shape({{0, 0}, {10, 0}}), {-1, 1}, 60, true},
    };
    for (const TCase& c : cases) {
        for (const bool keepLengths : {false, true}) {
            if (keepLengths && !c.SwitchOnToo)
                continue;
            SCOPED_TRACE(testing::Message() << c.Name << (keepLengths ? ", switch on" : ""));
            TPolygon shape = c.Shape;
            EXPECT_FALSE(SetInteriorAngle(shape, c.SelApex, Radians(c.Degrees), keepLengths));
            EXPECT_EQ(shape, c.Shape);
        }
    }
}
