// Undo and redo of the sheet's history entries. An entry that no longer fits
// the pages, shapes or vertices it names is skipped; after every step the
// current page exists and the selection names distinct shapes of it.
#include "document/sheet_document.h"

#include <algorithm>
#include <variant>

namespace {

TPolygon CopyOf(const TPolygon& shape) {
    TPolygon copy;
    CopyPolygon(shape, copy);
    return copy;
}

} // namespace

// A step of selection entries alone changes no shape, but telling it too
// keeps the rule simple: every step walked is a change.
int TSheetDocument::UndoStep() {
    const int walked = FHistory.Undo([this](const THistoryItem& item) { UndoSheetEntry(item); });
    KeepSelectionValid();
    if (walked > 0)
        DrawingChanged();
    return walked;
}

int TSheetDocument::RedoStep() {
    const int walked = FHistory.Redo([this](const THistoryItem& item) { RedoSheetEntry(item); });
    KeepSelectionValid();
    if (walked > 0)
        DrawingChanged();
    return walked;
}

// Editor kinds have no meaning on the sheet and are passed over.
void TSheetDocument::UndoSheetEntry(const THistoryItem& item) {
    const TPeiData& data = item.Data;
    switch (item.Kind) {
    case pkAddPolygon:
        UndoAddPolygon(std::get<TPeiAddPolygon>(data));
        break;
    case pkDelPolygon:
        UndoDelPolygon(std::get<TPeiDelPolygon>(data));
        break;
    case pkMovePolygon:
        ShiftPolygon(std::get<TPeiMovePolygon>(data), -1);
        break;
    case pkChangePolygon:
        ChangeShape(std::get<TPeiChangePolygon>(data), true);
        break;
    case pkAddPage:
        UndoAddPage();
        break;
    case pkDelPage:
        UndoDelPage(std::get<TPeiDelPage>(data));
        break;
    case pkChangePages:
        PutPages(std::get<TPeiChangePages>(data), true);
        break;
    case pkChangePage:
        ShowPageOf(std::get<TPeiChangePage>(data).OldPage);
        break;
    case pkSelect:
        EraseFromSelection(std::get<TPeiSelect>(data));
        break;
    case pkUnselect:
        AppendToSelection(std::get<TPeiSelect>(data));
        break;
    default:
        break;
    }
}

void TSheetDocument::RedoSheetEntry(const THistoryItem& item) {
    const TPeiData& data = item.Data;
    switch (item.Kind) {
    case pkAddPolygon:
        RedoAddPolygon(std::get<TPeiAddPolygon>(data));
        break;
    case pkDelPolygon:
        RedoDelPolygon(std::get<TPeiDelPolygon>(data));
        break;
    case pkMovePolygon:
        ShiftPolygon(std::get<TPeiMovePolygon>(data), 1);
        break;
    case pkChangePolygon:
        ChangeShape(std::get<TPeiChangePolygon>(data), false);
        break;
    case pkAddPage:
        RedoAddPage();
        break;
    case pkDelPage:
        RedoDelPage(std::get<TPeiDelPage>(data));
        break;
    case pkChangePages:
        PutPages(std::get<TPeiChangePages>(data), false);
        break;
    case pkChangePage:
        ShowPageOf(std::get<TPeiChangePage>(data).NewPage);
        break;
    case pkSelect:
        AppendToSelection(std::get<TPeiSelect>(data));
        break;
    case pkUnselect:
        DropFromSelection(std::get<TPeiSelect>(data));
        break;
    default:
        break;
    }
}

void TSheetDocument::UndoAddPolygon(const TPeiAddPolygon& entry) {
    if (IsIndexOf(FDrawing, entry.Page) && !FDrawing[entry.Page].empty()) {
        FDrawing[entry.Page].pop_back();
        ShapeChanged(entry.Page, static_cast<int>(FDrawing[entry.Page].size()));
    }
}

// Onto the current page: the page entries of the same step have made the
// page it was added to current again.
void TSheetDocument::RedoAddPolygon(const TPeiAddPolygon& entry) {
    if (IsIndexOf(FDrawing, FCurPage)) {
        FDrawing[FCurPage].push_back(CopyOf(entry.Polygon));
        ShapeChanged(FCurPage, static_cast<int>(FDrawing[FCurPage].size()) - 1);
    }
}

// The shape that filled the freed slot goes back to the end, and a selection
// element that followed it there follows it back.
void TSheetDocument::UndoDelPolygon(const TPeiDelPolygon& entry) {
    if (!IsIndexOf(FDrawing, entry.Page) || !IsInsertIndexOf(FDrawing[entry.Page], entry.Index))
        return;
    TPolygonTbl& shapes = FDrawing[entry.Page];
    const int last = static_cast<int>(shapes.size());
    shapes.emplace_back();
    if (entry.Index != last) {
        shapes[last] = shapes[entry.Index];
        if (entry.Page == FCurPage)
            std::replace(FSelection.begin(), FSelection.end(), entry.Index, last);
    }
    shapes[entry.Index] = CopyOf(entry.Polygon);
    ShapeChanged(entry.Page, entry.Index);
    ShapeChanged(entry.Page, last);
}

void TSheetDocument::RedoDelPolygon(const TPeiDelPolygon& entry) {
    DeletePolygonAt(entry.Page, entry.Index);
}

// A shape whose vertex count is not the move's is passed over.
void TSheetDocument::ShiftPolygon(const TPeiMovePolygon& entry, long double sign) {
    if (!IsIndexOf(FDrawing, entry.Page) || !IsIndexOf(FDrawing[entry.Page], entry.Index))
        return;
    TDaPointF& apexes = FDrawing[entry.Page][entry.Index].Apexes;
    if (apexes.size() != static_cast<std::size_t>(entry.Moves.Count))
        return;
    ShapeChanged(entry.Page, entry.Index);
    ApplyApexMoves(apexes, entry.Moves, sign < 0);
}

void TSheetDocument::ChangeShape(const TPeiChangePolygon& entry, bool undo) {
    if (IsIndexOf(FDrawing, entry.Page) && IsIndexOf(FDrawing[entry.Page], entry.Index) &&
        entry.Change && entry.Change->Apply(FDrawing[entry.Page][entry.Index], undo))
        ShapeChanged(entry.Page, entry.Index);
}

// A drawing never loses its last page.
void TSheetDocument::UndoAddPage() {
    if (FDrawing.size() < 2)
        return;
    FDrawing.pop_back();
    PagesChanged();
    if (!IsIndexOf(FDrawing, FCurPage)) {
        FCurPage = static_cast<int>(FDrawing.size()) - 1;
        FSelection.clear();
    }
}

void TSheetDocument::RedoAddPage() {
    FDrawing.emplace_back();
    PagesChanged();
    FCurPage = static_cast<int>(FDrawing.size()) - 1;
    FSelection.clear();
}

// The page comes back empty; its shapes come back with the pkDelPolygon
// entries of the same step.
void TSheetDocument::UndoDelPage(const TPeiDelPage& entry) {
    if (IsInsertIndexOf(FDrawing, entry.Page)) {
        FDrawing.insert(FDrawing.begin() + entry.Page, TPolygonTbl());
        PagesChanged();
    }
}

void TSheetDocument::RedoDelPage(const TPeiDelPage& entry) {
    if (FDrawing.size() >= 2 && IsIndexOf(FDrawing, entry.Page))
        DeletePageAt(entry.Page);
}

void TSheetDocument::ShowPageOf(std::int32_t page) {
    if (IsIndexOf(FDrawing, page))
        FCurPage = page;
}

// Undoing a selection takes that shape out and leaves the others in their
// order, also when an undone unselect has put shapes back in another order.
void TSheetDocument::EraseFromSelection(const TPeiSelect& entry) {
    std::erase(FSelection, entry.Index);
}

// A selection entry names a shape of the page it was recorded on, which is
// current again once the whole step has been applied.
void TSheetDocument::AppendToSelection(const TPeiSelect& entry) {
    if (IsShapeOf(entry.Page, entry.Index) && SelPos(entry.Index) < 0)
        FSelection.push_back(entry.Index);
}

void TSheetDocument::DropFromSelection(const TPeiSelect& entry) {
    const int position = SelPos(entry.Index);
    if (position >= 0)
        RemoveFromSelection(position);
}

bool TSheetDocument::IsShapeOf(std::int32_t page, std::int32_t index) const {
    return IsIndexOf(FDrawing, page) && IsIndexOf(FDrawing[page], index);
}

void TSheetDocument::KeepSelectionValid() {
    if (FDrawing.empty()) {
        FDrawing.resize(1);
        PagesChanged();
    }
    if (!IsIndexOf(FDrawing, FCurPage)) {
        FCurPage = std::clamp(FCurPage, 0, static_cast<int>(FDrawing.size()) - 1);
        FSelection.clear();
    }
    TDaInt valid;
    for (const int index : FSelection) {
        if (IsIndexOf(FDrawing[FCurPage], index) &&
            std::find(valid.begin(), valid.end(), index) == valid.end())
            valid.push_back(index);
    }
    FSelection = std::move(valid);
    RefreshSelectionCopy();
}
