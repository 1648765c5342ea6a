// The canvas over a QPainter, for the screen and the printer: lines are
// rasterised here, clipped to what the painter can show, so that their pixels
// and not-xor toggling are exact and far-off lines cost nothing.
#pragma once

#include "drawing/canvas.h"
#include "image_spans.h"

#include <QColor>
#include <QRect>
#include <QVarLengthArray>
#include <cstdint>
#include <optional>

class QPainter;

// How the canvas hands its pixel spans on: straight into the painter's image
// wherever that gives the painter's own pixels, or always through the painter
// (for tests that compare the two).
enum class TSpanPath { ImageWhenExact, PainterOnly };

class TQPainterCanvas : public ICanvas {
public:
    // The painter must be active; its state is restored when the canvas goes.
    // Coordinates are the painter's logical pixels, which should map to device
    // pixels by at most a translation. The painter's transform and clip are
    // taken as they are when the canvas first draws; its pen and brush are the
    // canvas's own while it lives.
    explicit TQPainterCanvas(QPainter& painter, TSpanPath path = TSpanPath::ImageWhenExact);
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
    TBounds PainterBounds() const;
    static bool ClipToBounds(const TBounds& bounds, std::int64_t left, std::int64_t top,
                             std::int64_t right, std::int64_t bottom, QRect& rect);

    // The pixel rectangles of one line, cut to the visible bounds.
    struct TSpanBatch {
        QVarLengthArray<QRect, 64> Rects;
        void Add(const TBounds& bounds, std::int64_t left, std::int64_t top, std::int64_t right,
                 std::int64_t bottom);
    };

    template <class TSpan>
    static void WalkLine(std::int64_t x0, std::int64_t y0, std::int64_t x1, std::int64_t y1,
                         const TBounds& bounds, bool dotted, TSpan span);
    template <class TPixel>
    static void WalkPixels(std::int64_t x0, std::int64_t y0, std::int64_t x1, std::int64_t y1,
                           const TBounds& bounds, bool dotted, TPixel pixel);
    void DrawLine(std::int64_t x0, std::int64_t y0, std::int64_t x1, std::int64_t y1);
    // Paints the spans in the pen's colour and mode.
    void PaintSpans(const TSpanBatch& spans);
    // Paints the inclusive pixel rectangle, cut to bounds, in the pen's mode.
    void PaintSpan(const TBounds& bounds, std::int64_t left, std::int64_t top, std::int64_t right,
                   std::int64_t bottom, const QColor& color, TPenMode mode);

    // The painter's image, when spans can be written into it; found with the
    // bounds.
    TImageSpans* ImageSpans();

    QPainter& FPainter;
    const TSpanPath FSpanPath;
    std::optional<TImageSpans> FImageSpans;
    TPenMode FPenMode = TPenMode::Copy;
    QColor FPenColor = Qt::black;
    TPenStyle FPenStyle = TPenStyle::Solid;
    std::int64_t FPenX = 0;
    std::int64_t FPenY = 0;
    int FEscapement = 0;
    // Whether the painter's pen is off and its brush FFillColor, for spans.
    bool FFillReady = false;
    QColor FFillColor;
    mutable bool FBoundsKnown = false;
    mutable TBounds FBounds;
};
