// The habits a first-time user brings to the sheet: the wheel scrolls the
// page (sideways with Shift), Ctrl and the wheel zoom about the pointer in
// the zoom ladder's steps, the middle button drags the view, Delete deletes
// as the delete command does, and a double click on a shape edits it.
#include "sheet_fixture.h"

#include <QScrollArea>
#include <QScrollBar>
#include <QWheelEvent>

namespace {

class SheetHabitsTest : public SheetFixture {
protected:
    // A window smaller than the page, so that the view scrolls both ways.
    void SetUp() override {
        SheetFixture::SetUp();
        Fm->resize(420, 520);
        Fm->show();
        Fm->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(Fm.get()));
    }

    QScrollArea* View() const { return Fm->findChild<QScrollArea*>(QStringLiteral("ScrollBox1")); }
    QPoint Scroll() const {
        return {View()->horizontalScrollBar()->value(), View()->verticalScrollBar()->value()};
    }
    void ScrollTo(QPoint scroll) {
        View()->horizontalScrollBar()->setValue(scroll.x());
        View()->verticalScrollBar()->setValue(scroll.y());
    }
    // The wheel turned on the surface at pixel; positive turns away from the user.
    void Wheel(QPoint pixel, int delta, Qt::KeyboardModifiers keys = Qt::NoModifier) {
        QWheelEvent event(pixel, PaintBox()->mapToGlobal(pixel), QPoint(), QPoint(0, delta),
                          Qt::NoButton, keys, Qt::NoScrollPhase, false);
        QApplication::sendEvent(PaintBox(), &event);
    }
    // The millimetres under a place of the view, at the sheet's zoom now.
    TPointF UnderViewPoint(QPoint viewPixel) const {
        const long double scale = 3.5L * Fm->Zoom();
        const QPoint pixel = Scroll() + viewPixel;
        return PointF(pixel.x() / scale, pixel.y() / scale);
    }
    QPoint ViewPointOf(QPoint surfacePixel) const {
        return PaintBox()->mapTo(View()->viewport(), surfacePixel);
    }
};

} // namespace

TEST_F(SheetHabitsTest, WheelScrollsDownAndShiftWheelSideways) {
    const int height = View()->viewport()->height();
    const int width = View()->viewport()->width();
    ASSERT_EQ(Scroll(), QPoint(0, 0));
    Wheel(At(50, 50), -120);
    EXPECT_EQ(Scroll(), QPoint(0, height / 10)) << "a notch toward the user scrolls down";
    Wheel(At(50, 50), -240);
    EXPECT_EQ(Scroll(), QPoint(0, 3 * (height / 10)));
    Wheel(At(50, 50), 120);
    EXPECT_EQ(Scroll(), QPoint(0, 2 * (height / 10)));
    Wheel(At(50, 50), -120, Qt::ShiftModifier);
    EXPECT_EQ(Scroll(), QPoint(width / 10, 2 * (height / 10))) << "Shift turns it sideways";
    EXPECT_EQ(Fm->Zoom(), 1) << "no zoom without Ctrl";
}

TEST_F(SheetHabitsTest, CtrlWheelZoomsInLadderStepsKeepingThePointUnderThePointer) {
    ScrollTo({100, 200});
    const QPoint pixel = At(60, 110);
    const QPoint viewPixel = ViewPointOf(pixel);
    const TPointF before = UnderViewPoint(viewPixel);
    const std::vector<long double> zooms = {1.2L, 1.5L, 2, 1.5L};
    const std::vector<int> deltas = {120, 120, 120, -120};
    for (std::size_t i = 0; i < zooms.size(); ++i) {
        Wheel(PaintBox()->mapFrom(View()->viewport(), viewPixel), deltas[i], Qt::ControlModifier);
        EXPECT_NEAR(static_cast<double>(Fm->Zoom()), static_cast<double>(zooms[i]), 1e-12) << i;
        const TPointF after = UnderViewPoint(viewPixel);
        const double pixelMm = 1 / (3.5 * static_cast<double>(Fm->Zoom()));
        EXPECT_NEAR(static_cast<double>(after.X), static_cast<double>(before.X), pixelMm) << i;
        EXPECT_NEAR(static_cast<double>(after.Y), static_cast<double>(before.Y), pixelMm) << i;
    }
    EXPECT_EQ(PaintBox()->width(), 892) << "the page at the new zoom: 892.5 pixels, to even";

    // Half a notch at a time, as a fine wheel turns: a step at the second half.
    const QPoint here = PaintBox()->mapFrom(View()->viewport(), viewPixel);
    Wheel(here, 60, Qt::ControlModifier);
    EXPECT_NEAR(static_cast<double>(Fm->Zoom()), 1.5, 1e-12);
    Wheel(here, 60, Qt::ControlModifier);
    EXPECT_NEAR(static_cast<double>(Fm->Zoom()), 2, 1e-12);
}

// The drag takes the view along with the pointer and leaves shapes and
// gestures alone, also over a shape.
TEST_F(SheetHabitsTest, MiddleButtonDragsTheViewAndNothingElse) {
    Open(TZvDat{TPolygonTbl{Square(40, {20, 20})}});
    ScrollTo({100, 150});
    const QPoint onShape = At(40, 60);
    Press(onShape, Qt::NoModifier, Qt::MiddleButton);
    MoveTo(onShape - QPoint(30, 50), Qt::MiddleButton);
    EXPECT_EQ(Scroll(), QPoint(130, 200));
    Mouse(QEvent::MouseButtonRelease, onShape - QPoint(30, 50), Qt::MiddleButton, Qt::NoButton,
          Qt::NoModifier);
    EXPECT_EQ(Fm->CurrentDragState(), dsIdle);
    EXPECT_TRUE(Fm->CurrentSelection().empty());
    EXPECT_EQ(Fm->EditHistory().Count(), 0);
    EXPECT_EQ(ShapeAt(0), Square(40, {20, 20}));
}

// Delete runs the delete command itself: the same entries, the same one step.
TEST_F(SheetHabitsTest, DeleteKeyDeletesTheCurrentShapeAsTheDeleteCommandDoes) {
    Open(TZvDat{TPolygonTbl{Square(20, {10, 10}), Square(20, {50, 10}), Square(20, {90, 10})}});
    Fm->SelectPolygon(0);
    Fm->SelectPolygon(1);
    Later();
    const int entries = Fm->EditHistory().Count();
    QTest::keyClick(Fm.get(), Qt::Key_Delete);
    ASSERT_EQ(Fm->CurrentDrawing()[0].size(), 2u);
    EXPECT_EQ(ShapeAt(1), Square(20, {90, 10})) << "the last shape took the freed slot";
    EXPECT_EQ(Fm->EditHistory().Count(), entries + 2) << "pkUnselect, pkDelPolygon";
    EXPECT_TRUE(Fm->IsModified());

    Trigger("Undo1");
    ASSERT_EQ(Fm->CurrentDrawing()[0].size(), 3u);
    EXPECT_EQ(ShapeAt(1), Square(20, {50, 10}));
    EXPECT_EQ(Fm->CurrentSelection(), (TDaInt{0, 1}));

    // With nothing selected there is nothing to delete.
    Click(At(150, 200));
    ASSERT_TRUE(Fm->CurrentSelection().empty());
    QTest::keyClick(Fm.get(), Qt::Key_Delete);
    EXPECT_EQ(Fm->CurrentDrawing()[0].size(), 3u);
}

// The first click selects and the second opens the editor on the shape: one
// pkChangePolygon, the edited shape in place.
TEST_F(SheetHabitsTest, DoubleClickOnAShapeEditsItAsTheEditCommandDoes) {
    Open(TZvDat{TPolygonTbl{Square(20, {10, 10}), Square(20, {50, 10})}});
    Fm->SelectPolygon(0); // another shape current before the click
    Later();
    Editor.Result = Square(30, {50, 10});
    const QPoint onSecond = At(60, 20);
    Press(onSecond);
    Release(onSecond);
    Mouse(QEvent::MouseButtonDblClick, onSecond, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    Release(onSecond);
    ASSERT_EQ(Editor.ShowCount, 1);
    ASSERT_EQ(Editor.Given.size(), 1u);
    EXPECT_EQ(Editor.Given[0], Square(20, {50, 10})) << "the shape double-clicked";
    EXPECT_EQ(ShapeAt(1), Square(30, {50, 10}));
    EXPECT_EQ(Fm->EditHistory().Items().back().Kind, pkChangePolygon);
    EXPECT_EQ(Fm->CurrentDragState(), dsIdle);

    // Off every shape a double click is two clicks and opens nothing.
    Mouse(QEvent::MouseButtonDblClick, At(150, 200), Qt::LeftButton, Qt::LeftButton,
          Qt::NoModifier);
    Release(At(150, 200));
    EXPECT_EQ(Editor.ShowCount, 1);
}
