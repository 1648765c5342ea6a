// The mouse wheel on a view of a page: how far a turn scrolls, the zoom steps
// Ctrl and the wheel go through, and where the view scrolls to so that the
// point under the pointer stays under it when the zoom changes.
#pragma once

#include <cstdint>

// One notch of a wheel, in the eighths of a degree the window system reports.
inline constexpr int WheelNotch = 120;

// Turns a stream of wheel deltas into whole notches: a fine-grained wheel
// reports a notch in several parts, and each part alone would be no step.
// Turning the other way drops what was left of the last direction.
class TWheelNotches {
public:
    // The whole notches delta completes, signed as the turn.
    int Take(int delta);

private:
    int FRest = 0;
};

// The pixels a wheel delta scrolls a view of viewExtent pixels along that
// axis: a notch scrolls a tenth of the view, at least one pixel, and parts of
// a notch their share. Positive deltas (turning away) scroll back, toward the
// start of the page, so the result is negative for them.
int WheelScrollPixels(int delta, int viewExtent);

// The zoom factor steps zoom steps on, along the ladder 1, 1.2, 1.5, 2, 2.5,
// 3, 4, 5, 6, 8 per decade of percentages, from 0.12 % to 80000 %: each
// accepted by the zoom commands and stored exactly. A zoom between two rungs
// goes to the next rung in the direction of the steps; beyond the last rung
// it stays as it is.
long double ZoomStepFrom(long double zoom, int steps);

// The scroll position that keeps a point of the surface under the pointer when
// the scale changes: the point lies surfacePixel pixels from the surface's
// start at oldScale, and the pointer viewPixel pixels from the view's start.
// Never before the surface's start; the view clamps the far end itself.
std::int64_t ScrollKeepingPoint(long double surfacePixel, long double viewPixel,
                                long double oldScale, long double newScale);
