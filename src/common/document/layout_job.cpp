// Layout jobs: the shapes of a scope and the pages they go onto, taken from
// the drawing, and their layout with the misfits kept where they lie.
#include "document/layout_job.h"

#include <algorithm>
#include <utility>

namespace {

TLayoutOptions OptionsOf(const TLayoutSettings& settings, long double pageWidth,
                         long double pageHeight) {
    TLayoutOptions options;
    options.PageWidth = pageWidth;
    options.PageHeight = pageHeight;
    options.Gap = settings.Gap;
    options.Rotations = settings.Rotations;
    options.AllowMirror = settings.AllowMirror;
    return options;
}

// The shapes of page in the scope, by their index.
std::vector<bool> InScope(const TPolygonTbl& page, bool whole, const TDaInt& selection) {
    std::vector<bool> taken(page.size(), whole);
    if (!whole) {
        for (const int index : selection) {
            if (IsIndexOf(page, index))
                taken[index] = true;
        }
    }
    return taken;
}

} // namespace

TLayoutJob MakeLayoutJob(const TZvDat& drawing, int curPage, const TDaInt& selection,
                         const TLayoutSettings& settings, long double pageWidth,
                         long double pageHeight) {
    TLayoutJob job;
    job.Options = OptionsOf(settings, pageWidth, pageHeight);
    job.PageCount = static_cast<int>(drawing.size());
    const bool allPages = settings.Scope == TLayoutScope::AllPages;
    if (!allPages && !IsIndexOf(drawing, curPage))
        return job;
    const int first = allPages ? 0 : curPage;
    const int last = allPages ? job.PageCount - 1 : curPage;
    for (int page = first; page < job.PageCount; ++page) {
        const TPolygonTbl& shapes = drawing[page];
        // Past the scope a page is filled only when it is empty.
        if (page > last && !shapes.empty())
            continue;
        job.Pages.push_back(page);
        job.Options.Fixed.emplace_back();
        const std::vector<bool> taken =
            InScope(shapes, settings.Scope != TLayoutScope::Selection, selection);
        for (int index = 0; index < static_cast<int>(shapes.size()); ++index) {
            if (!taken[index]) {
                job.Options.Fixed.back().push_back(shapes[index]);
                continue;
            }
            job.Shapes.push_back(shapes[index]);
            job.From.push_back({page, index});
        }
    }
    return job;
}

TLayoutJob NewShapesLayoutJob(const TZvDat& drawing, std::vector<TPolygon> shapes,
                              const TLayoutSettings& settings, long double pageWidth,
                              long double pageHeight) {
    TLayoutJob job;
    job.Options = OptionsOf(settings, pageWidth, pageHeight);
    job.PageCount = static_cast<int>(drawing.size());
    int firstEmpty = job.PageCount;
    while (firstEmpty > 0 && drawing[firstEmpty - 1].empty())
        --firstEmpty;
    for (int page = firstEmpty; page < job.PageCount; ++page)
        job.Pages.push_back(page);
    job.From.assign(shapes.size(), TShapeRef());
    job.Shapes = std::move(shapes);
    return job;
}

// The misfits are found first, so that those on the job's pages are kept
// clear of; the rest are laid out and their placements given back in the
// job's order.
TLayoutResult RunLayoutJob(const TLayoutJob& job, const TLayoutProgress& progress) {
    TLayoutOptions options = job.Options;
    std::vector<TPolygon> fitting;
    std::vector<int> fittingIndex;
    std::vector<int> misfits;
    for (int i = 0; i < static_cast<int>(job.Shapes.size()); ++i) {
        if (FitsEmptyLayoutPage(job.Shapes[i], options)) {
            fitting.push_back(job.Shapes[i]);
            fittingIndex.push_back(i);
            continue;
        }
        misfits.push_back(i);
        const auto onPage = std::find(job.Pages.begin(), job.Pages.end(), job.From[i].Page);
        if (onPage == job.Pages.end())
            continue;
        const auto page = static_cast<std::size_t>(onPage - job.Pages.begin());
        if (options.Fixed.size() <= page)
            options.Fixed.resize(page + 1);
        options.Fixed[page].push_back(job.Shapes[i]);
    }
    const TLayoutResult laidOut = LayOutShapes(fitting, options, progress);
    TLayoutResult result;
    result.Outcome = laidOut.Outcome;
    if (laidOut.Outcome != TLayoutOutcome::Done)
        return result;
    result.PageCount = laidOut.PageCount;
    result.Placements.assign(job.Shapes.size(), TLayoutPlacement());
    for (std::size_t k = 0; k < fitting.size(); ++k)
        result.Placements[fittingIndex[k]] = laidOut.Placements[k];
    for (const int k : laidOut.Misfits)
        misfits.push_back(fittingIndex[k]);
    std::sort(misfits.begin(), misfits.end());
    result.Misfits = std::move(misfits);
    return result;
}
