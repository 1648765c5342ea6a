// The steps of moving and turning a whole shape with the mouse in the shape
// editor. Which of the two a press starts is picking (geometry/shape_pick.h).
#pragma once

#include "geometry/polygon.h"

// The angle (radians, for RotatePoints) that turns the direction from centre
// to from into the direction from centre to to.
long double RotationStep(const TPointF& centre, const TPointF& from, const TPointF& to);

// Adds (dx, dy) to every vertex.
void TranslateApexes(TDaPointF& apexes, long double dx, long double dy);
