// Tests of the shape editor's typed settings and structural commands driven
// through its menu: the numeric dialogs answered by a stand-in runner and the
// resize box by the prompt stand-in, what each dialog offers, and the typed
// value reaching the model. What each command does to the shape and its
// history is the model's (tests/common/editing).
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

    const TDaPointF& Apexes() const { return Fm->Model().Polygon().Apexes; }
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
        ASSERT_EQ(Fm->Model().SelApex(), c.Slots);
        for (std::size_t i = 0; i < std::size(items); ++i)
            EXPECT_EQ(Item(items[i])->isEnabled(), c.Enabled[i] == '1') << items[i];
    }
}

TEST_F(EditorCommandTest, CoordinatesAcceptedUneditedRoundToTwoDecimals) {
    TPolygon shape = Square40;
    shape.Apexes[0] = PointF(20.004L, 20);
    TMkPolygonFm& fm = Edit(shape);
    SelectApex(0);
    Dialogs.Answers = {Accept()};
    Item("NSetPp")->trigger();
    EXPECT_EQ(Dialogs.Captions, QStringList({QStringLiteral("座標設定")}));
    EXPECT_EQ(Offered(), QStringList({QStringLiteral("20.00"), QStringLiteral("20.00")}));
    EXPECT_EQ(Apexes()[0], PointF(20, 20));
    EXPECT_EQ(fm.Model().History().Items().back().Kind, pkMoveApex);
}

TEST_F(EditorCommandTest, TypedCoordinatesMoveTheVertexAndCancelChangesNothing) {
    TMkPolygonFm& fm = Edit(Square40);
    SelectApex(2);
    const int entries = fm.Model().History().Count();
    Dialogs.Answers = {Cancel()};
    Item("NSetPp")->trigger();
    EXPECT_EQ(fm.Model().Polygon(), Square40);
    EXPECT_EQ(fm.Model().History().Count(), entries);

    Dialogs.Answers = {TypeAndAccept({{"Edit1", "70.5"}, {"Edit2", "65"}})};
    Item("NSetPp")->trigger();
    EXPECT_EQ(Apexes()[2], PointF(70.5L, 65));
    EXPECT_EQ(Apexes()[1], PointF(60, 20)) << "the neighbours stay";
}

TEST_F(EditorCommandTest, TypedInteriorAngleReachesTheCorner) {
    Edit(Square40);
    SelectApex(1);
    Dialogs.Answers = {TypeAndAccept({{"Edit1", "60"}})};
    Item("NSetPa")->trigger();
    EXPECT_EQ(Dialogs.Captions, QStringList({QStringLiteral("内角設定")}));
    EXPECT_EQ(Offered(), QStringList({QStringLiteral("90.00")}));
    const long double diagonal = 40 * std::sqrt(2.0L);
    EXPECT_NEAR(static_cast<double>(PointDistance(Apexes()[0], Apexes()[1])),
                static_cast<double>(diagonal), 1e-9);
    EXPECT_NEAR(static_cast<double>(PointDistance(Apexes()[1], Apexes()[2])),
                static_cast<double>(diagonal), 1e-9);
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
    EXPECT_EQ(fm.Model().History().Items().back().Kind, pkMoveApex);
}

TEST_F(EditorCommandTest, OneMillimetreLengthCountsOnlyAboveTheClosingDistance) {
    for (const auto& [zoom, applied] : {std::pair{"10000", false}, {"40000", true}}) {
        SCOPED_TRACE(zoom);
        TMkPolygonFm& fm = Edit(Square40, zoom);
        SelectPair(0, 1);
        const int entries = fm.Model().History().Count();
        Dialogs.Answers = {TypeAndAccept({{"Edit1", "1"}})};
        Item("NSetLl")->trigger();
        EXPECT_EQ(Apexes()[1], applied ? PointF(21, 20) : PointF(60, 20));
        EXPECT_EQ(fm.Model().History().Count(), entries + (applied ? 1 : 0));
        fm.close();
    }
}

TEST_F(EditorCommandTest, SlopeTurnsTheWholeShapeUntilTheBoxIsCleared) {
    Edit(Square(20, {20, 20}));
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
}

TEST_F(EditorCommandTest, StructuralItemsActOnTheSelectionAndTheMenuFollows) {
    TMkPolygonFm& fm = Edit(Square40);
    SelectPair(1, 2);
    Item("ApexInsertMi")->trigger();
    EXPECT_EQ(Apexes(), TDaPointF({{20, 20}, {60, 20}, {60, 40}, {60, 60}, {20, 60}}));
    EXPECT_TRUE(Item("ApexDelMi")->isEnabled()) << "the new vertex alone";
    Later();
    Item("ApexDelMi")->trigger();
    EXPECT_EQ(Apexes(), Square40.Apexes);
    EXPECT_FALSE(Item("ApexDelMi")->isEnabled());

    SelectPair(2, 0);
    Item("BendLine2Mi")->trigger();
    EXPECT_EQ(fm.Model().Polygon().BendLines[1], TDaBendLine({MakeBendLine(0, 2)}))
        << "the second item is the second set";
    Later();
    SelectPair(0, 1);
    Item("ReverseMi")->trigger();
    ExpectApexesNear(Apexes(), {{20, 20}, {60, 20}, {60, -20}, {20, -20}}, 1e-12);
}

TEST_F(EditorCommandTest, ResizeAsksForAPercentageEveryTime) {
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
    for (const TFlange& flange : fm.Model().Polygon().Flanges)
        EXPECT_EQ(flange.Width, 2);

    Later();
    Prompt.Entries = {QStringLiteral("1")};
    Item("PolygonResizeMi")->trigger();
    EXPECT_EQ(Prompt.InputBoxes.back().OfferedText, QStringLiteral("100")) << "every time";
    ExpectApexesNear(Apexes(), {{39.9L, 39.9L}, {40.1L, 39.9L}, {40.1L, 40.1L}, {39.9L, 40.1L}},
                     1e-12);
}

TEST_F(EditorCommandTest, ResizeOutsideItsRangeOrCancelledChangesNothing) {
    TMkPolygonFm& fm = Edit(Square40);
    Prompt.Entries = {QStringLiteral("0.5"), QStringLiteral("abc"), QStringLiteral("1000001"),
                      QStringLiteral("100"), std::nullopt};
    for (int i = 0; i < 5; ++i)
        Item("PolygonResizeMi")->trigger();
    EXPECT_EQ(Prompt.InputBoxes.size(), 5u);
    EXPECT_EQ(fm.Model().Polygon(), Square40);
    EXPECT_EQ(fm.Model().History().Count(), 0);
}

// A coordinate typed beyond what a drawing file holds is refused like any
// value out of range: the shape stays, nothing is recorded, nothing is asked.
TEST_F(EditorCommandTest, TypedCoordinatesBeyondTheFileLimitAreRefused) {
    TMkPolygonFm& fm = Edit(Square40);
    SelectApex(2);
    const int entries = fm.Model().History().Count();
    for (const char* typed : {"1e16", "1e20", "1e400", "-1e15"}) {
        SCOPED_TRACE(typed);
        Dialogs.Answers = {TypeAndAccept({{"Edit1", QLatin1String(typed)}})};
        Item("NSetPp")->trigger();
        EXPECT_EQ(fm.Model().Polygon(), Square40);
    }
    EXPECT_EQ(fm.Model().History().Count(), entries);
    Dialogs.Answers = {TypeAndAccept({{"Edit1", "999999999999999"}})};
    Item("NSetPp")->trigger();
    EXPECT_EQ(Apexes()[2], PointF(999999999999999.0L, 60)) << "just under the limit";
}

TEST_F(EditorCommandTest, CommandsWaitWhileAGestureHoldsTheShape) {
    TMkPolygonFm& fm = Edit(Square40);
    Press(Apexes()[1]);
    ASSERT_EQ(fm.Model().Mode(), emDragApex);
    Move({65, 25});
    for (const char* name : {"PolygonResizeMi", "NSetPp", "NSetPa", "ApexDelMi"})
        Item(name)->trigger(); // a dialog or box asked for would fail the test
    EXPECT_EQ(Apexes().size(), 4u);
    Release({65, 25});
    EXPECT_EQ(Apexes()[1], PointF(65, 25));
    Undo();
    EXPECT_EQ(fm.Model().Polygon(), Square40) << "the drag is still one whole step";
}
