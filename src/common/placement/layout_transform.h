// The rigid motion a layout gives a shape: an optional mirror image, a turn
// about the origin and a shift, applied so that every side keeps its length,
// every flange stays on its side and every fold line on its vertices.
#pragma once

#include "geometry/polygon.h"

struct TLayoutTransform {
    long double Angle = 0; // radians about (0, 0); positive turns clockwise on screen
    bool Mirror = false;   // mirrored across the vertical line X = 0 before the turn
    TPointF Shift;         // added after the turn
    friend bool operator==(const TLayoutTransform&, const TLayoutTransform&) = default;
};

// The cosine and sine of a turn; exact for whole quarter turns (within
// rounding), so that a quarter-turned shape has the very coordinates of the
// original, swapped.
void TurnCosSin(long double angle, long double& cosine, long double& sine);

// Where the transform takes one point.
TPointF TransformPoint(const TPointF& p, const TLayoutTransform& transform);

// The shape moved by the transform. A mirror image reverses the order of the
// outline, so the vertex list is reversed (vertex 0 stays first) to keep the
// outline running the way it ran on screen: each flange moves with its side,
// its two angles trading places, and each fold line follows its vertices.
// Fold lines that name no vertex are kept as they are. The copy has one flange
// per vertex, as CopyPolygon makes it.
TPolygon TransformedPolygon(const TPolygon& shape, const TLayoutTransform& transform);
