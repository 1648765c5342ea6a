// Typed coordinates for one vertex.
#include "editing/apex_position.h"

#include "editing/construction.h"

#include <utility>

bool SetApexPosition(TPolygon& polygon, int k, const TPointF& point, bool keepLengths) {
    TPolygon work = polygon;
    if (!MoveApexTo(work, k, point, keepLengths))
        return false;
    return TakeStorableApexes(polygon, std::move(work.Apexes));
}
