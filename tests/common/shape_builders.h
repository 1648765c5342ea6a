// Short builders for the shapes tests draw, move and store: a shape from its
// vertices with an empty flange on every side, and squares, rectangles and
// right triangles placed by their top-left corner, clockwise on screen.
#pragma once

#include "geometry/polygon.h"

inline TPolygon Shape(const TDaPointF& apexes) {
    TPolygon shape;
    shape.Apexes = apexes;
    shape.Flanges.assign(apexes.size(), TFlange());
    return shape;
}

// Sides 0 top, 1 right, 2 bottom, 3 left.
inline TPolygon Rect(long double width, long double height, const TPointF& at = {}) {
    return Shape({at, PointF(at.X + width, at.Y), PointF(at.X + width, at.Y + height),
                  PointF(at.X, at.Y + height)});
}

inline TPolygon Square(long double size, const TPointF& at = {}) {
    return Rect(size, size, at);
}

// The right angle at `at`, one leg along the top and one down the left.
inline TPolygon Triangle(long double size, const TPointF& at = {}) {
    return Shape({at, PointF(at.X + size, at.Y), PointF(at.X, at.Y + size)});
}
