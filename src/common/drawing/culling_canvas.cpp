// The culling canvas: a line's pixels lie within the rectangle of its two
// ends, a rectangle's within itself.
#include "drawing/culling_canvas.h"

#include <algorithm>

bool TCullingCanvas::Touches(std::int64_t left, std::int64_t top, std::int64_t right,
                             std::int64_t bottom) const {
    return RectsMeet(FArea, TPixelRect{std::min(left, right), std::min(top, bottom),
                                       std::max(left, right), std::max(top, bottom)});
}

void TCullingCanvas::MoveTo(std::int64_t x, std::int64_t y) {
    FPenX = x;
    FPenY = y;
    FTarget.MoveTo(x, y);
}

void TCullingCanvas::LineTo(std::int64_t x, std::int64_t y) {
    if (Touches(FPenX, FPenY, x, y))
        FTarget.LineTo(x, y);
    else
        FTarget.MoveTo(x, y);
    FPenX = x;
    FPenY = y;
}

void TCullingCanvas::FrameRect(std::int64_t left, std::int64_t top, std::int64_t right,
                               std::int64_t bottom) {
    if (Touches(left, top, right, bottom))
        FTarget.FrameRect(left, top, right, bottom);
}

void TCullingCanvas::FillRect(std::int64_t left, std::int64_t top, std::int64_t right,
                              std::int64_t bottom, TColor color) {
    if (Touches(left, top, right, bottom))
        FTarget.FillRect(left, top, right, bottom, color);
}
