// The mouse on the sheet's page: selection, moves and rotations under the
// placement rules, each recorded in the sheet's history.
#include "sheet_gestures.h"

#include "document/sheet_document.h"
#include "drawing/mouse_position.h"
#include "geometry/shape_pick.h"
#include "page_view.h"
#include "paint_surface.h"
#include "prompt.h"
#include "screen_cursor.h"

#include "ui_text.h"

#include <QMouseEvent>

#include <cmath>

namespace {

QString AlreadyOverlappingText() {
    return UiText(
        "TSheetGestures",
        "図形の重なりを回避する指定になっていますが、選択した図形は既に重なった状態に有ります。"
        "このモードを解除し、手動で重複の解消を行って下さい。");
}

TMouseKeys KeysOf(const QMouseEvent& event) {
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    return {modifiers.testFlag(Qt::ShiftModifier), modifiers.testFlag(Qt::ControlModifier)};
}

// The pixel under the mouse; positions may be fractional on scaled screens.
TPixelPoint PixelOf(const QMouseEvent& event) {
    return {static_cast<std::int64_t>(std::floor(event.position().x())),
            static_cast<std::int64_t>(std::floor(event.position().y()))};
}

bool IsDrag(TDragState state) {
    return state == dsMove || state == dsRotate;
}

} // namespace

TSheetGestures::TSheetGestures(TSheetDocument& document, TPageView& view, IPrompt& prompt,
                               IScreenCursor& cursor)
    : Document(document), View(view), Prompt(prompt), Cursor(cursor) {}

void TSheetGestures::SetState(TDragState state) {
    FState = state;
    View.ShowGesture(state != dsIdle, state == dsRubberBand);
}

void TSheetGestures::MouseDown(const QMouseEvent& event, const TPlacementRules& rules) {
    const TMouseKeys keys = KeysOf(event);
    const TPixelPoint pixel = PixelOf(event);
    DownPoint = MousePosToMm(View.Scale(), DownPoint, keys, pixel.X, pixel.Y);
    if (FState != dsIdle) {
        EndDrag();
        return;
    }
    if (event.buttons().testFlag(Qt::LeftButton))
        StartGesture(keys.Ctrl, pixel, rules);
    else
        Document.DropSelectionCopy();
}

void TSheetGestures::StartGesture(bool ctrl, const TPixelPoint& pixel,
                                  const TPlacementRules& rules) {
    const int index = PickPolygon(Document.Drawing()[Document.CurPage()], DownPoint);
    if (index < 0) {
        SetState(dsRubberBand);
        View.SetRubberBand(pixel, pixel);
        if (!ctrl)
            Document.UnselectAll();
        View.Repaint();
        Document.DropSelectionCopy();
        return;
    }
    if (!GrabPolygon(index, ctrl, rules))
        return;
    if (IsDrag(FState))
        Document.BeginDrag(); // the "before" images of the moves recorded at the end
    else
        Document.DropSelectionCopy();
    View.Repaint();
}

// False when the grab is refused: with overlaps to be avoided a shape that
// already overlaps could never take a step.
bool TSheetGestures::GrabPolygon(int index, bool ctrl, const TPlacementRules& rules) {
    const TPolygon& shape = *Document.PolygonAt(index);
    if (rules.AvoidOverlap && Document.CollidesInPlace(index, rules)) {
        Prompt.ShowWarning(WarningTitle(), AlreadyOverlappingText());
        return false;
    }
    const TPointF point = DownPoint;
    Grip = GripOf(shape, point);
    switch (GrabKind(shape, point)) {
    case TGrabKind::Move:
        // The first vertex travels on the grid, the page's grid with Ctrl held.
        DownPoint = SnapToGrid(shape, point, View.Scale().GridStep());
        SetState(dsMove);
        break;
    case TGrabKind::Rotate:
        SetState(dsRotate);
        break;
    case TGrabKind::None:
        SetState(dsIdle);
        break;
    }
    const bool selected = Document.SelPos(index) >= 0;
    if (ctrl && selected) {
        Document.Unselect(index);
        SetState(dsIdle);
    } else if (ctrl) {
        Document.Select(index);
    } else if (!selected) {
        Document.SelectOnly(index);
    }
    return true;
}

void TSheetGestures::MouseMove(const QMouseEvent& event, const TPlacementRules& rules) {
    const TPixelPoint pixel = PixelOf(event);
    const TPointF position = MousePosToMm(View.Scale(), DownPoint, KeysOf(event), pixel.X, pixel.Y);
    emit PointerMoved(position);
    if (IsDrag(FState))
        DragStep(position, rules);
    else if (FState == dsRubberBand)
        View.SetRubberBand(View.RubberStart(), pixel);
}

// A refused step sends the pointer back to the grab point. Moving the pointer
// produces a move event of its own, which then sees no displacement: the
// step's reference is already the grab point.
void TSheetGestures::DragStep(const TPointF& q, const TPlacementRules& rules) {
    const QRect before = View.SelectionArea();
    const TDragStepResult step = FState == dsMove
                                     ? Document.MoveSelection(DownPoint, q, rules, Grip)
                                     : Document.RotateSelection(DownPoint, q, rules, Grip);
    if (step.Collided)
        Cursor.SetPos(View.GlobalOf(step.GripPoint));
    DownPoint = step.NextDownPoint;
    if (step.Changed)
        View.RepaintArea(before.united(View.SelectionArea()));
}

void TSheetGestures::MouseUp(const QMouseEvent& event, bool clickToDrag) {
    const bool banded = FState == dsRubberBand;
    if (banded)
        FinishRubberBand(KeysOf(event).Ctrl);
    if (!clickToDrag) {
        EndDrag();
        return;
    }
    if (banded)
        View.Repaint();
}

// A click without movement is a band of one point: on a flange outside every
// outline it selects that flange's shape.
void TSheetGestures::FinishRubberBand(bool ctrl) {
    SetState(dsIdle);
    if (!ctrl)
        Document.UnselectAll();
    const long double scale = View.Scale().ScreenScale();
    Document.SelectShapesInBand(DeviceToModel(View.RubberStart(), scale, scale),
                                DeviceToModel(View.RubberEnd(), scale, scale));
}

int TSheetGestures::ShapeForEditing(const QMouseEvent& event) {
    const long double scale = View.Scale().ScreenScale();
    const int index = PickPolygon(Document.Drawing()[Document.CurPage()],
                                  DeviceToModel(PixelOf(event), scale, scale));
    if (index < 0)
        return -1;
    EndDrag();
    if (Document.CurrentPolygonIndex() != index)
        Document.SelectOnly(index);
    return index;
}

void TSheetGestures::EndDrag() {
    if (IsDrag(FState))
        Document.EndDrag();
    Stop();
}

void TSheetGestures::Cancel() {
    Stop();
}

void TSheetGestures::Stop() {
    Document.DropSelectionCopy();
    SetState(dsIdle);
    emit PlacingChanged(false);
    View.Repaint();
}

// A shape moved to where it fits takes the pointer with it, into view, so
// that it follows the pointer from there as it would from under it. The
// pointer lands on a whole pixel: the steps start from that pixel, so the
// shape stays where it fits until the pointer moves.
TPlaceFit TSheetGestures::PlaceShape(const TPolygon& shape, long double pageWidth,
                                     long double pageHeight) {
    TPointF pointer = View.PointAtGlobal(Cursor.Pos());
    const TPlacedShape placed = Document.PlaceShapeWhereItFits(
        shape, pointer, View.Scale().GridStep(), pageWidth, pageHeight);
    if (placed.Index < 0)
        return placed.Fit;
    if (placed.Pointer != pointer) {
        const QPoint pixel = View.Surface()->mapFromGlobal(View.GlobalOf(placed.Pointer));
        View.ensureVisible(pixel.x(), pixel.y());
        const QPoint global = View.GlobalOf(placed.Pointer);
        Cursor.SetPos(global);
        pointer = View.PointAtGlobal(global);
    }
    DownPoint = pointer;
    Grip = GripOf(*Document.PolygonAt(placed.Index), pointer);
    SetState(dsMove);
    emit PlacingChanged(true);
    View.Repaint();
    return placed.Fit;
}
