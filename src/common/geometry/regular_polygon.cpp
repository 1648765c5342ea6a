// Building regular polygons.
#include "geometry/regular_polygon.h"

#include "geometry/angles.h"

#include <cmath>

bool IsRegularPolygonParams(const TRegularPolygonParams& params) {
    return params.Sides >= MinRegularSides && params.Sides <= MaxRegularSides &&
           std::isfinite(params.Size) && params.Size > 0 && std::isfinite(params.SlopeDegrees);
}

long double RegularCircumradius(const TRegularPolygonParams& params) {
    if (!IsRegularPolygonParams(params))
        return 0;
    if (params.SizeIs == TRegularSize::Circumradius)
        return params.Size;
    return params.Size / (2 * std::sin(Pi / params.Sides));
}

// Y grows downward, so a growing angle turns clockwise on screen. The side
// from vertex 0 to vertex 1 runs at a right angle plus half a step from
// vertex 0's angle; the slope is counted the other way round.
TDaPointF RegularPolygonApexes(const TPointF& centre, const TRegularPolygonParams& params) {
    TDaPointF apexes;
    if (!IsRegularPolygonParams(params))
        return apexes;
    const long double radius = RegularCircumradius(params);
    const int n = params.Sides;
    const long double firstSide = -DegToRad(params.SlopeDegrees);
    const long double start = firstSide - Pi / 2 - Pi / n;
    apexes.reserve(n);
    for (int k = 0; k < n; ++k) {
        const long double angle = start + 2 * Pi * k / n;
        apexes.push_back(
            PointF(centre.X + radius * std::cos(angle), centre.Y + radius * std::sin(angle)));
    }
    return apexes;
}
