// Rectangles of device pixels: a repaint's update area and the pixels a shape
// can cover.
#pragma once

#include "geometry/bounding_box.h"

#include <cstdint>

// Both corners inclusive; Right < Left or Bottom < Top is empty.
struct TPixelRect {
    std::int64_t Left = 0;
    std::int64_t Top = 0;
    std::int64_t Right = -1;
    std::int64_t Bottom = -1;

    bool IsEmpty() const { return Right < Left || Bottom < Top; }
    friend bool operator==(const TPixelRect&, const TPixelRect&) = default;
};

// The smallest rectangle holding both; an empty one adds nothing.
TPixelRect United(const TPixelRect& a, const TPixelRect& b);
TPixelRect Intersected(const TPixelRect& a, const TPixelRect& b);
bool RectsMeet(const TPixelRect& a, const TPixelRect& b);
// Grown by margin pixels on every side; an empty rectangle stays empty.
TPixelRect Inflated(const TPixelRect& rect, std::int64_t margin);

// The pixels that ModelToDevice gives for the points of box at scaleX and
// scaleY (both positive): the rounding keeps their order, so the corners tell.
// An unbounded box, or a scale that is not positive, covers every pixel.
TPixelRect PixelRectOf(const TBox& box, long double scaleX, long double scaleY);
