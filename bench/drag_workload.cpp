// The drag workloads. A step does what the sheet's mouse-move handler does for
// a move or rotation (convert the mouse position, take the selection's area,
// step the selection, send the pointer back after a collision) and then paints
// the union of the areas before and after into an image clipped to it, as the
// paint event that follows would.
#include "drag_workload.h"

#include "baseline_drawing.h"
#include "baseline_placement.h"
#include "crowded_page.h"
#include "document/sheet_document.h"
#include "drawing/mouse_position.h"
#include "drawing/page_repaint.h"
#include "drawing/view_scale.h"
#include "geometry/plane_geometry.h"
#include "history/tick_counter.h"
#include "irregular_page.h"
#include "page_surface.h"
#include "qpainter_canvas.h"
#include "today_drag.h"

#include <QPainter>

#include <cmath>
#include <random>

namespace {

constexpr std::uint32_t PageSeed = 13;
constexpr std::uint32_t PathSeed = 7;

class TStillTicks : public ITickCounter {
public:
    std::uint32_t Now() override { return 0; }
};

// One scripted mouse step: a length in mm, and a turn of the walking direction
// (moves) or the side of the turn (rotations).
struct TScriptStep {
    long double Length = 0;
    long double Turn = 0;
    bool Reverse = false;
};

std::vector<TScriptStep> Script(int steps) {
    std::mt19937 random(PathSeed);
    std::uniform_real_distribution<double> length(0.5, 3.0);
    std::uniform_real_distribution<double> turn(-0.6, 0.6);
    std::uniform_real_distribution<double> chance(0, 1);
    std::vector<TScriptStep> script;
    for (int i = 0; i < steps; ++i)
        script.push_back({length(random), turn(random), chance(random) < 0.08});
    return script;
}

// The shape nearest the middle of the page, hemmed in on every side.
int MiddleShape(const TPolygonTbl& page, long double width, long double height) {
    const TPointF middle = PointF(width / 2, height / 2);
    int best = 0;
    long double bestDistance = 1e30L;
    for (int i = 0; i < static_cast<int>(page.size()); ++i) {
        TPointF centroid;
        PolygonCentroid(page[i].Apexes, centroid);
        const long double d = PointDistance(centroid, middle);
        if (d < bestDistance) {
            best = i;
            bestDistance = d;
        }
    }
    return best;
}

QRect ToQRect(const TPixelRect& rect) {
    if (rect.IsEmpty())
        return {};
    return QRect(QPoint(static_cast<int>(rect.Left), static_cast<int>(rect.Top)),
                 QPoint(static_cast<int>(rect.Right), static_cast<int>(rect.Bottom)));
}

bool SameResult(const TDragStepResult& a, const TDragStepResult& b) {
    return a.Changed == b.Changed && a.Collided == b.Collided &&
           SameBits(a.GripPoint, b.GripPoint) && SameBits(a.NextDownPoint, b.NextDownPoint);
}

// The pointer of one side of the run: where the mouse is, in mm, and the
// state the sheet keeps between steps.
struct TPointer {
    TPointF Mouse;
    TPointF DownPoint;
    long double Heading = 0;
    bool Clockwise = true;
};

TPixelPoint PixelAt(const TPointF& mouse, long double scale) {
    return ModelToDevice(mouse, scale, scale);
}

// The next mouse position: a walk for moves, an arc about the selection's
// centroid for rotations.
void Advance(TPointer& pointer, const TScriptStep& step, TDragKind kind, const TPointF& centre) {
    if (kind == TDragKind::Move) {
        pointer.Heading += step.Turn;
        pointer.Mouse = PointAt(pointer.Mouse, step.Length, pointer.Heading);
        return;
    }
    if (step.Reverse)
        pointer.Clockwise = !pointer.Clockwise;
    const long double radius = PointDistance(centre, pointer.Mouse);
    const long double turn = (pointer.Clockwise ? 1 : -1) * step.Length / radius;
    pointer.Mouse = PointAt(centre, radius, PointDirection(centre, pointer.Mouse) + turn);
}

// After a collision the sheet puts the pointer on the grab point.
void Follow(TPointer& pointer, const TDragStepResult& result, long double scale) {
    if (result.Collided) {
        const TPixelPoint pixel = PixelAt(result.GripPoint, scale);
        pointer.Mouse = DeviceToModel(pixel, scale, scale);
    }
    pointer.DownPoint = result.NextDownPoint;
}

// The page, pointer and surface image of one side of the run, and what its
// last step did.
struct TDragSide {
    TPointer Pointer;
    TSurfaceImage Image;
    TPixelRect Area;
    TDragStepResult Result;
    double RepaintMs = 0;
    double HandlerMs = 0;
};

// What both sides share: the view, the page's surface, the rules and the grab.
struct TDragSetup {
    TViewScale View;
    long double Scale = 0;
    QSize Size;
    TPixelRect Surface;
    QRect SurfaceRect;
    TPlacementRules Rules;
    TDaInt Selection;
    TGrip Grip;
    TDragKind Kind = TDragKind::Move;
};

// Today's step: the selection's area from outlines built anew, the step, the
// area after it, and the whole page painted under the clip of their union.
void BaselineStep(const TDragSetup& setup, TPolygonTbl& page, TDragSide& side) {
    const TStopwatch handler;
    const long double scale = setup.Scale;
    const TPixelPoint pixel = PixelAt(side.Pointer.Mouse, scale);
    const TPointF q = MousePosToMm(setup.View, side.Pointer.DownPoint, {}, pixel.X, pixel.Y);
    const QRect before = baseline::SelectionArea(page, setup.Selection, scale, setup.SurfaceRect);
    side.Result = setup.Kind == TDragKind::Move
                      ? baseline::MoveSelection(page, setup.Selection, side.Pointer.DownPoint, q,
                                                setup.Rules, setup.Grip)
                      : baseline::RotateSelection(page, setup.Selection, side.Pointer.DownPoint, q,
                                                  setup.Rules, setup.Grip);
    Follow(side.Pointer, side.Result, scale);
    side.Area = {};
    side.RepaintMs = 0;
    side.HandlerMs = handler.Milliseconds();
    if (!side.Result.Changed)
        return;
    const QRect area =
        before.united(baseline::SelectionArea(page, setup.Selection, scale, setup.SurfaceRect));
    side.Area = {area.left(), area.top(), area.right(), area.bottom()};
    side.HandlerMs = handler.Milliseconds();
    const TStopwatch watch;
    side.Image.Paint(area, [&](QPainter& painter) {
        baseline::PaintSheet(painter, setup.Size, page, setup.Selection, true, scale);
    });
    side.RepaintMs = watch.Milliseconds();
}

// Today's sheet step: as the production step, over today's index.
void TodayStep(const TDragSetup& setup, today::TDragPage& page, TDragSide& side) {
    const TStopwatch handler;
    const long double scale = setup.Scale;
    const TPixelPoint pixel = PixelAt(side.Pointer.Mouse, scale);
    const TPointF q = MousePosToMm(setup.View, side.Pointer.DownPoint, {}, pixel.X, pixel.Y);
    const TPixelRect before =
        today::SelectionPixelArea(page.PageIndex(), setup.Selection, scale, setup.Surface);
    side.Result = setup.Kind == TDragKind::Move
                      ? page.MoveSelection(side.Pointer.DownPoint, q, setup.Rules, setup.Grip)
                      : page.RotateSelection(side.Pointer.DownPoint, q, setup.Rules, setup.Grip);
    Follow(side.Pointer, side.Result, scale);
    side.Area = {};
    side.RepaintMs = 0;
    if (side.Result.Changed)
        side.Area = United(before, today::SelectionPixelArea(page.PageIndex(), setup.Selection,
                                                             scale, setup.Surface));
    side.HandlerMs = handler.Milliseconds();
    if (!side.Result.Changed)
        return;
    const TStopwatch watch;
    side.Image.Paint(ToQRect(side.Area), [&](QPainter& painter) {
        TQPainterCanvas canvas(painter);
        today::PaintPageArea(canvas, page.Page(), page.PageIndex(), setup.Selection, dmXor, scale,
                             setup.Surface, side.Area);
    });
    side.RepaintMs = watch.Milliseconds();
}

// The sheet's step: as its mouse-move handler runs it, and its paint event.
void ProductionStep(const TDragSetup& setup, TSheetDocument& document, TDragSide& side) {
    const TStopwatch handler;
    const long double scale = setup.Scale;
    const TPixelPoint pixel = PixelAt(side.Pointer.Mouse, scale);
    const TPointF q = MousePosToMm(setup.View, side.Pointer.DownPoint, {}, pixel.X, pixel.Y);
    const TPixelRect before =
        SelectionPixelArea(document.PageIndex(), setup.Selection, scale, setup.Surface);
    side.Result =
        setup.Kind == TDragKind::Move
            ? document.MoveSelection(side.Pointer.DownPoint, q, setup.Rules, setup.Grip)
            : document.RotateSelection(side.Pointer.DownPoint, q, setup.Rules, setup.Grip);
    Follow(side.Pointer, side.Result, scale);
    side.Area = {};
    side.RepaintMs = 0;
    if (side.Result.Changed)
        side.Area = United(before, SelectionPixelArea(document.PageIndex(), setup.Selection, scale,
                                                      setup.Surface));
    side.HandlerMs = handler.Milliseconds();
    if (!side.Result.Changed)
        return;
    const TStopwatch watch;
    side.Image.Paint(ToQRect(side.Area), [&](QPainter& painter) {
        TQPainterCanvas canvas(painter);
        PaintPageArea(canvas, document.Drawing()[document.CurPage()], document.PageIndex(),
                      setup.Selection, dmXor, scale, setup.Surface, side.Area);
    });
    side.RepaintMs = watch.Milliseconds();
}

} // namespace

TDragRun RunDrag(const TDragWorkload& workload, bool baseline, bool production) {
    const bool irregular = workload.Shapes > 0;
    TIrregularPage source;
    if (irregular)
        source = IrregularPage(workload.Shapes, PageSeed);
    else
        source = {CrowdedPage(PageSeed), CrowdedPageWidth, CrowdedPageHeight};
    TDragSetup setup;
    setup.Scale = setup.View.ScreenScale();
    setup.Size = PageSurfaceSize(source.Width, source.Height, setup.Scale);
    setup.Surface = {0, 0, setup.Size.width() - 1, setup.Size.height() - 1};
    setup.SurfaceRect = QRect(QPoint(0, 0), setup.Size);
    setup.Rules = {workload.KeepInside, workload.AvoidOverlap, workload.AutoRotate, source.Width,
                   source.Height};
    setup.Kind = workload.Kind;
    const TPolygonTbl& page = source.Shapes;
    const int index = MiddleShape(page, source.Width, source.Height);
    setup.Selection = {index};

    // The grab: near the centroid for a move, farther out for a rotation.
    TPointF centroid;
    PolygonCentroid(page[index].Apexes, centroid);
    const bool move = workload.Kind == TDragKind::Move;
    const TPointF press = move ? centroid : PointF(centroid.X + 9.5L, centroid.Y);
    setup.Grip = GripOf(page[index], press);
    TPointer start;
    start.Mouse = press;
    start.DownPoint = move ? SnapToGrid(page[index], press, setup.View.GridStep()) : press;

    TPolygonTbl baselinePage = irregular ? TPolygonTbl() : page;
    today::TDragPage todayPage(irregular ? page : TPolygonTbl(), setup.Selection);
    TStillTicks ticks;
    TSheetDocument document(ticks);
    document.SetDrawing(TZvDat{page});
    document.Select(index);
    TDragSide old{start, TSurfaceImage(setup.Size.width(), setup.Size.height()), {}, {}};
    TDragSide now{start, TSurfaceImage(setup.Size.width(), setup.Size.height()), {}, {}};
    // The drag starts with a paint of the whole page, the dragged shape in not-xor.
    old.Image.Paint(setup.SurfaceRect, [&](QPainter& painter) {
        if (!irregular) {
            baseline::PaintSheet(painter, setup.Size, baselinePage, setup.Selection, true,
                                 setup.Scale);
            return;
        }
        TQPainterCanvas canvas(painter);
        today::PaintPageArea(canvas, page, todayPage.PageIndex(), setup.Selection, dmXor,
                             setup.Scale, setup.Surface, setup.Surface);
    });
    now.Image.Paint(setup.SurfaceRect, [&](QPainter& painter) {
        TQPainterCanvas canvas(painter);
        PaintPageArea(canvas, page, document.PageIndex(), setup.Selection, dmXor, setup.Scale,
                      setup.Surface, setup.Surface);
    });

    TDragRun run;
    run.Identical = !(baseline && production) || old.Image == now.Image;
    for (const TScriptStep& step : Script(workload.Steps)) {
        const TPolygonTbl& oldPage = irregular ? todayPage.Page() : baselinePage;
        if (baseline) {
            Advance(old.Pointer, step, workload.Kind, SelectionCentroid(oldPage, setup.Selection));
            const TStopwatch watch;
            if (irregular)
                TodayStep(setup, todayPage, old);
            else
                BaselineStep(setup, baselinePage, old);
            run.Baseline.Add(watch.Milliseconds());
            run.BaselineRepaint.Add(old.RepaintMs);
            run.BaselineHandler.Add(old.HandlerMs);
        }
        if (production) {
            Advance(now.Pointer, step, workload.Kind,
                    SelectionCentroid(document.Drawing()[0], setup.Selection));
            const TStopwatch watch;
            ProductionStep(setup, document, now);
            run.Production.Add(watch.Milliseconds());
            run.ProductionRepaint.Add(now.RepaintMs);
            run.ProductionHandler.Add(now.HandlerMs);
        }
        const TDragStepResult& result = production ? now.Result : old.Result;
        run.Refused += result.Changed ? 0 : 1;
        run.Turned += result.Changed && result.Collided ? 1 : 0;
        if (baseline && production) {
            run.Identical = run.Identical && SameResult(old.Result, now.Result) &&
                            old.Area == now.Area && SameBits(oldPage, document.Drawing()[0]) &&
                            old.Image == now.Image;
        }
    }
    return run;
}
