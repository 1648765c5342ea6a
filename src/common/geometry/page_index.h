// The shapes of one page as the placement tests and the page's drawing need
// them: each shape's outline with flanges in an outline cache, kept from call
// to call, and the shapes whose boxes meet a box, always in page order.
#pragma once

#include "geometry/bounding_box.h"
#include "geometry/outline_cache.h"
#include "geometry/polygon.h"

#include <vector>

class TPageIndex {
public:
    // Brings every entry up to date with the page; a shape that did not change
    // keeps what was computed for it.
    void Sync(const TPolygonTbl& page);
    // The same for the one shape at index, after a change the caller made.
    void SyncShape(const TPolygonTbl& page, int index);

    int Size() const { return static_cast<int>(FShapes.size()); }
    TOutlineCache& Shape(int index) { return FShapes[index]; }

    // The shapes whose bounds meet box, in increasing page order.
    const std::vector<int>& ShapesMeeting(const TBox& box);

private:
    std::vector<TOutlineCache> FShapes;
    std::vector<int> FFound;
};
