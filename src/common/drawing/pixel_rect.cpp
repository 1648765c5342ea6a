// Rectangles of device pixels.
#include "drawing/pixel_rect.h"

#include "geometry/plane_geometry.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// Far beyond any canvas coordinate, yet safe to grow by a margin.
constexpr std::int64_t Everywhere = std::numeric_limits<std::int64_t>::max() / 4;

} // namespace

TPixelRect United(const TPixelRect& a, const TPixelRect& b) {
    if (a.IsEmpty())
        return b;
    if (b.IsEmpty())
        return a;
    return {std::min(a.Left, b.Left), std::min(a.Top, b.Top), std::max(a.Right, b.Right),
            std::max(a.Bottom, b.Bottom)};
}

TPixelRect Intersected(const TPixelRect& a, const TPixelRect& b) {
    const TPixelRect cut{std::max(a.Left, b.Left), std::max(a.Top, b.Top),
                         std::min(a.Right, b.Right), std::min(a.Bottom, b.Bottom)};
    return cut.IsEmpty() ? TPixelRect() : cut;
}

bool RectsMeet(const TPixelRect& a, const TPixelRect& b) {
    return !Intersected(a, b).IsEmpty();
}

TPixelRect Inflated(const TPixelRect& rect, std::int64_t margin) {
    if (rect.IsEmpty())
        return rect;
    return {rect.Left - margin, rect.Top - margin, rect.Right + margin, rect.Bottom + margin};
}

TPixelRect PixelRectOf(const TBox& box, long double scaleX, long double scaleY) {
    if (box.IsEmpty())
        return {};
    if (box.Unbounded || !(scaleX > 0) || !(scaleY > 0) || !std::isfinite(scaleX) ||
        !std::isfinite(scaleY))
        return {-Everywhere, -Everywhere, Everywhere, Everywhere};
    const TPixelPoint topLeft = ModelToDevice(PointF(box.Left, box.Top), scaleX, scaleY);
    const TPixelPoint bottomRight = ModelToDevice(PointF(box.Right, box.Bottom), scaleX, scaleY);
    return {topLeft.X, topLeft.Y, bottomRight.X, bottomRight.Y};
}
