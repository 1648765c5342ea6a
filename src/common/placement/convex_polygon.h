// Convex polygons in double precision, the working form of the layout search:
// hulls, areas and Minkowski sums. The search only proposes positions; every
// position it takes is checked again on the shapes themselves.
#pragma once

#include <vector>

struct TVec {
    double X = 0;
    double Y = 0;
};

inline TVec operator+(const TVec& a, const TVec& b) {
    return {a.X + b.X, a.Y + b.Y};
}
inline TVec operator-(const TVec& a, const TVec& b) {
    return {a.X - b.X, a.Y - b.Y};
}
inline double Cross(const TVec& a, const TVec& b) {
    return a.X * b.Y - a.Y * b.X;
}

// Vertices with a positive shoelace sum (clockwise on screen, where Y grows
// downward), no two equal and no three in a line, at least three of them,
// starting at the top vertex (least Y, then least X). Every function here
// gives its parts in this form.
using TConvexPart = std::vector<TVec>;

// The convex hull of the points. Points that span no area (fewer than three,
// or all in a line) get the box around them widened by a hair, so that every
// part has an inside.
TConvexPart ConvexHull(std::vector<TVec> points);

double PartArea(const TConvexPart& part);
double PartPerimeter(const TConvexPart& part);

// The Minkowski sum of two convex parts: every a + b. Written to sum, which
// keeps its storage from call to call.
void MinkowskiSum(const TConvexPart& a, const TConvexPart& b, TConvexPart& sum);
TConvexPart MinkowskiSum(const TConvexPart& a, const TConvexPart& b);

// The part turned half a turn about the origin: every -a.
TConvexPart Negated(const TConvexPart& part);

// A regular polygon around the circle of this radius about the origin, its
// sides touching the circle, with sides along both axes.
TConvexPart CircumscribedPolygon(double radius, int sides);
