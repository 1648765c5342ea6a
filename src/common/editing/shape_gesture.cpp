// The move-or-rotate decision of a press inside a shape and the steps of both.
#include "editing/shape_gesture.h"

#include "drawing/hit_test.h"
#include "geometry/plane_geometry.h"

#include <cmath>
#include <numbers>

long double ShapeGrabRadius(long double area) {
    return std::sqrt(area / (2 * std::numbers::pi_v<long double>));
}

TShapeGesture ShapeGestureAt(const TDaPointF& apexes, const TPointF& q, long double linePickDist) {
    if (apexes.size() < 3 || !PointInPolygon(apexes, q))
        return TShapeGesture::None;
    int apex1 = -1;
    int apex2 = -1;
    if (NearestSide(q, apexes, apex1, apex2) <= linePickDist)
        return TShapeGesture::None;
    TPointF centroid;
    const long double area = PolygonCentroid(apexes, centroid);
    if (!(area > 0))
        return TShapeGesture::None;
    return PointDistance(q, centroid) >= ShapeGrabRadius(area) ? TShapeGesture::Rotate
                                                               : TShapeGesture::Move;
}

long double RotationStep(const TPointF& centre, const TPointF& from, const TPointF& to) {
    return PointDirection(centre, to) - PointDirection(centre, from);
}

void TranslateApexes(TDaPointF& apexes, long double dx, long double dy) {
    for (TPointF& apex : apexes) {
        apex.X += dx;
        apex.Y += dy;
    }
}
