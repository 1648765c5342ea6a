// Seeded test data for the benchmarks: a crowded page of flanged 16-vertex
// shapes packed a fraction of a millimetre apart, a large flanged shape for
// the editor, and drawings of many pages of such shapes.
#pragma once

#include "geometry/polygon.h"

#include <cstdint>

// The page's drawing area: 15 columns and 21 rows of cells, 300 of them holding
// a shape and 15 left empty, so that a dragged shape has somewhere to go.
inline constexpr long double CrowdedPageWidth = 342;
inline constexpr long double CrowdedPageHeight = 491;
inline constexpr int CrowdedPageShapes = 300;

// Each shape's outline with flanges fills its cell but for a margin of 0.0025
// to 0.0625 mm on every side, so neighbours lie 0.005 to 0.125 mm apart.
TPolygonTbl CrowdedPage(std::uint32_t seed);

// A closed outline of vertexCount vertices around a circle of radius mm about
// centre, jittered, with a flange on every side.
TPolygon LargeFlangedShape(int vertexCount, const TPointF& centre, long double radius,
                           std::uint32_t seed);

// shapeCount shapes on pages of CrowdedPageShapes each, every page a crowded page
// of its own seed.
TZvDat CrowdedDrawing(int shapeCount, std::uint32_t seed);
