// A typed length for the line between two selected vertices of the shape
// editor's working shape: a side or a diagonal. The flange command calls it
// too, to give a side the length of the side that carries a same-named flange.
#pragma once

#include "geometry/polygon.h"

// Gives the line from vertex j to vertex k the length: k slides along the line
// from j. With keepLengths every side but the changed one keeps its length:
// when j and k are the ends of a side only the vertices beyond k follow it,
// otherwise (a diagonal) those on both sides of k. Nothing changes, and false
// is returned, when j or k names no vertex, the line has no length, length is
// below shortest (the closing distance at the current zoom) or equal to the
// current length, the lengths cannot be kept, or the result is not storable
// (IsStorableValue).
bool SetSideLength(TPolygon& polygon, int j, int k, long double length, long double shortest,
                   bool keepLengths);
