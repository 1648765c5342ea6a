// The sheet document's layout: the shapes of a layout job put where its
// result has them, pages added and the empty pages at the end removed, all
// recorded as the pages that changed, before and after, so that one undo
// gives every shape and every page back bit for bit.
#include "document/sheet_document.h"

#include "placement/layout_transform.h"

#include <algorithm>
#include <map>
#include <utility>

namespace {

// The pages of the drawing that change, with their shapes after the layout.
using TPagesAfter = std::map<int, TPolygonTbl>;

// The drawing's page of the layout's page k: the job's pages first, then
// pages added after the drawing's last.
int DrawingPageOf(const TLayoutJob& job, int k) {
    const int ownPages = static_cast<int>(job.Pages.size());
    return k < ownPages ? job.Pages[k] : job.PageCount + (k - ownPages);
}

} // namespace

bool TSheetDocument::IsJobOfDrawing(const TLayoutJob& job, const TLayoutResult& result) const {
    if (result.Outcome != TLayoutOutcome::Done ||
        job.PageCount != static_cast<int>(FDrawing.size()) ||
        result.Placements.size() != job.Shapes.size() || job.From.size() != job.Shapes.size())
        return false;
    for (std::size_t i = 0; i < job.Shapes.size(); ++i) {
        const TShapeRef& from = job.From[i];
        if (from.Page >= 0 &&
            (!IsShapeOf(from.Page, from.Index) || FDrawing[from.Page][from.Index] != job.Shapes[i]))
            return false;
    }
    return std::all_of(job.Pages.begin(), job.Pages.end(),
                       [this](int page) { return IsIndexOf(FDrawing, page); });
}

TLayoutApplied TSheetDocument::ApplyLayout(const TLayoutJob& job, const TLayoutResult& result) {
    TLayoutApplied applied;
    if (!IsJobOfDrawing(job, result))
        return applied;
    applied.PageCount = static_cast<int>(FDrawing.size());
    applied.Misfits = result.Misfits;

    // Each page that loses shapes keeps the others in their order; the shapes
    // laid out follow the shapes that stay on their new page, in the job's order.
    std::map<int, std::vector<bool>> leaving;
    for (std::size_t i = 0; i < job.Shapes.size(); ++i) {
        const TShapeRef& from = job.From[i];
        if (result.Placements[i].Page < 0 || from.Page < 0)
            continue;
        std::vector<bool>& flags = leaving[from.Page];
        flags.resize(FDrawing[from.Page].size());
        flags[from.Index] = true;
    }
    TPagesAfter after;
    for (const auto& [page, flags] : leaving) {
        TPolygonTbl& kept = after[page];
        for (std::size_t index = 0; index < flags.size(); ++index) {
            if (!flags[index])
                kept.push_back(FDrawing[page][index]);
        }
    }
    bool placed = false;
    for (std::size_t i = 0; i < job.Shapes.size(); ++i) {
        const TLayoutPlacement& placement = result.Placements[i];
        if (placement.Page < 0)
            continue;
        placed = true;
        const int page = DrawingPageOf(job, placement.Page);
        if (!after.contains(page))
            after[page] = page < job.PageCount ? FDrawing[page] : TPolygonTbl();
        after[page].push_back(TransformedPolygon(job.Shapes[i], placement.Transform));
    }
    for (const int misfit : result.Misfits) {
        TShapeRef now = job.From[misfit];
        if (now.Page >= 0 && leaving.contains(now.Page)) {
            const std::vector<bool>& flags = leaving[now.Page];
            now.Index -=
                static_cast<int>(std::count(flags.begin(), flags.begin() + now.Index, true));
        }
        applied.MisfitPlaces.push_back(now);
    }
    if (!placed) {
        applied.End = TLayoutEnd::NothingPlaced;
        return applied;
    }

    const auto emptyAfter = [&](int page) {
        const auto changed = after.find(page);
        if (changed != after.end())
            return changed->second.empty();
        return page >= job.PageCount || FDrawing[page].empty();
    };
    int pageCount = std::max(job.PageCount, DrawingPageOf(job, result.PageCount - 1) + 1);
    while (pageCount > 1 && emptyAfter(pageCount - 1))
        --pageCount;
    applied.PageCount = pageCount;
    if (static_cast<std::size_t>(pageCount) > MaxPageCount) {
        applied.End = TLayoutEnd::TooManyPages;
        return applied;
    }

    TPeiChangePages change;
    change.OldPageCount = job.PageCount;
    change.NewPageCount = pageCount;
    change.OldCurPage = FCurPage;
    change.NewCurPage = std::min(DrawingPageOf(job, 0), pageCount - 1);
    for (auto& [page, shapes] : after) {
        change.Pages.push_back(page);
        change.OldShapes.push_back(page < job.PageCount ? FDrawing[page] : TPolygonTbl());
        change.NewShapes.push_back(page < pageCount ? std::move(shapes) : TPolygonTbl());
    }
    RecordUnselectEvery(FCurPage, FSelection);
    PutPages(change, false);
    FHistory.RecordChangePages(std::move(change));
    FModified = true;
    DrawingChanged();
    applied.End = TLayoutEnd::Done;
    return applied;
}

// Pages beyond the count come and go at the end; the shapes of each page the
// entry names are copied back as they were recorded.
void TSheetDocument::PutPages(const TPeiChangePages& entry, bool before) {
    const std::int32_t pageCount = before ? entry.OldPageCount : entry.NewPageCount;
    const std::vector<TPolygonTbl>& shapes = before ? entry.OldShapes : entry.NewShapes;
    if (pageCount < 1 || static_cast<std::size_t>(pageCount) > MaxPageCount ||
        shapes.size() != entry.Pages.size())
        return;
    FDrawing.resize(static_cast<std::size_t>(pageCount));
    for (std::size_t k = 0; k < entry.Pages.size(); ++k) {
        if (IsIndexOf(FDrawing, entry.Pages[k]))
            FDrawing[entry.Pages[k]] = shapes[k];
    }
    ShowPageOf(before ? entry.OldCurPage : entry.NewCurPage);
    FSelection.clear();
    RefreshSelectionCopy();
}
