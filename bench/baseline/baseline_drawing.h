// Today's repaint paths as they stand: shape drawing that computes every
// flange anew, the sheet's paint of the whole page under any clip and the
// pixel area of a dragged shape, and the editor's paint of its whole surface,
// all through today's canvas.
#pragma once

#include "drawing/canvas.h"
#include "drawing/draw_polygon.h"
#include "geometry/plane_geometry.h"
#include "geometry/polygon.h"

#include <QRect>

class QPainter;

namespace baseline {

void DrawPolygon(ICanvas& canvas, const TPolygon& polygon, int mark1, int mark2, long double scaleX,
                 long double scaleY, TDrawMode mode);
void DrawPolygonTbl(ICanvas& canvas, const TPolygonTbl& page, int skipIndex, long double scaleX,
                    long double scaleY, const TDaInt& selection, TDrawMode otherMode,
                    TDrawMode selectedMode);

// The sheet: the pixels a shape covers, the union over the selection, and the
// paint of the surface (painter clipped to the update area).
QRect ShapeArea(const TPolygon& shape, long double scale, const QRect& surface);
QRect SelectionArea(const TPolygonTbl& page, const TDaInt& selection, long double scale,
                    const QRect& surface);
void PaintSheet(QPainter& painter, const QSize& surface, const TPolygonTbl& page,
                const TDaInt& selection, bool dragging, long double scale);

// The editor: its whole surface with the centroid cross and the shape.
// centroidMark keeps the cross's place from paint to paint.
void PaintEditor(QPainter& painter, const QSize& surface, const TPolygon& polygon, int mark1,
                 int mark2, long double scale, TPixelPoint& centroidMark);

} // namespace baseline
