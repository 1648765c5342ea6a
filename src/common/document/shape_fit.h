// Whether a shape can lie on a page's white area at all, and its size with
// flanges, which the sheet names when it cannot.
#pragma once

#include "geometry/polygon.h"

struct TShapeSize {
    long double Width = 0; // mm, the box of the outline with flanges
    long double Height = 0;
};

TShapeSize SizeWithFlanges(const TPolygon& shape);

// False when the shape, unturned, is too large for the white area of
// pageWidth by pageHeight: its outline with flanges cannot lie inside it
// keeping LayoutLeastClearance from the border. A shape without an outline
// is not too large.
bool FitsWhiteArea(const TPolygon& shape, long double pageWidth, long double pageHeight);
