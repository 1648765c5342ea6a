// Copying a drawing in slices: page by page, shape by shape, and a long
// shape's vertices and flanges a part at a time.
#include "document/drawing_snapshot.h"

#include <algorithm>
#include <utility>

void TDrawingSnapshot::Start(std::uint64_t change) {
    Clear();
    FStarted = true;
    FChange = change;
}

void TDrawingSnapshot::Clear() {
    FStarted = false;
    FCopy = TZvDat();
    FPage = 0;
    FShape = 0;
    FElement = 0;
}

TZvDat TDrawingSnapshot::Take() {
    TZvDat copy = std::move(FCopy);
    Clear();
    return copy;
}

TDrawingSnapshot::TStep TDrawingSnapshot::Step(const TZvDat& drawing, std::uint64_t change,
                                               const std::function<bool()>& timeUp) {
    if (!FStarted || change != FChange) {
        Clear();
        return TStep::Spoiled;
    }
    if (FCopy.empty())
        FCopy.resize(drawing.size());
    while (FPage < drawing.size()) {
        const TPolygonTbl& page = drawing[FPage];
        TPolygonTbl& copyPage = FCopy[FPage];
        if (copyPage.size() != page.size())
            copyPage.resize(page.size());
        while (FShape < page.size()) {
            const bool whole = CopyShapePart(page[FShape], copyPage[FShape]);
            if (whole) {
                ++FShape;
                FElement = 0;
            }
            if (timeUp())
                return TStep::Partial;
        }
        ++FPage;
        FShape = 0;
    }
    return TStep::Complete;
}

// The vertices come first, then the flanges, then the fold lines, which are
// few and short.
bool TDrawingSnapshot::CopyShapePart(const TPolygon& source, TPolygon& copy) {
    const std::size_t apexes = source.Apexes.size();
    const std::size_t flanges = source.Flanges.size();
    if (FElement == 0) {
        copy.Apexes.reserve(apexes);
        copy.Flanges.reserve(flanges);
    }
    std::size_t left = SliceUnit;
    if (FElement < apexes) {
        const std::size_t count = std::min(left, apexes - FElement);
        copy.Apexes.insert(copy.Apexes.end(), source.Apexes.begin() + FElement,
                           source.Apexes.begin() + FElement + count);
        FElement += count;
        left -= count;
    }
    if (FElement >= apexes && FElement < apexes + flanges && left > 0) {
        const std::size_t from = FElement - apexes;
        const std::size_t count = std::min(left, flanges - from);
        copy.Flanges.insert(copy.Flanges.end(), source.Flanges.begin() + from,
                            source.Flanges.begin() + from + count);
        FElement += count;
    }
    if (FElement < apexes + flanges)
        return false;
    copy.BendLines = source.BendLines;
    return true;
}
