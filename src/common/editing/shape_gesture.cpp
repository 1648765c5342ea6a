// The move and rotation steps of a whole shape.
#include "editing/shape_gesture.h"

#include "geometry/plane_geometry.h"

long double RotationStep(const TPointF& centre, const TPointF& from, const TPointF& to) {
    return PointDirection(centre, to) - PointDirection(centre, from);
}

void TranslateApexes(TDaPointF& apexes, long double dx, long double dy) {
    for (TPointF& apex : apexes) {
        apex.X += dx;
        apex.Y += dy;
    }
}
