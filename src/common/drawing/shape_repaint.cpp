// Repainting one shape. A side's pixels lie within the box of its ends' and
// flange corners' pixels, a fold line's within its ends', a mark's within two
// pixels of its vertex.
#include "drawing/shape_repaint.h"

#include "drawing/culling_canvas.h"
#include "geometry/plane_geometry.h"

#include <algorithm>

namespace {

// Half the side of a vertex mark, and room for the pixel a line rounds onto.
constexpr std::int64_t MarkMargin = 2;
constexpr std::int64_t LineMargin = 1;

TPixelRect PointPixels(const TPointF& p, long double scale) {
    const TPixelPoint pixel = ModelToDevice(p, scale, scale);
    return {pixel.X, pixel.Y, pixel.X, pixel.Y};
}

} // namespace

void TShapeRepaint::Take(const TPolygon& polygon, int mark1, int mark2, TDrawMode mode) {
    FOutline.Sync(polygon);
    FBendLines = polygon.BendLines;
    FMark1 = mark1;
    FMark2 = mark2;
    FMode = mode;
    FShown = true;
}

void TShapeRepaint::Paint(ICanvas& canvas, const TPixelRect& area, const TPolygon& polygon,
                          int mark1, int mark2, long double scale, TDrawMode mode) {
    Take(polygon, mark1, mark2, mode);
    TCullingCanvas culled(canvas, area);
    DrawPolygon(culled, polygon, FOutline, mark1, mark2, scale, scale, mode);
}

TPixelRect TShapeRepaint::SidePixels(int side, long double scale) {
    const TDaPointF& apexes = FOutline.Apexes();
    TPixelRect pixels = United(PointPixels(apexes[side], scale),
                               PointPixels(apexes[(side + 1) % apexes.size()], scale));
    TPointF q1, q2;
    if (FOutline.Corners(side, q1, q2))
        pixels = United(pixels, United(PointPixels(q1, scale), PointPixels(q2, scale)));
    return Inflated(pixels, LineMargin);
}

TPixelRect TShapeRepaint::MarkPixels(int mark, long double scale) const {
    const TDaPointF& apexes = FOutline.Apexes();
    if (!IsIndexOf(apexes, mark))
        return {};
    return Inflated(PointPixels(apexes[mark], scale), MarkMargin);
}

TPixelRect TShapeRepaint::Everything(long double scale) {
    TPixelRect pixels = Inflated(PixelRectOf(FOutline.Bounds(), scale, scale), MarkMargin);
    return United(pixels, United(MarkPixels(FMark1, scale), MarkPixels(FMark2, scale)));
}

TPixelRect TShapeRepaint::Changes(const TPolygon& polygon, int mark1, int mark2, long double scale,
                                  TDrawMode mode) {
    const bool whole = !FShown || polygon.Apexes.size() != FOutline.Apexes().size() ||
                       polygon.BendLines != FBendLines || mode != FMode;
    const TDaPointF before = FOutline.Apexes();
    const bool clockwise = FOutline.Clockwise();
    const std::vector<int> sides = FOutline.SidesChangedBy(polygon.Apexes, polygon.Flanges);
    const int oldMark1 = FMark1;
    const int oldMark2 = FMark2;

    TPixelRect area;
    if (!whole) {
        for (const int side : sides)
            area = United(area, SidePixels(side, scale));
    }
    const TPixelRect everythingBefore = Everything(scale);
    Take(polygon, mark1, mark2, mode);
    if (whole || FOutline.Clockwise() != clockwise)
        return United(everythingBefore, Everything(scale));

    for (const int side : sides)
        area = United(area, SidePixels(side, scale));
    const TDaPointF& after = FOutline.Apexes();
    const auto moved = [&](int k) { return before[k] != after[k]; };
    for (const TDaBendLine& set : FBendLines) {
        for (const TBendLine& line : set) {
            if (!IsIndexOf(after, line.Apex1) || !IsIndexOf(after, line.Apex2) ||
                !(moved(line.Apex1) || moved(line.Apex2)))
                continue;
            for (const TDaPointF* apexes : {&before, &after})
                area = United(area, Inflated(United(PointPixels((*apexes)[line.Apex1], scale),
                                                    PointPixels((*apexes)[line.Apex2], scale)),
                                             LineMargin));
        }
    }
    for (const auto& [was, now] : {std::pair{oldMark1, mark1}, std::pair{oldMark2, mark2}}) {
        if (was == now && (!IsIndexOf(after, now) || !moved(now)))
            continue;
        if (IsIndexOf(before, was))
            area = United(area, Inflated(PointPixels(before[was], scale), MarkMargin));
        area = United(area, MarkPixels(now, scale));
    }
    return area;
}
