// The three seeded sets of pieces the layout benchmark lays out, each the same
// on every run and every machine: boxes, mixed pieces and small details.
#pragma once

#include "geometry/polygon.h"

#include <string>
#include <vector>

// A4 with 10 mm margins.
inline constexpr long double LayoutBenchPageWidth = 190;
inline constexpr long double LayoutBenchPageHeight = 277;
inline constexpr long double LayoutBenchGap = 1;

struct TLayoutSet {
    std::string Name;
    std::vector<TPolygon> Shapes;
};

// Set 1, boxes: 40 rectangles 20 to 120 by 20 to 80 mm, each side flanged
// with probability 0.6, 5, 6 or 8 mm wide at 45 degrees.
TLayoutSet BoxesSet();
// Set 2, mixed: 100 pieces, in turn triangles, hexagons, trapezoids, L shapes
// and rectangles, 12 to 100 mm across, flanged as the boxes.
TLayoutSet MixedSet();
// Set 3, details: 300 convex pieces of 3 to 6 vertices, 6 to 40 mm across,
// without flanges.
TLayoutSet DetailsSet();

std::vector<TLayoutSet> LayoutSets();
