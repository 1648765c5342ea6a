// The shape editor's drawing surface: a white widget of one printable page at
// the editor's zoom that hands its paint and mouse events to the editor window.
#pragma once

#include <QWidget>

class QMouseEvent;
class QPainter;

class TPolygonPaintBox : public QWidget {
    Q_OBJECT

public:
    explicit TPolygonPaintBox(QWidget* parent = nullptr);

signals:
    // painter is clipped to the exposed part of the surface, which is all that
    // needs painting: at a high zoom the surface is far larger than the screen.
    void Paint(QPainter& painter);
    void MouseDown(const QMouseEvent* event);
    void MouseMove(const QMouseEvent* event);
    void MouseUp(const QMouseEvent* event);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};
