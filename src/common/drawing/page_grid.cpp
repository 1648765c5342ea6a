// The editor's page outline and grid.
#include "drawing/page_grid.h"

#include "geometry/rounding.h"

#include <cmath>

namespace {

// Lines beyond this many at once are not a grid anyone can see.
constexpr std::int64_t MaxGridLines = 100000;

void DrawLines(ICanvas& canvas, const std::vector<TGridLine>& lines, bool major, bool vertical,
               const TPixelRect& area) {
    canvas.SetPenColor(major ? MajorGridColor : GridColor);
    for (const TGridLine& line : lines) {
        if (line.Major != major)
            continue;
        if (vertical) {
            canvas.MoveTo(line.Pixel, area.Top);
            canvas.LineTo(line.Pixel, area.Bottom + 1);
        } else {
            canvas.MoveTo(area.Left, line.Pixel);
            canvas.LineTo(area.Right + 1, line.Pixel);
        }
    }
}

} // namespace

std::vector<TGridLine> GridLinesBetween(std::int64_t first, std::int64_t last, long double scale,
                                        long double step) {
    std::vector<TGridLine> lines;
    const long double spacing = step * scale;
    if (!(spacing > 0) || !std::isfinite(spacing) || last < first)
        return lines;
    const bool onlyMajor = spacing < MinGridSpacing;
    const long double lowest = std::floor(static_cast<long double>(first) / spacing) - 1;
    const long double highest = std::ceil(static_cast<long double>(last) / spacing) + 1;
    if (highest - lowest > MaxGridLines * (onlyMajor ? 10 : 1))
        return lines;
    for (long double k = lowest; k <= highest; ++k) {
        const bool major = std::fmod(k, 10.0L) == 0;
        if (onlyMajor && !major)
            continue;
        const std::int64_t pixel = RoundToInt(k * step * scale);
        if (pixel >= first && pixel <= last)
            lines.push_back(TGridLine{pixel, major});
    }
    return lines;
}

void DrawPageGrid(ICanvas& canvas, const TPixelRect& area, long double scale, long double step) {
    if (area.IsEmpty())
        return;
    const std::vector<TGridLine> columns = GridLinesBetween(area.Left, area.Right, scale, step);
    const std::vector<TGridLine> rows = GridLinesBetween(area.Top, area.Bottom, scale, step);
    canvas.SetPenMode(TPenMode::Copy);
    canvas.SetPenStyle(TPenStyle::Solid);
    for (const bool major : {false, true}) {
        DrawLines(canvas, columns, major, true, area);
        DrawLines(canvas, rows, major, false, area);
    }
}

void DrawPageOutline(ICanvas& canvas, const TPixelRect& surface) {
    if (surface.IsEmpty())
        return;
    canvas.SetPenMode(TPenMode::Copy);
    canvas.SetPenColor(PageOutlineColor);
    canvas.FrameRect(surface.Left, surface.Top, surface.Right, surface.Bottom);
}
