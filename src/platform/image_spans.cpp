// Pixel spans written straight into a painter's image.
#include "image_spans.h"

#include <QImage>
#include <QPaintEngine>
#include <QPainter>
#include <QRegion>
#include <QTransform>

#include <algorithm>
#include <cmath>

namespace {

// The image the painter's raster engine writes, or null.
QImage* RasterImageOf(QPainter& painter) {
    QPaintEngine* engine = painter.paintEngine();
    if (engine == nullptr || engine->type() != QPaintEngine::Raster)
        return nullptr;
    QPaintDevice* device = engine->paintDevice();
    if (device == nullptr || device->devType() != QInternal::Image)
        return nullptr;
    auto* image = static_cast<QImage*>(device);
    const QImage::Format format = image->format();
    if (format != QImage::Format_RGB32 && format != QImage::Format_ARGB32_Premultiplied)
        return nullptr;
    // A shared image would be copied on the first write, and the engine
    // would go on drawing into the old one.
    if (!image->isDetached())
        return nullptr;
    return image;
}

bool IsWholePixel(qreal value) {
    return std::floor(value) == value && std::fabs(value) < (1 << 30);
}

} // namespace

TImageSpans::TImageSpans(QPainter& painter) {
    QImage* image = RasterImageOf(painter);
    if (image == nullptr || painter.opacity() != 1.0)
        return;
    // The device transform includes where a widget lies in its window's
    // backing store.
    const QTransform transform = painter.deviceTransform();
    if (transform.type() > QTransform::TxTranslate || !IsWholePixel(transform.dx()) ||
        !IsWholePixel(transform.dy()))
        return;
    FOffset = QPoint(static_cast<int>(transform.dx()), static_cast<int>(transform.dy()));
    QRegion clip(image->rect());
    // The system clip is what the window system asked to be painted, in
    // image pixels; empty when there is none.
    const QRegion system = painter.paintEngine()->systemClip();
    if (!system.isEmpty())
        clip &= system;
    if (painter.hasClipping())
        clip &= painter.clipRegion().translated(FOffset);
    for (const QRect& rect : clip) {
        FClip.append(rect);
        FLogicalClip.append(rect.translated(-FOffset));
    }
    FStride = image->bytesPerLine();
    FBits = image->bits();
}

void TImageSpans::Fill(const QRect& rect, QRgb color, bool notXor) {
    const QRect device = rect.translated(FOffset);
    for (const QRect& clip : FClip) {
        const QRect part = device & clip;
        if (!part.isEmpty())
            FillDevice(part, color, notXor);
    }
}

void TImageSpans::FillDevice(const QRect& deviceRect, QRgb color, bool notXor) {
    const quint32 source = 0xFF000000u | color;
    const int left = deviceRect.left();
    const int right = deviceRect.right();
    for (int y = deviceRect.top(); y <= deviceRect.bottom(); ++y) {
        auto* line = reinterpret_cast<quint32*>(FBits + y * FStride);
        if (notXor) {
            for (int x = left; x <= right; ++x)
                line[x] = ~(source ^ line[x]);
        } else {
            std::fill(line + left, line + right + 1, source);
        }
    }
}
