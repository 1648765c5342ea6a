// Drawing shapes on a canvas: outline, vertex marks, glue flanges with their
// names, and the two fold-line sets, in one of the draw modes.
#include "drawing/draw_polygon.h"

#include "geometry/flange_outline.h"
#include "geometry/plane_geometry.h"
#include "geometry/rounding.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr long double Pi = std::numbers::pi_v<long double>;

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

// False for a point that has no pixel position on a canvas: a coordinate that
// is not finite or lies beyond the canvas range (a damaged file or an absurd
// flange), which would otherwise reach the canvas as a meaningless integer.
bool ToPixel(const TPointF& p, long double scaleX, long double scaleY, TPixelPoint& pixel) {
    if (!IsCanvasCoordinate(p.X * scaleX) || !IsCanvasCoordinate(p.Y * scaleY))
        return false;
    pixel = ModelToDevice(p, scaleX, scaleY);
    return true;
}

// Draws a chain of lines through model points, lifting the pen around any
// point that has no pixel position.
class TPixelPath {
public:
    TPixelPath(ICanvas& canvas, long double scaleX, long double scaleY)
        : FCanvas(canvas), FScaleX(scaleX), FScaleY(scaleY) {}

    void Start(const TPointF& p) {
        FPenDown = false;
        To(p);
    }

    void To(const TPointF& p) {
        TPixelPoint pixel;
        if (!ToPixel(p, FScaleX, FScaleY, pixel)) {
            FPenDown = false;
            return;
        }
        if (FPenDown)
            FCanvas.LineTo(pixel.X, pixel.Y);
        else
            FCanvas.MoveTo(pixel.X, pixel.Y);
        FPenDown = true;
    }

private:
    ICanvas& FCanvas;
    long double FScaleX;
    long double FScaleY;
    bool FPenDown = false;
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

void DrawOutline(TPixelPath& path, const TDaPointF& apexes, bool closed) {
    path.Start(apexes[0]);
    for (std::size_t k = 1; k < apexes.size(); ++k)
        path.To(apexes[k]);
    if (closed)
        path.To(apexes[0]);
}

// The name runs along the side, centred, with the bottom of its text cell on
// the side and the tops of its letters towards the flange's outer edge.
void DrawFlangeName(ICanvas& canvas, const std::array<TPointF, 4>& quad, std::string_view name,
                    bool clockwise, long double scaleX, long double scaleY) {
    const long double length = PointDistance(quad[0], quad[3]);
    const long double offset = (length - canvas.TextWidth(name) / scaleX) / 2;
    const TPointF& from = clockwise ? quad[0] : quad[3];
    const TPointF& to = clockwise ? quad[3] : quad[0];
    const long double angle = PointDirection(from, to);
    const TPointF anchor{from.X + offset * std::cos(angle), from.Y + offset * std::sin(angle)};
    TPixelPoint p;
    if (!ToPixel(anchor, scaleX, scaleY, p))
        return;
    DrawRotatedText(canvas, p.X, p.Y, name, static_cast<float>(angle));
}

// The name and its suffix are measured and centred as one text; only a
// suffix costs a new string.
void DrawFlangeName(ICanvas& canvas, const std::array<TPointF, 4>& quad, const std::string& name,
                    std::string_view suffix, bool clockwise, long double scaleX,
                    long double scaleY) {
    if (suffix.empty())
        DrawFlangeName(canvas, quad, name, clockwise, scaleX, scaleY);
    else
        DrawFlangeName(canvas, quad, name + std::string(suffix), clockwise, scaleX, scaleY);
}

void DrawFlanges(ICanvas& canvas, TPixelPath& path, const TPolygon& polygon, long double scaleX,
                 long double scaleY, bool withNames, std::span<const std::string> nameSuffixes) {
    const bool clockwise = IsClockwiseOnScreen(polygon.Apexes);
    std::array<TPointF, 4> quad;
    const int n = static_cast<int>(polygon.Apexes.size());
    for (int side = 0; side < n; ++side) {
        if (!FlangeOutline(polygon, clockwise, side, quad))
            continue;
        const std::string& name = polygon.Flanges[side].Name;
        if (withNames && !name.empty())
            DrawFlangeName(canvas, quad, name,
                           IsIndexOf(nameSuffixes, side) ? std::string_view(nameSuffixes[side])
                                                         : std::string_view(),
                           clockwise, scaleX, scaleY);
        path.Start(quad[0]);
        path.To(quad[1]);
        path.To(quad[2]);
        path.To(quad[3]);
    }
}

bool IsDrawableBendLine(const TBendLine& line, int n) {
    return line.Apex1 >= 0 && line.Apex1 < n && line.Apex2 >= 0 && line.Apex2 < n &&
           line.Apex1 != line.Apex2;
}

void DrawBendLines(ICanvas& canvas, TPixelPath& path, const TPolygon& polygon) {
    const int n = static_cast<int>(polygon.Apexes.size());
    for (std::size_t set = 0; set < polygon.BendLines.size(); ++set) {
        canvas.SetPenStyle(set == 0 ? TPenStyle::Solid : TPenStyle::Dotted);
        for (const TBendLine& line : polygon.BendLines[set]) {
            if (!IsDrawableBendLine(line, n))
                continue;
            path.Start(polygon.Apexes[line.Apex1]);
            path.To(polygon.Apexes[line.Apex2]);
        }
        canvas.SetPenStyle(TPenStyle::Solid);
    }
}

} // namespace

void DrawPolygon(ICanvas& canvas, const TPolygon& polygon, int mark1, int mark2, long double scaleX,
                 long double scaleY, TDrawMode mode, std::span<const std::string> nameSuffixes) {
    if (polygon.Apexes.size() < 2)
        return;
    const TModeLook look = LookOf(mode);
    canvas.SetPenStyle(TPenStyle::Solid);
    if (look.Marks)
        DrawMarks(canvas, polygon.Apexes, mark1, mark2, scaleX, scaleY, mode == dmErase);

    canvas.SetPenMode(look.PenMode);
    canvas.SetPenColor(look.Color);
    TPixelPath path(canvas, scaleX, scaleY);
    DrawOutline(path, polygon.Apexes, look.Closed);
    DrawFlanges(canvas, path, polygon, scaleX, scaleY, look.Names, nameSuffixes);
    DrawBendLines(canvas, path, polygon);
}

void DrawPolygonTbl(ICanvas& canvas, const TPolygonTbl& page, int skipIndex, long double scaleX,
                    long double scaleY, const TDaInt& selection, TDrawMode otherMode,
                    TDrawMode selectedMode,
                    std::span<const std::vector<std::string>> nameSuffixes) {
    for (std::size_t i = 0; i < page.size(); ++i) {
        const int index = static_cast<int>(i);
        if (index == skipIndex)
            continue;
        const bool selected =
            std::find(selection.begin(), selection.end(), index) != selection.end();
        DrawPolygon(canvas, page[i], -1, -1, scaleX, scaleY, selected ? selectedMode : otherMode,
                    i < nameSuffixes.size() ? std::span<const std::string>(nameSuffixes[i])
                                            : std::span<const std::string>());
    }
}

void DrawRotatedText(ICanvas& canvas, std::int64_t x, std::int64_t y, std::string_view text,
                     float angle) {
    if (!std::isfinite(angle))
        return;
    const long double radians = angle;
    const int previous = canvas.FontEscapement();
    canvas.SetFontEscapement(static_cast<int>(RoundToInt(-radians / Pi * 1800)));
    const long double height = static_cast<long double>(canvas.TextHeight(text));
    // Moving the text cell's top-left corner one text height "up" along the
    // turned text puts the bottom edge of the cell through (x, y).
    const long double up = radians - Pi / 2;
    canvas.TextOut(RoundToInt(x + height * std::cos(up)), RoundToInt(y + height * std::sin(up)),
                   text);
    canvas.SetFontEscapement(previous);
}
