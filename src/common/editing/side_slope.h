// A typed slope for the line between two selected vertices of the shape
// editor's working shape, turning the line or the whole shape.
#pragma once

#include "geometry/polygon.h"

// Gives the line from vertex j to vertex k the direction (radians, positive
// clockwise as seen, as PointDirection). With rotateShape the whole shape turns
// about vertex j; otherwise vertex k moves round j at its distance, and with
// keepLengths the other vertices follow as SetSideLength lets them. False, with
// the shape unchanged, when j or k names no vertex, the lengths cannot be kept
// or the result is not storable
// (IsStorableValue).
bool SetSideSlope(TPolygon& polygon, int j, int k, long double direction, bool rotateShape,
                  bool keepLengths);
