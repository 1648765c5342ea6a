// Moving and turning a whole shape with the mouse in the shape editor: which of
// the two a press inside the shape starts, and the step of each mouse move.
#pragma once

#include "geometry/polygon.h"

enum class TShapeGesture { None, Move, Rotate };

// The radius of the circle about the centroid that holds half the area: a
// press nearer the centroid moves the shape, a press farther out turns it.
long double ShapeGrabRadius(long double area);

// What a press at q starts: nothing when q lies outside the outline, within
// linePickDist of a side (fold lines do not count), or the shape has no area;
// otherwise a move near the centroid or a rotation farther out.
TShapeGesture ShapeGestureAt(const TDaPointF& apexes, const TPointF& q, long double linePickDist);

// The angle (radians, for RotatePoints) that turns the direction from centre
// to from into the direction from centre to to.
long double RotationStep(const TPointF& centre, const TPointF& from, const TPointF& to);

// Adds (dx, dy) to every vertex.
void TranslateApexes(TDaPointF& apexes, long double dx, long double dy);
