// The shape editor's model: one editing run of one shape. It holds the working
// shape and the shape handed in, the before-copy a vertex-moving command or
// gesture records its moves against, the two selection slots and their flags,
// the mode, the last mouse point, the flange defaults and the editor's history.
// Every command and every step of a mouse gesture is a method that records its
// own entries, so that one command is one undo step; the window asks, shows
// and repaints.
#pragma once

#include "editing/apex_selection.h"
#include "editing/editor_history.h"
#include "geometry/angles.h"
#include "geometry/polygon.h"
#include "geometry/regular_polygon.h"
#include "history/edit_history.h"
#include "history/tick_counter.h"

#include <optional>

// The flange offered for a side without one until the user accepts another.
inline constexpr long double DefaultFlangeWidth = 3;      // mm
inline constexpr long double DefaultFlangeAngle = Pi / 4; // radians

// The distances of the view in millimetres that stay constant on screen at
// every zoom.
struct TPickDistances {
    long double Close = 0; // a press this near the vertex placed last finishes an outline
    long double Apex = 0;  // a press nearer than this to a vertex picks it
    long double Line = 0;  // a press or hover this near a side or fold line picks it
};

// What one mouse move of a gesture did.
struct TMoveStep {
    bool Changed = false; // the shape changed
    // What the status line shows: 1 in drawing (the side being drawn), 2 in a
    // vertex drag (the two sides at the vertex, to the mouse), else 0.
    int LengthCount = 0;
    long double Lengths[2] = {0, 0};
};

// What the flange command offers: one side (the selected one) or all sides,
// and the flange the dialog starts from.
struct TFlangeOffer {
    bool OneSide = false;
    int Side = -1; // the side's first vertex; -1 for all sides
    TFlange Flange;
};

class TShapeEditorModel {
public:
    // One vertex and one flange, all zero; nothing selected, no gesture.
    explicit TShapeEditorModel(ITickCounter& ticks);

    const TPolygon& Polygon() const { return FPolygon; }
    int ApexCount() const { return static_cast<int>(FPolygon.Apexes.size()); }
    const TSelApex& SelApex() const { return FSelApex; }
    const TSelFlags& SelFlags() const { return FSelFlags; }
    TEditMode Mode() const { return FMode; }
    // The Shift reference of the next mouse position, in mm.
    const TPointF& LastPoint() const { return FLastPoint; }
    const TEditHistory& History() const { return FHistory; }
    // True once a shape has been handed in: "restore" can bring it back.
    bool HasOriginal() const { return !FOrgPolygon.Apexes.empty(); }
    // The point a view of the shape is centred on: the centroid of a shape of
    // three or more vertices with an area, the origin otherwise.
    TPointF ViewCentre() const;

    long double FlangeWidth() const { return FFlangeWidth; }
    long double FlangeAngle1() const { return FFlangeAngle1; }
    long double FlangeAngle2() const { return FFlangeAngle2; }
    void SetFlangeDefaults(long double width, long double angle1, long double angle2);

    // A new empty outline in drawing mode; the shape handed in is kept.
    void NewPolygon();
    // Edits a copy of shape, which Restore brings back.
    void SetPolygon(const TPolygon& shape);
    // Copies the working shape into shape; false (shape untouched) when it has
    // fewer than 3 vertices.
    bool GetPolygon(TPolygon& shape) const;
    // Each editing run starts with an empty history: what loading the shape
    // recorded goes with it.
    void StartRun();
    // The shape handed in, in place of the working one, with the history
    // cleared: its entries may name vertices the restored shape does not have.
    // False, changing nothing, before a shape was handed in.
    bool Restore();

    // A press of the left button at q: in drawing, places a vertex or finishes
    // the outline; otherwise picks a vertex (the current vertex kept as the
    // other end with keepCurrentApex), a side or a fold line, and starts a
    // vertex drag, a move or a rotation. The shape as it is now is what the
    // gesture's moves are recorded against. True when the press drew or
    // picked; a press outside drawing on fewer than three vertices does not.
    bool Press(const TPointF& q, bool keepCurrentApex, const TPickDistances& distances);
    // One mouse move to q: the rubber band, the dragged vertex (keeping every
    // side's length with keepLengths), or the whole shape follows. Nothing
    // when no gesture is in progress.
    TMoveStep MoveTo(const TPointF& q, bool keepLengths);
    // The end of a gesture: its vertex moves are recorded as one step.
    void Release();
    // Puts the rubber band of the outline being drawn at q; false outside
    // drawing.
    bool PutRubberBand(const TPointF& q);

    // One history step back or forward; false, changing nothing, while a
    // gesture holds the shape (it records against the shape of its press).
    bool Undo();
    bool Redo();

    // False while a gesture holds the shape.
    bool CanChangeShape() const { return !IsGestureMode(FMode); }

    // The numeric settings: what each dialog is filled with, or nothing when
    // the command cannot act on the selection; then the typed value applied.
    // Each setting returns true when it moved a vertex; a value that is not
    // finite, or whose result a drawing file cannot hold, moves nothing.
    std::optional<TPointF> ApexPositionOffer() const;
    bool SetSelectedApexPosition(const TPointF& point, bool keepLengths);
    std::optional<long double> InteriorAngleOffer() const;
    bool SetSelectedInteriorAngle(long double angle, bool keepLengths);
    std::optional<long double> SideLengthOffer() const;
    // shortest: the closing distance at the view's zoom.
    bool SetSelectedSideLength(long double length, long double shortest, bool keepLengths);
    std::optional<long double> SideSlopeOffer() const;
    bool SetSelectedSideSlope(long double direction, bool rotateShape, bool keepLengths);

    // The structural commands; each returns true when it changed the shape.
    // A vertex halving the selected side, selected alone.
    bool InsertApexInSide();
    // The selected vertex goes; a shape keeps at least three.
    bool DeleteSelectedApex();
    // The selected diagonal's fold line goes into lineSet, or out of it.
    bool ToggleSelectedBendLine(int lineSet);
    // Mirrors the shape across the line of the selected side.
    bool MirrorAcrossSelectedSide();
    bool CanResize() const { return CanChangeShape() && ApexCount() >= 3; }
    // Scales corners and flange widths about the centroid, in one step.
    bool ResizeShape(long double factor);
    // The working shape becomes the regular polygon params describes, in one undo step:
    // about the shape's centroid, or about fallbackCentre for a shape without
    // one (a new outline). Flanges, names and fold lines go with the old
    // shape; an outline being drawn is finished. False, changing nothing,
    // during a gesture, for parameters that make none or for vertices a drawing
    // file cannot hold.
    bool MakeRegularPolygon(const TRegularPolygonParams& params, const TPointF& fallbackCentre);

    // The flange command: what it offers, or nothing when it cannot act.
    std::optional<TFlangeOffer> FlangeOffer() const;
    // Applies the flange accepted for the offer: to the selected side (name
    // included), or width and angles to every side, each keeping its name. A
    // width other than 0 becomes the defaults. With matchLength the selected
    // side takes that length as a typed side length would.
    bool ApplyFlange(const TFlange& flange, std::optional<long double> matchLength,
                     long double shortest, bool keepLengths);

private:
    void SetSelApex(int slot, int value);
    void SetMode(TEditMode mode);
    void UpdateSelFlags();
    void RecordApexMoves();
    // Runs construction on the working shape and records the vertices it
    // moved; false, recording nothing, when it could not be done.
    template <class TConstruction> bool ApplyApexMoves(const TConstruction& construction);
    void PlaceOrFinishOutline(const TPointF& q, long double closeDist);
    void PickAt(const TPointF& q, bool keepCurrentApex, const TPickDistances& distances);
    void StartShapeGesture(long double linePickDist);
    TMoveStep DrawStep(const TPointF& q);
    TMoveStep DragApexStep(const TPointF& q, bool keepLengths);
    void MoveShapeStep(const TPointF& q);
    void RotateShapeStep(const TPointF& q);
    TEditorState State();
    void AfterHistoryWalk();
    void ReplaceApexes(const TDaPointF& apexes);

    TPolygon FPolygon;
    TPolygon FOrgPolygon; // the shape handed in; empty until then
    // The vertices as a vertex-moving command or gesture found them; let go
    // once its moves are recorded.
    TDaPointF FBackApexes;
    TEditHistory FHistory;
    TSelApex FSelApex = NoSelApex;
    TSelFlags FSelFlags;
    TEditMode FMode = emIdle;
    TPointF FLastPoint;
    long double FFlangeWidth = DefaultFlangeWidth;
    long double FFlangeAngle1 = DefaultFlangeAngle;
    long double FFlangeAngle2 = DefaultFlangeAngle;
};
