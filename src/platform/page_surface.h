// The paint surface of a page's drawing area: its size in pixels at a scale,
// and scrolling it so that one of its pixels stands in the middle of the view.
#pragma once

#include "geometry/plane_geometry.h"

#include <QSize>

class QScrollArea;

// A side larger than a widget may be is cut to the largest size; a side of no
// pixels, or less, is 0.
QSize PageSurfaceSize(long double widthMm, long double heightMm, long double pixelsPerMm);

// The scroll position that puts a surface pixel in the middle of a client
// extent (half the extent rounded toward zero), never before the surface start.
int CentringScrollPosition(std::int64_t pixel, int clientExtent);

// Scrolls area so that pixel of its widget stands in the middle of its viewport,
// as far as the scroll bars reach.
void CentreScrollOn(QScrollArea& area, const TPixelPoint& pixel);
