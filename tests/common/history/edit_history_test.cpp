// Tests of the undo/redo history: step grouping by time, the redo tail,
// recorded payloads and the array bounds checks.
#include "fakes/fake_ticks.h"
#include "history/edit_history.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

class EditHistoryTest : public ::testing::Test {
protected:
    TFakeTicks Ticks;
    TEditHistory History{Ticks};

    // Records one selection entry of shape `index` at tick `time`.
    void SelectAt(std::uint32_t time, std::int32_t index) {
        Ticks.Time = time;
        History.RecordSelect(0, index);
    }

    // Shape indices of the selection entries of the next undo step, in walk order.
    std::vector<std::int32_t> UndoStep() { return Walk(true); }
    std::vector<std::int32_t> RedoStep() { return Walk(false); }

private:
    std::vector<std::int32_t> Walk(bool undo) {
        std::vector<std::int32_t> indices;
        const auto collect = [&](const THistoryItem& item) {
            const auto* select = std::get_if<TPeiSelect>(&item.Data);
            EXPECT_NE(select, nullptr);
            // The cursor stands on the entry being applied.
            EXPECT_EQ(&item, &History.Items()[static_cast<std::size_t>(History.Cursor())]);
            indices.push_back(select ? select->Index : -1);
        };
        const std::int32_t walked = undo ? History.Undo(collect) : History.Redo(collect);
        EXPECT_EQ(walked, static_cast<std::int32_t>(indices.size()));
        return indices;
    }
};

TPolygon Square(long double side) {
    TPolygon shape;
    shape.Apexes = {PointF(0, 0), PointF(side, 0), PointF(side, side), PointF(0, side)};
    shape.Flanges.assign(4, TFlange{});
    shape.Flanges[1] = MakeFlange("A1", 5, 1, 1);
    shape.BendLines[0] = {MakeBendLine(0, 2)};
    return shape;
}

using TIndices = std::vector<std::int32_t>;

TEST_F(EditHistoryTest, EntriesChainIntoOneStepWhileEachIsWithin100Ms) {
    SelectAt(0, 0);
    SelectAt(80, 1);
    SelectAt(170, 2); // 170 ms after the first, but 90 after its neighbour
    EXPECT_EQ(UndoStep(), (TIndices{2, 1, 0}));
    EXPECT_EQ(History.Cursor(), 0);
    EXPECT_EQ(RedoStep(), (TIndices{0, 1, 2}));
    EXPECT_EQ(History.Cursor(), 3);
}

TEST_F(EditHistoryTest, StepEndsAtAGapOfMoreThan100Ms) {
    SelectAt(1000, 0);
    SelectAt(1100, 1); // exactly 100 ms: same step
    SelectAt(1201, 2); // 101 ms: a new step
    SelectAt(1301, 3);

    EXPECT_EQ(UndoStep(), (TIndices{3, 2}));
    EXPECT_EQ(History.Cursor(), 2);
    EXPECT_EQ(UndoStep(), (TIndices{1, 0}));
    EXPECT_EQ(UndoStep(), TIndices{});

    EXPECT_EQ(RedoStep(), (TIndices{0, 1}));
    EXPECT_EQ(RedoStep(), (TIndices{2, 3}));
    EXPECT_EQ(RedoStep(), TIndices{});
    EXPECT_EQ(History.Cursor(), 4);
}

TEST_F(EditHistoryTest, StepSurvivesTheWrapOfTheTickCounter) {
    SelectAt(0xFFFFFFF0u, 0);
    SelectAt(0x00000020u, 1); // 48 ms later, across the wrap
    SelectAt(0x00000085u, 2); // 101 ms later
    EXPECT_EQ(UndoStep(), TIndices{2});
    EXPECT_EQ(UndoStep(), (TIndices{1, 0}));
    EXPECT_EQ(RedoStep(), (TIndices{0, 1}));
}

TEST_F(EditHistoryTest, EntriesDaysApartAreSeparateSteps) {
    // Half the counter's range and more apart: a signed difference would be
    // negative here and wrongly join the two.
    SelectAt(0, 0);
    SelectAt(0x90000000u, 1);
    EXPECT_EQ(UndoStep(), TIndices{1});
    EXPECT_EQ(UndoStep(), TIndices{0});
}

TEST_F(EditHistoryTest, UndoAndRedoAtTheEndsDoNothing) {
    int calls = 0;
    const auto count = [&](const THistoryItem&) { ++calls; };
    EXPECT_EQ(History.Undo(count), 0);
    EXPECT_EQ(History.Redo(count), 0);
    EXPECT_EQ(calls, 0);
    EXPECT_EQ(History.Cursor(), 0);

    SelectAt(0, 0);
    EXPECT_EQ(History.Redo(count), 0);
    EXPECT_EQ(calls, 0);
    EXPECT_EQ(History.Cursor(), 1);
}

TEST_F(EditHistoryTest, NewEntryAfterUndoDiscardsTheRedoTail) {
    SelectAt(0, 0);
    SelectAt(1000, 1);
    SelectAt(2000, 2);
    UndoStep();
    UndoStep();
    SelectAt(3000, 7);

    EXPECT_EQ(History.Count(), 2);
    EXPECT_EQ(History.Cursor(), 2);
    EXPECT_EQ(RedoStep(), TIndices{});
    EXPECT_EQ(UndoStep(), TIndices{7});
    EXPECT_EQ(UndoStep(), TIndices{0});
}

TEST_F(EditHistoryTest, ClearAfterUndoEmptiesTheList) {
    SelectAt(0, 0);
    SelectAt(1000, 1);
    UndoStep();
    History.Clear();
    EXPECT_EQ(History.Count(), 0);
    EXPECT_EQ(History.Cursor(), 0);
    EXPECT_EQ(RedoStep(), TIndices{});
}

TEST_F(EditHistoryTest, UnselectAllRecordsOneEntryPerShapeInSelectionOrder) {
    History.RecordUnselectAll(2, TDaInt{});
    EXPECT_EQ(History.Count(), 0);

    History.RecordUnselectAll(2, TDaInt{5, 1, 3});
    ASSERT_EQ(History.Count(), 3);
    const std::vector<std::int32_t> expected{5, 1, 3};
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const THistoryItem& item = History.Items()[i];
        EXPECT_EQ(item.Kind, pkUnselect);
        const auto* unselect = std::get_if<TPeiSelect>(&item.Data);
        ASSERT_NE(unselect, nullptr);
        EXPECT_EQ(unselect->Page, 2);
        EXPECT_EQ(unselect->Index, expected[i]);
    }
}

TEST_F(EditHistoryTest, ShapeEntriesHoldTheirPlaceAndShapes) {
    History.RecordAddPolygon(0, Square(10));
    History.RecordChangePolygon(1, 2, Square(20), Square(10));
    History.RecordDelPolygon(3, 4, Square(10));

    const auto& add = std::get<TPeiAddPolygon>(History.Items()[0].Data);
    EXPECT_EQ(add.Polygon, Square(10));
    const auto& change = std::get<TPeiChangePolygon>(History.Items()[1].Data);
    EXPECT_EQ(change.Page, 1);
    EXPECT_EQ(change.Index, 2);
    ASSERT_NE(change.Change, nullptr);
    TPolygon shape = Square(20);
    ASSERT_TRUE(change.Change->Apply(shape, true));
    EXPECT_EQ(shape, Square(10));
    ASSERT_TRUE(change.Change->Apply(shape, false));
    EXPECT_EQ(shape, Square(20));
    const auto& del = std::get<TPeiDelPolygon>(History.Items()[2].Data);
    EXPECT_EQ(del.Index, 4);
    EXPECT_EQ(del.Polygon, Square(10));
}

TEST_F(EditHistoryTest, MovesRecordTheDisplacementFromBeforeToNow) {
    TPolygon before = Square(10);
    TPolygon now = before;
    for (TPointF& apex : now.Apexes)
        apex = PointF(apex.X + 2.5L, apex.Y - 1);
    now.Apexes[2].X = 7;

    History.RecordMovePolygon(0, 1, now, before);
    ASSERT_EQ(History.Count(), 1);
    const auto& move = std::get<TPeiMovePolygon>(History.Items()[0].Data);
    EXPECT_EQ(move.Index, 1);
    EXPECT_EQ(MoveDelta(move),
              (TDaPointF{PointF(2.5L, -1), PointF(2.5L, -1), PointF(-3, -1), PointF(2.5L, -1)}));

    now.Apexes.pop_back();
    History.RecordMovePolygon(0, 1, now, before); // vertex counts differ
    EXPECT_EQ(History.Count(), 1);

    History.RecordMoveApex(3, PointF(1, 2), PointF(4, 0.5L));
    const auto& apexMove = std::get<TPeiMoveApex>(History.Items()[1].Data);
    EXPECT_EQ(apexMove.Index, 3);
    EXPECT_EQ(apexMove.DX, 3);
    EXPECT_EQ(apexMove.DY, -1.5L);
}

TEST_F(EditHistoryTest, EveryRecordStoresItsKindAndPayload) {
    const TFlange oldFlange = MakeFlange("", 0, 0, 0);
    const TFlange newFlange = MakeFlange("B", 3, 0.5L, 1);
    History.RecordAddPage();
    History.RecordDelPage(4);
    History.RecordChangePage(1, 2);
    History.RecordDrawMode(1);
    History.RecordInsertApex(2, PointF(1, 2), newFlange);
    History.RecordDeleteApex(5, PointF(3, 4), oldFlange);
    History.RecordChangeSelApex(1, -1, 6);
    History.RecordClearSelApex(0, 3);
    History.RecordChangeFlange(2, oldFlange, newFlange);
    History.RecordAddBendLine(1, MakeBendLine(0, 2));
    History.RecordDelBendLine(0, MakeBendLine(1, 3));

    const std::vector<TPeiKind> kinds{
        pkAddPage,       pkDelPage,      pkChangePage,   pkDrawMode,    pkInsertApex, pkDeleteApex,
        pkChangeSelApex, pkClearSelApex, pkChangeFlange, pkAddBendLine, pkDelBendLine};
    ASSERT_EQ(History.Count(), static_cast<std::int32_t>(kinds.size()));
    for (std::size_t i = 0; i < kinds.size(); ++i) {
        EXPECT_EQ(History.Items()[i].Kind, kinds[i]);
        EXPECT_TRUE(PayloadFitsKind(kinds[i], History.Items()[i].Data));
    }
    const auto& items = History.Items();
    EXPECT_EQ(std::get<TPeiDelPage>(items[1].Data).Page, 4);
    EXPECT_EQ(std::get<TPeiChangePage>(items[2].Data).NewPage, 2);
    EXPECT_EQ(std::get<TPeiDrawMode>(items[3].Data).Mode, 1);
    EXPECT_EQ(std::get<TPeiApex>(items[4].Data).Flange, newFlange);
    EXPECT_EQ(std::get<TPeiApex>(items[5].Data).Point, PointF(3, 4));
    const auto& sel = std::get<TPeiSelApex>(items[6].Data);
    EXPECT_EQ(sel.OldValue, -1);
    EXPECT_EQ(sel.NewValue, 6);
    EXPECT_EQ(std::get<TPeiClearSelApex>(items[7].Data).OldValue, 3);
    EXPECT_EQ(std::get<TPeiChangeFlange>(items[8].Data).OldFlange, oldFlange);
    const auto& line = std::get<TPeiBendLine>(items[9].Data);
    EXPECT_EQ(line.LineSet, 1);
    EXPECT_EQ(line.Line, MakeBendLine(0, 2));
}

TEST_F(EditHistoryTest, AddRefusesAPayloadOfAnotherKind) {
    EXPECT_EQ(History.Add(pkSelect, TPeiSelect{0, 1}), 1);
    EXPECT_EQ(History.Add(pkMoveApex, TPeiSelect{0, 1}), 1);
    EXPECT_EQ(History.Add(pkAddPage, TPeiDelPage{0}), 1);
    EXPECT_EQ(History.Add(static_cast<TPeiKind>(18), std::monostate{}), 1);
    EXPECT_EQ(History.Count(), 1);
}

TEST_F(EditHistoryTest, ListStaysUnchangedWhileAStepIsWalked) {
    SelectAt(0, 0);
    SelectAt(10, 1);
    const std::int32_t walked = History.Undo([&](const THistoryItem&) {
        History.RecordAddPage();
        History.Clear();
    });
    EXPECT_EQ(walked, 2);
    EXPECT_EQ(History.Count(), 2);
    EXPECT_EQ(History.Cursor(), 0);
    EXPECT_EQ(RedoStep(), (TIndices{0, 1}));
}

TEST(HistoryIndexChecks, TellWhetherAnIndexFitsAnArray) {
    const TDaInt three{7, 8, 9};
    EXPECT_TRUE(IsIndexOf(three, 0));
    EXPECT_TRUE(IsIndexOf(three, 2));
    EXPECT_FALSE(IsIndexOf(three, 3));
    EXPECT_FALSE(IsIndexOf(three, -1));
    EXPECT_FALSE(IsIndexOf(TDaInt{}, 0));

    EXPECT_TRUE(IsInsertIndexOf(three, 3));
    EXPECT_FALSE(IsInsertIndexOf(three, 4));
    EXPECT_FALSE(IsInsertIndexOf(three, -1));
    EXPECT_TRUE(IsInsertIndexOf(TDaInt{}, 0));
}

} // namespace
