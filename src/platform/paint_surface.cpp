// The drawing surface. It keeps no image of itself: every paint event draws the
// exposed part straight onto the window, so memory does not grow with the zoom.
#include "paint_surface.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

TPaintSurface::TPaintSurface(QWidget* parent) : QWidget(parent) {
    // The owner paints every exposed pixel itself, white first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    // The status line and the rubber band follow the mouse with no button held.
    setMouseTracking(true);
}

void TPaintSurface::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    // The canvas reads this clip to skip what is not exposed.
    painter.setClipRect(event->rect());
    emit Paint(painter);
}

void TPaintSurface::mousePressEvent(QMouseEvent* event) {
    emit MouseDown(event);
}

void TPaintSurface::mouseMoveEvent(QMouseEvent* event) {
    emit MouseMove(event);
}

void TPaintSurface::mouseReleaseEvent(QMouseEvent* event) {
    emit MouseUp(event);
}

// A double click is a second press first, so that a window that knows no
// double clicks sees two presses.
void TPaintSurface::mouseDoubleClickEvent(QMouseEvent* event) {
    emit MouseDown(event);
    emit DoubleClick(event);
}
