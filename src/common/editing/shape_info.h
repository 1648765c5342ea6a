// The figures of the shape information monitor: for every vertex its point,
// its interior angle, and the length, slope and flange of the side that starts
// at it. Angles are in degrees, as the monitor shows them.
#pragma once

#include "geometry/polygon.h"

#include <vector>

struct TVertexInfo {
    TPointF Point;
    long double InteriorAngle = 0; // degrees
    long double SideLength = 0;    // mm, to the next vertex
    long double SideSlope = 0;     // degrees, counter-clockwise as seen on screen
    long double FlangeWidth = 0;   // mm
    long double FlangeAngle1 = 0;  // degrees
    long double FlangeAngle2 = 0;  // degrees
};

// One entry per vertex; none for a shape of fewer than two vertices, whose
// sides and angles mean nothing. A vertex without a flange record shows none.
std::vector<TVertexInfo> ShapeInfo(const TPolygon& polygon);
