// The shapes of one page with their cached outlines.
#include "geometry/page_index.h"

void TPageIndex::Sync(const TPolygonTbl& page) {
    FShapes.resize(page.size());
    for (std::size_t i = 0; i < page.size(); ++i)
        FShapes[i].Sync(page[i]);
}

void TPageIndex::SyncShape(const TPolygonTbl& page, int index) {
    if (FShapes.size() != page.size()) {
        Sync(page);
        return;
    }
    if (IsIndexOf(page, index))
        FShapes[index].Sync(page[index]);
}

const std::vector<int>& TPageIndex::ShapesMeeting(const TBox& box) {
    FFound.clear();
    for (int i = 0; i < Size(); ++i) {
        if (BoxesMeet(FShapes[i].Bounds(), box))
            FFound.push_back(i);
    }
    return FFound;
}
