// What the shape editor shows behind the shape on screen only: the outline of
// the page's white area, outside which a click places nothing, and a light
// grid at the step Ctrl snaps to. Printing never draws either.
#pragma once

#include "drawing/canvas.h"
#include "drawing/pixel_rect.h"

#include <cstdint>
#include <vector>

inline constexpr TColor PageOutlineColor{128, 128, 128};
inline constexpr TColor GridColor{232, 236, 244};
inline constexpr TColor MajorGridColor{205, 212, 228};

// Grid lines closer than this many pixels would grey the page: only every
// tenth is drawn then.
inline constexpr long double MinGridSpacing = 3;

// One grid line across the surface: its pixel column or row, and whether it is
// a tenth line (a multiple of ten steps from the origin), drawn darker.
struct TGridLine {
    std::int64_t Pixel = 0;
    bool Major = false;
    friend bool operator==(const TGridLine&, const TGridLine&) = default;
};

// The lines of the grid of step millimetres through the origin whose pixels
// (ModelToDevice's rounding at scale pixels per mm) lie from first to last,
// in order. Only tenth lines when the step is under MinGridSpacing pixels;
// none for a step or scale that is not positive and finite.
std::vector<TGridLine> GridLinesBetween(std::int64_t first, std::int64_t last, long double scale,
                                        long double step);

// The grid within area (surface pixels, corners inclusive), ordinary lines
// first so that tenth lines cross over them.
void DrawPageGrid(ICanvas& canvas, const TPixelRect& area, long double scale, long double step);

// A frame on the outermost pixels of the surface: the page's edge.
void DrawPageOutline(ICanvas& canvas, const TPixelRect& surface);
