// From the mouse to the model: a mouse position in millimetres at a view
// scale, with grid snap and direction alignment.
#pragma once

#include "drawing/view_scale.h"
#include "geometry/polygon.h"

#include <cstdint>

// The keys of a mouse event that steer MousePosToMm.
struct TMouseKeys {
    bool Shift = false; // align onto the horizontal, vertical or diagonal of the reference
    bool Ctrl = false;  // snap to the grid anchored at the page origin
};

// The mouse position (x, y) in pixels as millimetres at screenScale pixels per
// millimetre. With Ctrl it is snapped to the grid of step gridStep, and then
// with Shift aligned with reference.
TPointF MousePosToMm(long double screenScale, long double gridStep, const TPointF& reference,
                     TMouseKeys keys, std::int64_t x, std::int64_t y);
// The same at the screen scale and grid step of scale.
TPointF MousePosToMm(const TViewScale& scale, const TPointF& reference, TMouseKeys keys,
                     std::int64_t x, std::int64_t y);
