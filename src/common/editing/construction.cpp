// The frame of the shape editor's constructions.
#include "editing/construction.h"

#include "editing/storable_value.h"
#include "geometry/keep_length.h"

#include <utility>

int WrapIndex(int index, int count) {
    return ((index % count) + count) % count;
}

bool MoveApexTo(TPolygon& polygon, int k, const TPointF& target, bool keepLengths, int from) {
    const int n = static_cast<int>(polygon.Apexes.size());
    if (!IsIndexOf(polygon.Apexes, k))
        return false;
    if (!keepLengths) {
        polygon.Apexes[k] = target;
        return true;
    }
    if (IsIndexOf(polygon.Apexes, from) && from != k) {
        if (WrapIndex(from + 1, n) == k)
            return MoveApexKeepLenDir(polygon, k, target, +1);
        if (WrapIndex(k + 1, n) == from)
            return MoveApexKeepLenDir(polygon, k, target, -1);
    }
    return MoveApexKeepLen(polygon, k, target);
}

bool TakeStorableApexes(TPolygon& polygon, TDaPointF apexes) {
    if (!AllApexesStorable(apexes))
        return false;
    polygon.Apexes = std::move(apexes);
    return true;
}
