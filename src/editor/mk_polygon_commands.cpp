// The shape editor's typed settings and structural commands: vertex
// coordinates, interior angle, side length and slope through the numeric
// dialogs; inserting and deleting a vertex, fold lines, mirroring and resizing.
// Each handler reads its input, calls the construction in the model library,
// records its history entries (one undo step) and redraws.
#include "mk_polygon_fm.h"

#include "dialog_runner.h"
#include "drawing/view_scale.h"
#include "editing/apex_position.h"
#include "editing/interior_angle.h"
#include "editing/shape_edit.h"
#include "editing/shape_transform.h"
#include "editing/side_length.h"
#include "editing/side_slope.h"
#include "format/text_to_float.h"
#include "nset_line_angle_dlg.h"
#include "nset_line_length_dlg.h"
#include "nset_point_angle_dlg.h"
#include "nset_point_pos_dlg.h"
#include "polygon_info_dlg.h"
#include "prompt.h"

#include <QAction>

namespace {

const QString ResizeCaption = QStringLiteral("拡大縮小");
const QString ResizePrompt = QStringLiteral("拡大／縮小率 （％）を入力して下さい。");
const QString ResizeDefault = QStringLiteral("100");

} // namespace

void TMkPolygonFm::SetDialogs(const TEditorDialogs& dialogs) {
    FDialogs = dialogs;
    if (FDialogs.Monitor != nullptr)
        connect(this, &TMkPolygonFm::MonitorRefresh, FDialogs.Monitor, &TPolygonInfoDlg::Update);
}

void TMkPolygonFm::createCommandConnections() {
    connect(NSetPp, &QAction::triggered, this, &TMkPolygonFm::NSetPpClick);
    connect(NSetPa, &QAction::triggered, this, &TMkPolygonFm::NSetPaClick);
    connect(NSetLl, &QAction::triggered, this, &TMkPolygonFm::NSetLlClick);
    connect(NSetLa, &QAction::triggered, this, &TMkPolygonFm::NSetLaClick);
    connect(ApexInsertMi, &QAction::triggered, this, &TMkPolygonFm::ApexInsertMiClick);
    connect(ApexDelMi, &QAction::triggered, this, &TMkPolygonFm::ApexDelMiClick);
    // One handler for both fold-line sets; the set is the item's tag.
    connect(BendLine1Mi, &QAction::triggered, this, [this] { BendLine1MiClick(0); });
    connect(BendLine2Mi, &QAction::triggered, this, [this] { BendLine1MiClick(1); });
    connect(ReverseMi, &QAction::triggered, this, &TMkPolygonFm::ReverseMiClick);
    connect(PolygonResizeMi, &QAction::triggered, this, &TMkPolygonFm::PolygonResizeMiClick);
}

// A shortcut can fire while the mouse holds a gesture; the gesture records its
// moves against the shape as it was at the press, so nothing may change it
// under the gesture.
bool TMkPolygonFm::CanChangeShape() const {
    return !IsGestureMode(FMode);
}

bool TMkPolygonFm::KeepLengths() const {
    return FixSegLenMi->isChecked();
}

bool TMkPolygonFm::HasNumericDialogs() const {
    return FDialogs.Runner != nullptr && FDialogs.PointPos != nullptr &&
           FDialogs.LineLength != nullptr && FDialogs.PointAngle != nullptr &&
           FDialogs.LineAngle != nullptr;
}

// The frame of every command that moves vertices: the moves are recorded
// against the shape as the command found it. A construction that cannot be
// done leaves the shape as it was and records nothing.
void TMkPolygonFm::ApplyApexMoves(const std::function<bool(TPolygon&)>& construction) {
    CopyPolygon(FPolygon, FBackPolygon);
    if (!construction(FPolygon))
        return;
    RecordApexMoves();
    ShapeChanged();
}

void TMkPolygonFm::ShapeChanged() {
    RepaintSurface();
    RefreshMonitor();
}

void TMkPolygonFm::NSetPpClick() {
    const int k = FSelApex[1];
    if (!CanChangeShape() || !HasNumericDialogs() || !FSelFlags.OneApex ||
        !IsIndexOf(FPolygon.Apexes, k))
        return;
    TNSetPointPosDlg& dialog = *FDialogs.PointPos;
    dialog.SetPoint(FPolygon.Apexes[k]);
    if (!FDialogs.Runner->Run(dialog))
        return;
    const TPointF point = dialog.Point();
    const bool keepLengths = KeepLengths();
    ApplyApexMoves([&](TPolygon& shape) { return SetApexPosition(shape, k, point, keepLengths); });
}

void TMkPolygonFm::NSetPaClick() {
    const int k = FSelApex[1];
    if (!CanChangeShape() || !HasNumericDialogs() || !(FSelFlags.OneApex || FSelFlags.IsSide()) ||
        !IsIndexOf(FPolygon.Apexes, k))
        return;
    TNSetPointAngleDlg& dialog = *FDialogs.PointAngle;
    dialog.SetAngle(ApexAngle(FPolygon.Apexes, k));
    if (!FDialogs.Runner->Run(dialog))
        return;
    const long double angle = dialog.Angle();
    const TSelApex selApex = FSelApex;
    const bool keepLengths = KeepLengths();
    ApplyApexMoves(
        [&](TPolygon& shape) { return SetInteriorAngle(shape, selApex, angle, keepLengths); });
}

void TMkPolygonFm::NSetLlClick() {
    const int j = FSelApex[0];
    const int k = FSelApex[1];
    if (!CanChangeShape() || !HasNumericDialogs() || !FSelFlags.TwoApex ||
        !IsIndexOf(FPolygon.Apexes, j) || !IsIndexOf(FPolygon.Apexes, k))
        return;
    TNSetLineLengthDlg& dialog = *FDialogs.LineLength;
    dialog.SetLength(PointDistance(FPolygon.Apexes[j], FPolygon.Apexes[k]));
    if (!FDialogs.Runner->Run(dialog))
        return;
    const long double length = dialog.Length();
    const long double shortest = View.CloseDist();
    const bool keepLengths = KeepLengths();
    ApplyApexMoves(
        [&](TPolygon& shape) { return SetSideLength(shape, j, k, length, shortest, keepLengths); });
}

void TMkPolygonFm::NSetLaClick() {
    const int j = FSelApex[0];
    const int k = FSelApex[1];
    if (!CanChangeShape() || !HasNumericDialogs() || !FSelFlags.TwoApex ||
        !IsIndexOf(FPolygon.Apexes, j) || !IsIndexOf(FPolygon.Apexes, k))
        return;
    TNSetLineAngleDlg& dialog = *FDialogs.LineAngle;
    dialog.SetDirection(PointDirection(FPolygon.Apexes[j], FPolygon.Apexes[k]));
    if (!FDialogs.Runner->Run(dialog))
        return;
    const long double direction = dialog.Direction();
    const bool rotateShape = dialog.RotateWholeShape();
    const bool keepLengths = KeepLengths();
    ApplyApexMoves([&](TPolygon& shape) {
        return SetSideSlope(shape, j, k, direction, rotateShape, keepLengths);
    });
}

// The new vertex halves the selected side and becomes the only one selected.
void TMkPolygonFm::ApexInsertMiClick() {
    if (!CanChangeShape())
        return;
    const int inserted = SplitSide(FPolygon, SelectedSide(FSelApex, ApexCount()));
    if (inserted < 0)
        return;
    SetSelApex(0, -1);
    SetSelApex(1, inserted);
    UpdateSelFlags();
    FHistory.RecordInsertApex(inserted, FPolygon.Apexes[inserted], FPolygon.Flanges[inserted]);
    ShapeChanged();
}

// A shape keeps at least three vertices.
void TMkPolygonFm::ApexDelMiClick() {
    const int k = FSelApex[1];
    if (!CanChangeShape() || !FSelFlags.OneApex || ApexCount() < 4 ||
        !IsIndexOf(FPolygon.Apexes, k) || !IsIndexOf(FPolygon.Flanges, k))
        return;
    FHistory.RecordDeleteApex(k, FPolygon.Apexes[k], FPolygon.Flanges[k]);
    DeleteApex(FPolygon, k);
    SetSelApex(1, -1);
    UpdateSelFlags();
    ShapeChanged();
}

// The diagonal's fold line goes into lineSet, or out of it when it is there.
void TMkPolygonFm::BendLine1MiClick(int lineSet) {
    if (!CanChangeShape() || !FSelFlags.IsDiagonal())
        return;
    const TBendLineToggle toggle = ToggleBendLine(FPolygon, lineSet, FSelApex[0], FSelApex[1]);
    if (toggle.Removed)
        FHistory.RecordDelBendLine(toggle.RemovedSet, toggle.RemovedLine);
    if (toggle.Added)
        FHistory.RecordAddBendLine(toggle.AddedSet, toggle.AddedLine);
    if (toggle.Removed || toggle.Added)
        ShapeChanged();
}

void TMkPolygonFm::ReverseMiClick() {
    const int j = FSelApex[0];
    const int k = FSelApex[1];
    if (!CanChangeShape() || !FSelFlags.IsSide())
        return;
    ApplyApexMoves([j, k](TPolygon& shape) { return MirrorAcrossSide(shape, j, k); });
}

// The box offers 100 every time. A cancelled box changes nothing; a text that
// is not a number reads as 0 %, which the factor's range turns down. Flange
// widths change with the shape and are recorded in the same step, so that undo
// gives the corners and the widths back together.
void TMkPolygonFm::PolygonResizeMiClick() {
    if (!CanChangeShape() || ApexCount() < 3)
        return;
    QString text = ResizeDefault;
    if (!Prompt.InputText(ResizeCaption, ResizePrompt, text))
        return;
    const long double factor = TextToFloat(text.toStdString(), 0) / 100;
    CopyPolygon(FPolygon, FBackPolygon);
    if (!ResizePolygon(FPolygon, factor))
        return;
    RecordApexMoves();
    RecordFlangeChanges(FHistory, FPolygon, FBackPolygon);
    ShapeChanged();
}
