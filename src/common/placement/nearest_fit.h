// Where a new or pasted shape can go on a page: the shortest move, without
// turning it, that puts it inside the white area and off every shape of the
// page by the overlap rule, flanges included.
#pragma once

#include "geometry/page_index.h"
#include "geometry/polygon.h"

// The shape lies where the caller would put it (under the pointer); move gets
// the shortest shift after which it fits, (0, 0) when it fits already. False,
// leaving move alone, when it fits nowhere on the page (it is larger than the
// white area, the page is full, or it has no outline). Shapes keep
// LayoutLeastClearance from each other and from the border.
bool NearestFreePlace(const TPolygonTbl& page, const TPolygon& shape, long double pageWidth,
                      long double pageHeight, TPointF& move);
// The same with the page's index, which it brings up to date and whose
// outlines it reuses.
bool NearestFreePlace(const TPolygonTbl& page, TPageIndex& index, const TPolygon& shape,
                      long double pageWidth, long double pageHeight, TPointF& move);
