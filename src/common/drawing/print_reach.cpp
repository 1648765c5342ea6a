// Finding shapes that reach outside the printable area.
#include "drawing/print_reach.h"

#include "geometry/flange_outline.h"
#include "geometry/plane_geometry.h"

#include <algorithm>
#include <cmath>

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

void MarkShapesReachingOutside(ICanvas& canvas, TPageIndex& shapes, const TBox& printable,
                               const TDaInt& skip, long double scale) {
    canvas.SetPenMode(TPenMode::Copy);
    canvas.SetPenStyle(TPenStyle::Solid);
    canvas.SetPenColor(ColorRed);
    for (int index = 0; index < shapes.Size(); ++index) {
        // The rough box holds the outline: inside it, the shape is inside,
        // and its outline need not be built.
        if (!ReachesOutside(shapes.RoughBounds(index), printable) ||
            std::find(skip.begin(), skip.end(), index) != skip.end())
            continue;
        // Bounds holds the outline but may be larger: a flange ending on the
        // edge must be judged by the outline itself, as the print question is.
        TOutlineCache& shape = shapes.Shape(index);
        if (!ReachesOutside(shape.Bounds(), printable) ||
            !ReachesOutside(shape.OutlineBounds(), printable))
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
