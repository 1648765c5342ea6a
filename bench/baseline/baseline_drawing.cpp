// Today's repaint paths: every shape of the page is drawn under any clip, and
// every drawing of a shape builds its flanges anew.
#include "baseline_drawing.h"

#include "baseline_canvas.h"
#include "baseline_geometry.h"
#include "geometry/flange_outline.h"
#include "geometry/rounding.h"

#include <QPainter>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <numbers>

namespace baseline {
namespace {

constexpr long double Pi = std::numbers::pi_v<long double>;
constexpr std::int64_t MarkHalfSide = 2;
constexpr int UpdateMargin = 2;
constexpr TColor CentroidMarkColor{0, 128, 0};
constexpr int CentroidMarkArm = 10;

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

bool ToPixel(const TPointF& p, long double scaleX, long double scaleY, TPixelPoint& pixel) {
    if (!IsCanvasCoordinate(p.X * scaleX) || !IsCanvasCoordinate(p.Y * scaleY))
        return false;
    pixel = baseline::ModelToDevice(p, scaleX, scaleY);
    return true;
}

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

void DrawFlangeName(ICanvas& canvas, const std::array<TPointF, 4>& quad, const std::string& name,
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

void DrawFlanges(ICanvas& canvas, TPixelPath& path, const TPolygon& polygon, long double scaleX,
                 long double scaleY, bool withNames) {
    const bool clockwise = baseline::IsClockwiseOnScreen(polygon.Apexes);
    std::array<TPointF, 4> quad;
    const int n = static_cast<int>(polygon.Apexes.size());
    for (int side = 0; side < n; ++side) {
        if (!baseline::FlangeOutline(polygon, clockwise, side, quad))
            continue;
        const std::string& name = polygon.Flanges[side].Name;
        if (withNames && !name.empty())
            DrawFlangeName(canvas, quad, name, clockwise, scaleX, scaleY);
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

int ToWidgetCoordinate(std::int64_t pixel) {
    constexpr std::int64_t limit = std::numeric_limits<int>::max() / 2;
    return static_cast<int>(std::clamp(pixel, -limit, limit));
}

void DrawCentroidMark(ICanvas& canvas, const TPolygon& polygon, long double scale,
                      TPixelPoint& centroidMark) {
    if (polygon.Apexes.size() < 3)
        return;
    TPointF centroid;
    if (PolygonCentroid(polygon.Apexes, centroid) > 0)
        centroidMark = baseline::ModelToDevice(centroid, scale, scale);
    const std::int64_t x = centroidMark.X;
    const std::int64_t y = centroidMark.Y;
    canvas.SetPenColor(CentroidMarkColor);
    canvas.MoveTo(x, y - CentroidMarkArm);
    canvas.LineTo(x, y + CentroidMarkArm);
    canvas.MoveTo(x - CentroidMarkArm, y);
    canvas.LineTo(x + CentroidMarkArm, y);
}

} // namespace

void DrawPolygon(ICanvas& canvas, const TPolygon& polygon, int mark1, int mark2, long double scaleX,
                 long double scaleY, TDrawMode mode) {
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
    DrawFlanges(canvas, path, polygon, scaleX, scaleY, look.Names);
    DrawBendLines(canvas, path, polygon);
}

void DrawPolygonTbl(ICanvas& canvas, const TPolygonTbl& page, int skipIndex, long double scaleX,
                    long double scaleY, const TDaInt& selection, TDrawMode otherMode,
                    TDrawMode selectedMode) {
    for (std::size_t i = 0; i < page.size(); ++i) {
        const int index = static_cast<int>(i);
        if (index == skipIndex)
            continue;
        const bool selected =
            std::find(selection.begin(), selection.end(), index) != selection.end();
        baseline::DrawPolygon(canvas, page[i], -1, -1, scaleX, scaleY,
                              selected ? selectedMode : otherMode);
    }
}

QRect ShapeArea(const TPolygon& shape, long double scale, const QRect& surface) {
    const TDaPointF outline = baseline::OutlineWithFlanges(shape);
    if (outline.empty())
        return {};
    std::int64_t left = std::numeric_limits<std::int64_t>::max();
    std::int64_t top = left;
    std::int64_t right = std::numeric_limits<std::int64_t>::min();
    std::int64_t bottom = right;
    for (const TPointF& point : outline) {
        const TPixelPoint pixel = baseline::ModelToDevice(point, scale, scale);
        left = std::min(left, pixel.X);
        top = std::min(top, pixel.Y);
        right = std::max(right, pixel.X);
        bottom = std::max(bottom, pixel.Y);
    }
    const QRect area(QPoint(ToWidgetCoordinate(left), ToWidgetCoordinate(top)),
                     QPoint(ToWidgetCoordinate(right), ToWidgetCoordinate(bottom)));
    return area.adjusted(-UpdateMargin, -UpdateMargin, UpdateMargin, UpdateMargin) & surface;
}

QRect SelectionArea(const TPolygonTbl& page, const TDaInt& selection, long double scale,
                    const QRect& surface) {
    QRect area;
    for (const int index : selection) {
        if (index >= 0 && index < static_cast<int>(page.size()))
            area |= baseline::ShapeArea(page[index], scale, surface);
    }
    return area;
}

void PaintSheet(QPainter& painter, const QSize& surface, const TPolygonTbl& page,
                const TDaInt& selection, bool dragging, long double scale) {
    TQPainterCanvas canvas(painter);
    canvas.FillRect(0, 0, surface.width() - 1, surface.height() - 1, ColorWhite);
    baseline::DrawPolygonTbl(canvas, page, -1, scale, scale, selection, dmNormal,
                             dragging ? dmXor : dmSelected);
}

void PaintEditor(QPainter& painter, const QSize& surface, const TPolygon& polygon, int mark1,
                 int mark2, long double scale, TPixelPoint& centroidMark) {
    TQPainterCanvas canvas(painter);
    canvas.FillRect(0, 0, surface.width() - 1, surface.height() - 1, ColorWhite);
    DrawCentroidMark(canvas, polygon, scale, centroidMark);
    baseline::DrawPolygon(canvas, polygon, mark1, mark2, scale, scale, dmNormal);
}

} // namespace baseline
