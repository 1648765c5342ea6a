// Today's canvas over a QPainter as it stands, which asks the painter for its
// visible bounds on every line, and today's model-to-pixel conversion, for the
// benchmarks' baseline repaints.
#pragma once

#include "drawing/canvas.h"
#include "geometry/plane_geometry.h"

#include <QColor>
#include <QRect>
#include <cstdint>

class QPainter;

namespace baseline {

// ModelToDevice as it stands, rounding with nearbyintl.
TPixelPoint ModelToDevice(const TPointF& p, long double scaleX, long double scaleY);

class TQPainterCanvas : public ICanvas {
public:
    // The painter must be active; its state is restored when the canvas goes.
    // Coordinates are the painter's logical pixels, which should map to device
    // pixels by at most a translation.
    explicit TQPainterCanvas(QPainter& painter);
    ~TQPainterCanvas() override;
    TQPainterCanvas(const TQPainterCanvas&) = delete;
    TQPainterCanvas& operator=(const TQPainterCanvas&) = delete;

    void SetPenMode(TPenMode mode) override;
    void SetPenColor(TColor color) override;
    void SetPenStyle(TPenStyle style) override;

    void MoveTo(std::int64_t x, std::int64_t y) override;
    void LineTo(std::int64_t x, std::int64_t y) override;

    void FrameRect(std::int64_t left, std::int64_t top, std::int64_t right,
                   std::int64_t bottom) override;
    void FillRect(std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom,
                  TColor color) override;

    std::int64_t TextWidth(std::string_view text) override;
    std::int64_t TextHeight(std::string_view text) override;
    void TextOut(std::int64_t x, std::int64_t y, std::string_view text) override;

    int FontEscapement() const override { return FEscapement; }
    void SetFontEscapement(int tenthsOfDegree) override { FEscapement = tenthsOfDegree; }

private:
    struct TBounds {
        std::int64_t Left = 0;
        std::int64_t Top = 0;
        std::int64_t Right = -1; // inclusive; Right < Left is empty
        std::int64_t Bottom = -1;
    };

    TBounds VisibleBounds() const;
    void DrawLine(std::int64_t x0, std::int64_t y0, std::int64_t x1, std::int64_t y1);
    // Paints the inclusive pixel rectangle, cut to bounds, in the pen's mode.
    void PaintSpan(const TBounds& bounds, std::int64_t left, std::int64_t top, std::int64_t right,
                   std::int64_t bottom, const QColor& color, TPenMode mode);

    QPainter& FPainter;
    TPenMode FPenMode = TPenMode::Copy;
    QColor FPenColor = Qt::black;
    TPenStyle FPenStyle = TPenStyle::Solid;
    std::int64_t FPenX = 0;
    std::int64_t FPenY = 0;
    int FEscapement = 0;
};

} // namespace baseline
