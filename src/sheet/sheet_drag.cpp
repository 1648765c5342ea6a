// The pointer gestures on the sheet's page: selecting with a click or a rubber
// band, moving near a shape's centroid and rotating farther out, under the
// placement options of the Edit menu, and holding the pointer on the grab
// point while a step is refused.
#include "main_fm.h"

#include "drawing/mouse_position.h"
#include "drawing/page_repaint.h"
#include "drawing/view_scale.h"
#include "geometry/shape_pick.h"
#include "paint_surface.h"
#include "prompt.h"
#include "screen_cursor.h"

#include <QAction>
#include <QMouseEvent>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

const QString AlreadyOverlappingText = QStringLiteral(
    "図形の重なりを回避する指定になっていますが、選択した図形は既に重なった状態に有ります。"
    "このモードを解除し、手動で重複の解消を行って下さい。");

TMouseKeys KeysOf(const QMouseEvent& event) {
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    return {modifiers.testFlag(Qt::ShiftModifier), modifiers.testFlag(Qt::ControlModifier)};
}

// The pixel under the mouse; positions may be fractional on scaled screens.
TPixelPoint PixelOf(const QMouseEvent& event) {
    return {static_cast<std::int64_t>(std::floor(event.position().x())),
            static_cast<std::int64_t>(std::floor(event.position().y()))};
}

// A pixel coordinate brought into the range of a widget coordinate.
int ToWidgetCoordinate(std::int64_t pixel) {
    constexpr std::int64_t limit = std::numeric_limits<int>::max() / 2;
    return static_cast<int>(std::clamp(pixel, -limit, limit));
}

} // namespace

TPlacementRules TMainFm::PlacementRules() const {
    TPlacementRules rules;
    rules.KeepInside = WallChkMi->isChecked();
    rules.AvoidOverlap = PorigonCrossChkMi->isChecked();
    rules.AutoRotate = AutoRotateMi->isChecked();
    rules.PageWidth = PageWidth;
    rules.PageHeight = PageHeight;
    return rules;
}

// Every press first takes the mouse position as the new reference; a press
// during a gesture ends it, whatever the button.
void TMainFm::PbMouseDown(const QMouseEvent* event) {
    const TMouseKeys keys = KeysOf(*event);
    const TPixelPoint pixel = PixelOf(*event);
    DownPoint = MousePosToMm(View, DownPoint, keys, pixel.X, pixel.Y);
    if (DragState != dsIdle) {
        EndDrag();
        return;
    }
    if (event->buttons().testFlag(Qt::LeftButton))
        StartGesture(keys.Ctrl, pixel);
    else
        Document.DropSelectionCopy();
}

void TMainFm::StartGesture(bool ctrl, const TPixelPoint& pixel) {
    const int index = PickPolygon(ShownPage(), DownPoint);
    if (index < 0) {
        StartRubberBand(ctrl, pixel);
        Document.DropSelectionCopy();
        return;
    }
    if (!GrabPolygon(index, ctrl))
        return;
    if (DragState == dsMove || DragState == dsRotate)
        Document.BeginDrag(); // the "before" images of the moves recorded at the end
    else
        Document.DropSelectionCopy();
    RepaintPage();
}

// False when the grab is refused: with overlaps to be avoided a shape that
// already overlaps could never take a step.
bool TMainFm::GrabPolygon(int index, bool ctrl) {
    const TPolygon& shape = ShownPage()[index];
    const TPlacementRules rules = PlacementRules();
    if (rules.AvoidOverlap && Document.CollidesInPlace(index, rules)) {
        Prompt.ShowWarning(WarningTitle, AlreadyOverlappingText);
        return false;
    }
    const TPointF point = DownPoint;
    Grip = GripOf(shape, point);
    switch (GrabKind(shape, point)) {
    case TGrabKind::Move:
        // The first vertex travels on the grid, the page's grid with Ctrl held.
        DownPoint = SnapToGrid(shape, point, View.GridStep());
        DragState = dsMove;
        break;
    case TGrabKind::Rotate:
        DragState = dsRotate;
        break;
    case TGrabKind::None:
        DragState = dsIdle;
        break;
    }
    const bool selected = Document.SelPos(index) >= 0;
    if (ctrl && selected) {
        Document.Unselect(index);
        DragState = dsIdle;
    } else if (ctrl) {
        Document.Select(index);
    } else if (!selected) {
        Document.SelectOnly(index);
    }
    return true;
}

void TMainFm::StartRubberBand(bool ctrl, const TPixelPoint& pixel) {
    DragState = dsRubberBand;
    RubberStart = pixel;
    RubberEnd = pixel;
    if (!ctrl)
        Document.UnselectAll();
    RepaintPage();
}

void TMainFm::PbMouseMove(const QMouseEvent* event) {
    const TPixelPoint pixel = PixelOf(*event);
    const TPointF position = MousePosToMm(View, DownPoint, KeysOf(*event), pixel.X, pixel.Y);
    ShowMousePosition(position);
    switch (DragState) {
    case dsMove:
    case dsRotate:
        DragStep(position);
        break;
    case dsRubberBand:
        StretchRubberBand(pixel);
        break;
    default:
        break;
    }
}

void TMainFm::DragStep(const TPointF& q) {
    const QRect before = SelectionArea();
    const TPlacementRules rules = PlacementRules();
    const TDragStepResult step = DragState == dsMove
                                     ? Document.MoveSelection(DownPoint, q, rules, Grip)
                                     : Document.RotateSelection(DownPoint, q, rules, Grip);
    if (step.Collided)
        ReturnPointer(step.GripPoint);
    DownPoint = step.NextDownPoint;
    if (step.Changed)
        PaintBox1->update(before.united(SelectionArea()));
}

// Moving the pointer produces a move event of its own, which then sees no
// displacement: the step's reference is already the grab point.
void TMainFm::ReturnPointer(const TPointF& gripPoint) {
    const long double scale = View.ScreenScale();
    const TPixelPoint pixel = ModelToDevice(gripPoint, scale, scale);
    Cursor.SetPos(
        PaintBox1->mapToGlobal(QPoint(ToWidgetCoordinate(pixel.X), ToWidgetCoordinate(pixel.Y))));
}

void TMainFm::StretchRubberBand(const TPixelPoint& pixel) {
    const QRect before = RubberBandArea();
    RubberEnd = pixel;
    PaintBox1->update(before.united(RubberBandArea()));
}

void TMainFm::PbMouseUp(const QMouseEvent* event) {
    const bool banded = DragState == dsRubberBand;
    if (banded)
        FinishRubberBand(KeysOf(*event).Ctrl);
    // In click-to-drag mode a move or rotation goes on until the next press.
    if (ClickDragMi->isChecked()) {
        if (banded)
            RepaintPage();
        return;
    }
    if (DragState == dsMove || DragState == dsRotate)
        Document.EndDrag();
    Document.DropSelectionCopy();
    DragState = dsIdle;
    ShowPlacingHint(false);
    RepaintPage();
}

// A click without movement is a band of one point: on a flange outside every
// outline it selects that flange's shape.
void TMainFm::FinishRubberBand(bool ctrl) {
    DragState = dsIdle;
    if (!ctrl)
        Document.UnselectAll();
    const long double scale = View.ScreenScale();
    Document.SelectShapesInBand(DeviceToModel(RubberStart, scale, scale),
                                DeviceToModel(RubberEnd, scale, scale));
}

// Ends a gesture as a press does: a move or rotation records the displacement
// of every selected shape.
void TMainFm::EndDrag() {
    if (DragState == dsMove || DragState == dsRotate)
        Document.EndDrag();
    Document.DropSelectionCopy();
    DragState = dsIdle;
    ShowPlacingHint(false);
    RepaintPage();
}

QRect TMainFm::SelectionArea() {
    const TPixelRect surface{0, 0, PaintBox1->width() - 1, PaintBox1->height() - 1};
    const TPixelRect area =
        SelectionPixelArea(Document.PageIndex(), Document.Selection(), View.ScreenScale(), surface);
    if (area.IsEmpty())
        return {};
    return QRect(QPoint(ToWidgetCoordinate(area.Left), ToWidgetCoordinate(area.Top)),
                 QPoint(ToWidgetCoordinate(area.Right), ToWidgetCoordinate(area.Bottom)));
}

QRect TMainFm::RubberBandArea() const {
    const QRect band(QPoint(ToWidgetCoordinate(RubberStart.X), ToWidgetCoordinate(RubberStart.Y)),
                     QPoint(ToWidgetCoordinate(RubberEnd.X), ToWidgetCoordinate(RubberEnd.Y)));
    return band.normalized().adjusted(-1, -1, 1, 1);
}
