// Repainting one shape on a surface of its own, as the shape editor does: the
// shape as last drawn, so that a change names only the pixels it touches
// (the sides, flanges, fold lines and marks that moved, where they were and
// where they are), and the drawing of such an area alone.
#pragma once

#include "drawing/canvas.h"
#include "drawing/draw_polygon.h"
#include "drawing/pixel_rect.h"
#include "geometry/outline_cache.h"
#include "geometry/polygon.h"

class TShapeRepaint {
public:
    // Draws the shape into area (which must hold the canvas's clip) exactly as
    // DrawPolygon draws it there, and takes it as the shape shown.
    void Paint(ICanvas& canvas, const TPixelRect& area, const TPolygon& polygon, int mark1,
               int mark2, long double scale, TDrawMode mode);

    // The pixels at scale where the shape shown and polygon, drawn with these
    // marks and mode, can differ; polygon becomes the shape shown. Everything
    // either covers when the vertex count, the fold lines, the mode or the
    // order of the outline changed.
    TPixelRect Changes(const TPolygon& polygon, int mark1, int mark2, long double scale,
                       TDrawMode mode);

private:
    TPixelRect SidePixels(int side, long double scale);
    TPixelRect MarkPixels(int mark, long double scale) const;
    TPixelRect Everything(long double scale);
    void Take(const TPolygon& polygon, int mark1, int mark2, TDrawMode mode);

    TOutlineCache FOutline;
    std::array<TDaBendLine, 2> FBendLines;
    int FMark1 = -1;
    int FMark2 = -1;
    TDrawMode FMode = dmNormal;
    bool FShown = false;
};
