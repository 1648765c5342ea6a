// Sorting a page's lines into cut, fold and text layers for cutting machines.
#include "drawing/page_layers.h"

#include "drawing/outside_marks.h"
#include "geometry/flange_outline.h"
#include "geometry/plane_geometry.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

bool IsFinite(const TPointF& p) {
    return std::isfinite(p.X) && std::isfinite(p.Y);
}

TPointF Shifted(const TPointF& p, const TPointF& by) {
    return {p.X + by.X, p.Y + by.Y};
}

// Lines are styled in the shape's own coordinates, then moved onto the paper.
void AddFold(std::vector<TSegmentF>& layer, const TPointF& a, const TPointF& b, TLineStyle style,
             TPieceCut& piece, const TPointF& origin) {
    if (!IsFinite(a) || !IsFinite(b))
        return;
    std::vector<TSegmentF> styled;
    AddStyledFold(styled, {a, b}, style, piece);
    for (const TSegmentF& line : styled) {
        const TSegmentF moved{Shifted(line.P1, origin), Shifted(line.P2, origin)};
        if (IsFinite(moved.P1) && IsFinite(moved.P2))
            layer.push_back(moved);
    }
}

void AddCut(TPageLayers& layers, TPieceCut& piece, const TPointF& origin) {
    for (TDaPointF outline : piece.Outlines()) {
        for (TPointF& p : outline)
            p = Shifted(p, origin);
        if (std::all_of(outline.begin(), outline.end(), IsFinite))
            layers.Cut.push_back(std::move(outline));
    }
}

void AddSideName(TPageLayers& layers, const TPolygon& shape, int side, bool clockwise,
                 bool inFlange, std::span<const std::string> nameSuffixes, const TPointF& origin,
                 const TPageLook& look) {
    if (!IsIndexOf(shape.Flanges, side) || shape.Flanges[side].Name.empty())
        return;
    std::string text = shape.Flanges[side].Name;
    if (IsIndexOf(nameSuffixes, side))
        text += nameSuffixes[side];
    TTextPlacement name;
    if (!PlaceSideName(shape, side, clockwise, inFlange, std::move(text), look.TextHeight,
                       look.Measure, name))
        return;
    name.At = Shifted(name.At, origin);
    if (IsFinite(name.At))
        layers.Text.push_back(std::move(name));
}

void AddFlangesAndNames(TPageLayers& layers, const TPolygon& shape, TPieceCut& piece,
                        std::span<const std::string> nameSuffixes, const TPointF& origin,
                        const TPageLook& look) {
    const bool clockwise = IsClockwiseOnScreen(shape.Apexes);
    const int n = static_cast<int>(shape.Apexes.size());
    std::array<TPointF, 4> quad;
    for (int side = 0; side < n; ++side) {
        const bool flanged = FlangeOutline(shape, clockwise, side, quad);
        if (flanged)
            AddFold(layers.FlangeBase, quad[0], quad[3], look.Folds.FlangeBase.Style, piece,
                    origin);
        AddSideName(layers, shape, side, clockwise, flanged, nameSuffixes, origin, look);
    }
}

void AddBendLines(std::vector<TSegmentF>& layer, const TPolygon& shape, const TDaBendLine& lines,
                  TLineStyle style, TPieceCut& piece, const TPointF& origin) {
    const int n = static_cast<int>(shape.Apexes.size());
    for (const TBendLine& line : lines)
        if (IsValidBendLine(line, n))
            AddFold(layer, shape.Apexes[line.Apex1], shape.Apexes[line.Apex2], style, piece,
                    origin);
}

} // namespace

TColor LayerColor(TLayerKind kind) {
    switch (kind) {
    case lkCut:
        return ColorRed;
    case lkFold1:
        return ColorBlue;
    case lkFold2:
        return ColorGreen;
    default:
        return ColorBlack;
    }
}

TPageLayers PageLayersOf(const TPolygonTbl& page, const TPointF& origin, const TPageLook& look,
                         std::span<const std::vector<std::string>> nameSuffixes) {
    TPageLayers layers;
    for (std::size_t index = 0; index < page.size(); ++index) {
        const TPolygon& shape = page[index];
        if (shape.Apexes.size() < 2)
            continue;
        TPieceCut piece(shape);
        AddCut(layers, piece, origin);
        AddFlangesAndNames(layers, shape, piece,
                           index < nameSuffixes.size() ? std::span(nameSuffixes[index])
                                                       : std::span<const std::string>(),
                           origin, look);
        AddBendLines(layers.Fold1, shape, shape.BendLines[0], look.Folds.Set1.Style, piece, origin);
        AddBendLines(layers.Fold2, shape, shape.BendLines[1], look.Folds.Set2.Style, piece, origin);
    }
    return layers;
}

TPageLayers PageLayersOf(const TPolygonTbl& page, const TPointF& origin, long double textHeight,
                         std::span<const std::vector<std::string>> nameSuffixes) {
    TPageLook look;
    look.TextHeight = textHeight;
    return PageLayersOf(page, origin, look, nameSuffixes);
}
