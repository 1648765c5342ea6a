// The sheet's model: the pages of the drawing, the current page and the
// selection on it, the modified flag and the sheet's edit history, with every
// change the sheet's commands and gestures make, each recorded as it is made,
// and the undo and redo of those records.
#pragma once

#include "document/drawing_changes.h"
#include "document/joints.h"
#include "document/layout_job.h"
#include "geometry/page_index.h"
#include "geometry/polygon.h"
#include "history/edit_history.h"
#include "history/tick_counter.h"
#include "placement/placement.h"

#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

// How one step of a drag went for the selected shapes.
struct TDragStepResult {
    // At least one shape took the step.
    bool Changed = false;
    // At least one shape collided: the pointer goes back to the grab point.
    bool Collided = false;
    // The grab point on the current shape before the step.
    TPointF GripPoint;
    // Where the next step starts: the grab point when the last shape collided.
    TPointF NextDownPoint;
};

// Where a new or pasted shape went.
enum class TPlaceFit {
    Free,     // inside the white area, off every other shape
    NoRoom,   // nowhere on the page: it lies under the pointer
    TooLarge, // larger than the white area: not placed
};

struct TPlacedShape {
    TPlaceFit Fit = TPlaceFit::TooLarge;
    int Index = -1; // the new shape's index; -1 when it was not placed
    // Where the pointer belongs now: PlaceShape would have put the shape where
    // it lies with the pointer here (the step off a copy aside).
    TPointF Pointer;
};

// How a layout applied to the document went.
enum class TLayoutEnd {
    Done,
    NothingPlaced, // no shape of the job fits a page: nothing changed
    TooManyPages,  // the drawing would have more than MaxPageCount pages: nothing changed
    Stale,         // the job or its result is not of the drawing as it is: nothing changed
};

struct TLayoutApplied {
    TLayoutEnd End = TLayoutEnd::Stale;
    // The pages the drawing would have had (for TooManyPages) or has.
    int PageCount = 0;
    // The shapes of the job left where they were (misfits), by their index in
    // the job, and where each lies now; a shape new to the drawing is not
    // added and has Page -1.
    std::vector<int> Misfits;
    std::vector<TShapeRef> MisfitPlaces;
};

class TSheetDocument {
public:
    // The empty one-page drawing.
    explicit TSheetDocument(ITickCounter& ticks);

    const TZvDat& Drawing() const { return FDrawing; }
    int CurPage() const { return FCurPage; }
    // Shapes of the current page in the order they were selected; the last is
    // the current shape.
    const TDaInt& Selection() const { return FSelection; }
    // Element k a copy of shape Selection()[k]: the "before" images of a drag.
    const TPolygonTbl& SelectionCopy() const { return FSelectionCopy; }
    const TEditHistory& History() const { return FHistory; }
    bool Modified() const { return FModified; }
    void SetModified(bool modified) { FModified = modified; }
    // Grows with every change to the pages or their shapes, each drag step
    // included, so that a copy taken a slice at a time can tell that the
    // drawing changed under it.
    std::uint64_t ChangeCount() const { return FChangeCount; }

    // Called once a change to the pages or their shapes is done: each recorded
    // command, each undo or redo step, a drawing taken or reset. A drag counts
    // when its moves are recorded, at its end.
    void SetDrawingChangedHandler(std::function<void()> handler) {
        FDrawingChanged = std::move(handler);
    }

    // One empty page, page 1 current, nothing selected. The history is kept.
    void Reset();
    // Takes the pages of a drawing that was read; a drawing without pages
    // gets one. Page 1 becomes current and nothing is selected.
    void SetDrawing(TZvDat drawing);
    void ClearHistory() { FHistory.Clear(); }

    // The outlines of the current page's shapes, brought up to date with the
    // page: what was computed for a shape is kept until it changes, and only
    // the shapes changed since the last call are looked at again. The page
    // shown before keeps its index too, so going back to it (as a user does
    // between partner pages) costs only what changed there meanwhile.
    TPageIndex& PageIndex();
    // Which shapes changed, for views that follow the drawing.
    const TDrawingChanges& Changes() const { return FChanges; }

    // The shape at index on the current page, or nullptr. The writable form
    // counts as a change of the shape.
    const TPolygon* PolygonAt(int index) const;
    TPolygon* PolygonAt(int index);
    // The last selected shape, or -1.
    int CurrentPolygonIndex() const;
    // The position of index in the selection, or -1.
    int SelPos(int index) const;
    void RefreshSelectionCopy();
    // Removes a shape by moving the page's last shape into its slot. On the
    // current page a selection element that named the moved shape follows it.
    // False, changing nothing, when page or index names nothing. Not recorded.
    bool DeletePolygonAt(int page, int index);

    // Shows another page; the selection stays behind, unselected.
    void ChangePage(int page);
    // Appends an empty page and shows it; false, changing nothing, once the
    // drawing has MaxPageCount pages.
    bool AddPage();
    // Deletes the current page with its shapes; false with a single page.
    bool DeletePage();

    // Selection changes, each recorded. An index that names no shape of the
    // current page, or one already in (or not in) the selection, changes nothing.
    bool Select(int index);
    bool Unselect(int index); // the last element takes the freed position
    void UnselectAll();
    // Only the shape at index selected.
    void SelectOnly(int index);
    // Adds the shapes a rubber band with these corners (mm) touches or holds.
    void SelectShapesInBand(const TPointF& corner1, const TPointF& corner2);

    // Takes the "before" images of a drag.
    void BeginDrag() { RefreshSelectionCopy(); }
    // Records the displacement of every selected shape since BeginDrag and
    // drops the images.
    void EndDrag();
    void DropSelectionCopy() { FSelectionCopy.clear(); }
    // One move step of the selection from downPoint to q, and one rotation step
    // about the selection's centroid by the turn from downPoint to q, under the
    // placement rules; grip is where the current shape was grabbed.
    TDragStepResult MoveSelection(const TPointF& downPoint, const TPointF& q,
                                  const TPlacementRules& rules, const TGrip& grip);
    TDragStepResult RotateSelection(const TPointF& downPoint, const TPointF& q,
                                    const TPlacementRules& rules, const TGrip& grip);
    // True when the shape at index, where it lies, is not allowed by the rules.
    bool CollidesInPlace(int index, const TPlacementRules& rules);

    // Appends shape to the current page with its snapped centroid (its first
    // vertex when it has no area) at pointer, as the only selected shape.
    // Returns its index, or -1 when there is no current page.
    int PlaceShape(TPolygon shape, const TPointF& pointer, long double gridStep);
    // Places a new or pasted shape as PlaceShape does, then moves it, unturned,
    // the shortest way to where it lies inside the white area of pageWidth by
    // pageHeight and off every shape of the page. Where it fits nowhere it
    // stays under the pointer, moved off a shape it would lie exactly on. A
    // shape too large for the white area is not placed.
    TPlacedShape PlaceShapeWhereItFits(TPolygon shape, const TPointF& pointer, long double gridStep,
                                       long double pageWidth, long double pageHeight);
    // Replaces the shape at index of the current page in place. False, recording
    // nothing, when there is no such shape or shape is the same as it.
    bool ChangePolygon(int index, TPolygon shape);
    // Deletes the current shape; the rest of the selection stays selected.
    bool DeleteCurrentPolygon();
    // Puts the shapes of each of pages, as they lie, on a page of its own
    // after the last page that holds a shape: empty pages at the end are
    // filled first, then pages appended. The first of them becomes current
    // and nothing is selected; one step of the history. False, changing
    // nothing, for no pages or when the drawing would pass MaxPageCount pages
    // (sheet_document_import.cpp).
    bool AddShapePages(const std::vector<TPolygonTbl>& pages);

    // Joints (document/joints.h): each command is one step of the history, one
    // pkChangePolygon entry per shape it changes, and false, changing nothing,
    // when it has nothing to do.
    //
    // Gives both sides the next free joint mark, the first side a flange with
    // the width and angles of tab and the second side none. Sides on one shape
    // or on different pages alike; whatever the sides were named before is
    // replaced. False for a side the drawing does not have, one side twice,
    // or a tab whose width is not above 0 or whose angles are not in (0, pi/2].
    bool JoinSides(const TSideRef& first, const TSideRef& second, const TFlange& tab);
    // Takes the side's mark off it and off every other side that carries it;
    // the flanges stay as they are.
    bool UnjoinSide(const TSideRef& side);
    // Moves the tab of a joint of two sides across: a side with a flange gives
    // it to its partner, a side without one takes its partner's. The side that
    // takes it gets the same width and angles, the other one none; the marks
    // stay. Moved there and back, both flanges are as they were.
    bool MoveJointTab(const TSideRef& side);

    // Puts the shapes of a job made from this drawing (document/layout_job.h)
    // where the result of RunLayoutJob has them: each laid-out shape leaves its
    // place and goes, moved and turned, after the shapes that stay on its page;
    // pages are added at the end as needed and the empty pages at the end are
    // removed. The job's first page becomes the current page and nothing is
    // selected. One step of the history (one pkChangePages entry after the
    // selection's pkUnselect entries) gives every page back exactly.
    TLayoutApplied ApplyLayout(const TLayoutJob& job, const TLayoutResult& result);

    // One step of the history back or forward; the number of entries applied.
    int UndoStep();
    int RedoStep();

private:
    struct TFlangeChange {
        TSideRef Side;
        TFlange Flange;
    };
    // Puts each flange on its side, recording one pkChangePolygon per shape
    // that changed, in the order of the shapes' first changes. False when no
    // shape changed.
    bool ChangeFlanges(const std::vector<TFlangeChange>& changes);

    // Records one pkUnselect per element of selection, the last first, so
    // that undoing them appends the shapes again in their selected order.
    void RecordUnselectEvery(int page, const TDaInt& selection);
    template <class TTryStep>
    TDragStepResult DragSelection(const TPointF& q, const TGrip& grip, TTryStep tryStep);

    void UndoSheetEntry(const THistoryItem& item);
    void RedoSheetEntry(const THistoryItem& item);
    void UndoAddPolygon(const TPeiAddPolygon& entry);
    void RedoAddPolygon(const TPeiAddPolygon& entry);
    void UndoDelPolygon(const TPeiDelPolygon& entry);
    void RedoDelPolygon(const TPeiDelPolygon& entry);
    void ShiftPolygon(const TPeiMovePolygon& entry, long double sign);
    void ChangeShape(const TPeiChangePolygon& entry, bool undo);
    void UndoAddPage();
    void RedoAddPage();
    void UndoDelPage(const TPeiDelPage& entry);
    // The pages as the entry had them before (undo) or after.
    void PutPages(const TPeiChangePages& entry, bool before);
    // Its snapped centroid (its first vertex when it has no area) at pointer.
    static void MoveUnderPointer(TPolygon& shape, const TPointF& pointer, long double gridStep);
    // Appends shape as it lies to the current page as the only selected shape.
    int AddShape(const TPolygon& shape);
    bool IsJobOfDrawing(const TLayoutJob& job, const TLayoutResult& result) const;
    void RedoDelPage(const TPeiDelPage& entry);
    void ShowPageOf(std::int32_t page);
    void EraseFromSelection(const TPeiSelect& entry);
    void AppendToSelection(const TPeiSelect& entry);
    void DropFromSelection(const TPeiSelect& entry);
    // After a step: the current page exists and the selection names distinct
    // shapes of it.
    void KeepSelectionValid();
    bool IsShapeOf(std::int32_t page, std::int32_t index) const;
    void RemoveFromSelection(int position);
    void DeletePageAt(int page);
    void DrawingChanged();
    // Every change to a shape or to the pages is told here, so that the page
    // index and the views that follow the changes stay in step.
    void ShapeChanged(int page, int index);
    void PagesChanged();

    TEditHistory FHistory;
    TZvDat FDrawing;
    int FCurPage = 0;
    TDaInt FSelection;
    TPolygonTbl FSelectionCopy;
    bool FModified = false;
    std::uint64_t FChangeCount = 0;
    std::function<void()> FDrawingChanged;
    TPageIndex FPageIndex;
    int FIndexPage = -1; // the page FPageIndex holds, -1 for none
    TPageIndex FEarlierIndex;
    int FEarlierPage = -1; // the page shown before, which FEarlierIndex holds
    TDrawingChanges FChanges;
};
