// Building the printed form of a page: cut lines, fold lines in their looks,
// fitted names.
#include "drawing/printed_page.h"

#include "drawing/outside_marks.h"
#include "geometry/flange_outline.h"
#include "geometry/plane_geometry.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

namespace {

bool IsFinite(const TPointF& p) {
    return std::isfinite(p.X) && std::isfinite(p.Y);
}

void AddPath(TPrintStroke& stroke, TDaPointF points, bool closed) {
    if (points.size() >= 2 && std::all_of(points.begin(), points.end(), IsFinite))
        stroke.Paths.push_back({std::move(points), closed});
}

TPrintStroke StrokeOf(const TFoldLook& look) {
    return {look.Width, DashPattern(look.Style), false, {}};
}

// One page's worth of the work, with a buffer for styled fold lines that the
// shapes share.
class TPageBuilder {
public:
    TPageBuilder(const TPageLook& look) : FLook(look) {
        FSheet.Strokes = {{CutLineWidth, {}, false, {}},
                          StrokeOf(look.Folds.FlangeBase),
                          StrokeOf(look.Folds.Set1),
                          StrokeOf(look.Folds.Set2)};
    }

    void AddShape(const TPolygon& shape, std::span<const std::string> nameSuffixes) {
        const int n = static_cast<int>(shape.Apexes.size());
        if (n < 2)
            return;
        TPieceCut piece(shape);
        const bool clockwise = IsClockwiseOnScreen(shape.Apexes);
        std::vector<bool> flanged(n, false);
        std::array<TPointF, 4> quad;
        for (int side = 0; side < n; ++side) {
            flanged[side] = FlangeOutline(shape, clockwise, side, quad);
            if (flanged[side]) {
                AddPath(FSheet.Strokes[psCut], {quad[0], quad[1], quad[2], quad[3]}, false);
                AddFold(psFlangeBase, quad[0], quad[3], FLook.Folds.FlangeBase.Style, piece);
            }
            AddName(shape, side, clockwise, flanged[side], nameSuffixes);
        }
        AddOutline(shape.Apexes, flanged);
        AddBendLines(psFold1, shape, shape.BendLines[0], FLook.Folds.Set1.Style, piece);
        AddBendLines(psFold2, shape, shape.BendLines[1], FLook.Folds.Set2.Style, piece);
    }

    TPrintedSheet Take() { return std::move(FSheet); }

private:
    // The sides without a flange, as runs that start after a flanged side.
    void AddOutline(const TDaPointF& apexes, const std::vector<bool>& flanged) {
        const int n = static_cast<int>(apexes.size());
        const auto first = std::find(flanged.begin(), flanged.end(), true);
        if (first == flanged.end()) {
            AddPath(FSheet.Strokes[psCut], apexes, true);
            return;
        }
        const int start = static_cast<int>(first - flanged.begin()) + 1;
        TDaPointF run;
        for (int k = 0; k < n; ++k) {
            const int side = (start + k) % n;
            if (flanged[side]) {
                AddPath(FSheet.Strokes[psCut], std::move(run), false);
                run.clear();
                continue;
            }
            if (run.empty())
                run.push_back(apexes[side]);
            run.push_back(apexes[(side + 1) % n]);
        }
        AddPath(FSheet.Strokes[psCut], std::move(run), false);
    }

    void AddFold(TPrintedPageStroke stroke, const TPointF& a, const TPointF& b, TLineStyle style,
                 TPieceCut& piece) {
        if (!IsFinite(a) || !IsFinite(b))
            return;
        FStyled.clear();
        AddStyledFold(FStyled, {a, b}, style, piece);
        for (const TSegmentF& line : FStyled)
            AddPath(FSheet.Strokes[stroke], {line.P1, line.P2}, false);
    }

    void AddBendLines(TPrintedPageStroke stroke, const TPolygon& shape, const TDaBendLine& lines,
                      TLineStyle style, TPieceCut& piece) {
        const int n = static_cast<int>(shape.Apexes.size());
        for (const TBendLine& line : lines)
            if (IsValidBendLine(line, n))
                AddFold(stroke, shape.Apexes[line.Apex1], shape.Apexes[line.Apex2], style, piece);
    }

    void AddName(const TPolygon& shape, int side, bool clockwise, bool inFlange,
                 std::span<const std::string> nameSuffixes) {
        if (!IsIndexOf(shape.Flanges, side) || shape.Flanges[side].Name.empty())
            return;
        std::string text = shape.Flanges[side].Name;
        if (IsIndexOf(nameSuffixes, side))
            text += nameSuffixes[side];
        TPrintText name;
        if (PlaceSideName(shape, side, clockwise, inFlange, std::move(text), FLook.TextHeight,
                          FLook.Measure, name.Placement))
            FSheet.Texts.push_back(std::move(name));
    }

    const TPageLook& FLook;
    TPrintedSheet FSheet;
    std::vector<TSegmentF> FStyled;
};

} // namespace

TPrintedSheet PrintedPageOf(const TPolygonTbl& page, const TPageLook& look,
                            std::span<const std::vector<std::string>> nameSuffixes) {
    TPageBuilder builder(look);
    for (std::size_t i = 0; i < page.size(); ++i)
        builder.AddShape(page[i], i < nameSuffixes.size() ? std::span(nameSuffixes[i])
                                                          : std::span<const std::string>());
    return builder.Take();
}
