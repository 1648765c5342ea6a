// Finding shapes that reach outside the printable area.
#include "drawing/print_reach.h"

#include "geometry/flange_outline.h"
#include "geometry/plane_geometry.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// Closer than a micrometre to the edge is on it: a shape the page keeps
// inside must never be reported for its rounding.
constexpr long double EdgeTolerance = 1e-6L;

// Unlike BoxOf, bounded for every finite point, however small.
TBox FiniteBox(const TDaPointF& points) {
    TBox box;
    for (const TPointF& p : points) {
        if (!std::isfinite(p.X) || !std::isfinite(p.Y))
            box.Unbounded = true;
        else
            box.AddOrdinary(p);
    }
    return box;
}

} // namespace

bool ReachesOutside(const TBox& box, const TBox& printable) {
    if (box.Unbounded)
        return true;
    if (box.IsEmpty())
        return false;
    return box.Left < printable.Left - EdgeTolerance || box.Top < printable.Top - EdgeTolerance ||
           box.Right > printable.Right + EdgeTolerance ||
           box.Bottom > printable.Bottom + EdgeTolerance;
}

TPointF ShapeExtent(const TPolygon& shape) {
    const TBox box = FiniteBox(OutlineWithFlanges(shape));
    if (box.Unbounded)
        return {std::numeric_limits<long double>::infinity(),
                std::numeric_limits<long double>::infinity()};
    if (box.IsEmpty())
        return {};
    return {box.Right - box.Left, box.Bottom - box.Top};
}

bool FitsArea(const TPointF& extent, long double width, long double height) {
    return extent.X <= width + EdgeTolerance && extent.Y <= height + EdgeTolerance;
}

std::vector<TShapeAt> ShapesReachingOutside(const TZvDat& drawing, const std::vector<int>& pages,
                                            const TBox& printable) {
    std::vector<TShapeAt> found;
    for (const int page : pages) {
        if (!IsIndexOf(drawing, page))
            continue;
        for (std::size_t i = 0; i < drawing[page].size(); ++i)
            if (ReachesOutside(FiniteBox(OutlineWithFlanges(drawing[page][i])), printable))
                found.push_back({page, static_cast<int>(i)});
    }
    return found;
}

void MarkShapesReachingOutside(ICanvas& canvas, const TPolygonTbl& page, TPageIndex& shapes,
                               const TBox& printable, const TDaInt& skip, long double scale) {
    shapes.Sync(page);
    canvas.SetPenMode(TPenMode::Copy);
    canvas.SetPenStyle(TPenStyle::Solid);
    canvas.SetPenColor(ColorRed);
    for (int index = 0; index < shapes.Size(); ++index) {
        TOutlineCache& shape = shapes.Shape(index);
        if (std::find(skip.begin(), skip.end(), index) != skip.end() ||
            !ReachesOutside(shape.Bounds(), printable))
            continue;
        const TDaPointF& outline = shape.Outline();
        if (outline.empty())
            continue;
        const TPixelPoint start = ModelToDevice(outline.front(), scale, scale);
        canvas.MoveTo(start.X, start.Y);
        for (std::size_t i = 1; i <= outline.size(); ++i) {
            const TPixelPoint p = ModelToDevice(outline[i % outline.size()], scale, scale);
            canvas.LineTo(p.X, p.Y);
        }
    }
}
