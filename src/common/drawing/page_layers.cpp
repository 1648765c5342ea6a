// Sorting a page's lines into cut, fold and text layers for cutting machines.
#include "drawing/page_layers.h"

#include "geometry/cut_outline.h"
#include "geometry/flange_outline.h"
#include "geometry/plane_geometry.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr long double Pi = std::numbers::pi_v<long double>;

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

// As on a printed page: the name runs along the side so that the tops of its
// letters point out of the shape, into the flange.
TTextPlacement FlangeName(const std::array<TPointF, 4>& quad, bool clockwise,
                          const std::string& name, long double height) {
    const TPointF& from = clockwise ? quad[0] : quad[3];
    const TPointF& to = clockwise ? quad[3] : quad[0];
    const long double angle = PointDirection(from, to);
    const TPointF middle{(from.X + to.X) / 2, (from.Y + to.Y) / 2};
    return {PointAt(middle, height * FlangeNameBaselineLift, angle - Pi / 2), angle, height, name};
}

void AddFlanges(TPageLayers& layers, const TPolygon& shape, const TPointF& origin,
                long double textHeight) {
    const bool clockwise = IsClockwiseOnScreen(shape.Apexes);
    const int n = static_cast<int>(shape.Apexes.size());
    std::array<TPointF, 4> quad;
    for (int side = 0; side < n; ++side) {
        if (!FlangeOutline(shape, clockwise, side, quad))
            continue;
        AddSegment(layers.Fold1, quad[0], quad[3], origin);
        const std::string& name = shape.Flanges[side].Name;
        if (name.empty())
            continue;
        TTextPlacement text = FlangeName(quad, clockwise, name, textHeight);
        text.At = Shifted(text.At, origin);
        if (IsFinite(text.At) && std::isfinite(text.Angle))
            layers.Text.push_back(std::move(text));
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

TPageLayers PageLayersOf(const TPolygonTbl& page, const TPointF& origin, long double textHeight) {
    TPageLayers layers;
    for (const TPolygon& shape : page) {
        if (shape.Apexes.size() < 2)
            continue;
        AddCut(layers, shape, origin);
        AddFlanges(layers, shape, origin, textHeight);
        AddBendLines(layers.Fold1, shape, shape.BendLines[0], origin);
        AddBendLines(layers.Fold2, shape, shape.BendLines[1], origin);
    }
    return layers;
}
