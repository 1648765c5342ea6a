// The shape editor's centroid cross: green arms of 10 pixels about the shape's
// area-weighted centroid. A shape without area keeps its cross where it was
// drawn last; one of fewer than 3 vertices has none.
#pragma once

#include "drawing/canvas.h"
#include "drawing/pixel_rect.h"
#include "geometry/plane_geometry.h"
#include "geometry/polygon.h"

#include <cstdint>

inline constexpr TColor CentroidMarkColor{0, 128, 0}; // darker than the current-vertex mark
inline constexpr std::int64_t CentroidMarkArm = 10;   // pixels from the centre to each end

// Where the cross of polygon stands at scale; last where it has no centroid.
TPixelPoint CentroidMarkPixel(const TPolygon& polygon, long double scale, const TPixelPoint& last);

// Draws the cross at mark.
void DrawCentroidMark(ICanvas& canvas, const TPixelPoint& mark);

// The pixels the cross at mark covers.
TPixelRect CentroidMarkArea(const TPixelPoint& mark);
