// Repainting part of a sheet page: the pixels a shape's lines can cover, the
// area a drag step must repaint, and the paint of such an area, which leaves
// it exactly as painting the whole page would.
#pragma once

#include "drawing/canvas.h"
#include "drawing/draw_polygon.h"
#include "drawing/pixel_rect.h"
#include "geometry/page_index.h"
#include "geometry/polygon.h"

// The pixels the outline with flanges of the shape held in outline covers at
// scale, grown by a margin for the pixels a 1-pixel pen rounds onto and cut to
// surface.
TPixelRect ShapePixelArea(TOutlineCache& outline, long double scale, const TPixelRect& surface);

// The same over the selected shapes of the page shapes is synced with.
TPixelRect SelectionPixelArea(TPageIndex& shapes, const TDaInt& selection, long double scale,
                              const TPixelRect& surface);

// Paints area of the page's surface: white, then the shapes in page order,
// the selected ones in selectedMode and the others in dmNormal, their outlines
// taken from shapes, which must be synced with page. The canvas must be
// clipped to area.
void PaintPageArea(ICanvas& canvas, const TPolygonTbl& page, TPageIndex& shapes,
                   const TDaInt& selection, TDrawMode selectedMode, long double scale,
                   const TPixelRect& surface, const TPixelRect& area);
