// The page workloads and the editor's vertex drag.
#include "page_workloads.h"

#include "baseline_drawing.h"
#include "baseline_placement.h"
#include "crowded_page.h"
#include "document/sheet_document.h"
#include "drawing/centroid_mark.h"
#include "drawing/mouse_position.h"
#include "drawing/page_repaint.h"
#include "drawing/shape_repaint.h"
#include "drawing/view_scale.h"
#include "editing/shape_editor_model.h"
#include "geometry/keep_length.h"
#include "geometry/plane_geometry.h"
#include "history/tick_counter.h"
#include "irregular_page.h"
#include "page_surface.h"
#include "placement/page_collision.h"
#include "qpainter_canvas.h"
#include "today_drag.h"

#include <QPainter>

#include <random>

namespace {

constexpr std::uint32_t PageSeed = 13;
constexpr std::uint32_t ShapeSeed = 29;
constexpr std::uint32_t PathSeed = 11;
constexpr int ViewWidth = 1600;
constexpr int ViewHeight = 1200;

class TStillTicks : public ITickCounter {
public:
    std::uint32_t Now() override { return 0; }
};

TPlacementRules AllRules() {
    return {true, true, true, CrowdedPageWidth, CrowdedPageHeight};
}

bool SameSelection(TSheetDocument& a, TSheetDocument& b) {
    return a.Selection() == b.Selection() && SameBits(a.SelectionCopy(), b.SelectionCopy()) &&
           a.History().Count() == b.History().Count();
}

// The editor's centroid cross, drawn as the editor window draws it before the
// shape.
void DrawCentroidCross(ICanvas& canvas, const TPolygon& polygon, long double scale,
                       TPixelPoint& mark) {
    if (polygon.Apexes.size() < 3)
        return;
    mark = CentroidMarkPixel(polygon, scale, mark);
    DrawCentroidMark(canvas, mark);
}

QRect ToQRect(const TPixelRect& rect) {
    return QRect(QPoint(static_cast<int>(rect.Left), static_cast<int>(rect.Top)),
                 QPoint(static_cast<int>(rect.Right), static_cast<int>(rect.Bottom)));
}

} // namespace

TTimedRun RunCollisionChecks(int checks, bool baseline, bool production) {
    const TPolygonTbl page = CrowdedPage(PageSeed);
    TStillTicks ticks;
    TSheetDocument document(ticks);
    document.SetDrawing(TZvDat{page});
    document.PageIndex();
    const TPlacementRules rules = AllRules();
    TTimedRun run;
    const int stride = static_cast<int>(page.size()) / checks;
    for (int k = 0; k < checks; ++k) {
        const int index = k * stride;
        TPointF oldContact, newContact;
        bool oldHit = false, newHit = false;
        if (baseline) {
            const TStopwatch watch;
            oldHit = baseline::CollisionCheck(page, index, page[index], rules, oldContact);
            run.Baseline.Add(watch.Milliseconds());
        }
        if (production) {
            const TStopwatch watch;
            TPageCollision collision(document.PageIndex(), index, rules);
            newHit = collision.Check(page[index].Apexes, page[index].Flanges, newContact);
            run.Production.Add(watch.Milliseconds());
        }
        if (baseline && production)
            run.Identical = run.Identical && oldHit == newHit && SameBits(oldContact, newContact);
    }
    return run;
}

TTimedRun RunRubberBand(int repeats, bool baseline, bool production) {
    const TViewScale view;
    const long double scale = view.ScreenScale();
    const TPolygonTbl page = CrowdedPage(PageSeed);
    const QSize size = PageSurfaceSize(CrowdedPageWidth, CrowdedPageHeight, scale);
    const TPointF corner1 = DeviceToModel({20, 20}, scale, scale);
    const TPointF corner2 = DeviceToModel({size.width() - 20, size.height() - 240}, scale, scale);
    TStillTicks ticks;
    TSheetDocument before(ticks), after(ticks);
    before.SetDrawing(TZvDat{page});
    after.SetDrawing(TZvDat{page});
    // The page has been painted before the user drags the band over it.
    TSurfaceImage image(size.width(), size.height());
    image.Paint(QRect(QPoint(0, 0), size), [&](QPainter& painter) {
        TQPainterCanvas canvas(painter);
        const TPixelRect surface{0, 0, size.width() - 1, size.height() - 1};
        PaintPageArea(canvas, page, after.PageIndex(), {}, dmSelected, scale, surface, surface);
    });
    TTimedRun run;
    // Each mouse-up starts from nothing selected and an empty history, so
    // that the history's growth over the repeats stays out of the times.
    for (int i = 0; i < repeats; ++i) {
        before.UnselectAll();
        after.UnselectAll();
        before.ClearHistory();
        after.ClearHistory();
        if (baseline) {
            const TStopwatch watch;
            before.UnselectAll();
            baseline::SelectShapesInBand(before, corner1, corner2);
            run.Baseline.Add(watch.Milliseconds());
        }
        if (production) {
            const TStopwatch watch;
            after.UnselectAll();
            after.SelectShapesInBand(corner1, corner2);
            run.Production.Add(watch.Milliseconds());
        }
        if (baseline && production)
            run.Identical = run.Identical && SameSelection(before, after) &&
                            before.Selection().size() > page.size() / 2;
    }
    return run;
}

TTimedRun RunFullRepaint(long double zoom, bool cold, int repeats, bool baseline, bool production) {
    TViewScale view;
    view.SetZoom(zoom);
    const long double scale = view.ScreenScale();
    const TPolygonTbl page = CrowdedPage(PageSeed);
    const QSize size = PageSurfaceSize(CrowdedPageWidth, CrowdedPageHeight, scale);
    const TPixelRect surface{0, 0, size.width() - 1, size.height() - 1};
    // The view shows the middle of the page, or all of it that fits.
    const int left = std::max(0, (size.width() - ViewWidth) / 2);
    const int top = std::max(0, (size.height() - ViewHeight) / 2);
    const TPixelRect area =
        Intersected(surface, {left, top, left + ViewWidth - 1, top + ViewHeight - 1});
    const QRect clip = ToQRect(area);
    const auto paintView = [&](TSurfaceImage& image, const auto& paint) {
        image.Paint(QRect(0, 0, ViewWidth, ViewHeight), [&](QPainter& painter) {
            painter.translate(-left, -top);
            painter.setClipRect(clip);
            paint(painter);
        });
    };
    TStillTicks ticks;
    TTimedRun run;
    auto document = std::make_unique<TSheetDocument>(ticks);
    document->SetDrawing(TZvDat{page});
    // Each side paints into its own image again and again, as into a window,
    // greyed before each paint so that a part left unpainted shows.
    TSurfaceImage oldImage(ViewWidth, ViewHeight), newImage(ViewWidth, ViewHeight);
    for (int i = -1; i < repeats; ++i) {
        oldImage.Grey();
        newImage.Grey();
        if (baseline) {
            const TStopwatch watch;
            paintView(oldImage, [&](QPainter& painter) {
                baseline::PaintSheet(painter, size, page, {}, false, scale);
            });
            if (i >= 0)
                run.Baseline.Add(watch.Milliseconds());
        }
        if (production) {
            if (cold) {
                document = std::make_unique<TSheetDocument>(ticks);
                document->SetDrawing(TZvDat{page});
            }
            const TStopwatch watch;
            paintView(newImage, [&](QPainter& painter) {
                TQPainterCanvas canvas(painter);
                PaintPageArea(canvas, page, document->PageIndex(), {}, dmSelected, scale, surface,
                              area);
            });
            if (i >= 0)
                run.Production.Add(watch.Milliseconds());
        }
        if (baseline && production)
            run.Identical = run.Identical && oldImage == newImage;
    }
    return run;
}

// The sheet shows another page and then this one: today's index syncs every
// shape of the page in full at the paint, the production one takes rough
// boxes and builds outlines only for the shapes it draws. A page never shown
// before (unseen) is built anew each time; otherwise the page was shown just
// before the other one, and the sheet kept what it had built for it.
TTimedRun RunFirstPaint(int shapeCount, int repeats, bool unseen, bool baseline, bool production) {
    const TViewScale view;
    const long double scale = view.ScreenScale();
    const TIrregularPage source = IrregularPage(shapeCount, PageSeed);
    const QSize size = PageSurfaceSize(source.Width, source.Height, scale);
    const TPixelRect surface{0, 0, size.width() - 1, size.height() - 1};
    const int left = std::max(0, (size.width() - ViewWidth) / 2);
    const int top = std::max(0, (size.height() - ViewHeight) / 2);
    const TPixelRect area =
        Intersected(surface, {left, top, left + ViewWidth - 1, top + ViewHeight - 1});
    const auto paintView = [&](TSurfaceImage& image, const auto& paint) {
        image.Paint(QRect(0, 0, ViewWidth, ViewHeight), [&](QPainter& painter) {
            painter.translate(-left, -top);
            painter.setClipRect(ToQRect(area));
            TQPainterCanvas canvas(painter);
            paint(canvas);
        });
    };
    const TPolygonTbl& page = source.Shapes;
    const TPolygonTbl other = IrregularPage(shapeCount, PageSeed + 1).Shapes;
    TStillTicks ticks;
    // Unseen, the other page comes first and two copies of the page after
    // it, shown in turn: the sheet keeps the indexes of the last two pages
    // shown, so each copy is new to it again. The second copy lies 0.01 mm
    // to the right, so that no shape of one copy is the same as its
    // counterpart in the other and every outline is built anew. Otherwise
    // the page comes first and the other second.
    TZvDat drawing{page, other};
    if (unseen) {
        TPolygonTbl moved = page;
        for (TPolygon& shape : moved)
            for (TPointF& point : shape.Apexes)
                point.X += 0.01L;
        drawing = {other, page, moved};
    }
    const int otherPage = unseen ? 0 : 1;
    TSheetDocument document(ticks);
    document.SetDrawing(std::move(drawing));
    today::TPageIndex todayIndex;
    TSurfaceImage oldImage(ViewWidth, ViewHeight), newImage(ViewWidth, ViewHeight);
    TTimedRun run;
    // One round is not timed: it paints the page to be shown again, or gives
    // the sheet the first page change of its run, which also makes room for
    // the index of a second page.
    for (int i = -1; i < repeats; ++i) {
        oldImage.Grey();
        newImage.Grey();
        const int shown = unseen ? 1 + (i + 1) % 2 : 0;
        const TPolygonTbl& shownPage = document.Drawing()[shown];
        if (baseline) {
            todayIndex.Sync(other); // the other page was shown
            const TStopwatch watch;
            todayIndex.Sync(shownPage);
            paintView(oldImage, [&](ICanvas& canvas) {
                today::PaintPageArea(canvas, shownPage, todayIndex, {}, dmSelected, scale, surface,
                                     area);
            });
            if (i >= 0)
                run.Baseline.Add(watch.Milliseconds());
        }
        if (production) {
            document.ChangePage(otherPage);
            document.PageIndex();
            document.ChangePage(shown);
            const TStopwatch watch;
            paintView(newImage, [&](ICanvas& canvas) {
                PaintPageArea(canvas, shownPage, document.PageIndex(), {}, dmSelected, scale,
                              surface, area);
            });
            if (i >= 0)
                run.Production.Add(watch.Milliseconds());
        }
        if (baseline && production)
            run.Identical = run.Identical && oldImage == newImage;
    }
    return run;
}

TTimedRun RunEditorDrag(int steps, bool baseline, bool production) {
    const TViewScale view;
    const long double scale = view.ScreenScale();
    const TPolygon start = LargeFlangedShape(500, PointF(175, 172), 150, ShapeSeed);
    constexpr int Vertex = 0;
    const QRect whole(0, 0, ViewWidth, ViewHeight);
    const TPixelRect surface{0, 0, ViewWidth - 1, ViewHeight - 1};

    // The production side drags through the editor's model, as the window's
    // mouse handlers do: a press on the vertex, then one move per step.
    TPolygon oldShape = start;
    TStillTicks ticks;
    TShapeEditorModel model(ticks);
    model.SetPolygon(start);
    model.StartRun();
    model.Press(start.Apexes[Vertex], false,
                TPickDistances{view.CloseDist(), view.ApexPickDist(), view.LinePickDist()});
    const TPolygon& newShape = model.Polygon();
    TPixelPoint oldCross, newCross;
    TSurfaceImage oldImage(ViewWidth, ViewHeight), newImage(ViewWidth, ViewHeight);
    TShapeRepaint repaint;
    const auto paintProduction = [&](const TPixelRect& area) {
        newImage.Paint(ToQRect(area), [&](QPainter& painter) {
            TQPainterCanvas canvas(painter);
            canvas.FillRect(area.Left, area.Top, area.Right, area.Bottom, ColorWhite);
            DrawCentroidCross(canvas, newShape, scale, newCross);
            repaint.Paint(canvas, area, newShape, -1, Vertex, scale, dmNormal);
        });
    };
    const auto paintBaseline = [&] {
        oldImage.Paint(whole, [&](QPainter& painter) {
            baseline::PaintEditor(painter, whole.size(), oldShape, -1, Vertex, scale, oldCross);
        });
    };
    paintBaseline();
    paintProduction(surface);

    std::mt19937 random(PathSeed);
    std::uniform_real_distribution<double> length(0.5, 3.0);
    std::uniform_real_distribution<double> turn(-0.6, 0.6);
    TPointF mouse = start.Apexes[Vertex];
    const TPointF press = mouse;
    long double heading = 0;
    TTimedRun run;
    run.Identical = oldImage == newImage;
    for (int step = 0; step < steps; ++step) {
        heading += turn(random);
        mouse = PointAt(mouse, length(random), heading);
        const TPixelPoint pixel = ModelToDevice(mouse, scale, scale);
        if (baseline) {
            const TStopwatch watch;
            const TPointF q = MousePosToMm(view, press, {}, pixel.X, pixel.Y);
            MoveApexKeepLen(oldShape, Vertex, q);
            paintBaseline();
            run.Baseline.Add(watch.Milliseconds());
        }
        if (production) {
            const TStopwatch watch;
            const TPointF q = MousePosToMm(view, model.LastPoint(), {}, pixel.X, pixel.Y);
            model.MoveTo(q, true);
            TPixelRect area = repaint.Changes(newShape, -1, Vertex, scale, dmNormal);
            TPointF centroid;
            TPixelPoint cross = newCross;
            if (PolygonCentroid(newShape.Apexes, centroid) > 0)
                cross = ModelToDevice(centroid, scale, scale);
            if (cross != newCross) {
                for (const TPixelPoint& p : {newCross, cross})
                    area = United(area, TPixelRect{p.X - 10, p.Y - 10, p.X + 10, p.Y + 10});
            }
            area = Intersected(area, surface);
            if (!area.IsEmpty())
                paintProduction(area);
            run.Production.Add(watch.Milliseconds());
        }
        if (baseline && production)
            run.Identical = run.Identical && SameBits(oldShape, newShape) && oldImage == newImage;
    }
    return run;
}
