// Mouse positions in millimetres.
#include "drawing/mouse_position.h"

#include "geometry/plane_geometry.h"
#include "geometry/rounding.h"

#include <algorithm>
#include <cmath>

namespace {

// Moves p onto the 45-degree diagonal through reference in p's own quadrant
// when the smaller offset exceeds half of the larger one, otherwise onto the
// horizontal (dy <= dx) or the vertical through reference.
void AlignWithReference(const TPointF& reference, TPointF& p) {
    const long double dx = std::fabs(reference.X - p.X);
    const long double dy = std::fabs(reference.Y - p.Y);
    if (std::min(dx, dy) > std::fabs(dx - dy)) {
        const long double h = (dx + dy) / 2;
        p.X = reference.X > p.X ? reference.X - h : reference.X + h;
        p.Y = reference.Y > p.Y ? reference.Y - h : reference.Y + h;
    } else if (dy <= dx) {
        p.Y = reference.Y;
    } else {
        p.X = reference.X;
    }
}

} // namespace

TPointF MousePosToMm(long double screenScale, long double gridStep, const TPointF& reference,
                     TMouseKeys keys, std::int64_t x, std::int64_t y) {
    TPointF p = DeviceToModel(TPixelPoint{x, y}, screenScale, screenScale);
    if (keys.Ctrl) {
        p.X = RoundHalfEven(p.X / gridStep) * gridStep;
        p.Y = RoundHalfEven(p.Y / gridStep) * gridStep;
    }
    if (keys.Shift)
        AlignWithReference(reference, p);
    return p;
}

TPointF MousePosToMm(const TViewScale& scale, const TPointF& reference, TMouseKeys keys,
                     std::int64_t x, std::int64_t y) {
    return MousePosToMm(scale.ScreenScale(), scale.GridStep(), reference, keys, x, y);
}
