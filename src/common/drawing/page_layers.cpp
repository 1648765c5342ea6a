// Sorting a page's lines into cut, fold and text layers for cutting machines.
#include "drawing/page_layers.h"

#include "drawing/side_name.h"
#include "geometry/angles.h"
#include "geometry/cut_outline.h"
#include "geometry/flange_outline.h"
#include "geometry/plane_geometry.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>

namespace {

bool IsFinite(const TPointF& p) {
    return std::isfinite(p.X) && std::isfinite(p.Y);
}

TPointF Shifted(const TPointF& p, const TPointF& by) {
    return {p.X + by.X, p.Y + by.Y};
}

void AddSegment(std::vector<TSegmentF>& layer, const TPointF& a, const TPointF& b,
                const TPointF& origin) {
    const TSegmentF segment{Shifted(a, origin), Shifted(b, origin)};
    if (IsFinite(segment.P1) && IsFinite(segment.P2))
        layer.push_back(segment);
}

void AddCut(TPageLayers& layers, const TPolygon& shape, const TPointF& origin) {
    for (TDaPointF& outline : CutOutlines(shape)) {
        for (TPointF& p : outline)
            p = Shifted(p, origin);
        if (std::all_of(outline.begin(), outline.end(), IsFinite))
            layers.Cut.push_back(std::move(outline));
    }
}

// As on a printed page (side_name.h): the text cell, descent included, is
// (1 + FlangeNameBaselineLift) text heights high, and its baseline lies that
// lift above the cell's bottom edge.
TTextPlacement SideName(const TPolygon& shape, int side, bool clockwise, bool inFlange,
                        std::string text, long double height) {
    const TPointF& from = shape.Apexes[side];
    const TPointF& to = shape.Apexes[(side + 1) % shape.Apexes.size()];
    const long double cellHeight = (1 + FlangeNameBaselineLift) * height;
    const long double gap = inFlange ? 0 : BareSideNameGap * cellHeight;
    const TSideNameCell cell = SideNameCell(from, to, clockwise, inFlange, cellHeight, gap);
    return {PointAt(cell.BottomMiddle, height * FlangeNameBaselineLift, cell.Angle - Pi / 2),
            cell.Angle, height, std::move(text)};
}

void AddSideName(TPageLayers& layers, const TPolygon& shape, int side, bool clockwise,
                 bool inFlange, std::span<const std::string> nameSuffixes, const TPointF& origin,
                 long double textHeight) {
    if (!IsIndexOf(shape.Flanges, side) || shape.Flanges[side].Name.empty())
        return;
    std::string text = shape.Flanges[side].Name;
    if (IsIndexOf(nameSuffixes, side))
        text += nameSuffixes[side];
    TTextPlacement name = SideName(shape, side, clockwise, inFlange, std::move(text), textHeight);
    name.At = Shifted(name.At, origin);
    if (IsFinite(name.At) && std::isfinite(name.Angle))
        layers.Text.push_back(std::move(name));
}

void AddFlangesAndNames(TPageLayers& layers, const TPolygon& shape,
                        std::span<const std::string> nameSuffixes, const TPointF& origin,
                        long double textHeight) {
    const bool clockwise = IsClockwiseOnScreen(shape.Apexes);
    const int n = static_cast<int>(shape.Apexes.size());
    std::array<TPointF, 4> quad;
    for (int side = 0; side < n; ++side) {
        const bool flanged = FlangeOutline(shape, clockwise, side, quad);
        if (flanged)
            AddSegment(layers.Fold1, quad[0], quad[3], origin);
        AddSideName(layers, shape, side, clockwise, flanged, nameSuffixes, origin, textHeight);
    }
}

void AddBendLines(std::vector<TSegmentF>& layer, const TPolygon& shape, const TDaBendLine& lines,
                  const TPointF& origin) {
    const int n = static_cast<int>(shape.Apexes.size());
    for (const TBendLine& line : lines)
        if (IsValidBendLine(line, n))
            AddSegment(layer, shape.Apexes[line.Apex1], shape.Apexes[line.Apex2], origin);
}

} // namespace

TColor LayerColor(TLayerKind kind) {
    switch (kind) {
    case lkCut:
        return {255, 0, 0};
    case lkFold1:
        return ColorBlue;
    case lkFold2:
        return ColorGreen;
    default:
        return ColorBlack;
    }
}

TPageLayers PageLayersOf(const TPolygonTbl& page, const TPointF& origin, long double textHeight,
                         std::span<const std::vector<std::string>> nameSuffixes) {
    TPageLayers layers;
    for (std::size_t index = 0; index < page.size(); ++index) {
        const TPolygon& shape = page[index];
        if (shape.Apexes.size() < 2)
            continue;
        AddCut(layers, shape, origin);
        AddFlangesAndNames(layers, shape,
                           index < nameSuffixes.size() ? std::span(nameSuffixes[index])
                                                       : std::span<const std::string>(),
                           origin, textHeight);
        AddBendLines(layers.Fold1, shape, shape.BendLines[0], origin);
        AddBendLines(layers.Fold2, shape, shape.BendLines[1], origin);
    }
    return layers;
}
