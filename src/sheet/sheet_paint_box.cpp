// The sheet's paint surface. It keeps no image of itself: every paint event
// draws the exposed part straight onto the window, so memory does not grow with
// the zoom.
#include "sheet_paint_box.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

TSheetPaintBox::TSheetPaintBox(QWidget* parent) : QWidget(parent) {
    // The sheet paints every exposed pixel itself, white first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    // The status line follows the mouse with no button held.
    setMouseTracking(true);
}

void TSheetPaintBox::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    // The canvas reads this clip to skip what is not exposed.
    painter.setClipRect(event->rect());
    emit Paint(painter);
}

// A double click is a second press: the sheet knows no double clicks.
void TSheetPaintBox::mousePressEvent(QMouseEvent* event) {
    emit MouseDown(event);
}

void TSheetPaintBox::mouseMoveEvent(QMouseEvent* event) {
    emit MouseMove(event);
}

void TSheetPaintBox::mouseReleaseEvent(QMouseEvent* event) {
    emit MouseUp(event);
}
