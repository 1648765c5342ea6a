// The editor's drawing surface. It keeps no image of itself: every paint event
// draws the exposed part straight onto the window, so memory does not grow
// with the zoom.
#include "polygon_paint_box.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

TPolygonPaintBox::TPolygonPaintBox(QWidget* parent) : QWidget(parent) {
    // The editor paints every exposed pixel itself, white first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    // The status line and the rubber band follow the mouse with no button held.
    setMouseTracking(true);
}

void TPolygonPaintBox::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    // The canvas reads this clip to skip what is not exposed.
    painter.setClipRect(event->rect());
    emit Paint(painter);
}

void TPolygonPaintBox::mousePressEvent(QMouseEvent* event) {
    emit MouseDown(event);
}

void TPolygonPaintBox::mouseMoveEvent(QMouseEvent* event) {
    emit MouseMove(event);
}

void TPolygonPaintBox::mouseReleaseEvent(QMouseEvent* event) {
    emit MouseUp(event);
}
