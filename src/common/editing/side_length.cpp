// A typed length for the line between two vertices.
#include "editing/side_length.h"

#include "editing/construction.h"
#include "geometry/plane_geometry.h"

#include <utility>

bool SetSideLength(TPolygon& polygon, int j, int k, long double length, long double shortest,
                   bool keepLengths) {
    if (!IsIndexOf(polygon.Apexes, j) || !IsIndexOf(polygon.Apexes, k))
        return false;
    const TPointF from = polygon.Apexes[j];
    const TPointF to = polygon.Apexes[k];
    const long double current = PointDistance(from, to);
    // Written so that a length that is not a number fails too.
    if (!(current > 0) || !(length >= shortest) || length == current)
        return false;
    const long double ratio = length / current;
    const TPointF target =
        PointF(from.X + (to.X - from.X) * ratio, from.Y + (to.Y - from.Y) * ratio);
    TPolygon work = polygon;
    if (!MoveApexTo(work, k, target, keepLengths, j))
        return false;
    return TakeStorableApexes(polygon, std::move(work.Apexes));
}
