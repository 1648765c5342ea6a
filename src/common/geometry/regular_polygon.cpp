// Building regular polygons.
#include "geometry/regular_polygon.h"

#include "geometry/angles.h"

#include <cmath>

bool IsRegularPolygonSpec(const TRegularPolygonSpec& spec) {
    return spec.Sides >= MinRegularSides && spec.Sides <= MaxRegularSides &&
           std::isfinite(spec.Size) && spec.Size > 0 && std::isfinite(spec.SlopeDegrees);
}

long double RegularCircumradius(const TRegularPolygonSpec& spec) {
    if (!IsRegularPolygonSpec(spec))
        return 0;
    if (spec.SizeIs == TRegularSize::Circumradius)
        return spec.Size;
    return spec.Size / (2 * std::sin(Pi / spec.Sides));
}

// Y grows downward, so a growing angle turns clockwise on screen. The side
// from vertex 0 to vertex 1 runs at a right angle plus half a step from
// vertex 0's angle; the slope is counted the other way round.
TDaPointF RegularPolygonApexes(const TPointF& centre, const TRegularPolygonSpec& spec) {
    TDaPointF apexes;
    if (!IsRegularPolygonSpec(spec))
        return apexes;
    const long double radius = RegularCircumradius(spec);
    const int n = spec.Sides;
    const long double firstSide = -DegToRad(spec.SlopeDegrees);
    const long double start = firstSide - Pi / 2 - Pi / n;
    apexes.reserve(n);
    for (int k = 0; k < n; ++k) {
        const long double angle = start + 2 * Pi * k / n;
        apexes.push_back(
            PointF(centre.X + radius * std::cos(angle), centre.Y + radius * std::sin(angle)));
    }
    return apexes;
}
