// How much of a page shapes take, and the fewest pages a layout of them can
// possibly use.
#pragma once

#include "geometry/polygon.h"

#include <vector>

// The area a shape covers with its flanges: its outline's and each flange's,
// a flange whose slanted edges cross counted as the two triangles its outline
// encloses. Flanges that overlap each other are counted twice.
long double AreaWithFlanges(const TPolygon& shape);

struct TLayoutBounds {
    // Total area with flanges over the page's area, rounded up.
    int Area = 0;
    // The same with each shape, and the page, grown by half the gap: the grown
    // shapes cannot overlap. A convex shape of area A and perimeter P grows
    // by exactly P r + pi r^2 (r the half gap); any other at least to
    // (sqrt(A) + sqrt(pi) r)^2, by the Brunn-Minkowski inequality.
    int WithGap = 0;
};

// Bounds for laying out the shapes on pages of pageWidth by pageHeight mm.
TLayoutBounds LayoutBounds(const std::vector<TPolygon>& shapes, long double pageWidth,
                           long double pageHeight, long double gap);
