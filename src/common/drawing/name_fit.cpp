// Names drawn smaller, then cut, to stay within their flange.
#include "drawing/name_fit.h"

#include "geometry/shift_jis.h"

#include <algorithm>
#include <cmath>

namespace {

long double Cotangent(long double angle) {
    const long double tangent = std::tan(angle);
    return std::isfinite(tangent) && tangent != 0 ? 1 / tangent : 0;
}

bool Fits(long double width, long double height, long double cellScale, const TNameRoom& room) {
    return width <= room.WidthAt(height * cellScale) &&
           (room.Depth < 0 || height * cellScale <= room.Depth);
}

} // namespace

long double TNameRoom::WidthAt(long double cellHeight) const {
    return Length - 2 * cellHeight * Narrowing;
}

TNameRoom FlangeNameRoom(long double sideLength, long double width, long double angle1,
                         long double angle2) {
    return {sideLength, width, std::max(Cotangent(angle1), Cotangent(angle2))};
}

TNameRoom BareSideNameRoom(long double sideLength) {
    return {sideLength, -1, 0};
}

// A text's width grows with its height, so the height where the width just
// fits comes straight from the width at the font's own height.
TFittedName FitName(std::string_view text, long double height, long double cellScale,
                    const TNameRoom& room, const ITextMeasure& measure) {
    if (text.empty() || !(height > 0))
        return {};
    const long double width = measure.WidthMm(text, height);
    if (Fits(width, height, cellScale, room))
        return {std::string(text), height, width};

    const long double perHeight = width / height;
    long double fitting = room.Length / (perHeight + 2 * cellScale * room.Narrowing);
    if (room.Depth >= 0)
        fitting = std::min(fitting, room.Depth / cellScale);
    if (fitting >= MinNameHeight && fitting < height)
        return {std::string(text), fitting, measure.WidthMm(text, fitting)};

    // Even the smallest height is too long: the name is cut at that height
    // (or the font's own, or the flange's depth, where they are smaller).
    long double smallest = std::min(MinNameHeight, height);
    if (room.Depth >= 0)
        smallest = std::min(smallest, room.Depth / cellScale);
    if (!(smallest > 0))
        return {};
    for (std::string part(text); !part.empty(); part = CutShiftJis(part, part.size() - 1)) {
        const long double partWidth = measure.WidthMm(part, smallest);
        if (Fits(partWidth, smallest, cellScale, room))
            return {part, smallest, partWidth};
    }
    return {};
}
