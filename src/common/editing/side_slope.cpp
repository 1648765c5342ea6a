// A typed slope for the line between two vertices.
#include "editing/side_slope.h"

#include "editing/construction.h"
#include "geometry/plane_geometry.h"

#include <utility>

bool SetSideSlope(TPolygon& polygon, int j, int k, long double direction, bool rotateShape,
                  bool keepLengths) {
    if (!IsIndexOf(polygon.Apexes, j) || !IsIndexOf(polygon.Apexes, k))
        return false;
    const TPointF from = polygon.Apexes[j];
    const TPointF to = polygon.Apexes[k];
    TPolygon work = polygon;
    if (rotateShape) {
        RotatePoints(work.Apexes, from, direction - PointDirection(from, to));
    } else {
        const TPointF target = PointAt(from, PointDistance(from, to), direction);
        if (!MoveApexTo(work, k, target, keepLengths, j))
            return false;
    }
    return TakeStorableApexes(polygon, std::move(work.Apexes));
}
