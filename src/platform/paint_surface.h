// A window's drawing surface: a widget of exactly the page's drawing-area size
// that hands its paint and mouse events to the window that owns it.
#pragma once

#include <QWidget>

class QMouseEvent;
class QPainter;

class TPaintSurface : public QWidget {
    Q_OBJECT

public:
    explicit TPaintSurface(QWidget* parent = nullptr);

signals:
    // painter is clipped to the exposed part of the surface, which is all that
    // needs painting: at a high zoom the surface is far larger than the screen.
    void Paint(QPainter& painter);
    void MouseDown(const QMouseEvent* event);
    void MouseMove(const QMouseEvent* event);
    void MouseUp(const QMouseEvent* event);
    // The second press of a double click, after it has come as MouseDown.
    void DoubleClick(const QMouseEvent* event);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};
