// A typed interior angle at a selected vertex of the shape editor's working
// shape: the vertex moves, or the sides at it turn, until the angle inside the
// outline is the one asked for.
#pragma once

#include "editing/apex_selection.h"
#include "geometry/polygon.h"

// Gives vertex k (slot 1) the interior angle (radians, 0 to 2 pi).
//
// One vertex selected: without keepLengths vertex k moves, its neighbours
// staying and the ratio of its two sides kept; with keepLengths both sides at k
// turn about it by half the change each, keeping their lengths.
//
// A side j-k selected (slot 0 = j): the side stays. Without keepLengths the
// neighbour of k beyond the side slides along the line of its own next side;
// with keepLengths the side leaving k away from j turns about k, keeping its
// length.
//
// False, with the shape unchanged, for any other selection, fewer than 3
// vertices, a side or base of no length, lines that do not meet, lengths that
// cannot be kept, or a result a drawing file
// cannot hold (IsStorableValue).
bool SetInteriorAngle(TPolygon& polygon, const TSelApex& selApex, long double angle,
                      bool keepLengths);
