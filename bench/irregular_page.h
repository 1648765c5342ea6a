// Seeded crowded pages of irregular shapes: 6 to 12 vertices about a centre
// at random distances, turned by a random angle, a flange on every side, each
// fitted into a cell of its own a fraction of a millimetre from its
// neighbours, on a page as large as the count needs.
#pragma once

#include "geometry/polygon.h"

#include <cstdint>

struct TIrregularPage {
    TPolygonTbl Shapes;
    long double Width = 0; // the drawing area, mm
    long double Height = 0;
};

TIrregularPage IrregularPage(int shapeCount, std::uint32_t seed);
