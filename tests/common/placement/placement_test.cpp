// Tests of the placement rules of a sheet drag: the wall and overlap checks,
// the auto-rotate and turn-on searches, the selection centroid, the grab point
// and the placement reference.
#include "geometry/angles.h"
#include "placement/placement.h"

#include "common/shape_builders.h"
#include "geometry/flange_outline.h"
#include "geometry/plane_geometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>
#include <random>
#include <vector>

namespace {

constexpr long double PageWidth = 200;
constexpr long double PageHeight = 100;
constexpr long double Tolerance = 1e-9L;

// Sides of Square and Rect: 0 top, 1 right, 2 bottom, 3 left.
TPolygon WithFlange(TPolygon shape, int side, long double width) {
    shape.Flanges[side] = MakeFlange("", width, Pi / 2, Pi / 2);
    return shape;
}

TPlacementRules Rules(bool keepInside, bool avoidOverlap, bool autoRotate) {
    TPlacementRules rules;
    rules.KeepInside = keepInside;
    rules.AvoidOverlap = avoidOverlap;
    rules.AutoRotate = autoRotate;
    rules.PageWidth = PageWidth;
    rules.PageHeight = PageHeight;
    return rules;
}

bool Collides(const TPolygonTbl& page, int index, const TPolygon& candidate,
              const TPlacementRules& rules) {
    TPointF contact;
    return CollisionCheck(page, index, candidate, rules, contact);
}

bool HitsWall(const TPolygon& shape) {
    TPointF contact;
    return WallHit(shape, PageWidth, PageHeight, contact);
}

long double RightmostX(const TPolygon& shape) {
    long double right = -std::numeric_limits<long double>::infinity();
    for (const TPointF& p : OutlineWithFlanges(shape))
        right = std::max(right, p.X);
    return right;
}

long double FirstSideDirection(const TPolygon& shape) {
    return PointDirection(shape.Apexes[0], shape.Apexes[1]);
}

TPolygon Moved(TPolygon shape, long double dx, long double dy) {
    TranslatePolygon(shape, PointF(dx, dy));
    return shape;
}

TPolygon Turned(TPolygon shape, const TPointF& centre, long double angle) {
    RotatePoints(shape.Apexes, centre, angle);
    return shape;
}

void ExpectSamePoints(const TDaPointF& actual, const TDaPointF& expected) {
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t i = 0; i < actual.size(); ++i) {
        EXPECT_NEAR(actual[i].X, expected[i].X, Tolerance) << "vertex " << i;
        EXPECT_NEAR(actual[i].Y, expected[i].Y, Tolerance) << "vertex " << i;
    }
}

// Drags the shape at index in steps of dx to the right as the mouse would,
// each accepted step replacing the shape; returns the accepted positions.
std::vector<TPolygon> DragRight(TPolygonTbl& page, int index, long double dx, int steps,
                                const TPlacementRules& rules) {
    std::vector<TPolygon> accepted;
    TPointF down = PointF(0, 0);
    for (int step = 0; step < steps; ++step) {
        const TPointF q = PointF(down.X + dx, down.Y);
        TPolygon candidate;
        if (TryMoveStep(page, index, down, q, rules, candidate) != TStepResult::Refused) {
            page[index] = candidate;
            accepted.push_back(candidate);
        }
        down = q;
    }
    return accepted;
}

// A channel 6 mm wide whose axis runs from (100, 50) at 4 degrees below the
// horizontal, its walls starting 25 mm along the axis, and a 40 by 4 mm bar
// lying level on the axis line with its centre at (100, 50), short of the
// walls. Level, the bar cannot enter; turned by about the channel's slope about
// its centre it can.
constexpr long double ChannelSlope = DegToRad(4);
const TPointF ChannelOrigin = PointF(100, 50);

TPointF ChannelPoint(long double along, long double across) {
    const long double c = std::cos(ChannelSlope), s = std::sin(ChannelSlope);
    return PointF(ChannelOrigin.X + along * c - across * s,
                  ChannelOrigin.Y + along * s + across * c);
}

TPolygon ChannelWall(long double across1, long double across2) {
    return Shape({ChannelPoint(25, across1), ChannelPoint(125, across1), ChannelPoint(125, across2),
                  ChannelPoint(25, across2)});
}

TPolygonTbl ChannelPage() {
    return {Rect(40, 4, {80, 48}), ChannelWall(-23, -3), ChannelWall(3, 23)};
}

} // namespace

TEST(WallHitTest, CrossingTouchingAndLyingOutsideHitTheWall) {
    EXPECT_FALSE(HitsWall(Square(10, {50, 40})));
    EXPECT_FALSE(HitsWall(TPolygon{}));
    // Crossing the right border, and touching it with one vertex.
    EXPECT_TRUE(HitsWall(Square(10, {195, 40})));
    EXPECT_TRUE(HitsWall(Shape({{180, 40}, {200, 50}, {180, 60}})));
    // Only the flange reaches the border.
    EXPECT_FALSE(HitsWall(Square(10, {185, 40})));
    EXPECT_TRUE(HitsWall(WithFlange(Square(10, {185, 40}), 1, 6)));
    // Wholly beyond the border, and around the whole page.
    EXPECT_TRUE(HitsWall(Square(10, {250, 40})));
    EXPECT_TRUE(HitsWall(Square(10, {-50, -50})));
    EXPECT_TRUE(HitsWall(Square(400, {-100, -100})));
}

TEST(WallHitTest, SideAlongTheBorderIsNoContactByItself) {
    // An outline lying on the top border line touches it only along sides.
    EXPECT_FALSE(HitsWall(Shape({{10, 0}, {20, 0}, {30, 0}})));
    // A square with a side on the border meets it at that side's ends, where
    // its neighbouring sides touch the border at a point.
    TPointF contact;
    EXPECT_TRUE(WallHit(Square(10, {190, 40}), PageWidth, PageHeight, contact));
    EXPECT_EQ(contact.X, 200);
}

TEST(CollisionCheckTest, EachRuleAddsItsOwnTest) {
    const TPolygonTbl page = {Square(10, {20, 20}), Square(10, {40, 20})};
    const TPolygon offPage = Square(10, {195, 20});
    const TPolygon onOther = Square(10, {35, 20});
    EXPECT_FALSE(Collides(page, 0, offPage, Rules(false, false, false)));
    EXPECT_FALSE(Collides(page, 0, onOther, Rules(false, false, true)));
    EXPECT_TRUE(Collides(page, 0, offPage, Rules(true, false, false)));
    EXPECT_FALSE(Collides(page, 0, onOther, Rules(true, false, false)));
    EXPECT_TRUE(Collides(page, 0, onOther, Rules(false, true, false)));
    EXPECT_FALSE(Collides(page, 0, offPage, Rules(false, true, false)));
    // The shape's own slot is never an obstacle.
    EXPECT_FALSE(Collides(page, 1, onOther, Rules(false, true, false)));
}

TEST(MoveStepTest, ShapeDraggedRightStopsShortOfTheBorder) {
    const std::vector<TPlacementRules> ruleSets = {
        Rules(true, false, false), Rules(true, true, false), Rules(true, false, true),
        Rules(true, true, true)};
    for (const TPlacementRules& rules : ruleSets) {
        SCOPED_TRACE(::testing::Message()
                     << "overlap " << rules.AvoidOverlap << " rotate " << rules.AutoRotate);
        // The flange on the right side leads the way.
        TPolygonTbl page = {WithFlange(Square(10, {150, 40}), 1, 5), Square(10, {20, 20})};
        const std::vector<TPolygon> accepted = DragRight(page, 0, 3, 30, rules);
        ASSERT_FALSE(accepted.empty());
        for (const TPolygon& position : accepted)
            EXPECT_FALSE(HitsWall(position));
        EXPECT_LT(RightmostX(page[0]), PageWidth);
        EXPECT_GT(RightmostX(page[0]), PageWidth - 3);
    }
}

TEST(MoveStepTest, StepCarryingTheShapeOffThePageIsCaught) {
    const TPolygonTbl page = {Square(10, {150, 40})};
    const TPointF down = PointF(155, 45);
    const TPointF q = PointF(455, 45);
    TPolygon candidate;
    EXPECT_EQ(TryMoveStep(page, 0, down, q, Rules(true, false, false), candidate),
              TStepResult::Refused);
    EXPECT_EQ(TryMoveStep(page, 0, down, q, Rules(true, true, false), candidate),
              TStepResult::Refused);
    // Auto-rotate shortens the move until the shape is back on the page.
    ASSERT_EQ(TryMoveStep(page, 0, down, q, Rules(true, false, true), candidate),
              TStepResult::AcceptedAfterCollision);
    EXPECT_FALSE(HitsWall(candidate));
    EXPECT_GT(RightmostX(candidate), 160);
    // Without the wall rule the shape leaves the page.
    ASSERT_EQ(TryMoveStep(page, 0, down, q, Rules(false, true, true), candidate),
              TStepResult::Accepted);
    ExpectSamePoints(candidate.Apexes, Square(10, {450, 40}).Apexes);
}

TEST(MoveStepTest, ShapeRefusesToMoveOntoAnother) {
    const TPointF down = PointF(15, 25);
    const TPolygon mover = Square(10, {10, 20});
    const TPolygon obstacle = Square(10, {40, 20});
    const std::vector<TPlacementRules> ruleSets = {Rules(false, true, false),
                                                   Rules(true, true, false)};
    for (const TPlacementRules& rules : ruleSets) {
        SCOPED_TRACE(::testing::Message() << "wall " << rules.KeepInside);
        TPolygon candidate;
        // The outlines touching along a side counts.
        TPolygonTbl page = {mover, obstacle};
        EXPECT_EQ(TryMoveStep(page, 0, down, PointF(35, 25), rules, candidate),
                  TStepResult::Refused);
        ASSERT_EQ(TryMoveStep(page, 0, down, PointF(34, 25), rules, candidate),
                  TStepResult::Accepted);
        ExpectSamePoints(candidate.Apexes, Square(10, {29, 20}).Apexes);
        // The mover's flange reaches the obstacle.
        page[0] = WithFlange(mover, 1, 3);
        EXPECT_EQ(TryMoveStep(page, 0, down, PointF(34, 25), rules, candidate),
                  TStepResult::Refused);
        EXPECT_EQ(TryMoveStep(page, 0, down, PointF(31, 25), rules, candidate),
                  TStepResult::Accepted);
        // The obstacle's flange reaches the mover.
        page = {mover, WithFlange(obstacle, 3, 3)};
        EXPECT_EQ(TryMoveStep(page, 0, down, PointF(32, 25), rules, candidate),
                  TStepResult::Refused);
        EXPECT_EQ(TryMoveStep(page, 0, down, PointF(31.5L, 25), rules, candidate),
                  TStepResult::Accepted);
    }
    // Auto-rotate falls back to half the step, slightly turned, which is free.
    const TPolygonTbl page = {mover, obstacle};
    const TPlacementRules rules = Rules(true, true, true);
    TPolygon candidate;
    ASSERT_EQ(TryMoveStep(page, 0, down, PointF(40, 25), rules, candidate),
              TStepResult::AcceptedAfterCollision);
    EXPECT_FALSE(Collides(page, 0, candidate, rules));
    EXPECT_NEAR(RightmostX(candidate), 32.5L, 0.1L);
    EXPECT_NE(FirstSideDirection(candidate), 0);
}

TEST(MoveStepTest, WithoutOverlapRuleShapesMoveOntoOthers) {
    const TPolygonTbl page = {Square(10, {0, 10}), Square(10, {30, 0})};
    for (const TPlacementRules& rules :
         {Rules(false, false, false), Rules(true, false, false), Rules(false, false, true)}) {
        TPolygon candidate;
        ASSERT_EQ(TryMoveStep(page, 0, PointF(5, 5), PointF(35, 0), rules, candidate),
                  TStepResult::Accepted);
        ExpectSamePoints(candidate.Apexes, Square(10, {30, 5}).Apexes);
    }
}

TEST(MoveStepTest, AutoRotateTurnsTheShapeIntoASlantedGap) {
    const TPolygonTbl page = ChannelPage();
    const TPointF down = PointF(100, 50);
    const TPointF q = PointF(120, 50);
    for (const TPlacementRules& rules : {Rules(false, true, true), Rules(true, true, true)}) {
        SCOPED_TRACE(::testing::Message() << "wall " << rules.KeepInside);
        ASSERT_FALSE(Collides(page, 0, page[0], rules));
        ASSERT_TRUE(Collides(page, 0, Moved(page[0], 20, 0), rules));
        TPolygon candidate;
        ASSERT_EQ(TryMoveStep(page, 0, down, q, rules, candidate),
                  TStepResult::AcceptedAfterCollision);
        EXPECT_FALSE(Collides(page, 0, candidate, rules));
        const long double turn = FirstSideDirection(candidate);
        EXPECT_GT(turn, DegToRad(0.5L));
        EXPECT_LT(turn, DegToRad(8));
        // The bar's front end has gone in between the walls.
        EXPECT_GT(RightmostX(candidate), 130);
        EXPECT_EQ(TryMoveStep(page, 0, down, q, Rules(false, true, false), candidate),
                  TStepResult::Refused);
    }
}

TEST(RotateSearchTest, SmallCollisionAnglesOfEitherSignAreSearched) {
    // Angles between pi/2000 and pi/200 search in quarter steps of themselves;
    // the sign only decides which way is tried first.
    const TPolygonTbl page = ChannelPage();
    for (const long double angle : {0.01L, -0.01L, 0.5L, -3.0L}) {
        SCOPED_TRACE(::testing::Message() << "angle " << static_cast<double>(angle));
        TPolygon candidate;
        ASSERT_FALSE(RotateSearch(page, 0, PointF(100, 50), PointF(120, 50), angle,
                                  Rules(false, true, true), candidate));
        EXPECT_FALSE(Collides(page, 0, candidate, Rules(false, true, true)));
        EXPECT_GT(FirstSideDirection(candidate), 0);
    }
}

TEST(RotateSearchTest, HopelessOrInvalidSearchesEndStillColliding) {
    // A shape boxed in on every side finds nothing at any turn or distance.
    const TPolygonTbl boxed = {Square(10, {50, 50}), Rect(30, 100, {60, 0}), Rect(30, 100, {20, 0}),
                               Rect(10, 50, {50, 0}), Rect(10, 40, {50, 60})};
    TPolygon candidate;
    EXPECT_TRUE(RotateSearch(boxed, 0, PointF(55, 55), PointF(58, 55), 0.3L,
                             Rules(false, true, true), candidate));
    const long double inf = std::numeric_limits<long double>::infinity();
    const long double nan = std::numeric_limits<long double>::quiet_NaN();
    EXPECT_TRUE(RotateSearch(boxed, 0, PointF(55, 55), PointF(inf, 55), 0.3L,
                             Rules(false, true, true), candidate));
    EXPECT_TRUE(RotateSearch(boxed, 0, PointF(55, 55), PointF(58, 55), nan,
                             Rules(false, true, true), candidate));
    EXPECT_TRUE(RotateSearch(boxed, 7, PointF(55, 55), PointF(58, 55), 0.3L,
                             Rules(false, true, true), candidate));
}

TEST(RotateStepTest, CollidingTurnIsTurnedOnOrRefused) {
    const TPointF centre = PointF(5, 5);
    // Turned by 45 degrees the square's corner reaches the block; turned on by
    // 22.5 and then 11.25 degrees it clears it.
    TPolygonTbl page = {Square(10), Rect(20, 60, {11.5L, -20})};
    TPolygon candidate;
    ASSERT_EQ(TryRotateStep(page, 0, centre, Pi / 4, Rules(false, true, false), candidate),
              TStepResult::AcceptedAfterCollision);
    ExpectSamePoints(candidate.Apexes, Turned(Square(10), centre, 7 * Pi / 16).Apexes);
    // A small turn that stays clear is taken as it is.
    ASSERT_EQ(TryRotateStep(page, 0, centre, 0.05L, Rules(false, true, true), candidate),
              TStepResult::Accepted);
    ExpectSamePoints(candidate.Apexes, Turned(Square(10), centre, 0.05L).Apexes);

    // Turning the bar's right end up into the block above collides at every angle.
    page = {Rect(40, 4, {0, 0}), Rect(40, 29, {0, -30})};
    EXPECT_EQ(
        TryRotateStep(page, 0, PointF(20, 2), -DegToRad(20), Rules(false, true, false), candidate),
        TStepResult::Refused);
    // RotateOnSearch on its own ends colliding too.
    TPolygon turned = Turned(page[0], PointF(20, 2), -DegToRad(20));
    EXPECT_TRUE(
        RotateOnSearch(page, 0, PointF(20, 2), -DegToRad(20), Rules(false, true, false), turned));
}

TEST(RotateStepTest, WithoutOverlapRuleRotationCrossesTheBorder) {
    const TPolygonTbl page = {Square(10, {189, 40})};
    const TPointF centre = PointF(194, 45);
    for (const TPlacementRules& rules : {Rules(true, false, false), Rules(true, false, true)}) {
        TPolygon candidate;
        ASSERT_EQ(TryRotateStep(page, 0, centre, Pi / 4, rules, candidate), TStepResult::Accepted);
        EXPECT_TRUE(HitsWall(candidate));
    }
    // With it, the wall counts as well.
    TPolygon candidate;
    const TStepResult result =
        TryRotateStep(page, 0, centre, Pi / 4, Rules(true, true, false), candidate);
    ASSERT_EQ(result, TStepResult::AcceptedAfterCollision);
    EXPECT_FALSE(HitsWall(candidate));
}

TEST(StepTest, InvalidStepsAreRefusedAndLeaveTheCandidateAlone) {
    const TPolygonTbl page = {Square(10, {20, 20})};
    const long double nan = std::numeric_limits<long double>::quiet_NaN();
    const long double inf = std::numeric_limits<long double>::infinity();
    const TPolygon untouched = Square(3, {1, 1});
    TPolygon candidate = untouched;
    const TPlacementRules rules = Rules(false, true, true);
    EXPECT_EQ(TryMoveStep(page, 1, PointF(0, 0), PointF(1, 0), rules, candidate),
              TStepResult::Refused);
    EXPECT_EQ(TryMoveStep(page, -1, PointF(0, 0), PointF(1, 0), rules, candidate),
              TStepResult::Refused);
    EXPECT_EQ(TryMoveStep(page, 0, PointF(0, 0), PointF(nan, 0), rules, candidate),
              TStepResult::Refused);
    EXPECT_EQ(TryRotateStep(page, 0, PointF(25, 25), nan, rules, candidate), TStepResult::Refused);
    EXPECT_EQ(TryRotateStep(page, 0, PointF(inf, 25), 0.1L, Rules(false, false, false), candidate),
              TStepResult::Refused);
    EXPECT_EQ(candidate, untouched);
    TPolygon turned = page[0];
    EXPECT_TRUE(RotateOnSearch(page, 0, PointF(25, 25), nan, rules, turned));
    EXPECT_EQ(turned, page[0]);
}

TEST(SelectionCentroidTest, WeightsShapesByArea) {
    const TPolygonTbl page = {Square(10), Square(20, {100, 0}), Shape({{1, 2}, {5, 2}, {9, 2}}),
                              Square(50, {300, 300})};
    // Areas 100 and 400 with centroids (5, 5) and (110, 10); the flat shape,
    // the unselected one and an index off the page do not count.
    const TPointF centre = SelectionCentroid(page, {0, 1, 2, 9});
    EXPECT_NEAR(centre.X, 89, Tolerance);
    EXPECT_NEAR(centre.Y, 9, Tolerance);
    EXPECT_EQ(SelectionCentroid(page, {2}), PointF(1, 2));
    EXPECT_EQ(SelectionCentroid(page, {}), PointF(0, 0));
}

TEST(GripTest, GripPointFollowsTheShape) {
    const TPointF centre = PointF(3, 4);
    const TPointF grabbed = PointF(22, 30);
    const std::vector<TPolygon> shapes = {Shape({{10, 20}, {40, 25}, {15, 50}}),
                                          // A first side without length.
                                          Shape({{10, 20}, {10, 20}, {40, 25}, {15, 50}})};
    for (const TPolygon& shape : shapes) {
        const TGrip grip = GripOf(shape, grabbed);
        EXPECT_NEAR(grip.Radius, PointDistance(shape.Apexes[0], grabbed), Tolerance);
        const TPolygon moved = Turned(Moved(shape, 7, -3), centre, 0.7L);
        TDaPointF expected = {PointF(grabbed.X + 7, grabbed.Y - 3)};
        RotatePoints(expected, centre, 0.7L);
        ExpectSamePoints({GripPoint(moved, grip)}, expected);
    }
    EXPECT_EQ(GripPoint(TPolygon{}, GripOf(TPolygon{}, grabbed)), PointF(0, 0));
}

TEST(PlacementReferenceTest, SnappedCentroidOrFirstVertex) {
    // Centroid (2.2, 1.1) on the 1.5 mm grid through (0.2, 0.1).
    const TPointF snapped =
        PlacementReference(Shape({{0.2L, 0.1L}, {6.2L, 0.1L}, {0.2L, 3.1L}}), 1.5L);
    EXPECT_NEAR(snapped.X, 1.7L, Tolerance);
    EXPECT_NEAR(snapped.Y, 1.6L, Tolerance);
    EXPECT_EQ(PlacementReference(Shape({{3, 4}, {5, 4}, {7, 4}}), 1.5L), PointF(3, 4));
    EXPECT_EQ(PlacementReference(TPolygon{}, 1.5L), PointF(0, 0));
}
