// Regular polygons: n equal sides about a centre, sized by the side length or
// by the radius of the circle through the vertices, the first side at a
// given slope.
#pragma once

#include "geometry/polygon.h"

inline constexpr int MinRegularSides = 3;
inline constexpr int MaxRegularSides = 360;

// What fixes the size of a regular polygon.
enum class TRegularSize { SideLength, Circumradius };

struct TRegularPolygonParams {
    int Sides = 6;
    long double Size = 20; // mm: the side length or the circumradius
    TRegularSize SizeIs = TRegularSize::SideLength;
    // The first side's slope in degrees, counter-clockwise as seen on screen,
    // as the side slope setting takes it.
    long double SlopeDegrees = 0;
};

// True for 3 to 360 sides and a size and slope that are finite, the size
// above 0.
bool IsRegularPolygonParams(const TRegularPolygonParams& params);

// The radius of the circle through the vertices; 0 for parameters that make none.
long double RegularCircumradius(const TRegularPolygonParams& params);

// The vertices about centre, clockwise on screen as the editor's shapes are
// drawn, vertex 0 to vertex 1 the first side. Each vertex is taken from the
// centre, not from the one before it, so that no error piles up and the
// outline closes exactly. Empty for parameters that make none.
TDaPointF RegularPolygonApexes(const TPointF& centre, const TRegularPolygonParams& params);
