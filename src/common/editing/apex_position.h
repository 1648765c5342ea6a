// Typed coordinates for one vertex of the shape editor's working shape.
#pragma once

#include "geometry/polygon.h"

// Puts vertex k at point. With keepLengths the vertices on both sides of it
// follow so that every side keeps its length. False, with the shape unchanged,
// when k names no vertex, the lengths cannot be kept or the result is not
// storable (IsStorableValue).
bool SetApexPosition(TPolygon& polygon, int k, const TPointF& point, bool keepLengths);
