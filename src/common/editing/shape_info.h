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

// IsClockwiseOnScreen of the vertices, the same answer with each side's
// direction found once instead of twice.
bool IsClockwiseOutline(const TDaPointF& apexes);

// The figures of vertex i (0 <= i < vertex count, at least two vertices) in
// constant time, given the order of the outline (IsClockwiseOutline of its
// vertices), which the caller finds once for all rows. A vertex without a
// flange record shows none.
TVertexInfo VertexInfoAt(const TPolygon& polygon, bool clockwise, int i);

// One entry per vertex, in time linear in the vertex count; none for a shape
// of fewer than two vertices, whose sides and angles mean nothing.
std::vector<TVertexInfo> ShapeInfo(const TPolygon& polygon);
