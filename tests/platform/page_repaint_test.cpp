// Tests of repainting part of a surface through the QPainter canvas: a page
// area painted with only the shapes and lines that reach into it, and a shape
// repainted only where a change touched it, must leave exactly the pixels a
// full paint leaves.
#include "common/shape_builders.h"
#include "drawing/page_repaint.h"
#include "drawing/shape_repaint.h"
#include "geometry/angles.h"
#include "qpainter_canvas.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

constexpr long double Scale = 3.5L;
constexpr int Width = 300;
constexpr int Height = 220;

TPolygon Flanged(TPolygon shape) {
    for (TFlange& flange : shape.Flanges)
        flange = MakeFlange("", 2, Pi / 3, Pi / 2.5L);
    shape.BendLines[0] = {MakeBendLine(0, 2)};
    shape.BendLines[1] = {MakeBendLine(1, 3)};
    return shape;
}

// A page whose shapes overlap and cross the areas below.
TPolygonTbl Page() {
    return {Flanged(Square(20, {5, 5})), Flanged(Rect(30, 12, {18, 14})),
            Flanged(Square(15, {60, 30})), Flanged(Rect(10, 40, {40, 2}))};
}

// An image that starts grey, so that a paint that leaves out part of its
// area shows.
QImage Grey() {
    QImage image(Width, Height, QImage::Format_RGB32);
    image.fill(QColor(90, 90, 90));
    return image;
}

void PaintClipped(QImage& image, const TPixelRect& area,
                  const std::function<void(ICanvas&)>& paint) {
    QPainter painter(&image);
    painter.setClipRect(QRect(QPoint(static_cast<int>(area.Left), static_cast<int>(area.Top)),
                              QPoint(static_cast<int>(area.Right), static_cast<int>(area.Bottom))));
    TQPainterCanvas canvas(painter);
    paint(canvas);
}

TEST(PaintPageArea, LeavesTheAreaAsPaintingTheWholePageDoes) {
    const TPolygonTbl page = Page();
    const TPixelRect surface{0, 0, Width - 1, Height - 1};
    const std::vector<TPixelRect> areas = {{0, 0, Width - 1, Height - 1}, {30, 30, 80, 70},
                                           {150, 150, 200, 200},          {200, 100, 260, 140},
                                           {69, 0, 70, Height - 1},       {250, 200, 400, 300}};
    for (const TDrawMode selectedMode : {dmSelected, dmXor}) {
        for (const TPixelRect& area : areas) {
            SCOPED_TRACE(std::to_string(area.Left) + "," + std::to_string(area.Top));
            QImage expected = Grey(), actual = Grey();
            PaintClipped(expected, area, [&](ICanvas& canvas) {
                canvas.FillRect(0, 0, Width - 1, Height - 1, ColorWhite);
                DrawPolygonTbl(canvas, page, -1, Scale, Scale, {1, 2}, dmNormal, selectedMode);
            });
            TPageIndex shapes;
            shapes.Sync(page);
            PaintClipped(actual, area, [&](ICanvas& canvas) {
                PaintPageArea(canvas, page, shapes, {1, 2}, selectedMode, Scale, surface, area);
            });
            EXPECT_TRUE(actual == expected);
        }
    }
}

TEST(SelectionPixelArea, HoldsEveryPixelTheSelectedShapesCover) {
    const TPolygonTbl page = Page();
    const TPixelRect surface{0, 0, Width - 1, Height - 1};
    TPageIndex shapes;
    shapes.Sync(page);
    const TPixelRect area = SelectionPixelArea(shapes, {1, 2}, Scale, surface);
    QImage drawn(Width, Height, QImage::Format_RGB32);
    drawn.fill(Qt::white);
    {
        QPainter painter(&drawn);
        TQPainterCanvas canvas(painter);
        DrawPolygonTbl(canvas, page, -1, Scale, Scale, {1, 2}, dmNormal, dmXor);
        DrawPolygon(canvas, page[0], -1, -1, Scale, Scale, dmErase);
        DrawPolygon(canvas, page[3], -1, -1, Scale, Scale, dmErase);
    }
    for (int y = 0; y < Height; ++y) {
        for (int x = 0; x < Width; ++x) {
            if ((drawn.pixel(x, y) & 0xFFFFFF) == 0x0000FF) {
                ASSERT_TRUE(RectsMeet(area, {x, y, x, y})) << x << "," << y;
            }
        }
    }
}

// The editor's way: the shape shown, changed, repainted only where the change
// reaches, against a fresh paint of the changed shape.
TEST(TShapeRepaint, RepaintingTheChangesLeavesWhatAFullPaintLeaves) {
    struct TStep {
        std::string Name;
        std::function<void(TPolygon&, int&, int&, TDrawMode&)> Change;
    };
    const std::vector<TStep> steps = {
        // Far enough that where its sides were lies outside where they are.
        {"a vertex moves",
         [](TPolygon& s, int&, int&, TDrawMode&) { s.Apexes[2] = PointF(45, 15); }},
        {"the marked vertex moves",
         [](TPolygon& s, int&, int&, TDrawMode&) { s.Apexes[1].Y -= 3; }},
        {"a flange widens", [](TPolygon& s, int&, int&, TDrawMode&) { s.Flanges[3].Width = 5; }},
        {"the marks change", [](TPolygon&, int& m1, int& m2, TDrawMode&) { m1 = 0, m2 = 3; }},
        {"fold lines are added",
         [](TPolygon& s, int&, int&, TDrawMode&) {
             s.BendLines[0] = {MakeBendLine(0, 2)};
             s.BendLines[1] = {MakeBendLine(1, 3)};
         }},
        {"a fold line's end moves",
         [](TPolygon& s, int&, int&, TDrawMode&) { s.Apexes[3].X -= 6; }},
        {"a vertex crosses over and the order turns",
         [](TPolygon& s, int&, int&, TDrawMode&) { s.Apexes[0] = PointF(60, 60); }},
        {"a vertex is added",
         [](TPolygon& s, int&, int&, TDrawMode&) {
             s.Apexes.push_back(PointF(10, 50));
             s.Flanges.push_back(MakeFlange("", 1, Pi / 2, Pi / 2));
         }},
        {"the mode changes", [](TPolygon&, int&, int&, TDrawMode& mode) { mode = dmOpen; }},
    };
    TPolygon shape =
        Flanged(Shape({PointF(20, 10), PointF(50, 12), PointF(45, 40), PointF(15, 35)}));
    shape.BendLines = {};
    int mark1 = -1, mark2 = 1;
    TDrawMode mode = dmNormal;
    const TPixelRect whole{0, 0, Width - 1, Height - 1};
    TShapeRepaint repaint;
    QImage shown(Width, Height, QImage::Format_RGB32);
    shown.fill(Qt::white);
    PaintClipped(shown, whole, [&](ICanvas& canvas) {
        repaint.Paint(canvas, whole, shape, mark1, mark2, Scale, mode);
    });
    for (const TStep& step : steps) {
        SCOPED_TRACE(step.Name);
        step.Change(shape, mark1, mark2, mode);
        const TPixelRect area =
            Intersected(repaint.Changes(shape, mark1, mark2, Scale, mode), whole);
        ASSERT_FALSE(area.IsEmpty());
        PaintClipped(shown, area, [&](ICanvas& canvas) {
            canvas.FillRect(area.Left, area.Top, area.Right, area.Bottom, ColorWhite);
            repaint.Paint(canvas, area, shape, mark1, mark2, Scale, mode);
        });
        QImage expected(Width, Height, QImage::Format_RGB32);
        expected.fill(Qt::white);
        PaintClipped(expected, whole, [&](ICanvas& canvas) {
            DrawPolygon(canvas, shape, mark1, mark2, Scale, Scale, mode);
        });
        EXPECT_TRUE(shown == expected);
    }
}

TEST(TShapeRepaint, AChangeThatChangesNothingNamesNoPixels) {
    const TPolygon shape = Flanged(Square(20, {5, 5}));
    TShapeRepaint repaint;
    EXPECT_FALSE(repaint.Changes(shape, -1, 2, Scale, dmNormal).IsEmpty());
    EXPECT_TRUE(repaint.Changes(shape, -1, 2, Scale, dmNormal).IsEmpty());
}

} // namespace
