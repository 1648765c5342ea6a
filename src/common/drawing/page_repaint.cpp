// Repainting part of a sheet page.
#include "drawing/page_repaint.h"

#include "geometry/plane_geometry.h"

#include <algorithm>
#include <limits>

namespace {

// Room around a shape's lines for the pixels a 1-pixel pen rounds onto.
constexpr std::int64_t UpdateMargin = 2;

} // namespace

TPixelRect ShapePixelArea(TOutlineCache& outline, long double scale, const TPixelRect& surface) {
    const TDaPointF& points = outline.Outline();
    if (points.empty())
        return {};
    TPixelRect area{
        std::numeric_limits<std::int64_t>::max(), std::numeric_limits<std::int64_t>::max(),
        std::numeric_limits<std::int64_t>::min(), std::numeric_limits<std::int64_t>::min()};
    for (const TPointF& point : points) {
        const TPixelPoint pixel = ModelToDevice(point, scale, scale);
        area.Left = std::min(area.Left, pixel.X);
        area.Top = std::min(area.Top, pixel.Y);
        area.Right = std::max(area.Right, pixel.X);
        area.Bottom = std::max(area.Bottom, pixel.Y);
    }
    return Intersected(Inflated(area, UpdateMargin), surface);
}

TPixelRect SelectionPixelArea(TPageIndex& shapes, const TDaInt& selection, long double scale,
                              const TPixelRect& surface) {
    TPixelRect area;
    for (const int index : selection) {
        if (index >= 0 && index < shapes.Size())
            area = United(area, ShapePixelArea(shapes.Shape(index), scale, surface));
    }
    return area;
}

void PaintPageArea(ICanvas& canvas, const TPolygonTbl& page, TPageIndex& shapes,
                   const TDaInt& selection, TDrawMode selectedMode, long double scale,
                   const TPixelRect& surface, const TPixelRect& area) {
    const TPixelRect painted = Intersected(area, surface);
    if (painted.IsEmpty())
        return;
    canvas.FillRect(painted.Left, painted.Top, painted.Right, painted.Bottom, ColorWhite);
    DrawPolygonTbl(canvas, page, shapes, area, -1, scale, scale, selection, dmNormal, selectedMode);
}
