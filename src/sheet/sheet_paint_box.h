// The sheet's paint surface: a white widget of exactly the page's drawing-area
// size that hands its paint and mouse events to the sheet window.
#pragma once

#include <QWidget>

class QPainter;

class TSheetPaintBox : public QWidget {
    Q_OBJECT

public:
    explicit TSheetPaintBox(QWidget* parent = nullptr);

signals:
    // painter is clipped to the exposed part of the surface, which is all that
    // needs painting: at a high zoom the surface is far larger than the screen.
    void Paint(QPainter& painter);
    void MouseDown(QMouseEvent* event);
    void MouseMove(QMouseEvent* event);
    void MouseUp(QMouseEvent* event);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};
