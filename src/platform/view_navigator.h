// The wheel and the middle button on a scrolled drawing surface, as both
// windows that show a page take them: the wheel scrolls (sideways with
// Shift), Ctrl and the wheel ask for zoom steps about the pointer, and the
// middle button drags the view. Left-button gestures never see these events.
#pragma once

#include "drawing/view_zoom.h"

#include <QObject>
#include <QPoint>
#include <QPointF>

class QScrollArea;

class TViewNavigator : public QObject {
    Q_OBJECT

public:
    // Watches area's viewport and the surface it scrolls.
    explicit TViewNavigator(QScrollArea& area);

    // After the surface took the scale newScale: scrolls so that the surface
    // point that stood at surfacePos at oldScale stands under viewPos again.
    void KeepPointUnderPointer(const QPointF& surfacePos, const QPoint& viewPos,
                               long double oldScale, long double newScale);

    bool IsDragging() const { return FDragging; }

signals:
    // steps zoom steps in (positive) or out, about the pointer at surfacePos
    // on the surface and viewPos in the viewport.
    void ZoomRequested(int steps, const QPointF& surfacePos, const QPoint& viewPos);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool Wheel(QObject* watched, QEvent* event);
    bool MiddleButton(QEvent* event);

    QScrollArea& Area;
    TWheelNotches FZoomNotches;
    bool FDragging = false;
    QPoint FDragStart;   // global pointer position where the drag began
    QPoint FScrollStart; // the scroll positions then
};
