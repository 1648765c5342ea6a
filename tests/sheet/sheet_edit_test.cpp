// Tests of the sheet's Edit menu: which commands are available when, cut,
// copy, paste and delete through the clipboard, shapes made and edited in the
// shape editor, pages added and deleted, undo and redo, and the placement
// options' toggles and shortcuts.
#include "sheet_fixture.h"

#include <QLabel>
#include <QTest>

#include <functional>
#include <utility>
#include <vector>

namespace {

const QColor Black(0, 0, 0);
const QColor White(255, 255, 255);
const QColor Blue(0, 0, 255);

std::string BlockOf(const TPolygon& shape) {
    std::string block;
    EXPECT_TRUE(PolygonToText(shape, block));
    return block;
}

} // namespace

using SheetEditTest = SheetFixture;

TEST_F(SheetEditTest, ShapeCommandsAreAvailableOnlyWhenTheyCanAct) {
    Open({{Square(20, {10, 10}), Square(20, {50, 10})}});
    const auto enabled = [&](const char* name) { return Item(name)->isEnabled(); };
    OpenEditMenu();
    for (const char* name :
         {"PolygonEditMi", "PolygonCutMi", "PolygonCopyMi", "PolygonDeleteMi", "AutoRotateMi"})
        EXPECT_FALSE(enabled(name)) << name;
    for (const char* name : {"Undo1", "Repeat1", "AddNewPageMi", "DelPageMi", "MkNewPolygonMi",
                             "PolygonPasteMi", "Z1", "AllMi"})
        EXPECT_TRUE(enabled(name)) << name;
    // Closed, the menu leaves every shortcut to its command, which checks again.
    CloseEditMenu();
    EXPECT_TRUE(enabled("PolygonDeleteMi"));
    Trigger("PolygonCopyMi");
    Trigger("PolygonEditMi");
    Trigger("PolygonDeleteMi");
    EXPECT_TRUE(Clipboard.Content.isEmpty());
    EXPECT_EQ(Editor.ShowCount, 0);
    EXPECT_EQ(Fm->CurrentDrawing()[0].size(), 2u);

    Fm->SelectPolygon(1);
    OpenEditMenu();
    for (const char* name : {"PolygonEditMi", "PolygonCutMi", "PolygonCopyMi", "PolygonDeleteMi"})
        EXPECT_TRUE(enabled(name)) << name;

    // During a drag no shape command acts.
    Fm->SetDragState(dsMove);
    OpenEditMenu();
    for (const char* name : {"MkNewPolygonMi", "PolygonEditMi", "PolygonCutMi", "PolygonCopyMi",
                             "PolygonPasteMi", "PolygonDeleteMi"})
        EXPECT_FALSE(enabled(name)) << name;
    CloseEditMenu();
    Clipboard.Content = QString::fromStdString(BlockOf(Triangle(10)));
    Trigger("PolygonPasteMi");
    Trigger("MkNewPolygonMi");
    Trigger("PolygonDeleteMi");
    EXPECT_EQ(Fm->CurrentDrawing()[0].size(), 2u);
    EXPECT_EQ(Editor.ShowCount, 0);
    EXPECT_FALSE(Fm->IsModified());
}

TEST_F(SheetEditTest, PlacementOptionsToggleTogetherAndAutoRotateNeedsACheck) {
    const auto checked = [&](const char* name) { return Item(name)->isChecked(); };
    Trigger("AutoRotateMi"); // neither check is on: nothing to turn aside from
    EXPECT_FALSE(checked("AutoRotateMi"));
    Trigger("WallChkMi");
    Trigger("AutoRotateMi");
    EXPECT_TRUE(checked("AutoRotateMi"));

    Trigger("AllMi");
    for (const char* name : {"AllMi", "WallChkMi", "PorigonCrossChkMi", "AutoRotateMi"})
        EXPECT_TRUE(checked(name)) << name;
    EXPECT_FALSE(checked("ClickDragMi"));
    Trigger("AllMi");
    for (const char* name : {"AllMi", "WallChkMi", "PorigonCrossChkMi", "AutoRotateMi"})
        EXPECT_FALSE(checked(name)) << name;
}

TEST_F(SheetEditTest, PasteFollowsThePointerAndIsUndoneInTwoSteps) {
    const TPolygon copied = Square(10, {50, 10});
    Open({{Square(20, {10, 10}), copied}});
    Click(At(55, 15));
    ASSERT_EQ(Fm->CurrentSelection(), TDaInt({1}));
    Later();
    Trigger("PolygonCopyMi");
    EXPECT_EQ(Clipboard.Content.toStdString(), BlockOf(copied));
    EXPECT_FALSE(Fm->IsModified());

    // The centroid (55, 15), on the grid through (50, 10), goes under the pointer.
    PutPointerAt(At(100, 150));
    Later();
    Trigger("PolygonPasteMi");
    ASSERT_EQ(Fm->CurrentDrawing()[0].size(), 3u);
    EXPECT_EQ(ShapeAt(2), Square(10, {95, 145}));
    EXPECT_EQ(Fm->CurrentSelection(), TDaInt({2}));
    EXPECT_EQ(Fm->CurrentDragState(), dsMove);
    EXPECT_TRUE(Fm->IsModified());

    MoveTo(At(110, 160), Qt::NoButton);
    EXPECT_EQ(ShapeAt(2), Square(10, {105, 155}));
    Later();
    Press(At(110, 160));
    Release(At(110, 160));
    EXPECT_EQ(Fm->CurrentDragState(), dsIdle);

    Later();
    Trigger("Undo1");
    ASSERT_EQ(Fm->CurrentDrawing()[0].size(), 3u);
    ExpectNearPoints(ShapeAt(2).Apexes, Square(10, {95, 145}).Apexes);
    Trigger("Undo1");
    EXPECT_EQ(Fm->CurrentDrawing()[0].size(), 2u);
    EXPECT_EQ(Fm->CurrentSelection(), TDaInt({1}));
    EXPECT_TRUE(Fm->IsModified());

    Trigger("Repeat1");
    EXPECT_EQ(ShapeAt(2), Square(10, {95, 145}));
    EXPECT_EQ(Fm->CurrentSelection(), TDaInt({2}));
    Trigger("Repeat1");
    ExpectNearPoints(ShapeAt(2).Apexes, Square(10, {105, 155}).Apexes);

    // After a new change there is nothing to redo.
    Trigger("Undo1");
    Later();
    Click(At(150, 250));
    const TZvDat now = Fm->CurrentDrawing();
    Trigger("Repeat1");
    EXPECT_EQ(Fm->CurrentDrawing(), now);
    EXPECT_TRUE(Fm->CurrentSelection().empty());
}

TEST_F(SheetEditTest, UndoDuringAPlacementDropsTheShapeFirst) {
    Open({{}});
    Clipboard.Content = QString::fromStdString(BlockOf(Square(10)));
    PutPointerAt(At(50, 50));
    Trigger("PolygonPasteMi");
    MoveTo(At(60, 70), Qt::NoButton);
    EXPECT_EQ(ShapeAt(0), Square(10, {55, 65}));

    Later();
    Trigger("Undo1");
    EXPECT_EQ(Fm->CurrentDragState(), dsIdle);
    ExpectNearPoints(ShapeAt(0).Apexes, Square(10, {45, 45}).Apexes);
    MoveTo(At(90, 90), Qt::NoButton);
    ExpectNearPoints(ShapeAt(0).Apexes, Square(10, {45, 45}).Apexes);
    Trigger("Undo1");
    EXPECT_TRUE(Fm->CurrentDrawing()[0].empty());
}

// Nothing but the status line says that the shape is held until a click.
TEST_F(SheetEditTest, StatusLineSaysThatAPlacedShapeFollowsThePointerUntilTheClick) {
    const QString hint =
        QStringLiteral("図形がマウスに付いて動きます。置く位置でクリックしてください。");
    const QLabel* panel = Fm->findChild<QLabel*>(QStringLiteral("StatusPanel1"));
    ASSERT_NE(panel, nullptr);
    Open({{}});
    Clipboard.Content = QString::fromStdString(BlockOf(Square(10)));
    Editor.Result = Triangle(30);
    PutPointerAt(At(60, 70));
    const std::vector<std::pair<const char*, std::function<void()>>> ends = {
        {"a press", [&] { Press(At(60, 70)); }},
        {"undo", [&] { Trigger("Undo1"); }},
        {"a new drawing",
         [&] {
             Prompt.Answers = {TPromptAnswer::No};
             Trigger("New1");
         }},
    };
    for (const char* command : {"PolygonPasteMi", "MkNewPolygonMi"}) {
        for (const auto& [end, endPlacing] : ends) {
            EXPECT_TRUE(panel->text().isEmpty()) << command << ", " << end;
            Trigger(command);
            MoveTo(At(60, 70), Qt::NoButton);
            EXPECT_EQ(panel->text(), hint) << command << ", " << end;
            Later();
            endPlacing();
            EXPECT_EQ(Fm->CurrentDragState(), dsIdle) << command << ", " << end;
            EXPECT_TRUE(panel->text().isEmpty()) << command << ", " << end;
            Release(At(60, 70));
        }
    }
    // A shape grabbed and moved needs no word. (A shape that found its place
    // away from the pointer took the pointer with it.)
    PutPointerAt(At(60, 70));
    Trigger("PolygonPasteMi");
    Press(At(60, 70));
    Release(At(60, 70));
    Later();
    Press(At(60, 70));
    MoveTo(At(80, 90));
    EXPECT_EQ(Fm->CurrentDragState(), dsMove);
    EXPECT_TRUE(panel->text().isEmpty());
    Release(At(80, 90));
}

TEST_F(SheetEditTest, UnreadableClipboardPastesNothing) {
    Open({{Square(20, {10, 10})}});
    const int entries = Fm->EditHistory().Count();
    Clipboard.Content = QStringLiteral("not a shape");
    Trigger("PolygonPasteMi");
    EXPECT_TRUE(Prompt.Errors.empty());

    // A negative fold-line count is the range error.
    std::string block = BlockOf(Triangle(10));
    const std::size_t setTwo = block.rfind("\r\n0\r\n");
    ASSERT_NE(setTwo, std::string::npos);
    block.replace(setTwo, 5, "\r\n-2\r\n");
    Clipboard.Content = QString::fromStdString(block);
    Trigger("PolygonPasteMi");
    ASSERT_EQ(Prompt.Errors.size(), 1u);
    EXPECT_EQ(Prompt.Errors[0].Text, QStringLiteral("範囲チェックエラー"));

    // A holder of the clipboard that never answers is said, not waited for.
    Clipboard.Content = QString::fromStdString(BlockOf(Triangle(10)));
    Clipboard.NoAnswer = true;
    Trigger("PolygonPasteMi");
    ASSERT_EQ(Prompt.Warnings.size(), 1u);
    EXPECT_EQ(Prompt.Warnings[0].Text,
              QStringLiteral("クリップボードを持っているプログラムが応答しないため、"
                             "貼り付けできませんでした。"));

    EXPECT_EQ(Fm->CurrentDrawing()[0].size(), 1u);
    EXPECT_EQ(Fm->CurrentDragState(), dsIdle);
    EXPECT_EQ(Fm->EditHistory().Count(), entries);
    EXPECT_FALSE(Fm->IsModified());
    EXPECT_EQ(Prompt.Warnings.size(), 1u) << "text that is no shape is not said";
}

TEST_F(SheetEditTest, CutAndDeleteTakeTheCurrentShapeAndUndoPutsItBack) {
    const TPolygon a = Square(20, {10, 10});
    const TPolygon b = Square(20, {50, 10});
    const TPolygon c = Square(20, {90, 10});
    Open({{a, b, c}});
    Click(At(100, 20));
    Later();
    Click(At(60, 20), Qt::ControlModifier);
    ASSERT_EQ(Fm->CurrentSelection(), TDaInt({2, 1}));

    // The page's last shape fills the freed slot and stays selected there.
    Later();
    Trigger("PolygonCutMi");
    EXPECT_EQ(Clipboard.Content.toStdString(), BlockOf(b));
    EXPECT_EQ(Fm->CurrentDrawing()[0], TPolygonTbl({a, c}));
    EXPECT_EQ(Fm->CurrentSelection(), TDaInt({1}));
    EXPECT_TRUE(Fm->IsModified());
    EXPECT_EQ(Surface().pixelColor(At(50, 20)), White);
    EXPECT_NE(Surface().pixelColor(At(90, 20)), White);

    Later();
    Trigger("Undo1");
    EXPECT_EQ(Fm->CurrentDrawing()[0], TPolygonTbl({a, b, c}));
    EXPECT_EQ(Fm->CurrentSelection(), TDaInt({2, 1}));
    EXPECT_EQ(Surface().pixelColor(At(50, 20)), Blue); // selected again

    // Deleting a shape that is not the page's last, alone selected.
    Later();
    Click(At(20, 20));
    Later();
    Trigger("PolygonDeleteMi");
    EXPECT_EQ(Fm->CurrentDrawing()[0], TPolygonTbl({c, b}));
    EXPECT_TRUE(Fm->CurrentSelection().empty());
    Later();
    Trigger("Undo1");
    EXPECT_EQ(Fm->CurrentDrawing()[0], TPolygonTbl({a, b, c}));
    EXPECT_EQ(Fm->CurrentSelection(), TDaInt({0}));
}

TEST_F(SheetEditTest, PagesAreAddedAndDeletedWithTheirTabsAndUndone) {
    const TPolygonTbl first = {Square(20, {10, 10}), Triangle(20, {50, 10}), Square(5, {90, 10})};
    const TPolygonTbl second = {Square(10, {20, 40})};
    Open({first, second});
    Click(At(92, 12));
    Later();
    Click(At(15, 15), Qt::ControlModifier);
    ASSERT_EQ(Fm->CurrentSelection(), TDaInt({2, 0}));

    // Page 1 deleted: the former page 2 takes its place.
    Later();
    Trigger("DelPageMi");
    EXPECT_EQ(Fm->CurrentDrawing(), TZvDat({second}));
    EXPECT_EQ(TabCaptions(), QStringList({"1"}));
    EXPECT_EQ(Fm->CurrentPage(), 0);
    EXPECT_TRUE(Fm->CurrentSelection().empty());
    Trigger("DelPageMi"); // the only page stays
    EXPECT_EQ(Fm->CurrentDrawing(), TZvDat({second}));
    Later();
    Trigger("Undo1");
    EXPECT_EQ(Fm->CurrentDrawing(), TZvDat({first, second}));
    EXPECT_EQ(TabCaptions(), QStringList({"1", "2"}));
    EXPECT_EQ(Tabs()->currentIndex(), 0);
    EXPECT_EQ(Fm->CurrentSelection(), TDaInt({2, 0}));

    // A page added, then undone: back to page 1 and its selection.
    Later();
    Trigger("AddNewPageMi");
    EXPECT_EQ(TabCaptions(), QStringList({"1", "2", "3"}));
    EXPECT_EQ(Tabs()->currentIndex(), 2);
    EXPECT_EQ(Fm->CurrentPage(), 2);
    Later();
    Trigger("Undo1");
    EXPECT_EQ(TabCaptions(), QStringList({"1", "2"}));
    EXPECT_EQ(Tabs()->currentIndex(), 0);
    EXPECT_EQ(Fm->CurrentSelection(), TDaInt({2, 0}));

    // The last page deleted: the page before it is shown, and again after undo
    // the deleted one.
    Later();
    Tabs()->setCurrentIndex(1);
    Later();
    Trigger("DelPageMi");
    EXPECT_EQ(Fm->CurrentDrawing(), TZvDat({first}));
    EXPECT_EQ(Fm->CurrentPage(), 0);
    EXPECT_EQ(Tabs()->currentIndex(), 0);
    Later();
    Trigger("Undo1");
    EXPECT_EQ(Fm->CurrentDrawing(), TZvDat({first, second}));
    EXPECT_EQ(Fm->CurrentPage(), 1);
    EXPECT_EQ(Tabs()->currentIndex(), 1);
    EXPECT_EQ(Surface().pixelColor(At(20, 45)), Black); // page 2's square is shown

    // Page commands and undo leave the drawing unmodified.
    EXPECT_FALSE(Fm->IsModified());
}

// The flange dialog looks a picked name up in the drawing while the editor is
// shown: never in the shape being edited, in every shape for a new one.
TEST_F(SheetEditTest, EditorLooksFlangeNamesUpInTheOtherShapes) {
    TPolygon edited = Square(20, {50, 10});
    edited.Flanges[0] = MakeFlange("A", 3, Pi / 4, Pi / 4);
    TPolygon other = Triangle(30, {10, 100});
    other.Flanges[1] = MakeFlange("A", 6, Pi / 3, Pi / 4);
    Open({{Square(20, {10, 10}), edited}, {other}});
    Click(At(60, 20));

    std::optional<TNamedFlange> found;
    std::vector<std::string> offered;
    Editor.OnShow = [&] {
        offered = Editor.FlangeNames;
        TNamedFlange flange;
        ASSERT_NE(Editor.Lookup, nullptr);
        if (Editor.Lookup->FindFlange("A", flange))
            found = flange;
    };
    Trigger("PolygonEditMi");
    EXPECT_EQ(offered, std::vector<std::string>({"A"}));
    ASSERT_TRUE(found.has_value());
    EXPECT_EQ(found->Flange.Width, 6) << "the edited shape's own flange is skipped";
    EXPECT_NEAR(static_cast<double>(found->SideLength), 30 * std::sqrt(2.0), 1e-9);
    EXPECT_EQ(Editor.Lookup, nullptr) << "the lookup ends with the run";

    // A new shape is no shape of the drawing: the selected one is searched too.
    found.reset();
    Editor.Result = Triangle(10);
    Trigger("MkNewPolygonMi");
    ASSERT_TRUE(found.has_value());
    EXPECT_EQ(found->Flange.Width, 3);
}

TEST_F(SheetEditTest, NewShapeFromTheEditorIsPlacedUnderThePointer) {
    TPolygon named = Square(20, {10, 10});
    named.Flanges[0] = MakeFlange("B", 3, Pi / 4, Pi / 4);
    named.Flanges[2] = MakeFlange("A", 3, Pi / 4, Pi / 4);
    Open({{named}, {Triangle(20, {10, 10})}});

    // An outline left with two vertices is dropped without a word.
    Editor.Result = Shape({PointF(0, 0), PointF(10, 0)});
    Trigger("MkNewPolygonMi");
    EXPECT_EQ(Editor.NewCount, 1);
    EXPECT_EQ(Editor.ShowCount, 1);
    EXPECT_EQ(Fm->CurrentDrawing()[0].size(), 1u);
    EXPECT_EQ(Fm->CurrentDragState(), dsIdle);
    EXPECT_EQ(Fm->OfferedFlangeNames(), std::vector<std::string>({"A", "B"}));

    // The triangle's centroid (10, 10) is on the grid through (0, 0).
    Editor.Result = Triangle(30);
    PutPointerAt(At(80, 90));
    Trigger("MkNewPolygonMi");
    ASSERT_EQ(Fm->CurrentDrawing()[0].size(), 2u);
    EXPECT_EQ(ShapeAt(1), Triangle(30, {70, 80}));
    EXPECT_EQ(Fm->CurrentSelection(), TDaInt({1}));
    EXPECT_EQ(Fm->CurrentDragState(), dsMove);
    EXPECT_TRUE(Fm->IsModified());
    Press(At(80, 90));
    EXPECT_EQ(Fm->CurrentDragState(), dsIdle);
}

TEST_F(SheetEditTest, EditingReplacesTheCurrentShapeInPlace) {
    const TPolygon old = Square(20, {50, 10});
    Open({{Square(20, {10, 10}), old, Square(20, {90, 10})}});
    Click(At(60, 20));
    Later();

    TPolygon edited = Triangle(30, {50, 10});
    edited.Flanges[0] = MakeFlange("C", 4, Pi / 3, Pi / 3);
    Editor.Result = edited;
    Trigger("PolygonEditMi");
    ASSERT_EQ(Editor.Given.size(), 1u);
    EXPECT_EQ(Editor.Given[0], old);
    EXPECT_EQ(ShapeAt(1), edited);
    EXPECT_EQ(Fm->CurrentSelection(), TDaInt({1}));
    EXPECT_EQ(Fm->EditHistory().Items().back().Kind, pkChangePolygon);
    EXPECT_TRUE(Fm->IsModified());

    Later();
    Trigger("Undo1");
    EXPECT_EQ(ShapeAt(1), old);
    Trigger("Repeat1");
    EXPECT_EQ(ShapeAt(1), edited);

    // Closing with fewer than 3 vertices keeps the shape and records nothing.
    const int entries = Fm->EditHistory().Count();
    Editor.Result = Shape({PointF(0, 0), PointF(5, 5)});
    Trigger("PolygonEditMi");
    EXPECT_EQ(ShapeAt(1), edited);
    EXPECT_EQ(Fm->EditHistory().Count(), entries);
}

// Looking at a shape in the editor is no change: quitting must not ask to
// save a drawing nobody changed. Any difference, a flange name included, is.
TEST_F(SheetEditTest, EditingWithoutAChangeRecordsNothing) {
    TPolygon shape = Square(20, {50, 10});
    shape.Flanges[1] = MakeFlange("A", 4, Pi / 3, Pi / 3);
    shape.BendLines[1] = {MakeBendLine(0, 2)};
    Open({{Square(20, {10, 10}), shape}});
    Click(At(60, 20));
    const TPolygon opened = ShapeAt(1); // its angles as the file holds them
    const int entries = Fm->EditHistory().Count();

    Trigger("PolygonEditMi");
    EXPECT_EQ(ShapeAt(1), opened);
    EXPECT_EQ(Fm->EditHistory().Count(), entries);
    EXPECT_FALSE(Fm->IsModified());

    TPolygon renamed = opened;
    renamed.Flanges[1].Name = "B";
    Editor.Result = renamed;
    Trigger("PolygonEditMi");
    EXPECT_EQ(ShapeAt(1), renamed);
    EXPECT_EQ(Fm->EditHistory().Items().back().Kind, pkChangePolygon);
    EXPECT_TRUE(Fm->IsModified());
}

TEST_F(SheetEditTest, ShortcutsReachTheCommands) {
    Open({{Square(20, {10, 10})}});
    Fm->show();
    QApplication::setActiveWindow(Fm.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(Fm.get()));

    QTest::keyClick(Fm.get(), Qt::Key_A, Qt::ControlModifier);
    EXPECT_TRUE(Item("WallChkMi")->isChecked());
    EXPECT_TRUE(Item("AutoRotateMi")->isChecked());

    Drag(At(20, 20), At(30, 24));
    ExpectNearPoints(ShapeAt(0).Apexes, Square(20, {20, 14}).Apexes);
    Later();
    QTest::keyClick(Fm.get(), Qt::Key_Backspace, Qt::AltModifier);
    ExpectNearPoints(ShapeAt(0).Apexes, Square(20, {10, 10}).Apexes);
    QTest::keyClick(Fm.get(), Qt::Key_Backspace, Qt::AltModifier | Qt::ShiftModifier);
    ExpectNearPoints(ShapeAt(0).Apexes, Square(20, {20, 14}).Apexes);

    QTest::keyClick(Fm.get(), Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_TRUE(Fm->CurrentDrawing()[0].empty());
}
