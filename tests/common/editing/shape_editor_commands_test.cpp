// The shape editor's commands on its model: the four numeric settings, vertex
// insertion and deletion, fold lines, mirror, resize and flanges, each
// recording its entries as one undo step, none acting while a gesture holds
// the shape, and none making a shape a drawing file cannot hold.
#include "editor_model_fixture.h"

#include "editing/shape_transform.h"
#include "geometry/angles.h"
#include "geometry/plane_geometry.h"

#include <cmath>
#include <limits>
#include <numbers>

namespace {

const TPolygon Square40 = Square(40, {20, 20}); // (20, 20) to (60, 60)

void ExpectApexesNear(const TDaPointF& actual, const TDaPointF& expected, double tolerance = 1e-9) {
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t i = 0; i < actual.size(); ++i) {
        EXPECT_NEAR(static_cast<double>(actual[i].X), static_cast<double>(expected[i].X), tolerance)
            << "vertex " << i;
        EXPECT_NEAR(static_cast<double>(actual[i].Y), static_cast<double>(expected[i].Y), tolerance)
            << "vertex " << i;
    }
}

// The closing distance at 200 %, which a typed side length must reach.
const long double Shortest = PickDistancesAt(2).Close;

} // namespace

TEST_F(EditorModelTest, TypedCoordinatesMoveTheVertexInOneStep) {
    TPolygon shape = Square40;
    shape.Apexes[0] = PointF(20.004L, 20);
    StartEditing(shape);
    SelectApex(0);
    ASSERT_EQ(Model.ApexPositionOffer(), PointF(20.004L, 20));
    const int entries = History().Count();
    EXPECT_TRUE(Model.SetSelectedApexPosition(PointF(20, 20), false));
    EXPECT_EQ(Apexes()[0], PointF(20, 20));
    EXPECT_EQ(History().Count(), entries + 1) << "one pkMoveApex";
    EXPECT_EQ(History().Items().back().Kind, pkMoveApex);

    Model.Undo();
    EXPECT_EQ(Apexes()[0], PointF(20.004L, 20));
    EXPECT_EQ(Model.SelApex(), TSelApex({-1, 0})) << "the selection was a step before";

    Later();
    EXPECT_TRUE(Model.SetSelectedApexPosition(PointF(70.5L, 65), false));
    EXPECT_EQ(Apexes()[0], PointF(70.5L, 65));
    EXPECT_EQ(Apexes()[1], PointF(60, 20)) << "the neighbours stay";
}

TEST_F(EditorModelTest, SixtyDegreeCornerMakesAnEquilateralTriangleInOneStep) {
    StartEditing(Square40);
    SelectApex(1);
    ASSERT_TRUE(Model.InteriorAngleOffer().has_value());
    EXPECT_NEAR(static_cast<double>(*Model.InteriorAngleOffer()), std::numbers::pi / 2, 1e-15);
    const int entries = History().Count();
    EXPECT_TRUE(Model.SetSelectedInteriorAngle(DegToRad(60), false));
    const long double diagonal = 40 * std::sqrt(2.0L);
    EXPECT_NEAR(static_cast<double>(PointDistance(Apexes()[0], Apexes()[1])),
                static_cast<double>(diagonal), 1e-9);
    EXPECT_NEAR(static_cast<double>(PointDistance(Apexes()[1], Apexes()[2])),
                static_cast<double>(diagonal), 1e-9);
    EXPECT_EQ(History().Count(), entries + 1);

    Model.Undo();
    ExpectApexesNear(Apexes(), Square40.Apexes, 1e-12);
}

TEST_F(EditorModelTest, SideLengthIsSetAlongTheLineFromTheOtherEnd) {
    StartEditing(Shape({{20, 20}, {32.3456L, 20}, {32.3456L, 40}, {20, 40}}));
    SelectPair(0, 1);
    ASSERT_TRUE(Model.SideLengthOffer().has_value());
    EXPECT_NEAR(static_cast<double>(*Model.SideLengthOffer()), 12.3456, 1e-15);
    EXPECT_TRUE(Model.SetSelectedSideLength(12.35L, Shortest, false));
    EXPECT_NEAR(static_cast<double>(Apexes()[1].X), 32.35, 1e-15);
    EXPECT_EQ(Apexes()[1].Y, 20);
    EXPECT_EQ(History().Items().back().Kind, pkMoveApex);
}

TEST_F(EditorModelTest, SideLengthWithTheSwitchOnKeepsTheOtherSides) {
    StartEditing(Rect(40, 25, {20, 20}));
    SelectPair(0, 1);
    EXPECT_TRUE(Model.SetSelectedSideLength(30, Shortest, true));
    EXPECT_EQ(Apexes()[1], PointF(50, 20));
    EXPECT_EQ(Apexes()[0], PointF(20, 20));
    EXPECT_EQ(Apexes()[3], PointF(20, 45));
    EXPECT_NEAR(static_cast<double>(PointDistance(Apexes()[1], Apexes()[2])), 25, 1e-9);
    EXPECT_NEAR(static_cast<double>(PointDistance(Apexes()[2], Apexes()[3])), 40, 1e-9);
}

TEST_F(EditorModelTest, SlopeTurnsTheWholeShapeOrOnlyTheFarEnd) {
    const TPolygon square = Square(20, {20, 20});
    StartEditing(square);
    SelectPair(0, 1);
    ASSERT_EQ(Model.SideSlopeOffer(), 0);
    EXPECT_TRUE(Model.SetSelectedSideSlope(DegToRad(-30), true, false));
    const long double half = 10;
    const long double rise = 10 * std::sqrt(3.0L);
    ExpectApexesNear(
        Apexes(),
        {{20, 20}, {20 + rise, 20 - half}, {30 + rise, 20 + rise - half}, {30, 20 + rise}});
    Model.Undo();
    ExpectApexesNear(Apexes(), square.Apexes, 1e-12);
    Later();

    EXPECT_TRUE(Model.SetSelectedSideSlope(DegToRad(-30), false, false));
    ExpectApexesNear(Apexes(), {{20, 20}, {20 + rise, 20 - half}, {40, 40}, {20, 40}});
    Later();
    EXPECT_NEAR(static_cast<double>(*Model.SideSlopeOffer()), static_cast<double>(DegToRad(-30)),
                1e-15);
    EXPECT_TRUE(Model.SetSelectedSideSlope(DegToRad(-45), false, false));
    const long double leg = 20 / std::sqrt(2.0L);
    ExpectApexesNear(Apexes(), {{20, 20}, {20 + leg, 20 - leg}, {40, 40}, {20, 40}});
    EXPECT_EQ(Working().Flanges, square.Flanges);
}

// Issue: typed numbers could make a shape no drawing file can hold. Each
// setting and resize refuses a value that is not finite or that would put a
// coordinate at or beyond 1e15 mm, as it refuses any value out of its range.
TEST_F(EditorModelTest, SettingsRefuseValuesADrawingFileCannotHold) {
    constexpr long double Infinity = std::numeric_limits<long double>::infinity();
    constexpr long double NaN = std::numeric_limits<long double>::quiet_NaN();
    const struct {
        long double Value;
        bool Taken;
    } cases[] = {
        {1e16L, false},
        {1e20L, false},
        {1e400L, false},
        {Infinity, false},
        {-Infinity, false},
        {NaN, false},
        {999999999999999.0L, true}, // just under the limit
        {-999999999999999.0L, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<double>(c.Value));
        StartEditing(Square40);
        SelectApex(2);
        EXPECT_EQ(Model.SetSelectedApexPosition(PointF(c.Value, 40), false), c.Taken) << "X";
        EXPECT_EQ(Model.SetSelectedApexPosition(PointF(40, c.Value), false), c.Taken) << "Y";
        StartEditing(Square40);
        SelectPair(0, 1);
        // The side from (20, 20) grows along +X, so its far end lies at 20 + length.
        const long double length = c.Taken ? c.Value - 20 : c.Value;
        EXPECT_EQ(Model.SetSelectedSideLength(length, Shortest, false), c.Taken && length > 0)
            << "length";
        if (c.Taken)
            continue;
        EXPECT_FALSE(Model.ResizeShape(c.Value)) << "resize";
        // Any finite angle gives a direction; only one that is not finite
        // is out of range.
        if (!std::isfinite(c.Value)) {
            EXPECT_FALSE(Model.SetSelectedInteriorAngle(c.Value, false)) << "angle";
            EXPECT_FALSE(Model.SetSelectedSideSlope(c.Value, false, false)) << "slope";
        }
        EXPECT_EQ(Working(), Square40);
    }
    // Resize stops short of the limit as well.
    StartEditing(Square(2e11L));
    EXPECT_FALSE(Model.ResizeShape(MaxResizeFactor));
    EXPECT_EQ(Working(), Square(2e11L));
}

TEST_F(EditorModelTest, InsertedVertexHalvesTheSideAndUndoesWithItsSelection) {
    TPolygon shape = Square40;
    shape.Flanges[1] = MakeFlange("B", 3, 1, 1);
    shape.BendLines[0] = {MakeBendLine(0, 2)};
    StartEditing(shape);
    SelectPair(1, 2);
    const std::size_t before = Kinds(History()).size();
    EXPECT_TRUE(Model.InsertApexInSide());
    EXPECT_EQ(Apexes(), TDaPointF({{20, 20}, {60, 20}, {60, 40}, {60, 60}, {20, 60}}));
    EXPECT_EQ(Working().Flanges[2], shape.Flanges[1]);
    EXPECT_EQ(Working().BendLines[0], TDaBendLine({MakeBendLine(0, 3)}));
    EXPECT_EQ(Model.SelApex(), TSelApex({-1, 2})) << "the new vertex alone";
    EXPECT_TRUE(Model.SelFlags().OneApex);
    const std::vector<TPeiKind> kinds = Kinds(History());
    EXPECT_EQ(std::vector<TPeiKind>(kinds.begin() + before, kinds.end()),
              std::vector<TPeiKind>({pkClearSelApex, pkInsertApex}));

    Model.Undo();
    EXPECT_EQ(Working(), shape);
    EXPECT_EQ(Model.SelApex(), TSelApex({1, 2}));
    Model.Redo();
    EXPECT_EQ(Apexes().size(), 5u);
    EXPECT_EQ(Model.SelApex(), TSelApex({-1, 2}));
}

TEST_F(EditorModelTest, DeletedVertexComesBackByUndoWithoutItsFoldLines) {
    TPolygon shape = Square40;
    shape.Flanges[2] = MakeFlange("C", 3, 1, 1);
    shape.BendLines[0] = {MakeBendLine(0, 2)};
    StartEditing(shape);
    SelectApex(2);
    EXPECT_TRUE(Model.DeleteSelectedApex());
    EXPECT_EQ(Apexes(), TDaPointF({{20, 20}, {60, 20}, {20, 60}}));
    EXPECT_TRUE(Working().BendLines[0].empty());
    EXPECT_EQ(Model.SelApex(), NoSelApex);

    Model.Undo();
    TPolygon restored = shape;
    restored.BendLines[0].clear();
    EXPECT_EQ(Working(), restored) << "vertex and flange back, the fold line not";
    EXPECT_EQ(Model.SelApex(), TSelApex({-1, 2}));

    Model.Redo();
    SelectApex(0);
    const int entries = History().Count();
    EXPECT_FALSE(Model.DeleteSelectedApex());
    EXPECT_EQ(Apexes().size(), 3u) << "a triangle keeps its vertices";
    EXPECT_EQ(History().Count(), entries);
}

TEST_F(EditorModelTest, FoldLineMovesBetweenTheSetsAndGoes) {
    StartEditing(Square40);
    const TDaBendLine diagonal{MakeBendLine(0, 2)};
    const auto lines = [this] { return Working().BendLines; };
    SelectPair(2, 0);
    EXPECT_TRUE(Model.ToggleSelectedBendLine(0));
    EXPECT_EQ(lines()[0], diagonal) << "stored smaller index first";
    Later();
    Model.ToggleSelectedBendLine(1);
    EXPECT_TRUE(lines()[0].empty());
    EXPECT_EQ(lines()[1], diagonal);
    Later();
    Model.ToggleSelectedBendLine(1);
    EXPECT_TRUE(lines()[0].empty() && lines()[1].empty());
    EXPECT_EQ(Kinds(History()).back(), pkDelBendLine);

    Model.Undo();
    EXPECT_EQ(lines()[1], diagonal);
    Model.Undo();
    EXPECT_EQ(lines()[0], diagonal);
    EXPECT_TRUE(lines()[1].empty());
    Model.Undo();
    EXPECT_TRUE(lines()[0].empty() && lines()[1].empty());

    Later();
    Click(Apexes()[1]);
    Click(Apexes()[1], true);
    ASSERT_TRUE(Model.SelFlags().IsDiagonal()) << "one vertex twice";
    EXPECT_FALSE(Model.ToggleSelectedBendLine(0));
    EXPECT_TRUE(lines()[0].empty());
}

TEST_F(EditorModelTest, MirrorAcrossASideKeepsItsEndsAndUndoesInOneStep) {
    StartEditing(Square40);
    SelectPair(0, 1);
    EXPECT_TRUE(Model.MirrorAcrossSelectedSide());
    EXPECT_EQ(Apexes()[0], PointF(20, 20));
    EXPECT_EQ(Apexes()[1], PointF(60, 20));
    ExpectApexesNear(Apexes(), {{20, 20}, {60, 20}, {60, -20}, {20, -20}}, 1e-12);
    EXPECT_FALSE(IsClockwiseOnScreen(Apexes()));
    Model.Undo();
    ExpectApexesNear(Apexes(), Square40.Apexes, 1e-12);
    EXPECT_EQ(Model.SelApex(), TSelApex({0, 1}));
}

TEST_F(EditorModelTest, ResizeUndoesCornersAndFlangesInOneStep) {
    TPolygon shape = Square40;
    for (TFlange& flange : shape.Flanges)
        flange = MakeFlange("F", 4, 1, 1);
    StartEditing(shape);
    ASSERT_TRUE(Model.CanResize());
    EXPECT_TRUE(Model.ResizeShape(0.5L));
    EXPECT_EQ(Apexes(), TDaPointF({{30, 30}, {50, 30}, {50, 50}, {30, 50}}));
    for (const TFlange& flange : Working().Flanges)
        EXPECT_EQ(flange.Width, 2);
    EXPECT_EQ(Kinds(History()), std::vector<TPeiKind>({pkMoveApex, pkChangeFlange}))
        << "one entry for the corners, one for the widths";

    Model.Undo();
    EXPECT_EQ(Working(), shape) << "the corners and the flange widths";
    Later();
    EXPECT_TRUE(Model.ResizeShape(0.01L));
    ExpectApexesNear(Apexes(), {{39.8L, 39.8L}, {40.2L, 39.8L}, {40.2L, 40.2L}, {39.8L, 40.2L}},
                     1e-12);
}

TEST_F(EditorModelTest, ResizeOutsideItsRangeChangesNothing) {
    StartEditing(Square40);
    for (const long double factor : {0.005L, 0.0L, 10000.01L, 1.0L})
        EXPECT_FALSE(Model.ResizeShape(factor)) << static_cast<double>(factor);
    EXPECT_EQ(Working(), Square40);
    EXPECT_EQ(History().Count(), 0);
    StartEditing(Shape({{0, 0}, {10, 0}}));
    EXPECT_FALSE(Model.CanResize()) << "fewer than 3 vertices";
}

TEST_F(EditorModelTest, CommandsWaitWhileAGestureHoldsTheShape) {
    StartEditing(Square40);
    Press(Apexes()[1]);
    ASSERT_EQ(Model.Mode(), emDragApex);
    Move({65, 25});
    EXPECT_FALSE(Model.CanResize());
    EXPECT_FALSE(Model.ApexPositionOffer());
    EXPECT_FALSE(Model.InteriorAngleOffer());
    EXPECT_FALSE(Model.SetSelectedApexPosition({0, 0}, false));
    EXPECT_FALSE(Model.DeleteSelectedApex());
    EXPECT_FALSE(Model.ResizeShape(2));
    EXPECT_FALSE(Model.FlangeOffer());
    EXPECT_EQ(Apexes().size(), 4u);
    Release();
    EXPECT_EQ(Apexes()[1], PointF(65, 25));
    Model.Undo();
    EXPECT_EQ(Working(), Square40) << "the drag is still one whole step";
}

TEST_F(EditorModelTest, OneSideTakesTheFlangeAndItsWidthBecomesTheDefault) {
    StartEditing(Square40);
    SelectPair(1, 2);
    std::optional<TFlangeOffer> offer = Model.FlangeOffer();
    ASSERT_TRUE(offer);
    EXPECT_TRUE(offer->OneSide);
    EXPECT_EQ(offer->Side, 1);
    EXPECT_EQ(offer->Flange, MakeFlange("", 3, Pi / 4, Pi / 4))
        << "a side without a flange is offered the defaults without a name";
    const TFlange entered = MakeFlange("X", 5, Pi / 3, Pi / 4);
    EXPECT_TRUE(Model.ApplyFlange(entered, std::nullopt, Shortest, false));
    EXPECT_EQ(Working().Flanges[1], entered);
    EXPECT_EQ(Model.FlangeWidth(), 5);
    EXPECT_EQ(Model.FlangeAngle1(), Pi / 3);
    Later();

    // The flanged side now offers its own flange, and width 0 takes it away
    // without touching the defaults.
    EXPECT_EQ(Model.FlangeOffer()->Flange, entered);
    EXPECT_TRUE(
        Model.ApplyFlange(MakeFlange("X", 0, Pi / 3, Pi / 4), std::nullopt, Shortest, false));
    EXPECT_EQ(Working().Flanges[1].Width, 0);
    EXPECT_EQ(Model.FlangeWidth(), 5);

    Model.Undo();
    EXPECT_EQ(Working().Flanges[1].Width, 5);
    Model.Undo();
    EXPECT_EQ(Working(), Square40);
}

// A joint mark on a side without a flange is offered with the defaults, so
// that the dialog shows it and OK keeps it.
TEST_F(EditorModelTest, ABareSideIsOfferedTheDefaultsWithItsMark) {
    TPolygon named = Square40;
    named.Flanges[1] = MakeFlange("12", 0, 0, 0);
    StartEditing(named);
    SelectPair(1, 2);
    const std::optional<TFlangeOffer> offer = Model.FlangeOffer();
    ASSERT_TRUE(offer);
    EXPECT_EQ(offer->Flange, MakeFlange("12", 3, Pi / 4, Pi / 4));
}

TEST_F(EditorModelTest, AllSidesKeepTheirNamesAndUndoInOneStep) {
    TPolygon named = Square40;
    named.Flanges[0] = MakeFlange("A", 2, Pi / 4, Pi / 4);
    named.Flanges[2] = MakeFlange("B", 0, Pi / 4, Pi / 4);
    StartEditing(named);
    ASSERT_EQ(Model.SelApex(), NoSelApex);
    const std::optional<TFlangeOffer> offer = Model.FlangeOffer();
    ASSERT_TRUE(offer);
    EXPECT_FALSE(offer->OneSide);
    EXPECT_TRUE(
        Model.ApplyFlange(MakeFlange("", 7, Pi / 4, Pi / 4), std::nullopt, Shortest, false));
    for (int side = 0; side < 4; ++side)
        EXPECT_EQ(Working().Flanges[side].Width, 7) << side;
    EXPECT_EQ(Working().Flanges[0].Name, "A");
    EXPECT_EQ(Working().Flanges[2].Name, "B");
    EXPECT_TRUE(Working().Flanges[1].Name.empty());

    Model.Undo();
    EXPECT_EQ(Working(), named);
}

TEST_F(EditorModelTest, FlangeWithAMatchedLengthIsUndoneWithItsVertices) {
    StartEditing(Square40);
    SelectPair(0, 1);
    const int selected = History().Count();
    EXPECT_TRUE(Model.ApplyFlange(MakeFlange("B", 6, Pi / 6, Pi / 3), 25, Shortest, false));
    EXPECT_EQ(Working().Flanges[0].Name, "B");
    EXPECT_NEAR(static_cast<double>(PointDistance(Apexes()[0], Apexes()[1])), 25, 1e-12);
    EXPECT_EQ(Apexes()[0], Square40.Apexes[0]) << "the second selected vertex moves";

    Model.Undo();
    EXPECT_EQ(Working(), Square40) << "flange and vertices come back in one step";
    EXPECT_EQ(History().Cursor(), selected) << "the selection's entries are left";
}

TEST_F(EditorModelTest, FlangeCommandNeedsASideOrTheWholeOutline) {
    StartEditing(Square40);
    SelectApex(1);
    EXPECT_FALSE(Model.FlangeOffer()) << "one vertex";
    EXPECT_FALSE(Model.ApplyFlange(MakeFlange("", 5, 1, 1), std::nullopt, Shortest, false));
    StartEditing(Shape({{0, 0}, {10, 0}}));
    EXPECT_FALSE(Model.FlangeOffer()) << "no outline to go round";
}
