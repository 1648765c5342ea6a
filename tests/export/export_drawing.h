// The page the exporter tests write: flanged shapes with names, one of them
// Japanese, fold lines of both sets, and a shape without any flange, with the
// paper it lies on.
#pragma once

#include "common/shape_builders.h"
#include "drawing/page_layers.h"
#include "geometry/angles.h"

// An A4 paper; the page's origin lies 15 mm in and 25 mm down on it.
inline constexpr long double PaperWidth = 210;
inline constexpr long double PaperHeight = 297;
inline const TPointF PageOrigin{15, 25};
inline constexpr long double NameHeight = 4;

// Shift-JIS of "のりA1".
inline const std::string JapaneseName = "\x82\xcc\x82\xe8"
                                        "A1";

// Square: 40 mm at (10, 20), 8 mm rectangular flanges on its top side (named
// in Japanese) and its right side (named "B2"), its left and bottom sides
// plain, fold line 0-2 in set 1 and 1-3 in set 2. Triangle: 30 mm at
// (80, 20), a trapezoid flange on its top side named "C3", fold line 1-2 in
// set 2 (which joins two vertices along the long side). Rectangle: 30 x 10 mm
// at (20, 100), nothing on it.
inline TPolygonTbl ExportPage() {
    const long double right = Pi / 2;
    TPolygon square = Square(40, {10, 20});
    square.Flanges[0] = MakeFlange(JapaneseName, 8, right, right);
    square.Flanges[1] = MakeFlange("B2", 8, right, right);
    square.BendLines[0] = {MakeBendLine(0, 2)};
    square.BendLines[1] = {MakeBendLine(1, 3)};
    TPolygon triangle = Triangle(30, {80, 20});
    triangle.Flanges[0] = MakeFlange("C3", 6, Pi / 4, Pi / 4);
    triangle.BendLines[1] = {MakeBendLine(1, 2)};
    return {square, triangle, Rect(30, 10, {20, 100})};
}

inline TPageLayers ExportLayers() {
    return PageLayersOf(ExportPage(), PageOrigin, NameHeight);
}
