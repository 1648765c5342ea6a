// The frame of the shape editor's constructions.
#include "editing/construction.h"

#include "geometry/keep_length.h"

#include <algorithm>
#include <cmath>
#include <utility>

int WrapIndex(int index, int count) {
    return ((index % count) + count) % count;
}

bool AllApexesFinite(const TDaPointF& apexes) {
    return std::all_of(apexes.begin(), apexes.end(), [](const TPointF& apex) {
        return std::isfinite(apex.X) && std::isfinite(apex.Y);
    });
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

bool TakeFiniteApexes(TPolygon& polygon, TDaPointF apexes) {
    if (!AllApexesFinite(apexes))
        return false;
    polygon.Apexes = std::move(apexes);
    return true;
}
