// The shapes that reach outside the part of the paper a printer can print
// on: what a print or export warns of, and what the sheet marks.
#pragma once

#include "drawing/canvas.h"
#include "geometry/bounding_box.h"
#include "geometry/page_index.h"
#include "geometry/polygon.h"

#include <vector>

// A shape by page and index on its page, both counted from 0.
struct TShapeAt {
    int Page = 0;
    int Shape = 0;
    friend bool operator==(const TShapeAt&, const TShapeAt&) = default;
};

// True when the box of a shape's outline with its flanges (box) reaches past
// the printable area, a box in the page's millimetres; a box that is not
// bounded always does.
bool ReachesOutside(const TBox& box, const TBox& printable);

// The width and height of a shape's outline with its flanges, in mm;
// infinite when a point is not finite, 0 x 0 for a shape of no points.
TPointF ShapeExtent(const TPolygon& shape);

// True when a shape of extent fits within an area width x height mm.
bool FitsArea(const TPointF& extent, long double width, long double height);

// The shapes of the pages listed that reach outside printable, in page and
// shape order.
std::vector<TShapeAt> ShapesReachingOutside(const TZvDat& drawing, const std::vector<int>& pages,
                                            const TBox& printable);

// Outlines in red, at scale pixels per mm, the outline with flanges of each
// shape of page that reaches outside printable, except those in skip (shapes
// drawn in not-xor while a gesture moves them); the outlines come from
// shapes, synced with page.
void MarkShapesReachingOutside(ICanvas& canvas, const TPolygonTbl& page, TPageIndex& shapes,
                               const TBox& printable, const TDaInt& skip, long double scale);
