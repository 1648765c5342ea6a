// Sizing a page's paint surface and centring the view on one of its pixels.
#include "page_surface.h"

#include "geometry/rounding.h"

#include <QScrollArea>
#include <QScrollBar>

#include <algorithm>
#include <limits>

namespace {

int SurfaceExtent(long double millimetres, long double pixelsPerMm) {
    const long double pixels = RoundHalfEven(millimetres * pixelsPerMm);
    if (!(pixels > 0))
        return 0;
    return static_cast<int>(std::min<long double>(pixels, QWIDGETSIZE_MAX));
}

} // namespace

QSize PageSurfaceSize(long double widthMm, long double heightMm, long double pixelsPerMm) {
    return QSize(SurfaceExtent(widthMm, pixelsPerMm), SurfaceExtent(heightMm, pixelsPerMm));
}

int CentringScrollPosition(std::int64_t pixel, int clientExtent) {
    const std::int64_t position = pixel - clientExtent / 2;
    return static_cast<int>(std::clamp<std::int64_t>(position, 0, std::numeric_limits<int>::max()));
}

void CentreScrollOn(QScrollArea& area, const TPixelPoint& pixel) {
    const QWidget* client = area.viewport();
    area.horizontalScrollBar()->setValue(CentringScrollPosition(pixel.X, client->width()));
    area.verticalScrollBar()->setValue(CentringScrollPosition(pixel.Y, client->height()));
}
