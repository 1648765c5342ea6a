// The shape editor's mouse: drawing a new outline, picking vertices, sides and
// fold lines, dragging a vertex, moving and turning the whole shape, and the two
// status panels that report the mouse position and the line under it.
#include "mk_polygon_fm.h"

#include "drawing/hit_test.h"
#include "drawing/view_scale.h"
#include "editing/new_outline.h"
#include "editing/shape_gesture.h"
#include "editing/shape_pick.h"
#include "editor_status_text.h"
#include "geometry/keep_length.h"
#include "geometry/plane_geometry.h"

#include <QAction>
#include <QLabel>
#include <QMouseEvent>

#include <cmath>

namespace {

// The pixel under the mouse; positions may be fractional on scaled screens.
std::int64_t PixelOf(qreal coordinate) {
    return static_cast<std::int64_t>(std::floor(coordinate));
}

TMouseKeys KeysOf(const QMouseEvent* event) {
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    return TMouseKeys{modifiers.testFlag(Qt::ShiftModifier),
                      modifiers.testFlag(Qt::ControlModifier)};
}

} // namespace

TPointF TMkPolygonFm::MouseToMm(const QMouseEvent* event) const {
    return MousePosToMm(View, FLastPoint, KeysOf(event), PixelOf(event->position().x()),
                        PixelOf(event->position().y()));
}

// Only the left button edits. A press of another button during a gesture must
// not retake the before-state, or the gesture would be recorded only in part.
void TMkPolygonFm::PbMouseDown(const QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    const TPointF q = MouseToMm(event);
    FLastPoint = q;
    CopyPolygon(FPolygon, FBackPolygon);
    if (FMode == emDraw) {
        PlaceOrFinishOutline(q);
    } else {
        SetMode(emIdle);
        if (ApexCount() >= 3) {
            const TMouseKeys keys = KeysOf(event);
            PickAt(q, keys.Ctrl || keys.Shift);
        }
        StartShapeGesture();
    }
    UpdateSelFlags();
}

// An outline is finished by pressing again near the vertex placed last.
void TMkPolygonFm::PlaceOrFinishOutline(const TPointF& q) {
    if (IsOutlineClosingPress(FPolygon, q, View.CloseDist())) {
        FinishOutline(FPolygon);
        SetMode(emIdle);
        ShowDrawingHint();
    } else {
        const int placed = PlaceOutlineVertex(FPolygon, q);
        if (placed >= 0)
            FHistory.RecordInsertApex(placed, q, FPolygon.Flanges[placed]);
    }
    RepaintSurface();
    RefreshMonitor();
}

// A vertex under the press becomes the current vertex, with the previous one
// kept as the other end when keepCurrentApex; otherwise a side or fold line
// under the press selects its two ends, the nearer one current.
void TMkPolygonFm::PickAt(const TPointF& q, bool keepCurrentApex) {
    const int apex = PickApex(FPolygon.Apexes, q, View.ApexPickDist());
    if (apex >= 0) {
        SetSelApex(0, keepCurrentApex ? FSelApex[1] : -1);
        SetSelApex(1, apex);
    } else {
        SetSelApex(0, -1);
        SetSelApex(1, -1);
    }
    TLineEnds ends;
    if (FSelApex[1] < 0 && PickLine(FPolygon, q, View.LinePickDist(), ends)) {
        SetSelApex(0, ends.Far);
        SetSelApex(1, ends.Near);
    }
    UpdateSelFlags();
    RepaintSurface();
    RefreshMonitor();
    if (FSelFlags.OneApex)
        SetMode(emDragApex);
}

// A press inside the outline and away from its sides takes the whole shape.
void TMkPolygonFm::StartShapeGesture() {
    if (FMode != emIdle || ApexCount() < 3)
        return;
    switch (ShapeGestureAt(FPolygon.Apexes, FLastPoint, View.LinePickDist())) {
    case TShapeGesture::Move:
        SetMode(emMoveShape);
        break;
    case TShapeGesture::Rotate:
        SetMode(emRotateShape);
        break;
    case TShapeGesture::None:
        break;
    }
}

void TMkPolygonFm::PbMouseMove(const QMouseEvent* event) {
    const TPointF q = MouseToMm(event);
    QString text = PositionStatusText(q);
    switch (FMode) {
    case emDraw:
        text += DrawStep(q);
        break;
    case emDragApex:
        text += DragApexStep(q);
        break;
    case emMoveShape:
        MoveShapeStep(q);
        break;
    case emRotateShape:
        RotateShapeStep(q);
        break;
    case emIdle:
        ReportLineUnderMouse(q);
        break;
    }
    StatusPanel0->setText(text);
}

// The rubber band follows the mouse; returns the length of the side being drawn.
QString TMkPolygonFm::DrawStep(const TPointF& q) {
    TDaPointF& apexes = FPolygon.Apexes;
    const std::size_t n = apexes.size();
    if (n == 0)
        return {};
    const QString length =
        n > 1 ? DrawLengthStatusText(PointDistance(apexes[n - 2], q)) : QString();
    apexes[n - 1] = q;
    RepaintChanges();
    RefreshMonitor();
    return length;
}

// The current vertex follows the mouse, keeping every side's length while the
// side-length switch is on; returns the lengths of its two sides to the mouse.
QString TMkPolygonFm::DragApexStep(const TPointF& q) {
    TDaPointF& apexes = FPolygon.Apexes;
    const int n = ApexCount();
    const int k = FSelApex[1];
    if (!IsIndexOf(apexes, k))
        return {};
    QString lengths;
    if (n > 2)
        lengths = DragLengthsStatusText(PointDistance(apexes[(k - 1 + n) % n], q),
                                        PointDistance(apexes[(k + 1) % n], q));
    if (FixSegLenMi->isChecked())
        MoveApexKeepLen(FPolygon, k, q);
    else
        apexes[k] = q;
    RepaintChanges();
    RefreshMonitor();
    return lengths;
}

void TMkPolygonFm::MoveShapeStep(const TPointF& q) {
    const long double dx = q.X - FLastPoint.X;
    const long double dy = q.Y - FLastPoint.Y;
    FLastPoint = q;
    TranslateApexes(FPolygon.Apexes, dx, dy);
    RepaintChanges();
    RefreshMonitor();
}

void TMkPolygonFm::RotateShapeStep(const TPointF& q) {
    TPointF centroid;
    if (PolygonCentroid(FPolygon.Apexes, centroid) > 0)
        RotatePoints(FPolygon.Apexes, centroid, RotationStep(centroid, FLastPoint, q));
    FLastPoint = q;
    RepaintChanges();
    RefreshMonitor();
}

void TMkPolygonFm::ReportLineUnderMouse(const TPointF& q) {
    TLineReport report;
    StatusPanel1->setText(LineReportAt(FPolygon, q, View.LinePickDist(), report)
                              ? LineStatusText(report)
                              : QString());
}

// A whole drag, move or rotation is recorded here, as one step.
void TMkPolygonFm::PbMouseUp(const QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    if (FMode != emDraw) {
        RecordApexMoves();
        SetMode(emIdle);
    }
    RepaintSurface();
    UpdateSelFlags();
}
