// Convex parts that together cover a shape with its flanges. Clearances
// between convex parts are simple and exact to find, where the outline with
// flanges itself may be concave or, with crossed flanges, cross itself.
#pragma once

#include "geometry/polygon.h"
#include "placement/convex_polygon.h"

#include <vector>

// Parts whose union holds the outline with flanges and every point it
// encloses: the shape's own outline cut into convex pieces, and the hull of
// each flange, each flange joined to a piece when their union is convex. An
// outline that crosses itself is covered by its hull as a whole. Empty for a
// shape without vertices or with a number that is not finite. With slack, a
// flange is also joined to a part when their hull is larger than the two by no
// more than that share of them: fewer parts, at the price of covering a
// little more than the shape.
std::vector<TConvexPart> ConvexCover(const TPolygon& shape, double slack = 0);
