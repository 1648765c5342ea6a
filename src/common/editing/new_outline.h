// A new outline drawn vertex by vertex. Its last vertex is the rubber band that
// follows the mouse; a press near the vertex placed last finishes the outline.
#pragma once

#include "geometry/polygon.h"

// One vertex at (0, 0), the rubber band, with an all-zero flange and no fold
// lines.
TPolygon NewOutline();

// True when a press at q finishes the outline: at least three vertices are
// placed before the rubber band and q lies nearer than closeDist to the last.
bool IsOutlineClosingPress(const TPolygon& outline, const TPointF& q, long double closeDist);

// Drops the rubber band; every remaining flange loses its width and angles, its
// name is kept.
void FinishOutline(TPolygon& outline);

// The rubber band becomes a vertex placed at q with an all-zero flange, and a
// new rubber band at q follows it. Returns the index of the placed vertex, or
// -1 for an outline without vertices, which is left alone.
int PlaceOutlineVertex(TPolygon& outline, const TPointF& q);

// Appends a copy of the last vertex and its flange, a new rubber band. False
// for a shape without vertices.
bool AppendRubberBand(TPolygon& outline);

// Removes the last vertex and its flange. False for a shape without vertices.
bool RemoveRubberBand(TPolygon& outline);
