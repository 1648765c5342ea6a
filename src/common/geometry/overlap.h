// Overlap of closed outlines, and of a shape with the other shapes of a page,
// flanges included.
#pragma once

#include "geometry/polygon.h"

// True when the closed outlines cross, touch or one lies inside the other.
// contact gets a point of the contact: the crossing point, or the centroid of
// the inner outline; a collinear touch leaves it alone. Empty outlines never
// overlap.
bool PolygonsOverlap(const TDaPointF& outlineA, const TDaPointF& outlineB, TPointF& contact);

// True when shape, the candidate position of the shape at ownIndex, overlaps
// any other shape of the page, flanges included.
bool PolygonHitsOthers(const TPolygonTbl& page, int ownIndex, const TPolygon& shape,
                       TPointF& contact);
