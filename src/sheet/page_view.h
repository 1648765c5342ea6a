// The sheet's view of its current page: the paint surface of the page's
// drawing area in a scroll box, at the sheet's own view scale, painted with
// the selection and what the gesture in progress shows.
#pragma once

#include "drawing/print_layout.h"
#include "drawing/view_scale.h"
#include "geometry/bounding_box.h"
#include "geometry/plane_geometry.h"
#include "geometry/polygon.h"

#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QScrollArea>

class QPainter;
class TPaintSurface;
class TSheetDocument;
class TViewNavigator;

class TPageView : public QScrollArea {
    Q_OBJECT

public:
    explicit TPageView(TSheetDocument& document, QWidget* parent = nullptr);

    // The sheet's own scale: the shape editor's zoom never changes it.
    const TViewScale& Scale() const { return FScale; }
    // Draws nothing and resizes nothing.
    void SetZoom(long double zoom) { FScale.SetZoom(zoom); }
    // The surface takes the page's drawing area at the current scale; shapes
    // that reach outside printable (in the page's mm) are outlined in red.
    void ShowPageArea(const TPageAreaMm& area, const TBox& printable);
    // Ctrl and the wheel: steps zoom steps in (positive) or out, the point at
    // surfacePos on the surface kept under the pointer at viewPos. A rubber
    // band is held in surface pixels, so none is taken while one is drawn.
    void ZoomAbout(int steps, const QPointF& surfacePos, const QPoint& viewPos);
    // The surface whose mouse events the gestures take.
    TPaintSurface* Surface() const { return PaintBox1; }

    void Repaint();
    void RepaintArea(const QRect& area);
    // While a gesture is in progress the selected shapes are drawn in not-xor,
    // so that the images it erases and redraws stay consistent; a rubber band
    // is drawn over everything.
    void ShowGesture(bool selectionInXor, bool rubberBand);
    // Moves the rubber band's corners (surface pixels) and repaints where it
    // was and where it is now.
    void SetRubberBand(const TPixelPoint& start, const TPixelPoint& end);
    const TPixelPoint& RubberStart() const { return FRubberStart; }
    const TPixelPoint& RubberEnd() const { return FRubberEnd; }

    // The surface pixels the selected shapes cover; empty when none.
    QRect SelectionArea();
    // Scrolls the centroid of shape into the middle of the view; no shape, or
    // one without area (and so without centroid), leaves the view where it is.
    void CentreOn(const TPolygon* shape);

    // Between millimetres on the page and global screen positions.
    QPoint GlobalOf(const TPointF& point) const;
    TPointF PointAtGlobal(const QPoint& global) const;

private:
    void PbPaint(QPainter& painter);
    QRect RubberBandArea() const;

    TSheetDocument& Document;
    TViewScale FScale;
    TBox FPrintable;
    TPageAreaMm FPageArea;
    TViewNavigator* Navigator = nullptr;
    TPaintSurface* PaintBox1 = nullptr;
    bool FSelectionInXor = false;
    bool FRubberBand = false;
    // The rubber band's corners in surface pixels: where it started, where it is.
    TPixelPoint FRubberStart;
    TPixelPoint FRubberEnd;
};
