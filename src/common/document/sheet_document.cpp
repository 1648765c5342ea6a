// The sheet's model: pages, the current page, the selection and the changes
// the sheet's commands and gestures make, each recorded in the sheet history.
// The undo and redo of those records live in sheet_document_undo.cpp.
#include "document/sheet_document.h"

#include "geometry/plane_geometry.h"
#include "geometry/shape_pick.h"
#include "placement/page_collision.h"

#include <algorithm>
#include <utility>

TSheetDocument::TSheetDocument(ITickCounter& ticks) : FHistory(ticks) {
    Reset();
}

void TSheetDocument::Reset() {
    SetDrawing(TZvDat(1));
}

void TSheetDocument::SetDrawing(TZvDat drawing) {
    FDrawing = std::move(drawing);
    if (FDrawing.empty())
        FDrawing.resize(1);
    FCurPage = 0;
    FSelection.clear();
    FSelectionCopy.clear();
    PagesChanged();
    DrawingChanged();
}

void TSheetDocument::DrawingChanged() {
    ++FChangeCount;
    if (FDrawingChanged)
        FDrawingChanged();
}

void TSheetDocument::ShapeChanged(int page, int index) {
    FChanges.ShapeChanged(page, index);
    if (page == FIndexPage)
        FPageIndex.MarkChanged(index);
    else if (page == FEarlierPage)
        FEarlierIndex.MarkChanged(index);
}

// The index's page may have moved or gone: it takes the current page anew.
void TSheetDocument::PagesChanged() {
    FChanges.Everything();
    FIndexPage = -1;
    FEarlierPage = -1;
}

// A page shown anew costs a rough box per shape; outlines are built as they
// are asked for. The two indexes trade places on a change of page, so the
// page left keeps what was built for it.
TPageIndex& TSheetDocument::PageIndex() {
    static const TPolygonTbl noPage;
    if (!IsIndexOf(FDrawing, FCurPage)) {
        FPageIndex.Sync(noPage);
        FIndexPage = -1;
        return FPageIndex;
    }
    // Coming back to the earlier page, or leaving a page that had an index:
    // either way the two trade places; an index of no page is simply reused.
    if (FIndexPage != FCurPage && (FEarlierPage == FCurPage || FIndexPage >= 0)) {
        std::swap(FPageIndex, FEarlierIndex);
        std::swap(FIndexPage, FEarlierPage);
    }
    if (FIndexPage != FCurPage) {
        FPageIndex.Sync(FDrawing[FCurPage]);
        FIndexPage = FCurPage;
    } else {
        FPageIndex.Update(FDrawing[FCurPage]);
    }
    return FPageIndex;
}

const TPolygon* TSheetDocument::PolygonAt(int index) const {
    if (!IsIndexOf(FDrawing, FCurPage) || !IsIndexOf(FDrawing[FCurPage], index))
        return nullptr;
    return &FDrawing[FCurPage][index];
}

TPolygon* TSheetDocument::PolygonAt(int index) {
    TPolygon* shape = const_cast<TPolygon*>(std::as_const(*this).PolygonAt(index));
    if (shape != nullptr)
        ShapeChanged(FCurPage, index);
    return shape;
}

int TSheetDocument::CurrentPolygonIndex() const {
    return FSelection.empty() ? -1 : FSelection.back();
}

int TSheetDocument::SelPos(int index) const {
    const auto found = std::find(FSelection.begin(), FSelection.end(), index);
    return found == FSelection.end() ? -1 : static_cast<int>(found - FSelection.begin());
}

// A selected index that names no shape gets an empty copy, so that copy k
// still stands for Selection[k].
void TSheetDocument::RefreshSelectionCopy() {
    FSelectionCopy.assign(FSelection.size(), TPolygon());
    for (std::size_t k = 0; k < FSelection.size(); ++k) {
        if (const TPolygon* shape = std::as_const(*this).PolygonAt(FSelection[k]))
            CopyPolygon(*shape, FSelectionCopy[k]);
    }
}

bool TSheetDocument::DeletePolygonAt(int page, int index) {
    if (!IsIndexOf(FDrawing, page) || !IsIndexOf(FDrawing[page], index))
        return false;
    TPolygonTbl& shapes = FDrawing[page];
    const int last = static_cast<int>(shapes.size()) - 1;
    if (index != last)
        shapes[index] = std::move(shapes.back());
    shapes.pop_back();
    ++FChangeCount;
    ShapeChanged(page, index);
    ShapeChanged(page, last);
    if (page != FCurPage)
        return true;
    // The selection must keep naming shapes: the removed shape leaves it and
    // the moved one keeps its place in it under its new index.
    const TDaInt before = FSelection;
    std::erase(FSelection, index);
    std::replace(FSelection.begin(), FSelection.end(), last, index);
    if (FSelection != before)
        RefreshSelectionCopy();
    return true;
}

void TSheetDocument::RecordUnselectEvery(int page, const TDaInt& selection) {
    for (auto index = selection.rbegin(); index != selection.rend(); ++index)
        FHistory.RecordUnselect(page, *index);
}

void TSheetDocument::ChangePage(int page) {
    if (!IsIndexOf(FDrawing, page))
        return;
    const int oldPage = FCurPage;
    FCurPage = page;
    RecordUnselectEvery(oldPage, FSelection);
    FHistory.RecordChangePage(oldPage, FCurPage);
    FSelection.clear();
    RefreshSelectionCopy();
}

bool TSheetDocument::AddPage() {
    if (FDrawing.size() >= MaxPageCount)
        return false;
    const int oldPage = FCurPage;
    const TDaInt oldSelection = FSelection;
    FDrawing.emplace_back();
    PagesChanged();
    FCurPage = static_cast<int>(FDrawing.size()) - 1;
    FSelection.clear();
    RefreshSelectionCopy();
    FHistory.RecordAddPage();
    FHistory.RecordChangePage(oldPage, FCurPage);
    RecordUnselectEvery(oldPage, oldSelection);
    DrawingChanged();
    return true;
}

// The shapes are recorded last first, so that undo puts them back in order.
bool TSheetDocument::DeletePage() {
    if (FDrawing.size() < 2 || !IsIndexOf(FDrawing, FCurPage))
        return false;
    const int page = FCurPage;
    RecordUnselectEvery(page, FSelection);
    const TPolygonTbl& shapes = FDrawing[page];
    for (int index = static_cast<int>(shapes.size()) - 1; index >= 0; --index)
        FHistory.RecordDelPolygon(page, index, shapes[index]);
    if (page > 0) {
        FHistory.RecordChangePage(page, page - 1);
        FCurPage = page - 1;
    }
    DeletePageAt(page);
    FHistory.RecordDelPage(page);
    DrawingChanged();
    return true;
}

void TSheetDocument::DeletePageAt(int page) {
    FDrawing.erase(FDrawing.begin() + page);
    PagesChanged();
    FCurPage = std::min(FCurPage, static_cast<int>(FDrawing.size()) - 1);
    FSelection.clear();
    RefreshSelectionCopy();
}

bool TSheetDocument::Select(int index) {
    if (std::as_const(*this).PolygonAt(index) == nullptr || SelPos(index) >= 0)
        return false;
    FSelection.push_back(index);
    FHistory.RecordSelect(FCurPage, index);
    RefreshSelectionCopy();
    return true;
}

bool TSheetDocument::Unselect(int index) {
    const int position = SelPos(index);
    if (position < 0)
        return false;
    FHistory.RecordUnselect(FCurPage, index);
    RemoveFromSelection(position);
    RefreshSelectionCopy();
    return true;
}

void TSheetDocument::RemoveFromSelection(int position) {
    FSelection[position] = FSelection.back();
    FSelection.pop_back();
}

void TSheetDocument::UnselectAll() {
    RecordUnselectEvery(FCurPage, FSelection);
    FSelection.clear();
    RefreshSelectionCopy();
}

void TSheetDocument::SelectOnly(int index) {
    UnselectAll();
    Select(index);
}

// Each shape is recorded as it is selected; the copies are taken once, at the
// end.
void TSheetDocument::SelectShapesInBand(const TPointF& corner1, const TPointF& corner2) {
    if (!IsIndexOf(FDrawing, FCurPage))
        return;
    const TDaInt found = ShapesInRubberBand(PageIndex(), corner1, corner2, FSelection);
    for (const int index : found) {
        FSelection.push_back(index);
        FHistory.RecordSelect(FCurPage, index);
    }
    if (!found.empty())
        RefreshSelectionCopy();
}

void TSheetDocument::EndDrag() {
    bool moved = false;
    for (std::size_t k = 0; k < FSelection.size() && k < FSelectionCopy.size(); ++k) {
        if (const TPolygon* shape = std::as_const(*this).PolygonAt(FSelection[k])) {
            FHistory.RecordMovePolygon(FCurPage, FSelection[k], *shape, FSelectionCopy[k]);
            moved = moved || *shape != FSelectionCopy[k];
        }
    }
    FSelectionCopy.clear();
    if (moved)
        DrawingChanged();
}

// Every selected shape tries the step in selection order, each against the
// page as the shapes before it left it. After a collision the pointer belongs
// on the grab point of the current shape, which has not moved yet: it is the
// last one to try.
template <class TTryStep>
TDragStepResult TSheetDocument::DragSelection(const TPointF& q, const TGrip& grip,
                                              TTryStep tryStep) {
    TDragStepResult result;
    const TPolygon* current = std::as_const(*this).PolygonAt(CurrentPolygonIndex());
    result.GripPoint = current != nullptr ? GripPoint(*current, grip) : q;
    result.NextDownPoint = q;
    if (!IsIndexOf(FDrawing, FCurPage))
        return result;
    TPolygonTbl& page = FDrawing[FCurPage];
    TPageIndex& shapes = PageIndex();
    for (const int index : FSelection) {
        TPolygon candidate;
        const TStepResult step = tryStep(page, shapes, index, candidate);
        if (step != TStepResult::Refused) {
            page[index] = std::move(candidate);
            FChanges.ShapeChanged(FCurPage, index);
            shapes.SyncShape(page, index);
            result.Changed = true;
        }
        const bool collided = step != TStepResult::Accepted;
        result.Collided = result.Collided || collided;
        result.NextDownPoint = collided ? result.GripPoint : q;
    }
    if (result.Changed) {
        FModified = true;
        ++FChangeCount;
    }
    return result;
}

TDragStepResult TSheetDocument::MoveSelection(const TPointF& downPoint, const TPointF& q,
                                              const TPlacementRules& rules, const TGrip& grip) {
    return DragSelection(
        q, grip, [&](const TPolygonTbl& page, TPageIndex& shapes, int index, TPolygon& candidate) {
            return TryMoveStep(page, shapes, index, downPoint, q, rules, candidate);
        });
}

TDragStepResult TSheetDocument::RotateSelection(const TPointF& downPoint, const TPointF& q,
                                                const TPlacementRules& rules, const TGrip& grip) {
    const TPointF centre =
        IsIndexOf(FDrawing, FCurPage) ? SelectionCentroid(FDrawing[FCurPage], FSelection) : q;
    const long double angle = PointDirection(centre, q) - PointDirection(centre, downPoint);
    return DragSelection(
        q, grip, [&](const TPolygonTbl& page, TPageIndex& shapes, int index, TPolygon& candidate) {
            return TryRotateStep(page, shapes, index, centre, angle, rules, candidate);
        });
}

bool TSheetDocument::CollidesInPlace(int index, const TPlacementRules& rules) {
    const TPolygon* shape = std::as_const(*this).PolygonAt(index);
    if (shape == nullptr)
        return false;
    TPageCollision collision(PageIndex(), index, rules);
    TPointF contact;
    return collision.Check(shape->Apexes, shape->Flanges, contact);
}

void TSheetDocument::MoveUnderPointer(TPolygon& shape, const TPointF& pointer,
                                      long double gridStep) {
    const TPointF reference = PlacementReference(shape, gridStep);
    TranslatePolygon(shape, PointF(pointer.X - reference.X, pointer.Y - reference.Y));
}

int TSheetDocument::PlaceShape(TPolygon shape, const TPointF& pointer, long double gridStep) {
    MoveUnderPointer(shape, pointer, gridStep);
    return AddShape(shape);
}

int TSheetDocument::AddShape(const TPolygon& shape) {
    if (!IsIndexOf(FDrawing, FCurPage))
        return -1;
    RecordUnselectEvery(FCurPage, FSelection);
    TPolygonTbl& page = FDrawing[FCurPage];
    page.emplace_back();
    CopyPolygon(shape, page.back());
    const int index = static_cast<int>(page.size()) - 1;
    ShapeChanged(FCurPage, index);
    FSelection = {index};
    RefreshSelectionCopy();
    FHistory.RecordAddPolygon(FCurPage, page.back());
    FHistory.RecordSelect(FCurPage, index);
    FModified = true;
    DrawingChanged();
    return index;
}

// An edit run that hands the shape back as it was given changes nothing: it
// leaves no entry to undo and does not make the drawing modified.
bool TSheetDocument::ChangePolygon(int index, TPolygon shape) {
    TPolygon* target = const_cast<TPolygon*>(std::as_const(*this).PolygonAt(index));
    if (target == nullptr)
        return false;
    // A shape given with fewer flange records than vertices gets empty ones,
    // as a copy does.
    shape.Flanges.resize(shape.Apexes.size());
    if (shape == *target)
        return false;
    ShapeChanged(FCurPage, index);
    std::swap(*target, shape);
    FHistory.RecordChangePolygon(FCurPage, index, *target, shape);
    FModified = true;
    DrawingChanged();
    return true;
}

// The shape is recorded before it goes, and leaves the selection first so
// that removing it keeps the rest of the selection.
bool TSheetDocument::DeleteCurrentPolygon() {
    const int index = CurrentPolygonIndex();
    const TPolygon* shape = std::as_const(*this).PolygonAt(index);
    if (shape == nullptr)
        return false;
    FHistory.RecordUnselect(FCurPage, index);
    FHistory.RecordDelPolygon(FCurPage, index, *shape);
    FSelection.pop_back();
    DeletePolygonAt(FCurPage, index);
    RefreshSelectionCopy();
    FModified = true;
    DrawingChanged();
    return true;
}
