// Tests of the shape editor's typed settings and structural commands driven
// through its menu: the numeric dialogs answered by a stand-in runner, the
// resize box by the prompt stand-in, and each command's history as one undo
// step.
#include "editor_fixture.h"
#include "fake_dialog_runner.h"

#include "geometry/plane_geometry.h"
#include "nset_line_angle_dlg.h"
#include "nset_line_length_dlg.h"
#include "nset_point_angle_dlg.h"
#include "nset_point_pos_dlg.h"

#include <cmath>
#include <string>
#include <vector>

namespace {

// At 200 % a millimetre is 7 pixels, so whole millimetres fall on pixels.
constexpr std::string_view At200 = "20000";

const TPolygon Square40 = Square(40, {20, 20}); // (20, 20) to (60, 60)

std::vector<TPeiKind> Kinds(const TEditHistory& history) {
    std::vector<TPeiKind> kinds;
    for (const THistoryItem& item : history.Items())
        kinds.push_back(item.Kind);
    return kinds;
}

void ExpectApexesNear(const TDaPointF& actual, const TDaPointF& expected, double tolerance = 1e-9) {
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t i = 0; i < actual.size(); ++i) {
        EXPECT_NEAR(static_cast<double>(actual[i].X), static_cast<double>(expected[i].X), tolerance)
            << "vertex " << i;
        EXPECT_NEAR(static_cast<double>(actual[i].Y), static_cast<double>(expected[i].Y), tolerance)
            << "vertex " << i;
    }
}

class EditorCommandTest : public EditorTest {
protected:
    TNSetPointPosDlg PointPosDlg;
    TNSetLineLengthDlg LineLengthDlg;
    TNSetPointAngleDlg PointAngleDlg;
    TNSetLineAngleDlg LineAngleDlg;
    TFakeDialogRunner Dialogs;

    // Every scripted answer is used.
    void TearDown() override {
        EditorTest::TearDown();
        EXPECT_TRUE(Dialogs.Answers.empty());
        EXPECT_TRUE(Prompt.Entries.empty());
    }

    // The editor as the program sets it up, editing shape.
    TMkPolygonFm& Edit(const TPolygon& shape, std::string_view zoom = At200) {
        ShowEditing(shape, zoom);
        Fm->SetDialogs(
            TEditorDialogs{&Dialogs, &PointPosDlg, &LineLengthDlg, &PointAngleDlg, &LineAngleDlg});
        return *Fm;
    }

    const TDaPointF& Apexes() const { return Fm->WorkingPolygon().Apexes; }
    // Selects vertex k alone, or the pair j, k (k current), with the mouse, and
    // makes what follows a step of its own.
    void SelectApex(int k) {
        Click(Apexes()[k]);
        Later();
    }
    void SelectPair(int j, int k) {
        Click(Apexes()[j]);
        Click(Apexes()[k], Qt::ControlModifier);
        Later();
    }
    // The texts the last dialog showed before it was answered.
    QStringList Offered() const {
        return Dialogs.Shown.empty() ? QStringList() : Dialogs.Shown.back();
    }
};

} // namespace

TEST_F(EditorCommandTest, MenuItemsFollowTheSelection) {
    Edit(Square40);
    const char* const items[] = {"ApexInsertMi",    "ApexDelMi", "BendLine1Mi", "BendLine2Mi",
                                 "NSetPp",          "NSetPa",    "NSetLl",      "NSetLa",
                                 "PolygonResizeMi", "ReverseMi"};
    const struct {
        const char* Selection;
        TSelApex Slots;
        std::string Enabled; // one letter per item above, 1 enabled
    } cases[] = {
        {"nothing", NoSelApex, "0000000010"},       {"one vertex", {-1, 2}, "0100110010"},
        {"side forward", {1, 2}, "1000011111"},     {"side backward", {2, 1}, "1000011111"},
        {"the closing side", {3, 0}, "1000011111"}, {"a diagonal", {0, 2}, "0011001110"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Selection);
        Click({100, 100});
        if (c.Slots[0] >= 0)
            Click(Apexes()[c.Slots[0]]);
        if (c.Slots[1] >= 0)
            Click(Apexes()[c.Slots[1]], c.Slots[0] >= 0 ? Qt::ControlModifier : Qt::NoModifier);
        ASSERT_EQ(Fm->SelectedApexes(), c.Slots);
        for (std::size_t i = 0; i < std::size(items); ++i)
            EXPECT_EQ(Item(items[i])->isEnabled(), c.Enabled[i] == '1') << items[i];
    }
}

TEST_F(EditorCommandTest, CoordinatesAcceptedUneditedRoundToTwoDecimals) {
    TPolygon shape = Square40;
    shape.Apexes[0] = PointF(20.004L, 20);
    TMkPolygonFm& fm = Edit(shape);
    SelectApex(0);
    const int entries = fm.EditHistory().Count();
    Dialogs.Answers = {Accept()};
    Item("NSetPp")->trigger();
    EXPECT_EQ(Dialogs.Captions, QStringList({QStringLiteral("座標設定")}));
    EXPECT_EQ(Offered(), QStringList({QStringLiteral("20.00"), QStringLiteral("20.00")}));
    EXPECT_EQ(Apexes()[0], PointF(20, 20));
    EXPECT_EQ(fm.EditHistory().Count(), entries + 1) << "one pkMoveApex";
    EXPECT_EQ(fm.EditHistory().Items().back().Kind, pkMoveApex);

    Undo();
    EXPECT_EQ(Apexes()[0], PointF(20.004L, 20));
    EXPECT_EQ(fm.SelectedApexes(), TSelApex({-1, 0})) << "the selection was a step before";
}

TEST_F(EditorCommandTest, TypedCoordinatesMoveTheVertexAndCancelChangesNothing) {
    TMkPolygonFm& fm = Edit(Square40);
    SelectApex(2);
    const int entries = fm.EditHistory().Count();
    Dialogs.Answers = {Cancel()};
    Item("NSetPp")->trigger();
    EXPECT_EQ(fm.WorkingPolygon(), Square40);
    EXPECT_EQ(fm.EditHistory().Count(), entries);

    Dialogs.Answers = {TypeAndAccept({{"Edit1", "70.5"}, {"Edit2", "65"}})};
    Item("NSetPp")->trigger();
    EXPECT_EQ(Apexes()[2], PointF(70.5L, 65));
    EXPECT_EQ(Apexes()[1], PointF(60, 20)) << "the neighbours stay";
}

TEST_F(EditorCommandTest, SixtyDegreeCornerMakesAnEquilateralTriangleInOneStep) {
    TMkPolygonFm& fm = Edit(Square40);
    SelectApex(1);
    const int entries = fm.EditHistory().Count();
    Dialogs.Answers = {TypeAndAccept({{"Edit1", "60"}})};
    Item("NSetPa")->trigger();
    EXPECT_EQ(Dialogs.Captions, QStringList({QStringLiteral("内角設定")}));
    EXPECT_EQ(Offered(), QStringList({QStringLiteral("90.00")}));
    const long double diagonal = 40 * std::sqrt(2.0L);
    EXPECT_NEAR(static_cast<double>(PointDistance(Apexes()[0], Apexes()[1])),
                static_cast<double>(diagonal), 1e-9);
    EXPECT_NEAR(static_cast<double>(PointDistance(Apexes()[1], Apexes()[2])),
                static_cast<double>(diagonal), 1e-9);
    EXPECT_EQ(Kinds(fm.EditHistory()).size(), static_cast<std::size_t>(entries + 1));

    Undo();
    ExpectApexesNear(Apexes(), Square40.Apexes, 1e-12);
}

TEST_F(EditorCommandTest, SideLengthAcceptedUneditedRoundsToTwoDecimals) {
    TMkPolygonFm& fm = Edit(Shape({{20, 20}, {32.3456L, 20}, {32.3456L, 40}, {20, 40}}));
    SelectPair(0, 1);
    Dialogs.Answers = {Accept()};
    Item("NSetLl")->trigger();
    EXPECT_EQ(Dialogs.Captions, QStringList({QStringLiteral("辺の長さ設定")}));
    EXPECT_EQ(Offered(), QStringList({QStringLiteral("12.35")}));
    EXPECT_NEAR(static_cast<double>(Apexes()[1].X), 32.35, 1e-15);
    EXPECT_EQ(Apexes()[1].Y, 20);
    EXPECT_EQ(fm.EditHistory().Items().back().Kind, pkMoveApex);
}

TEST_F(EditorCommandTest, OneMillimetreLengthCountsOnlyAboveTheClosingDistance) {
    for (const auto& [zoom, applied] : {std::pair{"10000", false}, {"40000", true}}) {
        SCOPED_TRACE(zoom);
        TMkPolygonFm& fm = Edit(Square40, zoom);
        SelectPair(0, 1);
        const int entries = fm.EditHistory().Count();
        Dialogs.Answers = {TypeAndAccept({{"Edit1", "1"}})};
        Item("NSetLl")->trigger();
        EXPECT_EQ(Apexes()[1], applied ? PointF(21, 20) : PointF(60, 20));
        EXPECT_EQ(fm.EditHistory().Count(), entries + (applied ? 1 : 0));
        fm.close();
    }
}

TEST_F(EditorCommandTest, SideLengthWithTheSwitchOnKeepsTheOtherSides) {
    Edit(Rect(40, 25, {20, 20}));
    Item("FixSegLenMi")->trigger();
    SelectPair(0, 1);
    Dialogs.Answers = {TypeAndAccept({{"Edit1", "30"}})};
    Item("NSetLl")->trigger();
    EXPECT_EQ(Apexes()[1], PointF(50, 20));
    EXPECT_EQ(Apexes()[0], PointF(20, 20));
    EXPECT_EQ(Apexes()[3], PointF(20, 45));
    EXPECT_NEAR(static_cast<double>(PointDistance(Apexes()[1], Apexes()[2])), 25, 1e-9);
    EXPECT_NEAR(static_cast<double>(PointDistance(Apexes()[2], Apexes()[3])), 40, 1e-9);
}

TEST_F(EditorCommandTest, SlopeTurnsTheWholeShapeUntilTheBoxIsCleared) {
    TMkPolygonFm& fm = Edit(Square(20, {20, 20}));
    SelectPair(0, 1);
    Dialogs.Answers = {TypeAndAccept({{"Edit1", "30"}})};
    Item("NSetLa")->trigger();
    EXPECT_EQ(Dialogs.Captions, QStringList({QStringLiteral("辺の傾き設定")}));
    EXPECT_EQ(Offered(), QStringList({QStringLiteral("0.00")}));
    const long double half = 10;
    const long double rise = 10 * std::sqrt(3.0L);
    ExpectApexesNear(
        Apexes(),
        {{20, 20}, {20 + rise, 20 - half}, {30 + rise, 20 + rise - half}, {30, 20 + rise}});
    Undo();
    ExpectApexesNear(Apexes(), Square(20, {20, 20}).Apexes, 1e-12);
    Later();

    // The box stays cleared for the next use: only the far end moves.
    Dialogs.Answers = {CheckAndAccept(false, {{"Edit1", "30"}}), TypeAndAccept({{"Edit1", "45"}})};
    Item("NSetLa")->trigger();
    ExpectApexesNear(Apexes(), {{20, 20}, {20 + rise, 20 - half}, {40, 40}, {20, 40}});
    Later();
    Item("NSetLa")->trigger();
    EXPECT_EQ(Offered(), QStringList({QStringLiteral("30.00")}));
    const long double leg = 20 / std::sqrt(2.0L);
    ExpectApexesNear(Apexes(), {{20, 20}, {20 + leg, 20 - leg}, {40, 40}, {20, 40}});
    EXPECT_EQ(fm.WorkingPolygon().Flanges, Square(20, {20, 20}).Flanges);
}

TEST_F(EditorCommandTest, InsertedVertexHalvesTheSideAndUndoesWithItsSelection) {
    TPolygon shape = Square40;
    shape.Flanges[1] = MakeFlange("B", 3, 1, 1);
    shape.BendLines[0] = {MakeBendLine(0, 2)};
    TMkPolygonFm& fm = Edit(shape);
    SelectPair(1, 2);
    const std::size_t before = Kinds(fm.EditHistory()).size();
    Item("ApexInsertMi")->trigger();
    EXPECT_EQ(Apexes(), TDaPointF({{20, 20}, {60, 20}, {60, 40}, {60, 60}, {20, 60}}));
    EXPECT_EQ(fm.WorkingPolygon().Flanges[2], shape.Flanges[1]);
    EXPECT_EQ(fm.WorkingPolygon().BendLines[0], TDaBendLine({MakeBendLine(0, 3)}));
    EXPECT_EQ(fm.SelectedApexes(), TSelApex({-1, 2})) << "the new vertex alone";
    EXPECT_TRUE(Item("ApexDelMi")->isEnabled());
    const std::vector<TPeiKind> kinds = Kinds(fm.EditHistory());
    EXPECT_EQ(std::vector<TPeiKind>(kinds.begin() + before, kinds.end()),
              std::vector<TPeiKind>({pkClearSelApex, pkInsertApex}));

    Undo();
    EXPECT_EQ(fm.WorkingPolygon(), shape);
    EXPECT_EQ(fm.SelectedApexes(), TSelApex({1, 2}));
    Redo();
    EXPECT_EQ(Apexes().size(), 5u);
    EXPECT_EQ(fm.SelectedApexes(), TSelApex({-1, 2}));
}

TEST_F(EditorCommandTest, DeletedVertexComesBackByUndoWithoutItsFoldLines) {
    TPolygon shape = Square40;
    shape.Flanges[2] = MakeFlange("C", 3, 1, 1);
    shape.BendLines[0] = {MakeBendLine(0, 2)};
    TMkPolygonFm& fm = Edit(shape);
    SelectApex(2);
    Item("ApexDelMi")->trigger();
    EXPECT_EQ(Apexes(), TDaPointF({{20, 20}, {60, 20}, {20, 60}}));
    EXPECT_TRUE(fm.WorkingPolygon().BendLines[0].empty());
    EXPECT_EQ(fm.SelectedApexes(), NoSelApex);

    Undo();
    TPolygon restored = shape;
    restored.BendLines[0].clear();
    EXPECT_EQ(fm.WorkingPolygon(), restored) << "vertex and flange back, the fold line not";
    EXPECT_EQ(fm.SelectedApexes(), TSelApex({-1, 2}));

    Redo();
    SelectApex(0);
    const int entries = fm.EditHistory().Count();
    Item("ApexDelMi")->trigger();
    EXPECT_EQ(Apexes().size(), 3u) << "a triangle keeps its vertices";
    EXPECT_EQ(fm.EditHistory().Count(), entries);
}

TEST_F(EditorCommandTest, FoldLineMovesBetweenTheSetsAndGoes) {
    TMkPolygonFm& fm = Edit(Square40);
    const TDaBendLine diagonal{MakeBendLine(0, 2)};
    const auto lines = [&fm] { return fm.WorkingPolygon().BendLines; };
    SelectPair(2, 0);
    Item("BendLine1Mi")->trigger();
    EXPECT_EQ(lines()[0], diagonal) << "stored smaller index first";
    Later();
    Item("BendLine2Mi")->trigger();
    EXPECT_TRUE(lines()[0].empty());
    EXPECT_EQ(lines()[1], diagonal);
    Later();
    Item("BendLine2Mi")->trigger();
    EXPECT_TRUE(lines()[0].empty() && lines()[1].empty());
    EXPECT_EQ(Kinds(fm.EditHistory()).back(), pkDelBendLine);

    Undo();
    EXPECT_EQ(lines()[1], diagonal);
    Undo();
    EXPECT_EQ(lines()[0], diagonal);
    EXPECT_TRUE(lines()[1].empty());
    Undo();
    EXPECT_TRUE(lines()[0].empty() && lines()[1].empty());

    Later();
    Click(Apexes()[1]);
    Click(Apexes()[1], Qt::ControlModifier);
    ASSERT_TRUE(fm.SelectionFlags().IsDiagonal()) << "one vertex twice";
    Item("BendLine1Mi")->trigger();
    EXPECT_TRUE(lines()[0].empty());
}

TEST_F(EditorCommandTest, MirrorAcrossASideKeepsItsEndsAndUndoesInOneStep) {
    TMkPolygonFm& fm = Edit(Square40);
    SelectPair(0, 1);
    Item("ReverseMi")->trigger();
    EXPECT_EQ(Apexes()[0], PointF(20, 20));
    EXPECT_EQ(Apexes()[1], PointF(60, 20));
    ExpectApexesNear(Apexes(), {{20, 20}, {60, 20}, {60, -20}, {20, -20}}, 1e-12);
    EXPECT_FALSE(IsClockwiseOnScreen(Apexes()));
    Undo();
    ExpectApexesNear(Apexes(), Square40.Apexes, 1e-12);
    EXPECT_EQ(fm.SelectedApexes(), TSelApex({0, 1}));
}

TEST_F(EditorCommandTest, ResizeAsksForAPercentageAndUndoesCornersAndFlanges) {
    TPolygon shape = Square40;
    for (TFlange& flange : shape.Flanges)
        flange = MakeFlange("F", 4, 1, 1);
    TMkPolygonFm& fm = Edit(shape);
    Prompt.Entries = {QStringLiteral("50")};
    Item("PolygonResizeMi")->trigger();
    ASSERT_EQ(Prompt.InputBoxes.size(), 1u);
    EXPECT_EQ(Prompt.InputBoxes[0].Caption, QStringLiteral("拡大縮小"));
    EXPECT_EQ(Prompt.InputBoxes[0].Prompt, QStringLiteral("拡大／縮小率 （％）を入力して下さい。"));
    EXPECT_EQ(Prompt.InputBoxes[0].OfferedText, QStringLiteral("100"));
    EXPECT_EQ(Apexes(), TDaPointF({{30, 30}, {50, 30}, {50, 50}, {30, 50}}));
    for (const TFlange& flange : fm.WorkingPolygon().Flanges)
        EXPECT_EQ(flange.Width, 2);
    EXPECT_EQ(Kinds(fm.EditHistory()),
              std::vector<TPeiKind>({pkMoveApex, pkMoveApex, pkMoveApex, pkMoveApex, pkChangeFlange,
                                     pkChangeFlange, pkChangeFlange, pkChangeFlange}));

    Undo();
    EXPECT_EQ(fm.WorkingPolygon(), shape) << "the corners and the flange widths";
    Later();
    Prompt.Entries = {QStringLiteral("1")};
    Item("PolygonResizeMi")->trigger();
    EXPECT_EQ(Prompt.InputBoxes.back().OfferedText, QStringLiteral("100")) << "every time";
    ExpectApexesNear(Apexes(), {{39.8L, 39.8L}, {40.2L, 39.8L}, {40.2L, 40.2L}, {39.8L, 40.2L}},
                     1e-12);
}

TEST_F(EditorCommandTest, ResizeOutsideItsRangeOrCancelledChangesNothing) {
    TMkPolygonFm& fm = Edit(Square40);
    Prompt.Entries = {QStringLiteral("0.5"), QStringLiteral("abc"), QStringLiteral("1000001"),
                      QStringLiteral("100"), std::nullopt};
    for (int i = 0; i < 5; ++i)
        Item("PolygonResizeMi")->trigger();
    EXPECT_EQ(Prompt.InputBoxes.size(), 5u);
    EXPECT_EQ(fm.WorkingPolygon(), Square40);
    EXPECT_EQ(fm.EditHistory().Count(), 0);
}

TEST_F(EditorCommandTest, CommandsWaitWhileAGestureHoldsTheShape) {
    TMkPolygonFm& fm = Edit(Square40);
    Press(Apexes()[1]);
    ASSERT_EQ(fm.Mode(), emDragApex);
    Move({65, 25});
    for (const char* name : {"PolygonResizeMi", "NSetPp", "NSetPa", "ApexDelMi"})
        Item(name)->trigger(); // a dialog or box asked for would fail the test
    EXPECT_EQ(Apexes().size(), 4u);
    Release({65, 25});
    EXPECT_EQ(Apexes()[1], PointF(65, 25));
    Undo();
    EXPECT_EQ(fm.WorkingPolygon(), Square40) << "the drag is still one whole step";
}
