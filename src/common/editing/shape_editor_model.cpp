// The shape editor's model: the editing run, the selection and mode routines,
// the mouse gestures, undo and redo, the numeric settings, the structural
// commands and the flanges, each recording its own history entries.
#include "editing/shape_editor_model.h"

#include "editing/apex_position.h"
#include "editing/interior_angle.h"
#include "editing/new_outline.h"
#include "editing/shape_edit.h"
#include "editing/shape_gesture.h"
#include "editing/shape_transform.h"
#include "editing/side_length.h"
#include "editing/side_slope.h"
#include "editing/storable_value.h"
#include "geometry/hit_test.h"
#include "geometry/keep_length.h"
#include "geometry/plane_geometry.h"
#include "geometry/shape_pick.h"

#include <algorithm>

TShapeEditorModel::TShapeEditorModel(ITickCounter& ticks) : FHistory(ticks) {
    FPolygon.Apexes.assign(1, TPointF());
    FPolygon.Flanges.assign(1, TFlange());
    UpdateSelFlags();
}

// A shape without area has no centroid.
TPointF TShapeEditorModel::ViewCentre() const {
    TPointF centre;
    if (ApexCount() >= 3)
        PolygonCentroid(FPolygon.Apexes, centre);
    return centre;
}

void TShapeEditorModel::SetFlangeDefaults(long double width, long double angle1,
                                          long double angle2) {
    FFlangeWidth = width;
    FFlangeAngle1 = angle1;
    FFlangeAngle2 = angle2;
}

void TShapeEditorModel::NewPolygon() {
    SetSelApex(0, -1);
    SetSelApex(1, -1);
    FPolygon = NewOutline();
    SetMode(emDraw);
    UpdateSelFlags();
}

void TShapeEditorModel::SetPolygon(const TPolygon& shape) {
    NewPolygon();
    CopyPolygon(shape, FOrgPolygon);
    CopyPolygon(shape, FPolygon);
    SetMode(emIdle);
    UpdateSelFlags();
}

bool TShapeEditorModel::GetPolygon(TPolygon& shape) const {
    if (ApexCount() < 3)
        return false;
    CopyPolygon(FPolygon, shape);
    return true;
}

void TShapeEditorModel::StartRun() {
    FHistory.Clear();
    UpdateSelFlags();
}

bool TShapeEditorModel::Restore() {
    if (!HasOriginal())
        return false;
    NewPolygon();
    CopyPolygon(FOrgPolygon, FPolygon);
    SetMode(emIdle);
    FHistory.Clear();
    UpdateSelFlags();
    return true;
}

void TShapeEditorModel::SetSelApex(int slot, int value) {
    ::SetSelApex(FHistory, FSelApex, slot, value);
}

void TShapeEditorModel::SetMode(TEditMode mode) {
    ::SetMode(FHistory, FMode, mode);
}

void TShapeEditorModel::UpdateSelFlags() {
    FSelFlags = SelFlagsOf(FSelApex, ApexCount());
}

void TShapeEditorModel::RecordApexMoves() {
    ::RecordApexMoves(FHistory, FPolygon.Apexes, FBackApexes);
    FBackApexes = TDaPointF();
}

// The frame of every command that moves vertices: the moves are recorded
// against the vertices as the command found them.
template <class TConstruction>
bool TShapeEditorModel::ApplyApexMoves(const TConstruction& construction) {
    FBackApexes = FPolygon.Apexes;
    if (!construction(FPolygon)) {
        FBackApexes = TDaPointF();
        return false;
    }
    RecordApexMoves();
    return true;
}

bool TShapeEditorModel::Press(const TPointF& q, bool keepCurrentApex,
                              const TPickDistances& distances) {
    FLastPoint = q;
    FBackApexes = FPolygon.Apexes;
    bool acted = true;
    if (FMode == emDraw) {
        PlaceOrFinishOutline(q, distances.Close);
    } else {
        SetMode(emIdle);
        acted = ApexCount() >= 3;
        if (acted)
            PickAt(q, keepCurrentApex, distances);
        StartShapeGesture(distances.Line);
    }
    UpdateSelFlags();
    return acted;
}

// An outline is finished by pressing again near the vertex placed last.
void TShapeEditorModel::PlaceOrFinishOutline(const TPointF& q, long double closeDist) {
    if (IsOutlineClosingPress(FPolygon, q, closeDist)) {
        FinishOutline(FPolygon);
        SetMode(emIdle);
        return;
    }
    const int placed = PlaceOutlineVertex(FPolygon, q);
    if (placed >= 0)
        FHistory.RecordInsertApex(placed, q, FPolygon.Flanges[placed]);
}

// A vertex under the press becomes the current vertex, with the previous one
// kept as the other end when keepCurrentApex; otherwise a side or fold line
// under the press selects its two ends, the nearer one current. One vertex
// alone is dragged.
void TShapeEditorModel::PickAt(const TPointF& q, bool keepCurrentApex,
                               const TPickDistances& distances) {
    const int apex = PickApex(FPolygon.Apexes, q, distances.Apex);
    if (apex >= 0) {
        SetSelApex(0, keepCurrentApex ? FSelApex[1] : -1);
        SetSelApex(1, apex);
    } else {
        SetSelApex(0, -1);
        SetSelApex(1, -1);
    }
    TLineEnds ends;
    if (FSelApex[1] < 0 && PickLine(FPolygon, q, distances.Line, ends)) {
        SetSelApex(0, ends.Far);
        SetSelApex(1, ends.Near);
    }
    UpdateSelFlags();
    if (FSelFlags.OneApex)
        SetMode(emDragApex);
}

// A press inside the outline and away from its sides takes the whole shape.
void TShapeEditorModel::StartShapeGesture(long double linePickDist) {
    if (FMode != emIdle || ApexCount() < 3)
        return;
    switch (ShapeGestureAt(FPolygon.Apexes, FLastPoint, linePickDist)) {
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

TMoveStep TShapeEditorModel::MoveTo(const TPointF& q, bool keepLengths) {
    switch (FMode) {
    case emDraw:
        return DrawStep(q);
    case emDragApex:
        return DragApexStep(q, keepLengths);
    case emMoveShape:
        MoveShapeStep(q);
        return TMoveStep{true};
    case emRotateShape:
        RotateShapeStep(q);
        return TMoveStep{true};
    case emIdle:
        break;
    }
    return {};
}

// The rubber band follows the mouse; the side being drawn is measured to it.
TMoveStep TShapeEditorModel::DrawStep(const TPointF& q) {
    TDaPointF& apexes = FPolygon.Apexes;
    const std::size_t n = apexes.size();
    if (n == 0)
        return {};
    TMoveStep step{true};
    if (n > 1) {
        step.LengthCount = 1;
        step.Lengths[0] = PointDistance(apexes[n - 2], q);
    }
    apexes[n - 1] = q;
    return step;
}

// The current vertex follows the mouse, keeping every side's length with
// keepLengths; its two sides are measured to the mouse point.
TMoveStep TShapeEditorModel::DragApexStep(const TPointF& q, bool keepLengths) {
    TDaPointF& apexes = FPolygon.Apexes;
    const int n = ApexCount();
    const int k = FSelApex[1];
    if (!IsIndexOf(apexes, k))
        return {};
    TMoveStep step{true};
    if (n > 2) {
        step.LengthCount = 2;
        step.Lengths[0] = PointDistance(apexes[(k - 1 + n) % n], q);
        step.Lengths[1] = PointDistance(apexes[(k + 1) % n], q);
    }
    if (keepLengths)
        MoveApexKeepLen(FPolygon, k, q);
    else
        apexes[k] = q;
    return step;
}

void TShapeEditorModel::MoveShapeStep(const TPointF& q) {
    const long double dx = q.X - FLastPoint.X;
    const long double dy = q.Y - FLastPoint.Y;
    FLastPoint = q;
    TranslateApexes(FPolygon.Apexes, dx, dy);
}

void TShapeEditorModel::RotateShapeStep(const TPointF& q) {
    TPointF centroid;
    if (PolygonCentroid(FPolygon.Apexes, centroid) > 0)
        RotatePoints(FPolygon.Apexes, centroid, RotationStep(centroid, FLastPoint, q));
    FLastPoint = q;
}

// A whole drag, move or rotation is recorded here, as one step.
void TShapeEditorModel::Release() {
    if (FMode != emDraw) {
        RecordApexMoves();
        SetMode(emIdle);
    }
    UpdateSelFlags();
}

bool TShapeEditorModel::PutRubberBand(const TPointF& q) {
    if (FMode != emDraw || FPolygon.Apexes.empty())
        return false;
    FPolygon.Apexes.back() = q;
    return true;
}

TEditorState TShapeEditorModel::State() {
    return TEditorState{FPolygon, FSelApex, FMode, FLastPoint};
}

bool TShapeEditorModel::Undo() {
    if (!CanChangeShape())
        return false;
    const TEditorState state = State();
    FHistory.Undo([&state](const THistoryItem& entry) { UndoEditorEntry(state, entry); });
    AfterHistoryWalk();
    return true;
}

bool TShapeEditorModel::Redo() {
    if (!CanChangeShape())
        return false;
    const TEditorState state = State();
    FHistory.Redo([&state](const THistoryItem& entry) { RedoEditorEntry(state, entry); });
    AfterHistoryWalk();
    return true;
}

// A slot left naming a vertex that is gone is emptied, so that no command
// reaches past the shape.
void TShapeEditorModel::AfterHistoryWalk() {
    DropStaleSelApex(FSelApex, ApexCount());
    UpdateSelFlags();
}

std::optional<TPointF> TShapeEditorModel::ApexPositionOffer() const {
    const int k = FSelApex[1];
    if (!CanChangeShape() || !FSelFlags.OneApex || !IsIndexOf(FPolygon.Apexes, k))
        return std::nullopt;
    return FPolygon.Apexes[k];
}

bool TShapeEditorModel::SetSelectedApexPosition(const TPointF& point, bool keepLengths) {
    if (!ApexPositionOffer())
        return false;
    const int k = FSelApex[1];
    return ApplyApexMoves(
        [&](TPolygon& shape) { return SetApexPosition(shape, k, point, keepLengths); });
}

std::optional<long double> TShapeEditorModel::InteriorAngleOffer() const {
    const int k = FSelApex[1];
    if (!CanChangeShape() || !(FSelFlags.OneApex || FSelFlags.IsSide()) ||
        !IsIndexOf(FPolygon.Apexes, k))
        return std::nullopt;
    return ApexAngle(FPolygon.Apexes, k);
}

bool TShapeEditorModel::SetSelectedInteriorAngle(long double angle, bool keepLengths) {
    if (!InteriorAngleOffer())
        return false;
    const TSelApex selApex = FSelApex;
    return ApplyApexMoves(
        [&](TPolygon& shape) { return SetInteriorAngle(shape, selApex, angle, keepLengths); });
}

std::optional<long double> TShapeEditorModel::SideLengthOffer() const {
    const int j = FSelApex[0];
    const int k = FSelApex[1];
    if (!CanChangeShape() || !FSelFlags.TwoApex || !IsIndexOf(FPolygon.Apexes, j) ||
        !IsIndexOf(FPolygon.Apexes, k))
        return std::nullopt;
    return PointDistance(FPolygon.Apexes[j], FPolygon.Apexes[k]);
}

bool TShapeEditorModel::SetSelectedSideLength(long double length, long double shortest,
                                              bool keepLengths) {
    if (!SideLengthOffer())
        return false;
    const int j = FSelApex[0];
    const int k = FSelApex[1];
    return ApplyApexMoves(
        [&](TPolygon& shape) { return SetSideLength(shape, j, k, length, shortest, keepLengths); });
}

std::optional<long double> TShapeEditorModel::SideSlopeOffer() const {
    if (!SideLengthOffer())
        return std::nullopt;
    return PointDirection(FPolygon.Apexes[FSelApex[0]], FPolygon.Apexes[FSelApex[1]]);
}

bool TShapeEditorModel::SetSelectedSideSlope(long double direction, bool rotateShape,
                                             bool keepLengths) {
    if (!SideSlopeOffer())
        return false;
    const int j = FSelApex[0];
    const int k = FSelApex[1];
    return ApplyApexMoves([&](TPolygon& shape) {
        return SetSideSlope(shape, j, k, direction, rotateShape, keepLengths);
    });
}

// The new vertex halves the selected side and becomes the only one selected.
bool TShapeEditorModel::InsertApexInSide() {
    if (!CanChangeShape())
        return false;
    const int inserted = SplitSide(FPolygon, SelectedSide(FSelApex, ApexCount()));
    if (inserted < 0)
        return false;
    SetSelApex(0, -1);
    SetSelApex(1, inserted);
    UpdateSelFlags();
    FHistory.RecordInsertApex(inserted, FPolygon.Apexes[inserted], FPolygon.Flanges[inserted]);
    return true;
}

bool TShapeEditorModel::DeleteSelectedApex() {
    const int k = FSelApex[1];
    if (!CanChangeShape() || !FSelFlags.OneApex || ApexCount() < 4 ||
        !IsIndexOf(FPolygon.Apexes, k) || !IsIndexOf(FPolygon.Flanges, k))
        return false;
    FHistory.RecordDeleteApex(k, FPolygon.Apexes[k], FPolygon.Flanges[k]);
    DeleteApex(FPolygon, k);
    SetSelApex(1, -1);
    UpdateSelFlags();
    return true;
}

bool TShapeEditorModel::ToggleSelectedBendLine(int lineSet) {
    if (!CanChangeShape() || !FSelFlags.IsDiagonal())
        return false;
    const TBendLineToggle toggle = ToggleBendLine(FPolygon, lineSet, FSelApex[0], FSelApex[1]);
    if (toggle.Removed)
        FHistory.RecordDelBendLine(toggle.RemovedSet, toggle.RemovedLine);
    if (toggle.Added)
        FHistory.RecordAddBendLine(toggle.AddedSet, toggle.AddedLine);
    return toggle.Removed || toggle.Added;
}

bool TShapeEditorModel::MirrorAcrossSelectedSide() {
    const int j = FSelApex[0];
    const int k = FSelApex[1];
    if (!CanChangeShape() || !FSelFlags.IsSide())
        return false;
    return ApplyApexMoves([j, k](TPolygon& shape) { return MirrorAcrossSide(shape, j, k); });
}

// Flange widths change with the shape and are recorded in the same step, so
// that undo gives the corners and the widths back together.
bool TShapeEditorModel::ResizeShape(long double factor) {
    if (!CanResize())
        return false;
    const TDaFlange flanges = FPolygon.Flanges;
    if (!ApplyApexMoves([factor](TPolygon& shape) { return ResizePolygon(shape, factor); }))
        return false;
    RecordFlangeChanges(FHistory, FPolygon.Flanges, flanges);
    return true;
}

bool TShapeEditorModel::MakeRegularPolygon(const TRegularPolygonParams& params,
                                           const TPointF& fallbackCentre) {
    if (!CanChangeShape())
        return false;
    TPointF centre;
    if (FMode == emDraw || ApexCount() < 3 || PolygonCentroid(FPolygon.Apexes, centre) == 0)
        centre = fallbackCentre;
    const TDaPointF apexes = RegularPolygonApexes(centre, params);
    if (apexes.empty() || !AllApexesStorable(apexes))
        return false;
    ReplaceApexes(apexes);
    return true;
}

// Entries the history already knows, in an order whose undo walk rebuilds the
// old shape: the selection cleared, the fold lines and then the vertices taken
// away from the last, the new vertices put in. An outline being drawn is
// drawn to the end: its new vertices are placed behind a rubber band, which
// finishing takes away, so undo brings the outline back in drawing.
void TShapeEditorModel::ReplaceApexes(const TDaPointF& apexes) {
    SetSelApex(0, -1);
    SetSelApex(1, -1);
    PairFlangesWithApexes(FPolygon);
    for (int lineSet = 1; lineSet >= 0; --lineSet) {
        TDaBendLine& lines = FPolygon.BendLines[lineSet];
        while (!lines.empty()) {
            FHistory.RecordDelBendLine(lineSet, lines.back());
            lines.pop_back();
        }
    }
    for (int i = ApexCount() - 1; i >= 0; --i) {
        FHistory.RecordDeleteApex(i, FPolygon.Apexes[i], FPolygon.Flanges[i]);
        DeleteApex(FPolygon, i);
    }
    const bool drawing = FMode == emDraw;
    const int placed = static_cast<int>(apexes.size()) + (drawing ? 1 : 0);
    for (int i = 0; i < placed; ++i) {
        const TPointF& point = apexes[std::min<std::size_t>(i, apexes.size() - 1)];
        InsertApex(FPolygon, i, point, TFlange());
        FHistory.RecordInsertApex(i, point, TFlange());
    }
    if (drawing) {
        RemoveRubberBand(FPolygon);
        SetMode(emIdle);
    }
    UpdateSelFlags();
}

// One side when a side is selected, every side when nothing is. A side with a
// flange offers it; otherwise the defaults are offered, without a name.
std::optional<TFlangeOffer> TShapeEditorModel::FlangeOffer() const {
    const bool oneSide = FSelFlags.IsSide();
    if (!CanChangeShape() || !(oneSide || (FSelFlags.NoApex && ApexCount() > 2)))
        return std::nullopt;
    TFlangeOffer offer{oneSide, -1, MakeFlange("", FFlangeWidth, FFlangeAngle1, FFlangeAngle2)};
    if (!oneSide)
        return offer;
    offer.Side = SelectedSide(FSelApex, ApexCount());
    if (!IsIndexOf(FPolygon.Flanges, offer.Side))
        return std::nullopt;
    const TFlange& own = FPolygon.Flanges[offer.Side];
    if (own.Width != 0)
        offer.Flange = own;
    // A side without a flange may still carry its joint mark, which the dialog
    // must show and keep.
    offer.Flange.Name = own.Name;
    return offer;
}

// Every change of one command (flanges and the vertices a length match moves)
// is one undo step.
bool TShapeEditorModel::ApplyFlange(const TFlange& flange, std::optional<long double> matchLength,
                                    long double shortest, bool keepLengths) {
    const std::optional<TFlangeOffer> offer = FlangeOffer();
    if (!offer)
        return false;
    if (flange.Width != 0)
        SetFlangeDefaults(flange.Width, flange.Angle1, flange.Angle2);
    if (!offer->OneSide) {
        const TDaFlange before = FPolygon.Flanges;
        for (int i = 0; i < ApexCount() && IsIndexOf(FPolygon.Flanges, i); ++i) {
            TFlange& own = FPolygon.Flanges[i];
            own.Width = flange.Width;
            own.Angle1 = flange.Angle1;
            own.Angle2 = flange.Angle2;
        }
        RecordFlangeChanges(FHistory, FPolygon.Flanges, before);
        return true;
    }
    FHistory.RecordChangeFlange(offer->Side, FPolygon.Flanges[offer->Side], flange);
    FPolygon.Flanges[offer->Side] = flange;
    if (matchLength) {
        const int j = FSelApex[0];
        const int k = FSelApex[1];
        ApplyApexMoves([&](TPolygon& shape) {
            return SetSideLength(shape, j, k, *matchLength, shortest, keepLengths);
        });
    }
    return true;
}
