// Wheel scrolling, zoom requests and the middle-button drag on a scroll area.
#include "view_navigator.h"

#include <QMouseEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QWheelEvent>

TViewNavigator::TViewNavigator(QScrollArea& area) : QObject(&area), Area(area) {
    area.viewport()->installEventFilter(this);
    if (area.widget() != nullptr)
        area.widget()->installEventFilter(this);
}

void TViewNavigator::KeepPointUnderPointer(const QPointF& surfacePos, const QPoint& viewPos,
                                           long double oldScale, long double newScale) {
    Area.horizontalScrollBar()->setValue(
        static_cast<int>(ScrollKeepingPoint(surfacePos.x(), viewPos.x(), oldScale, newScale)));
    Area.verticalScrollBar()->setValue(
        static_cast<int>(ScrollKeepingPoint(surfacePos.y(), viewPos.y(), oldScale, newScale)));
}

bool TViewNavigator::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::Wheel:
        return Wheel(watched, event);
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::MouseButtonRelease:
        return MiddleButton(event);
    default:
        return false;
    }
}

// A wheel turned on the surface reaches the viewport too when the surface
// lets it pass; it is taken where it arrives first.
bool TViewNavigator::Wheel(QObject* watched, QEvent* event) {
    const auto* wheel = static_cast<QWheelEvent*>(event);
    QWidget* surface = Area.widget();
    const QPointF viewPosF =
        watched == surface ? surface->mapTo(Area.viewport(), wheel->position()) : wheel->position();
    const QPoint viewPos = viewPosF.toPoint();
    const int delta =
        wheel->angleDelta().y() != 0 ? wheel->angleDelta().y() : wheel->angleDelta().x();
    if (wheel->modifiers().testFlag(Qt::ControlModifier)) {
        const int steps = FZoomNotches.Take(delta);
        if (steps != 0 && surface != nullptr)
            emit ZoomRequested(steps, surface->mapFrom(Area.viewport(), viewPosF), viewPos);
        return true;
    }
    // Shift turns the wheel sideways; a wheel that turns sideways itself does too.
    const bool sideways =
        wheel->modifiers().testFlag(Qt::ShiftModifier) || wheel->angleDelta().y() == 0;
    QScrollBar* bar = sideways ? Area.horizontalScrollBar() : Area.verticalScrollBar();
    const int extent = sideways ? Area.viewport()->width() : Area.viewport()->height();
    bar->setValue(bar->value() + WheelScrollPixels(delta, extent));
    return true;
}

bool TViewNavigator::MiddleButton(QEvent* event) {
    const auto* mouse = static_cast<QMouseEvent*>(event);
    const QPoint global = mouse->globalPosition().toPoint();
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        if (mouse->button() != Qt::MiddleButton)
            return false;
        FDragging = true;
        FDragStart = global;
        FScrollStart = {Area.horizontalScrollBar()->value(), Area.verticalScrollBar()->value()};
        Area.viewport()->setCursor(Qt::ClosedHandCursor);
        return true;
    case QEvent::MouseMove:
        if (!FDragging)
            return false;
        Area.horizontalScrollBar()->setValue(FScrollStart.x() - (global.x() - FDragStart.x()));
        Area.verticalScrollBar()->setValue(FScrollStart.y() - (global.y() - FDragStart.y()));
        return true;
    case QEvent::MouseButtonRelease:
        if (mouse->button() != Qt::MiddleButton || !FDragging)
            return false;
        FDragging = false;
        Area.viewport()->unsetCursor();
        return true;
    default:
        return false;
    }
}
