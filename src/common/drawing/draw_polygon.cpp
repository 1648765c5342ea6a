// Drawing shapes on a canvas: outline, vertex marks, glue flanges, the names
// of the sides, and the two fold-line sets, in one of the draw modes.
#include "drawing/draw_polygon.h"

#include "drawing/culling_canvas.h"
#include "drawing/side_name.h"
#include "geometry/angles.h"
#include "geometry/flange_outline.h"
#include "geometry/plane_geometry.h"
#include "geometry/rounding.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// Half the side of the 5 x 5 pixel vertex mark.
constexpr std::int64_t MarkHalfSide = 2;

// What a draw mode looks like.
struct TModeLook {
    TPenMode PenMode = TPenMode::Copy;
    TColor Color = ColorBlack;
    bool Marks = true;
    bool Closed = true;
    bool Names = false;
};

TModeLook LookOf(TDrawMode mode) {
    switch (mode) {
    case dmErase:
        return {TPenMode::Copy, ColorWhite, true, true, false};
    case dmXor:
        return {TPenMode::NotXor, ColorBlue, false, true, false};
    case dmOpen:
        return {TPenMode::Copy, ColorBlack, true, false, false};
    case dmSelected:
        return {TPenMode::Copy, ColorBlue, true, true, false};
    case dmPrint:
        return {TPenMode::Copy, ColorBlack, false, true, true};
    default:
        return {TPenMode::Copy, ColorBlack, true, true, false};
    }
}

bool IsCanvasCoordinate(long double value) {
    return std::isfinite(value) &&
           std::fabs(value) <= static_cast<long double>(CanvasCoordinateLimit);
}

// Where a point lands on a canvas, if anywhere: a point whose coordinate is
// not finite or lies beyond the canvas range (a damaged file or an absurd
// flange) has no pixel, which would otherwise reach the canvas as a
// meaningless integer. Within the range the pixel is ModelToDevice's.
struct TMaybePixel {
    TPixelPoint Pixel;
    bool Ok = false;
};

TMaybePixel PixelOf(const TPointF& p, long double scaleX, long double scaleY) {
    const long double x = p.X * scaleX;
    const long double y = p.Y * scaleY;
    if (!IsCanvasCoordinate(x) || !IsCanvasCoordinate(y))
        return {};
    // Within the canvas range llrintl rounds as RoundHalfEven does, straight
    // to an integer, without switching the FPU to truncation for a cast.
    return {{std::llrintl(x), std::llrintl(y)}, true};
}

// Whether a coordinate within error of the exact one rounds to the same
// pixel and lies on the same side of the canvas range's ends: it lies farther
// than error from both. A NaN never is.
bool IsSureCoordinate(long double value, long double error) {
    const long double toHalf = std::fabs(value - std::floor(value) - 0.5L);
    const long double toLimit =
        std::fabs(std::fabs(value) - static_cast<long double>(CanvasCoordinateLimit));
    return toHalf > error && toLimit > error;
}

// PixelOf the exact point, found from an estimate of it; false when the
// estimate lies too near a pixel's edge to tell.
bool SurePixelOf(const TPointEstimate& p, long double scaleX, long double scaleY,
                 TMaybePixel& pixel) {
    if (p.Error != 0) {
        const long double x = p.Point.X * scaleX;
        const long double y = p.Point.Y * scaleY;
        // Beside the estimate's error, each scaled coordinate is rounded
        // (within 5.5e-20 of its size) here and in the exact computation.
        constexpr long double Rounding = 1e-18L;
        if (!IsSureCoordinate(x, p.Error * std::fabs(scaleX) + (std::fabs(x) + 1) * Rounding) ||
            !IsSureCoordinate(y, p.Error * std::fabs(scaleY) + (std::fabs(y) + 1) * Rounding))
            return false;
    }
    pixel = PixelOf(p.Point, scaleX, scaleY);
    return true;
}

bool ToPixel(const TPointF& p, long double scaleX, long double scaleY, TPixelPoint& pixel) {
    const TMaybePixel maybe = PixelOf(p, scaleX, scaleY);
    pixel = maybe.Pixel;
    return maybe.Ok;
}

// Draws a chain of lines through pixels, lifting the pen around any point that
// has no pixel position.
class TPixelPath {
public:
    TPixelPath(ICanvas& canvas, long double scaleX, long double scaleY)
        : FCanvas(canvas), FScaleX(scaleX), FScaleY(scaleY) {}

    void Start(const TMaybePixel& p) {
        FPenDown = false;
        To(p);
    }
    void Start(const TPointF& p) { Start(PixelOf(p, FScaleX, FScaleY)); }

    void To(const TMaybePixel& p) {
        if (!p.Ok) {
            FPenDown = false;
            return;
        }
        if (FPenDown)
            FCanvas.LineTo(p.Pixel.X, p.Pixel.Y);
        else
            FCanvas.MoveTo(p.Pixel.X, p.Pixel.Y);
        FPenDown = true;
    }
    void To(const TPointF& p) { To(PixelOf(p, FScaleX, FScaleY)); }

private:
    ICanvas& FCanvas;
    long double FScaleX;
    long double FScaleY;
    bool FPenDown = false;
};

// The vertices' pixels for the outline, the flanges and the fold lines,
// converted as they are asked for: drawing allocates nothing.
class TApexPixels {
public:
    TApexPixels(const TDaPointF& apexes, long double scaleX, long double scaleY)
        : FApexes(apexes), FScaleX(scaleX), FScaleY(scaleY) {}
    TMaybePixel operator[](std::size_t k) const { return PixelOf(FApexes[k], FScaleX, FScaleY); }
    std::size_t size() const { return FApexes.size(); }

private:
    const TDaPointF& FApexes;
    long double FScaleX;
    long double FScaleY;
};

void DrawMark(ICanvas& canvas, const TPointF& apex, long double scaleX, long double scaleY,
              TColor color) {
    TPixelPoint p;
    if (!ToPixel(apex, scaleX, scaleY, p))
        return;
    canvas.SetPenColor(color);
    canvas.FrameRect(p.X - MarkHalfSide, p.Y - MarkHalfSide, p.X + MarkHalfSide,
                     p.Y + MarkHalfSide);
}

// Marks go in vertex order, so where two marks overlap the higher vertex's
// mark lies on top; a vertex named by both marks gets one mark1 mark.
void DrawMarks(ICanvas& canvas, const TDaPointF& apexes, int mark1, int mark2, long double scaleX,
               long double scaleY, bool erase) {
    const int n = static_cast<int>(apexes.size());
    const auto inRange = [n](int k) { return k >= 0 && k < n; };
    const auto colorOf = [&](int k) {
        return erase ? ColorWhite : (k == mark1 ? ColorMagenta : ColorGreen);
    };
    canvas.SetPenMode(TPenMode::Copy);
    const int first = std::min(mark1, mark2);
    const int second = std::max(mark1, mark2);
    if (inRange(first))
        DrawMark(canvas, apexes[first], scaleX, scaleY, colorOf(first));
    if (second != first && inRange(second))
        DrawMark(canvas, apexes[second], scaleX, scaleY, colorOf(second));
}

void DrawOutline(TPixelPath& path, const TApexPixels& apexes, bool closed) {
    path.Start(apexes[0]);
    for (std::size_t k = 1; k < apexes.size(); ++k)
        path.To(apexes[k]);
    if (closed)
        path.To(apexes[0]);
}

// The name and its suffix are measured and placed as one text; only a suffix
// costs a new string.
void WriteSideName(ICanvas& canvas, const TPointF& from, const TPointF& to, bool clockwise,
                   bool inFlange, std::string_view text, long double scaleX, long double scaleY) {
    const long double cellHeight = canvas.TextHeight(text) / scaleY;
    const long double gap = inFlange ? 0 : BareSideNameGap * cellHeight;
    const TSideNameCell cell = SideNameCell(from, to, clockwise, inFlange, cellHeight, gap);
    const long double halfWidth = canvas.TextWidth(text) / scaleX / 2;
    TPixelPoint p;
    if (!ToPixel(PointAt(cell.BottomMiddle, halfWidth, cell.Angle + Pi), scaleX, scaleY, p))
        return;
    DrawRotatedText(canvas, p.X, p.Y, text, static_cast<float>(cell.Angle));
}

// A named side's name goes on its flange, or inside the shape when it has none.
void DrawSideName(ICanvas& canvas, const TPolygon& polygon, int side, bool inFlange,
                  std::span<const std::string> nameSuffixes, bool clockwise, long double scaleX,
                  long double scaleY) {
    if (!IsIndexOf(polygon.Flanges, side) || polygon.Flanges[side].Name.empty())
        return;
    const std::string& name = polygon.Flanges[side].Name;
    const TPointF& from = polygon.Apexes[side];
    const TPointF& to = polygon.Apexes[(side + 1) % polygon.Apexes.size()];
    if (!IsIndexOf(nameSuffixes, side) || nameSuffixes[side].empty())
        WriteSideName(canvas, from, to, clockwise, inFlange, name, scaleX, scaleY);
    else
        WriteSideName(canvas, from, to, clockwise, inFlange, name + nameSuffixes[side], scaleX,
                      scaleY);
}

// cornersOf(side, q1, q2) gives the pixels of the outer corners of
// FlangeOutline's quadrilateral of a side, false where it has none, and
// clockwise() the outline's order, which only names need.
template <class TCornersOf, class TClockwise>
void DrawFlanges(ICanvas& canvas, TPixelPath& path, const TPolygon& polygon,
                 const TApexPixels& apexes, long double scaleX, long double scaleY, bool withNames,
                 std::span<const std::string> nameSuffixes, TCornersOf cornersOf,
                 TClockwise clockwise) {
    const int n = static_cast<int>(polygon.Apexes.size());
    for (int side = 0; side < n; ++side) {
        TMaybePixel q1, q2;
        const bool flanged = cornersOf(side, q1, q2);
        if (withNames)
            DrawSideName(canvas, polygon, side, flanged, nameSuffixes, clockwise(), scaleX, scaleY);
        if (!flanged)
            continue;
        // Q0 and Q3 are the side's own vertices.
        path.Start(apexes[side]);
        path.To(q1);
        path.To(q2);
        path.To(apexes[(side + 1) % n]);
    }
}

bool IsDrawableBendLine(const TBendLine& line, int n) {
    return line.Apex1 >= 0 && line.Apex1 < n && line.Apex2 >= 0 && line.Apex2 < n &&
           line.Apex1 != line.Apex2;
}

void DrawBendLines(ICanvas& canvas, TPixelPath& path, const TPolygon& polygon,
                   const TApexPixels& apexes) {
    const int n = static_cast<int>(polygon.Apexes.size());
    for (std::size_t set = 0; set < polygon.BendLines.size(); ++set) {
        canvas.SetPenStyle(set == 0 ? TPenStyle::Solid : TPenStyle::Dotted);
        for (const TBendLine& line : polygon.BendLines[set]) {
            if (!IsDrawableBendLine(line, n))
                continue;
            path.Start(apexes[line.Apex1]);
            path.To(apexes[line.Apex2]);
        }
        canvas.SetPenStyle(TPenStyle::Solid);
    }
}

template <class TCornersOf, class TClockwise>
void DrawShape(ICanvas& canvas, const TPolygon& polygon, int mark1, int mark2, long double scaleX,
               long double scaleY, TDrawMode mode, std::span<const std::string> nameSuffixes,
               TCornersOf cornersOf, TClockwise clockwise) {
    if (polygon.Apexes.size() < 2)
        return;
    const TModeLook look = LookOf(mode);
    canvas.SetPenStyle(TPenStyle::Solid);
    if (look.Marks)
        DrawMarks(canvas, polygon.Apexes, mark1, mark2, scaleX, scaleY, mode == dmErase);

    canvas.SetPenMode(look.PenMode);
    canvas.SetPenColor(look.Color);
    TPixelPath path(canvas, scaleX, scaleY);
    const TApexPixels apexes(polygon.Apexes, scaleX, scaleY);
    DrawOutline(path, apexes, look.Closed);
    DrawFlanges(canvas, path, polygon, apexes, scaleX, scaleY, look.Names, nameSuffixes, cornersOf,
                clockwise);
    DrawBendLines(canvas, path, polygon, apexes);
}

std::vector<bool> SelectedFlags(std::size_t count, const TDaInt& selection) {
    std::vector<bool> selected(count, false);
    for (const int index : selection) {
        if (index >= 0 && static_cast<std::size_t>(index) < count)
            selected[index] = true;
    }
    return selected;
}

// Room around a shape's box for its vertex marks.
constexpr std::int64_t MarkMargin = MarkHalfSide;

} // namespace

void DrawPolygon(ICanvas& canvas, const TPolygon& polygon, int mark1, int mark2, long double scaleX,
                 long double scaleY, TDrawMode mode, std::span<const std::string> nameSuffixes) {
    const bool clockwise = IsClockwiseOnScreen(polygon.Apexes);
    DrawShape(
        canvas, polygon, mark1, mark2, scaleX, scaleY, mode, nameSuffixes,
        [&](int side, TMaybePixel& q1, TMaybePixel& q2) {
            std::array<TPointF, 4> quad;
            if (!FlangeOutline(polygon, clockwise, side, quad))
                return false;
            q1 = PixelOf(quad[1], scaleX, scaleY);
            q2 = PixelOf(quad[2], scaleX, scaleY);
            return true;
        },
        [clockwise] { return clockwise; });
}

void DrawPolygon(ICanvas& canvas, const TPolygon& polygon, TOutlineCache& outline, int mark1,
                 int mark2, long double scaleX, long double scaleY, TDrawMode mode) {
    // The corners' sines and cosines in long double are most of a new
    // page's first paint; their estimates almost always tell the pixels.
    DrawShape(
        canvas, polygon, mark1, mark2, scaleX, scaleY, mode, {},
        [&](int side, TMaybePixel& q1, TMaybePixel& q2) {
            TPointEstimate estimate1, estimate2;
            if (!outline.CornerEstimates(side, estimate1, estimate2))
                return false;
            if (SurePixelOf(estimate1, scaleX, scaleY, q1) &&
                SurePixelOf(estimate2, scaleX, scaleY, q2))
                return true;
            TPointF exact1, exact2;
            outline.Corners(side, exact1, exact2);
            q1 = PixelOf(exact1, scaleX, scaleY);
            q2 = PixelOf(exact2, scaleX, scaleY);
            return true;
        },
        [&outline] { return outline.Clockwise(); });
}

void DrawPolygonTbl(ICanvas& canvas, const TPolygonTbl& page, int skipIndex, long double scaleX,
                    long double scaleY, const TDaInt& selection, TDrawMode otherMode,
                    TDrawMode selectedMode,
                    std::span<const std::vector<std::string>> nameSuffixes) {
    const std::vector<bool> selected = SelectedFlags(page.size(), selection);
    for (std::size_t i = 0; i < page.size(); ++i) {
        if (static_cast<int>(i) == skipIndex)
            continue;
        DrawPolygon(canvas, page[i], -1, -1, scaleX, scaleY, selected[i] ? selectedMode : otherMode,
                    i < nameSuffixes.size() ? std::span<const std::string>(nameSuffixes[i])
                                            : std::span<const std::string>());
    }
}

// The shapes drawn are looked up by a box in millimetres around the area,
// wide enough that no shape whose pixel box meets the area is missed.
void DrawPolygonTbl(ICanvas& canvas, const TPolygonTbl& page, TPageIndex& shapes,
                    const TPixelRect& area, int skipIndex, long double scaleX, long double scaleY,
                    const TDaInt& selection, TDrawMode otherMode, TDrawMode selectedMode) {
    const std::vector<bool> selected = SelectedFlags(page.size(), selection);
    TCullingCanvas culled(canvas, area);
    const auto draw = [&](int index) {
        if (index == skipIndex)
            return;
        const TDrawMode mode = selected[index] ? selectedMode : otherMode;
        TOutlineCache& outline = shapes.Shape(index);
        // Names reach beyond the shape's lines by the font's extent.
        if (!LookOf(mode).Names &&
            !RectsMeet(area, Inflated(PixelRectOf(outline.Bounds(), scaleX, scaleY), MarkMargin)))
            return;
        DrawPolygon(culled, page[index], outline, -1, -1, scaleX, scaleY, mode);
    };
    const bool names = LookOf(otherMode).Names || LookOf(selectedMode).Names;
    const bool scaled = scaleX > 0 && scaleY > 0 && std::isfinite(scaleX) && std::isfinite(scaleY);
    if (names || !scaled) {
        for (std::size_t i = 0; i < page.size(); ++i)
            draw(static_cast<int>(i));
        return;
    }
    // A pixel box rounds each coordinate to the nearest pixel and is grown by
    // the marks' margin; a little more room covers the division's rounding.
    constexpr long double Room = MarkMargin + 2;
    TBox near;
    near.Left = (static_cast<long double>(area.Left) - Room) / scaleX;
    near.Top = (static_cast<long double>(area.Top) - Room) / scaleY;
    near.Right = (static_cast<long double>(area.Right) + Room) / scaleX;
    near.Bottom = (static_cast<long double>(area.Bottom) + Room) / scaleY;
    for (const int index : shapes.ShapesNear(near))
        draw(index);
}

void DrawRotatedText(ICanvas& canvas, std::int64_t x, std::int64_t y, std::string_view text,
                     float angle) {
    if (!std::isfinite(angle))
        return;
    const long double radians = angle;
    const int previous = canvas.FontEscapement();
    canvas.SetFontEscapement(static_cast<int>(RoundToInt(RadToDeg(-radians) * 10)));
    const long double height = static_cast<long double>(canvas.TextHeight(text));
    // Moving the text cell's top-left corner one text height "up" along the
    // turned text puts the bottom edge of the cell through (x, y).
    const long double up = radians - Pi / 2;
    canvas.TextOut(RoundToInt(x + height * std::cos(up)), RoundToInt(y + height * std::sin(up)),
                   text);
    canvas.SetFontEscapement(previous);
}
