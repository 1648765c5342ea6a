// Today's drag step and page repaint as they stand, over today's page index:
// the sheet brings the whole page's index up to date on every use, four to
// five times a mouse event, and a repaint looks at every shape's box.
#pragma once

#include "document/sheet_document.h"
#include "drawing/canvas.h"
#include "drawing/draw_polygon.h"
#include "drawing/pixel_rect.h"
#include "today_collision.h"

namespace today {

TStepResult TryMoveStep(const TPolygonTbl& page, TPageIndex& shapes, int index,
                        const TPointF& downPoint, const TPointF& q, const TPlacementRules& rules,
                        TPolygon& candidate);
TStepResult TryRotateStep(const TPolygonTbl& page, TPageIndex& shapes, int index,
                          const TPointF& centre, long double angle, const TPlacementRules& rules,
                          TPolygon& candidate);

TPixelRect SelectionPixelArea(TPageIndex& shapes, const TDaInt& selection, long double scale,
                              const TPixelRect& surface);
void DrawPolygonTbl(ICanvas& canvas, const TPolygonTbl& page, TPageIndex& shapes,
                    const TPixelRect& area, int skipIndex, long double scaleX, long double scaleY,
                    const TDaInt& selection, TDrawMode otherMode, TDrawMode selectedMode);
void PaintPageArea(ICanvas& canvas, const TPolygonTbl& page, TPageIndex& shapes,
                   const TDaInt& selection, TDrawMode selectedMode, long double scale,
                   const TPixelRect& surface, const TPixelRect& area);

// The sheet's page as the drag sees it: its shapes, the selection and the
// index, synced in full whenever it is asked for.
class TDragPage {
public:
    TDragPage(TPolygonTbl page, TDaInt selection)
        : FPage(std::move(page)), FSelection(std::move(selection)) {}
    const TPolygonTbl& Page() const { return FPage; }
    const TDaInt& Selection() const { return FSelection; }
    TPageIndex& PageIndex() {
        FIndex.Sync(FPage);
        return FIndex;
    }
    TDragStepResult MoveSelection(const TPointF& downPoint, const TPointF& q,
                                  const TPlacementRules& rules, const TGrip& grip);
    TDragStepResult RotateSelection(const TPointF& downPoint, const TPointF& q,
                                    const TPlacementRules& rules, const TGrip& grip);

private:
    template <class TTryStep>
    TDragStepResult DragSelection(const TPointF& q, const TGrip& grip, TTryStep tryStep);

    TPolygonTbl FPage;
    TDaInt FSelection;
    TPageIndex FIndex;
};

} // namespace today
