// The union of closed outlines as boundary loops: where outlines overlap,
// cross or touch, the loops run once around what they cover together, each
// without crossing itself or another.
#pragma once

#include "geometry/polygon.h"

#include <vector>

// The boundary of what any of outlines covers, each outline a closed vertex
// list filled by the nonzero rule on its own (so it may cross itself or run
// either way round). Each loop is simple: no vertex twice and no two sides
// that meet other than neighbours at their shared vertex; loops meet one
// another at most in vertices. Outer boundaries have a positive SignedArea
// (clockwise on screen), holes a negative one. Vertices are the outlines'
// own points wherever the boundary turns at one, so shared sides and corners
// come out exactly; points closer than a few trillionths of the largest
// coordinate count as one. Empty when any point is not finite.
std::vector<TDaPointF> OutlineUnion(const std::vector<TDaPointF>& outlines);

// Half the shoelace sum: positive for a loop that runs clockwise on screen
// (Y downward), negative for one that runs the other way.
long double SignedArea(const TDaPointF& loop);

// The outer loops of a union that lie in none of its holes: the boundary of
// the union with its holes filled, one loop per separate part.
std::vector<TDaPointF> OuterLoops(const std::vector<TDaPointF>& loops);
