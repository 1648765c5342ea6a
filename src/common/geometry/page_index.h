// The shapes of one page as the placement tests and the page's drawing need
// them: each shape's outline with flanges in an outline cache, kept from call
// to call and brought up to date only when asked for, and the shapes whose
// boxes meet a box, found through a grid of rough boxes and always in page
// order. An owner that knows which shapes it changed names them, so that
// bringing the index up to date costs what changed, not what the page holds.
#pragma once

#include "geometry/bounding_box.h"
#include "geometry/box_grid.h"
#include "geometry/outline_cache.h"
#include "geometry/polygon.h"

#include <cstdint>
#include <vector>

// A box that holds the shape's outline with flanges, found without
// trigonometry: never smaller than TOutlineCache::Bounds of the shape, and
// unbounded whenever that is.
TBox RoughOutlineBounds(const TPolygon& shape);

class TPageIndex {
public:
    // Takes the page as it is now, whatever changed: every entry is compared
    // with its shape when next asked for, and a shape that did not change
    // keeps what was computed for it.
    void Sync(const TPolygonTbl& page);
    // The same for the one shape at index, after a change the caller made.
    void SyncShape(const TPolygonTbl& page, int index);
    // For an owner that tells every change: the shape at index changed (or
    // was added, or removed from the end) since the index last took the page.
    void MarkChanged(int index);
    // Takes the page, which may have been moved in memory, with the shapes
    // marked since and those added or removed at its end.
    void Update(const TPolygonTbl& page);

    int Size() const { return static_cast<int>(FShapes.size()); }
    // The cache of shape index, synced with the page last taken; that page
    // must still be there.
    TOutlineCache& Shape(int index);
    // RoughOutlineBounds of shape index.
    const TBox& RoughBounds(int index) const { return FRough[index]; }

    // The shapes whose bounds meet box, in increasing page order.
    const std::vector<int>& ShapesMeeting(const TBox& box);
    // The shapes whose rough bounds meet box, in increasing page order: at
    // least those whose bounds meet it, found without their outlines.
    const std::vector<int>& ShapesNear(const TBox& box);

private:
    void TakeShape(int index);

    const TPolygonTbl* FPage = nullptr;
    std::vector<TOutlineCache> FShapes;
    std::vector<std::uint8_t> FStale; // to be synced with its shape before use
    std::vector<TBox> FRough;         // as filed in the grid
    std::vector<int> FMarked;
    TBoxGrid FGrid;
    std::vector<int> FNear;
    std::vector<int> FFound;
};
