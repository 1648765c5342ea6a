// Mirroring and resizing the whole shape.
#include "editing/shape_transform.h"

#include "editing/construction.h"
#include "editing/storable_value.h"
#include "geometry/plane_geometry.h"

#include <algorithm>
#include <utility>

namespace {

// The point a shape without area is scaled about.
TPointF MeanOfApexes(const TDaPointF& apexes) {
    long double x = 0;
    long double y = 0;
    for (const TPointF& apex : apexes) {
        x += apex.X;
        y += apex.Y;
    }
    const auto n = static_cast<long double>(apexes.size());
    return PointF(x / n, y / n);
}

TPointF ResizeCentre(const TDaPointF& apexes) {
    TPointF centroid;
    return PolygonCentroid(apexes, centroid) > 0 ? centroid : MeanOfApexes(apexes);
}

bool AllWidthsStorable(const TDaFlange& flanges) {
    return std::all_of(flanges.begin(), flanges.end(),
                       [](const TFlange& flange) { return IsStorableValue(flange.Width); });
}

} // namespace

bool MirrorAcrossSide(TPolygon& polygon, int j, int k) {
    const TDaPointF& apexes = polygon.Apexes;
    if (!IsIndexOf(apexes, j) || !IsIndexOf(apexes, k) || apexes[j] == apexes[k])
        return false;
    const TPointF origin = apexes[j];
    const long double twice = 2 * PointDirection(origin, apexes[k]);
    TDaPointF mirrored = apexes;
    for (int i = 0; i < static_cast<int>(mirrored.size()); ++i) {
        if (i == j || i == k)
            continue;
        mirrored[i] = PointAt(origin, PointDistance(origin, apexes[i]),
                              twice - PointDirection(origin, apexes[i]));
    }
    return TakeStorableApexes(polygon, std::move(mirrored));
}

bool ResizePolygon(TPolygon& polygon, long double factor) {
    if (polygon.Apexes.size() < 3 || !(factor >= MinResizeFactor && factor <= MaxResizeFactor) ||
        factor == 1)
        return false;
    const TPointF centre = ResizeCentre(polygon.Apexes);
    TDaPointF apexes = polygon.Apexes;
    for (TPointF& apex : apexes) {
        apex.X = (apex.X - centre.X) * factor + centre.X;
        apex.Y = (apex.Y - centre.Y) * factor + centre.Y;
    }
    TDaFlange flanges = polygon.Flanges;
    for (TFlange& flange : flanges)
        flange.Width *= factor;
    if (!AllApexesStorable(apexes) || !AllWidthsStorable(flanges))
        return false;
    polygon.Apexes = std::move(apexes);
    polygon.Flanges = std::move(flanges);
    return true;
}
