// The shape editor's history: what its routines record, and undo and redo of
// each entry kind on the working shape, skipping entries that no longer fit.
#include "common/shape_builders.h"
#include "editing/editor_history.h"
#include "editing/shape_edit.h"
#include "fakes/fake_ticks.h"

#include <gtest/gtest.h>

namespace {

class EditorHistoryTest : public testing::Test {
protected:
    TFakeTicks Ticks;
    TEditHistory History{Ticks};
    TPolygon Polygon = Square(10);
    TSelApex SelApex = NoSelApex;
    TEditMode Mode = emIdle;
    TPointF LastPoint;

    TEditorState State() { return TEditorState{Polygon, SelApex, Mode, LastPoint}; }
    void UndoStep() {
        History.Undo([this](const THistoryItem& entry) { UndoEditorEntry(State(), entry); });
    }
    void RedoStep() {
        History.Redo([this](const THistoryItem& entry) { RedoEditorEntry(State(), entry); });
    }
    // Applies one hand-made entry backward or forward.
    void UndoEntry(TPeiKind kind, TPeiData data) {
        UndoEditorEntry(State(), THistoryItem{kind, 0, std::move(data)});
    }
    void RedoEntry(TPeiKind kind, TPeiData data) {
        RedoEditorEntry(State(), THistoryItem{kind, 0, std::move(data)});
    }
};

} // namespace

TEST_F(EditorHistoryTest, SelectionAndModeChangesRecordWhatTheyChange) {
    SetSelApex(History, SelApex, 1, 2);
    SetSelApex(History, SelApex, 1, 2);
    SetSelApex(History, SelApex, 1, -1);
    SetSelApex(History, SelApex, 2, 0);
    ASSERT_EQ(History.Count(), 2);
    const auto& change = std::get<TPeiSelApex>(History.Items()[0].Data);
    EXPECT_EQ(change.Slot, 1);
    EXPECT_EQ(change.OldValue, -1);
    EXPECT_EQ(change.NewValue, 2);
    EXPECT_EQ(std::get<TPeiClearSelApex>(History.Items()[1].Data).OldValue, 2);

    SetMode(History, Mode, emDragApex);
    SetMode(History, Mode, emDraw);
    SetMode(History, Mode, emDraw);
    SetMode(History, Mode, emMoveShape);
    SetMode(History, Mode, emIdle);
    ASSERT_EQ(History.Count(), 4);
    EXPECT_EQ(std::get<TPeiDrawMode>(History.Items()[2].Data).Mode, 1);
    EXPECT_EQ(std::get<TPeiDrawMode>(History.Items()[3].Data).Mode, 0);
    EXPECT_EQ(Mode, emIdle);
}

TEST_F(EditorHistoryTest, ApexMovesAreRecordedAsOneEntryHoldingTheMovedVertices) {
    const TPolygon before = Square(10);
    Polygon.Apexes[1].Y = 2;
    RecordApexMoves(History, Polygon.Apexes, before.Apexes);
    ASSERT_EQ(History.Count(), 1);
    const auto& move = std::get<TPeiMoveApex>(History.Items()[0].Data);
    EXPECT_EQ(move.Index, 1);
    EXPECT_EQ(move.DX, 0);
    EXPECT_EQ(move.DY, 2);

    Ticks.Time += 1000;
    const TPolygon once = Polygon;
    Polygon.Apexes[0].X = 0.1L;
    Polygon.Apexes[3].X = -1;
    RecordApexMoves(History, Polygon.Apexes, once.Apexes);
    ASSERT_EQ(History.Count(), 2);
    const auto& moves = std::get<TPeiMoveApexes>(History.Items()[1].Data);
    EXPECT_EQ(moves.Moves.Indices, (std::vector<std::int32_t>{0, 3}));
    EXPECT_EQ(moves.Moves.Moved(), 2u);

    UndoStep();
    EXPECT_EQ(Polygon, once);
    UndoStep();
    EXPECT_EQ(Polygon, Square(10));
    RedoStep();
    RedoStep();
    EXPECT_EQ(Polygon.Apexes[0].X, 0.1L);
    EXPECT_EQ(Polygon.Apexes[3], PointF(-1, 10));

    RecordApexMoves(History, Polygon.Apexes, Polygon.Apexes);
    EXPECT_EQ(History.Count(), 2) << "nothing moved";
    Polygon.Apexes.pop_back();
    RecordApexMoves(History, Polygon.Apexes, before.Apexes);
    EXPECT_EQ(History.Count(), 2) << "vertex counts differ";
}

TEST_F(EditorHistoryTest, DrawingModeEntriesTakeAndGiveTheRubberBand) {
    Polygon = Shape({{0, 0}, {10, 0}, {10, 10}});
    UndoEntry(pkDrawMode, TPeiDrawMode{0});
    EXPECT_EQ(Mode, emDraw);
    EXPECT_EQ(Polygon.Apexes, TDaPointF({{0, 0}, {10, 0}, {10, 10}, {10, 10}}));
    EXPECT_EQ(Polygon.Flanges.size(), 4u);
    RedoEntry(pkDrawMode, TPeiDrawMode{0});
    EXPECT_EQ(Mode, emIdle);
    EXPECT_EQ(Polygon.Apexes.size(), 3u);

    RedoEntry(pkDrawMode, TPeiDrawMode{1});
    EXPECT_EQ(Mode, emDraw);
    EXPECT_EQ(Polygon.Apexes.size(), 4u);
    UndoEntry(pkDrawMode, TPeiDrawMode{1});
    EXPECT_EQ(Mode, emIdle);
    EXPECT_EQ(Polygon.Apexes.size(), 4u) << "leaving drawing keeps the vertices";
}

TEST_F(EditorHistoryTest, InsertedAndDeletedVerticesComeAndGo) {
    // Undoing a placed vertex leaves the last placed one as the Shift reference.
    Polygon = Shape({{0, 0}, {10, 0}, {20, 5}, {20, 5}});
    const TPeiApex placed{2, PointF(20, 5), TFlange()};
    UndoEntry(pkInsertApex, placed);
    EXPECT_EQ(Polygon.Apexes, TDaPointF({{0, 0}, {10, 0}, {20, 5}}));
    EXPECT_EQ(LastPoint, PointF(10, 0));
    RedoEntry(pkInsertApex, placed);
    EXPECT_EQ(Polygon.Apexes.size(), 4u);

    Polygon = Square(10);
    const TPeiApex deleted{1, PointF(10, 0), MakeFlange("D", 2, 1, 1)};
    DeleteApex(Polygon, 1);
    SelApex = {-1, -1};
    UndoEntry(pkDeleteApex, deleted);
    EXPECT_EQ(Polygon.Apexes, Square(10).Apexes);
    EXPECT_EQ(Polygon.Flanges[1].Name, "D");
    EXPECT_EQ(SelApex, TSelApex({-1, 1}));
    RedoEntry(pkDeleteApex, deleted);
    EXPECT_EQ(Polygon.Apexes.size(), 3u);
}

TEST_F(EditorHistoryTest, SelectionFlangeAndFoldLineEntriesSwitchBackAndForth) {
    UndoEntry(pkChangeSelApex, TPeiSelApex{0, 2, 3});
    EXPECT_EQ(SelApex, TSelApex({2, -1}));
    RedoEntry(pkChangeSelApex, TPeiSelApex{0, 2, 3});
    EXPECT_EQ(SelApex, TSelApex({3, -1}));
    UndoEntry(pkClearSelApex, TPeiClearSelApex{1, 1});
    EXPECT_EQ(SelApex, TSelApex({3, 1}));
    RedoEntry(pkClearSelApex, TPeiClearSelApex{1, 1});
    EXPECT_EQ(SelApex, TSelApex({3, -1}));

    const TFlange wide = MakeFlange("W", 4, 1, 1);
    RedoEntry(pkChangeFlange, TPeiChangeFlange{2, TFlange(), wide});
    EXPECT_EQ(Polygon.Flanges[2], wide);
    UndoEntry(pkChangeFlange, TPeiChangeFlange{2, TFlange(), wide});
    EXPECT_EQ(Polygon.Flanges[2], TFlange());

    RedoEntry(pkAddBendLine, TPeiBendLine{1, MakeBendLine(1, 3)});
    EXPECT_EQ(Polygon.BendLines[1], TDaBendLine({MakeBendLine(1, 3)}));
    UndoEntry(pkAddBendLine, TPeiBendLine{1, MakeBendLine(1, 3)});
    EXPECT_TRUE(Polygon.BendLines[1].empty());
    Polygon.BendLines[0] = {MakeBendLine(0, 2)};
    RedoEntry(pkDelBendLine, TPeiBendLine{0, MakeBendLine(0, 2)});
    EXPECT_TRUE(Polygon.BendLines[0].empty());
    UndoEntry(pkDelBendLine, TPeiBendLine{0, MakeBendLine(0, 2)});
    EXPECT_EQ(Polygon.BendLines[0], TDaBendLine({MakeBendLine(0, 2)}));
}

// From 1e-20 to 1 the difference rounds to 1, and 1 - 1 is 0, not 1e-20.
TEST_F(EditorHistoryTest, MovesComeBackBitForBitWhereTheirDifferenceRounds) {
    Polygon = Shape({{1e-20L, 5}, {10, 0}, {10, 10}});
    History.RecordMoveApex(0, Polygon.Apexes[0], PointF(1, 5));
    const THistoryItem entry = History.Items().back();
    Polygon.Apexes[0] = PointF(1, 5);
    UndoEntry(entry.Kind, entry.Data);
    EXPECT_EQ(Polygon.Apexes[0], PointF(1e-20L, 5));
    RedoEntry(entry.Kind, entry.Data);
    EXPECT_EQ(Polygon.Apexes[0], PointF(1, 5));

    // A vertex found elsewhere than the entry left it is shifted by the move.
    Polygon.Apexes[0] = PointF(3, 5);
    UndoEntry(entry.Kind, entry.Data);
    EXPECT_EQ(Polygon.Apexes[0], PointF(2, 5));
}

TEST_F(EditorHistoryTest, EntriesThatNoLongerFitTheShapeAreSkipped) {
    Polygon = Shape({{0, 0}, {10, 0}, {10, 10}});
    const TPolygon before = Polygon;
    UndoEntry(pkMoveApex, TPeiMoveApex{3, 1, 1, {}, {}});
    RedoEntry(pkMoveApex, TPeiMoveApex{-1, 1, 1, {}, {}});
    UndoEntry(pkInsertApex, TPeiApex{5, TPointF(), TFlange()});
    RedoEntry(pkInsertApex, TPeiApex{5, TPointF(), TFlange()});
    RedoEntry(pkDeleteApex, TPeiApex{3, TPointF(), TFlange()});
    UndoEntry(pkDeleteApex, TPeiApex{-2, TPointF(), TFlange()});
    RedoEntry(pkChangeFlange, TPeiChangeFlange{3, TFlange(), MakeFlange("X", 1, 1, 1)});
    RedoEntry(pkAddBendLine, TPeiBendLine{0, MakeBendLine(0, 7)});
    RedoEntry(pkAddBendLine, TPeiBendLine{2, MakeBendLine(0, 2)});
    UndoEntry(pkAddBendLine, TPeiBendLine{0, MakeBendLine(0, 2)});
    RedoEntry(pkChangeSelApex, TPeiSelApex{2, -1, 0});
    UndoEntry(pkClearSelApex, TPeiClearSelApex{-1, 0});
    EXPECT_EQ(Polygon, before);
    EXPECT_EQ(SelApex, NoSelApex);
    EXPECT_EQ(LastPoint, TPointF());

    Polygon.Apexes.clear();
    Polygon.Flanges.clear();
    UndoEntry(pkDrawMode, TPeiDrawMode{0});
    RedoEntry(pkDrawMode, TPeiDrawMode{0});
    EXPECT_TRUE(Polygon.Apexes.empty());
    EXPECT_EQ(Mode, emIdle);

    TSelApex stale{4, 2};
    DropStaleSelApex(stale, 3);
    EXPECT_EQ(stale, TSelApex({-1, 2}));
}

TEST(ApexSelectionTest, FlagsTellOneVertexASideEitherWayADiagonalOrNothing) {
    EXPECT_EQ(SelFlagsOf(NoSelApex, 4), TSelFlags());
    const TSelFlags one = SelFlagsOf({-1, 2}, 4);
    EXPECT_TRUE(one.OneApex);
    EXPECT_FALSE(one.TwoApex || one.NoApex);
    EXPECT_FALSE(SelFlagsOf({2, -1}, 4).OneApex) << "slot 1 is the current vertex";

    EXPECT_TRUE(SelFlagsOf({3, 0}, 4).SideFwd) << "the closing side";
    EXPECT_TRUE(SelFlagsOf({0, 3}, 4).SideBwd);
    EXPECT_TRUE(SelFlagsOf({1, 3}, 4).IsDiagonal());
    EXPECT_TRUE(SelFlagsOf({2, 2}, 4).IsDiagonal());
    EXPECT_FALSE(SelFlagsOf({0, 1}, 0).IsSide()) << "no shape, no side";
}

TEST(ApexSelectionTest, SelectedSideIsTheOneStartingAtTheEarlierEnd) {
    EXPECT_EQ(SelectedSide({1, 2}, 4), 1);
    EXPECT_EQ(SelectedSide({2, 1}, 4), 1);
    EXPECT_EQ(SelectedSide({3, 0}, 4), 3) << "the closing side";
    EXPECT_EQ(SelectedSide({0, 3}, 4), 3);
    EXPECT_EQ(SelectedSide({0, 2}, 4), -1);
    EXPECT_EQ(SelectedSide({-1, 2}, 4), -1);
}

TEST_F(EditorHistoryTest, FlangeChangesAreRecordedAsOneEntryAndUndoneTogether) {
    const TPolygon before = Polygon;
    Polygon.Flanges[1].Width = 4;
    RecordFlangeChanges(History, Polygon.Flanges, before.Flanges);
    ASSERT_EQ(History.Count(), 1);
    const auto& first = std::get<TPeiChangeFlange>(History.Items()[0].Data);
    EXPECT_EQ(first.Side, 1);
    EXPECT_EQ(first.OldFlange, before.Flanges[1]);
    EXPECT_EQ(first.NewFlange.Width, 4);

    Ticks.Time += 1000;
    const TPolygon once = Polygon;
    Polygon.Flanges[2].Angle1 = 0.25L;
    Polygon.Flanges[3] = MakeFlange("Z", 1, 1, 1);
    RecordFlangeChanges(History, Polygon.Flanges, once.Flanges);
    ASSERT_EQ(History.Count(), 2);
    ASSERT_NE(std::get<TPeiChangeFlanges>(History.Items()[1].Data).Changes, nullptr);

    UndoStep();
    EXPECT_EQ(Polygon, once);
    UndoStep();
    EXPECT_EQ(Polygon, before);
    RedoStep();
    RedoStep();
    EXPECT_EQ(Polygon.Flanges[3], MakeFlange("Z", 1, 1, 1));
    EXPECT_EQ(Polygon.Flanges[2].Angle1, 0.25L);
    RecordFlangeChanges(History, Polygon.Flanges, Polygon.Flanges);
    EXPECT_EQ(History.Count(), 2) << "unchanged flanges record nothing";
}
