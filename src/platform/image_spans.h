// Pixel spans written straight into the image a raster painter draws on.
// A page of slanted lines is hundreds of thousands of spans of one to three
// pixels; through the paint engine each costs a trip through its clipping and
// blending, here a store or two.
#pragma once

#include <QPoint>
#include <QRect>
#include <QRgb>
#include <QVarLengthArray>

class QPainter;

class TImageSpans {
public:
    // Usable only when writing gives exactly the pixels the painter would:
    // its raster engine draws onto a 32-bit RGB or premultiplied ARGB image
    // that it alone holds, through an integer translation, at full opacity.
    // The painter's own clip is read as a region, so it must be made of whole
    // pixels (rectangles), as every clip the canvas's users set is.
    explicit TImageSpans(QPainter& painter);

    bool Usable() const { return FBits != nullptr; }

    // The inclusive rectangle of logical pixels, cut to the clip, in an
    // opaque colour: copied, or in not-xor mode each pixel's colour channels
    // set to NOT (colour XOR pixel), its alpha kept, as the painter's
    // RasterOp_NotSourceXorDestination does.
    void Fill(const QRect& rect, QRgb color, bool notXor);

    // The clip as disjoint rectangles of logical pixels.
    const QVarLengthArray<QRect, 4>& Clip() const { return FLogicalClip; }
    // Fill for a rectangle that lies inside one of the clip's rectangles, as
    // the pixels of a line walked inside it do: written without being cut.
    void FillInside(const QRect& rect, QRgb color, bool notXor) {
        FillDevice(rect.translated(FOffset), color, notXor);
    }

    // The same for one pixel.
    void SetInside(int x, int y, QRgb color, bool notXor) {
        auto* pixel =
            reinterpret_cast<quint32*>(FBits + (y + FOffset.y()) * FStride) + (x + FOffset.x());
        const quint32 source = 0xFF000000u | color;
        *pixel = notXor ? ~(source ^ *pixel) : source;
    }

private:
    void FillDevice(const QRect& deviceRect, QRgb color, bool notXor);

    uchar* FBits = nullptr;
    qsizetype FStride = 0;
    QPoint FOffset;                  // from logical to image pixels
    QVarLengthArray<QRect, 4> FClip; // disjoint, in image pixels
    QVarLengthArray<QRect, 4> FLogicalClip;
};
