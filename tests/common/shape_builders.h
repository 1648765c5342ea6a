// Short builders for the shapes tests draw, move and store: a shape from its
// vertices with an empty flange on every side, and squares, rectangles and
// right triangles placed by their top-left corner, clockwise on screen.
#pragma once

#include "geometry/polygon.h"

#include <ostream>

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

// Failing comparisons show a flange's fields instead of its bytes.
inline void PrintTo(const TFlange& flange, std::ostream* out) {
    *out << "{\"" << flange.Name << "\" w" << static_cast<double>(flange.Width) << " "
         << static_cast<double>(flange.Angle1) << " " << static_cast<double>(flange.Angle2) << "}";
}

// Failing comparisons show a shape's vertices, flange widths and fold lines
// instead of its bytes.
inline void PrintTo(const TPolygon& shape, std::ostream* out) {
    *out << "{";
    for (std::size_t i = 0; i < shape.Apexes.size(); ++i) {
        *out << (i == 0 ? "" : ", ") << "(" << static_cast<double>(shape.Apexes[i].X) << " "
             << static_cast<double>(shape.Apexes[i].Y) << ")";
        if (i < shape.Flanges.size() && shape.Flanges[i].Width != 0)
            *out << " w" << static_cast<double>(shape.Flanges[i].Width);
    }
    *out << " | " << shape.Flanges.size() << " flanges";
    for (std::size_t set = 0; set < shape.BendLines.size(); ++set)
        for (const TBendLine& line : shape.BendLines[set])
            *out << " | set" << set + 1 << " " << line.Apex1 << "-" << line.Apex2;
    *out << "}";
}
