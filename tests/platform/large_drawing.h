// Two large drawings as text, the same in every process that builds them: the
// old and the new content of a file whose save is interrupted.
#pragma once

#include "format/drawing_file.h"
#include "geometry/angles.h"

#include <string>

// About 20 MB of drawing text: pages of flanged shapes whose coordinates
// depend on variant, so the two contents differ all through the file.
inline std::string LargeDrawingText(int variant) {
    constexpr long double Angle = Pi / 4;
    TZvDat drawing(20);
    for (std::size_t page = 0; page < drawing.size(); ++page) {
        for (int shape = 0; shape < 800; ++shape) {
            TPolygon polygon;
            for (int apex = 0; apex < 12; ++apex) {
                const long double x = shape % 20 * 9.5L + apex + variant * 0.125L;
                const long double y = shape / 20 * 7.25L + apex % 3 + page;
                polygon.Apexes.push_back(PointF(x, y));
                polygon.Flanges.push_back(MakeFlange(apex % 4 == 0 ? "A" : "", 3, Angle, Angle));
            }
            polygon.BendLines[0] = {MakeBendLine(0, 6)};
            drawing[page].push_back(polygon);
        }
    }
    std::string text;
    DrawingToText(drawing, text);
    return text;
}
