// The line a cutter follows around a shape: the outer boundary of the shape
// joined with its glue flanges.
#pragma once

#include "geometry/polygon.h"

#include <vector>

// One simple closed loop per part of the shape with its flanges (one in all
// unless flanges stand apart from the shape), running the way the shape's
// vertices run and starting at the first point of OutlineWithFlanges that it
// holds; holes that flanges close off are filled. Flanges that cannot be
// built take no part. Empty for a shape with a point that is not finite, or
// when the shape and its flanges cover no area.
std::vector<TDaPointF> CutOutlines(const TPolygon& polygon);
