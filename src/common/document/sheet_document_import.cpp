// Shapes from an import: laid out onto pages of their own, then added after
// the drawing's last page that holds a shape, as one step of the history.
#include "document/sheet_document_import.h"

#include "document/sheet_document.h"
#include "placement/layout_transform.h"

TShapePages LayOutOntoPages(const std::vector<TPolygon>& shapes, long double width,
                            long double height, const TLayoutProgress& progress) {
    return LayOutOntoPages(shapes, shapes, width, height, progress);
}

TShapePages LayOutOntoPages(const std::vector<TPolygon>& shapes,
                            const std::vector<TPolygon>& standIns, long double width,
                            long double height, const TLayoutProgress& progress) {
    TLayoutOptions options;
    options.PageWidth = width;
    options.PageHeight = height;
    options.Gap = ImportLayoutGap;
    options.Rotations = TLayoutRotations::QuarterTurns;
    const TLayoutResult layout = LayOutShapes(standIns, options, progress);

    TShapePages pages;
    pages.Outcome = layout.Outcome;
    pages.Misfits = layout.Misfits;
    if (layout.Outcome != TLayoutOutcome::Done || !layout.Misfits.empty())
        return pages;
    pages.Pages.resize(layout.PageCount);
    for (std::size_t i = 0; i < shapes.size(); ++i) {
        const TLayoutPlacement& placement = layout.Placements[i];
        if (IsIndexOf(pages.Pages, placement.Page))
            pages.Pages[placement.Page].push_back(
                TransformedPolygon(shapes[i], placement.Transform));
    }
    return pages;
}

// The history gets, in order: the selection taken away, then for each page
// the page made current (appended first where it is new) and its shapes
// appended, and last the first of the pages shown. Redo appends each shape
// to the page current then, which is the page it was added to.
bool TSheetDocument::AddShapePages(const std::vector<TPolygonTbl>& pages) {
    if (pages.empty())
        return false;
    std::size_t first = FDrawing.size();
    while (first > 0 && FDrawing[first - 1].empty())
        --first;
    if (first + pages.size() > MaxPageCount)
        return false;

    RecordUnselectEvery(FCurPage, FSelection);
    FSelection.clear();
    for (std::size_t k = 0; k < pages.size(); ++k) {
        const int page = static_cast<int>(first + k);
        if (!IsIndexOf(FDrawing, page)) {
            FDrawing.emplace_back();
            FHistory.RecordAddPage();
        }
        FHistory.RecordChangePage(FCurPage, page);
        FCurPage = page;
        for (const TPolygon& shape : pages[k]) {
            FDrawing[page].push_back(shape);
            FHistory.RecordAddPolygon(page, shape);
        }
    }
    const int shown = static_cast<int>(first);
    if (FCurPage != shown) {
        FHistory.RecordChangePage(FCurPage, shown);
        FCurPage = shown;
    }
    RefreshSelectionCopy();
    FModified = true;
    DrawingChanged();
    return true;
}
