// A side's joint mark is its name whether or not it has a flange: it goes
// through every shape command (copy and paste as text, mirror, resize, vertex
// insertion and deletion, placing and editing on the sheet) and through the
// undo and redo of each.
#include "common/shape_builders.h"
#include "document/sheet_document.h"
#include "editing/editor_history.h"
#include "editing/shape_edit.h"
#include "editing/shape_transform.h"
#include "fakes/fake_ticks.h"
#include "format/shape_text.h"
#include "geometry/angles.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

constexpr long double Angle = Pi / 4;

// A pentagon whose sides 0 and 2 carry marks without a flange, as a file
// stores them (width and angles 0), side 1 a mark on a flange, side 3 a
// flange without a name and side 4 nothing.
TPolygon Marked() {
    TPolygon shape = Shape({{0, 0}, {40, 0}, {50, 20}, {20, 40}, {-10, 20}});
    shape.Flanges = {MakeFlange("1", 0, 0, 0), MakeFlange("12", 3, Angle, Angle),
                     MakeFlange("\x83\x5c", 0, 0, 0), MakeFlange("", 3, Angle, Angle), TFlange()};
    return shape;
}

std::vector<std::string> NamesOf(const TPolygon& shape) {
    std::vector<std::string> names;
    for (const TFlange& flange : shape.Flanges)
        names.push_back(flange.Name);
    return names;
}

class JointMarkKeptTest : public testing::Test {
protected:
    TFakeTicks Ticks{1000};
    TEditHistory History{Ticks};
    TPolygon Polygon = Marked();
    TSelApex SelApex = NoSelApex;
    TEditMode Mode = emIdle;
    TPointF LastPoint;

    TEditorState State() { return TEditorState{Polygon, SelApex, Mode, LastPoint}; }

    // Runs an editor command on the working shape as the editor records it,
    // then checks its undo and redo: back to the marked pentagon's vertices
    // and marks (a resize leaves its flange widths, as the editor does), and
    // forward to what the command left.
    void ExpectUndoAndRedo(const std::function<void()>& command) {
        Polygon = Marked();
        History.Clear();
        command();
        const TPolygon after = Polygon;
        History.Undo([this](const THistoryItem& entry) { UndoEditorEntry(State(), entry); });
        EXPECT_EQ(Polygon.Apexes, Marked().Apexes);
        EXPECT_EQ(NamesOf(Polygon), NamesOf(Marked()));
        History.Redo([this](const THistoryItem& entry) { RedoEditorEntry(State(), entry); });
        EXPECT_EQ(Polygon, after);
    }
};

} // namespace

TEST_F(JointMarkKeptTest, MarksTravelWithTheShapeAsText) {
    std::string text;
    ASSERT_TRUE(PolygonToText(Marked(), text));
    TPolygon pasted;
    ASSERT_EQ(TextToPolygon(text, pasted), TTextReadResult::Ok);
    EXPECT_EQ(NamesOf(pasted), NamesOf(Marked()));
    EXPECT_EQ(pasted.Flanges[0], Marked().Flanges[0]) << "a mark without a flange";
}

TEST_F(JointMarkKeptTest, MirrorAndResizeKeepEveryMark) {
    ExpectUndoAndRedo([this] {
        const TPolygon before = Polygon;
        ASSERT_TRUE(MirrorAcrossSide(Polygon, 0, 1));
        EXPECT_EQ(Polygon.Flanges, Marked().Flanges);
        RecordApexMoves(History, Polygon.Apexes, before.Apexes);
    });
    ExpectUndoAndRedo([this] {
        const TPolygon before = Polygon;
        ASSERT_TRUE(ResizePolygon(Polygon, 2));
        for (std::size_t side = 0; side < Polygon.Flanges.size(); ++side)
            EXPECT_EQ(Polygon.Flanges[side].Name, Marked().Flanges[side].Name);
        RecordApexMoves(History, Polygon.Apexes, before.Apexes);
    });
}

// A vertex inserted on a marked side splits it into two halves that both carry
// its flange record, mark included, until one of them is renamed; undo gives
// the single side back.
TEST_F(JointMarkKeptTest, InsertingAndDeletingVerticesKeepTheMarksOfTheSidesThatStay) {
    ExpectUndoAndRedo([this] {
        const int inserted = SplitSide(Polygon, 2);
        ASSERT_EQ(inserted, 3);
        History.RecordInsertApex(inserted, Polygon.Apexes[inserted], Polygon.Flanges[inserted]);
        EXPECT_EQ(Polygon.Flanges[2].Name, "\x83\x5c");
        EXPECT_EQ(Polygon.Flanges[3].Name, "\x83\x5c");
        EXPECT_EQ(Polygon.Flanges[1], Marked().Flanges[1]);
        EXPECT_EQ(Polygon.Flanges[4], Marked().Flanges[3]);
    });
    // Deleting vertex 1 joins sides 0 and 1 into side 0, which keeps its own
    // mark; side 1's goes with its vertex, and comes back with it.
    ExpectUndoAndRedo([this] {
        History.RecordDeleteApex(1, Polygon.Apexes[1], Polygon.Flanges[1]);
        ASSERT_TRUE(DeleteApex(Polygon, 1));
        const TDaFlange& marked = Marked().Flanges;
        EXPECT_EQ(Polygon.Flanges, TDaFlange({marked[0], marked[2], marked[3], marked[4]}));
    });
}

TEST_F(JointMarkKeptTest, PlacingAndEditingOnTheSheetKeepEveryMarkThroughUndoAndRedo) {
    TSheetDocument document(Ticks);
    ASSERT_EQ(document.PlaceShape(Marked(), {100, 100}, 1), 0);
    EXPECT_EQ(document.Drawing()[0][0].Flanges, Marked().Flanges);
    Ticks.Time += 1000;
    TPolygon edited = document.Drawing()[0][0];
    edited.Flanges[4].Name = "2";
    ASSERT_TRUE(document.ChangePolygon(0, edited));

    Ticks.Time += 1000;
    document.UndoStep();
    EXPECT_EQ(document.Drawing()[0][0].Flanges, Marked().Flanges);
    document.UndoStep();
    EXPECT_TRUE(document.Drawing()[0].empty());
    document.RedoStep();
    EXPECT_EQ(document.Drawing()[0][0].Flanges, Marked().Flanges);
    document.RedoStep();
    EXPECT_EQ(document.Drawing()[0][0], edited);
}
