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

// The shapes of the pages listed that reach outside printable, in page and
// shape order.
std::vector<TShapeAt> ShapesReachingOutside(const TZvDat& drawing, const std::vector<int>& pages,
                                            const TBox& printable);

// Outlines in red, at scale pixels per mm, the outline with flanges of each
// shape of the page that reaches outside printable, except those in skip (shapes
// drawn in not-xor while a gesture moves them); the outlines come from
// shapes, which must have taken the page as it is now.
void MarkShapesReachingOutside(ICanvas& canvas, TPageIndex& shapes, const TBox& printable,
                               const TDaInt& skip, long double scale);
