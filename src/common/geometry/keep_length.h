// The vertex moves that keep side lengths: a dragged vertex pulls its
// neighbours along until one of them can stay between its own two neighbours.
#pragma once

#include "geometry/polygon.h"

// A point at lenPrev from pPrev and lenNext from pNext, the one of the two
// nearer to pRef. False when the circles do not cross at two points.
bool TwoCirclePoint(const TPointF& pPrev, const TPointF& pRef, const TPointF& pNext,
                    long double lenPrev, long double lenNext, TPointF& point);

// Puts vertex i of copy at target and walks from it in direction d (+1 or -1),
// moving the following vertices so that every side keeps its length in
// before, until one vertex can be placed between its two neighbours. False
// when the walk comes back to i; copy may then be partly moved.
bool KeepLenWalk(const TDaPointF& before, TDaPointF& copy, int i, int d, const TPointF& target);

// Move vertex i to target keeping the side lengths, walking one way (d) or
// both ways; the shape changes only on success.
bool MoveApexKeepLenDir(TPolygon& polygon, int i, const TPointF& target, int d);
bool MoveApexKeepLen(TPolygon& polygon, int i, const TPointF& target);
