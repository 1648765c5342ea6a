// The view scale values and the conversions of the zoom setting and input box.
#include "drawing/view_scale.h"

#include "format/text_to_float.h"
#include "geometry/rounding.h"

#include <cmath>

void TViewScale::SetZoom(long double z) {
    FZoom = z;
    FScreenScale = z * PixelsPerMmAt100;
    FCloseDist = (10 / PixelsPerMmAt100) / z;
    FApexPickDist = (8 / PixelsPerMmAt100) / z;
    FLinePickDist = (8 / PixelsPerMmAt100) / z;
    // The power of ten nearest to 4 screen pixels.
    FGridStep = std::pow(10.0L, RoundHalfEven(std::log10(4 / FScreenScale)));
}

bool IsAcceptedZoom(long double z) {
    return z > MinZoomExclusive && z < MaxZoomExclusive;
}

long double ZoomFromStored(long double stored) {
    if (!(stored > 0) || !std::isfinite(stored))
        return 1;
    return stored / 10000;
}

long long ZoomToStored(long double zoom) {
    return RoundToInt(zoom * 10000);
}

long long ZoomPercentText(long double zoom) {
    return RoundToInt(zoom * 100);
}

long double ZoomFromPercentText(std::string_view text, long double currentZoom) {
    return TextToFloat(text, currentZoom * 100) / 100;
}
