// Whether a piece fits a white area of the page when turned by some angle, and
// the turn that fits it best.
#pragma once

#include "geometry/polygon.h"

// A piece whose box passes the white area by no more than this still fits.
inline constexpr long double AreaFitTolerance = 1e-6L;

// The convex hull of the points, counter-clockwise as the coordinates run
// (clockwise on screen), without points in the middle of its sides.
TDaPointF ConvexHull(TDaPointF points);

// The convex hull of two convex hulls as ConvexHull gives them, in time
// linear in their sizes.
TDaPointF MergedHull(const TDaPointF& a, const TDaPointF& b);

// Adds p to a hull as ConvexHull gives it, in time linear in its size; false
// when p lies inside it or on its outline, which leaves it as it was.
bool AddToHull(TDaPointF& hull, const TPointF& p);

struct TAreaFit {
    bool Fits = false;
    long double Angle = 0; // radians, RotatePoints' sense
    long double Width = 0; // of the turned box, margins included
    long double Height = 0;
};

// Tries turns that lay a side of the hull along the box, turns by whole
// degrees and the hint; the box of the turned hull, grown by margin on every
// side, must fit width x height. With smallest, the fitting turn whose box is
// the smallest, or when none fits the one that passes the area the least;
// otherwise the first turn that fits.
TAreaFit FitArea(const TDaPointF& hull, long double width, long double height, long double margin,
                 long double hint, bool smallest);
