// The wheel's scroll steps, the zoom ladder and zooming about the pointer.
#include "drawing/view_zoom.h"

#include "drawing/view_scale.h"
#include "geometry/rounding.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

// The rungs of one decade, in tenths of the decade's first percentage.
constexpr std::array<int, 10> DecadeRungs{10, 12, 15, 20, 25, 30, 40, 50, 60, 80};
// The decades from 0.1 % (10^-3 as a factor) to 10000 % (10^2).
constexpr int FirstDecade = -3;
constexpr int LastDecade = 2;
// Two zooms this close (relatively) are the same rung: a rung read back from
// its stored form may differ from it in the last places.
constexpr long double SameRung = 1e-9L;

long double Rung(int decade, int rung) {
    return DecadeRungs[rung] / 10.0L * std::pow(10.0L, decade);
}

} // namespace

int TWheelNotches::Take(int delta) {
    if ((delta > 0 && FRest < 0) || (delta < 0 && FRest > 0))
        FRest = 0;
    FRest += delta;
    const int notches = FRest / WheelNotch;
    FRest -= notches * WheelNotch;
    return notches;
}

int WheelScrollPixels(int delta, int viewExtent) {
    const long long perNotch = std::max(1, viewExtent / 10);
    return static_cast<int>(-static_cast<long long>(delta) * perNotch / WheelNotch);
}

long double ZoomStepFrom(long double zoom, int steps) {
    for (; steps > 0; --steps) {
        long double next = zoom;
        for (int decade = LastDecade; decade >= FirstDecade; --decade)
            for (int rung = static_cast<int>(DecadeRungs.size()) - 1; rung >= 0; --rung) {
                const long double candidate = Rung(decade, rung);
                if (candidate > zoom * (1 + SameRung) && IsAcceptedZoom(candidate))
                    next = candidate;
            }
        zoom = next;
    }
    for (; steps < 0; ++steps) {
        long double next = zoom;
        for (int decade = FirstDecade; decade <= LastDecade; ++decade)
            for (int rung = 0; rung < static_cast<int>(DecadeRungs.size()); ++rung) {
                const long double candidate = Rung(decade, rung);
                if (candidate < zoom * (1 - SameRung) && IsAcceptedZoom(candidate))
                    next = candidate;
            }
        zoom = next;
    }
    return zoom;
}

std::int64_t ScrollKeepingPoint(long double surfacePixel, long double viewPixel,
                                long double oldScale, long double newScale) {
    const long double position = surfacePixel * (newScale / oldScale) - viewPixel;
    if (!(position > 0))
        return 0;
    return RoundToInt(std::min<long double>(position, static_cast<long double>(INT32_MAX)));
}
