// Drawing a new outline: placing vertices behind the rubber band and finishing.
#include "editing/new_outline.h"

#include "editing/shape_edit.h"
#include "geometry/plane_geometry.h"

namespace {

// Vertices placed before the rubber band that a finished outline needs.
constexpr std::size_t MinPlacedApexes = 3;

} // namespace

TPolygon NewOutline() {
    TPolygon outline;
    outline.Apexes.assign(1, PointF(0, 0));
    outline.Flanges.assign(1, TFlange());
    return outline;
}

bool IsOutlineClosingPress(const TPolygon& outline, const TPointF& q, long double closeDist) {
    const std::size_t placed = outline.Apexes.empty() ? 0 : outline.Apexes.size() - 1;
    if (placed < MinPlacedApexes)
        return false;
    return PointDistance(outline.Apexes[placed - 1], q) < closeDist;
}

void FinishOutline(TPolygon& outline) {
    RemoveRubberBand(outline);
    for (TFlange& flange : outline.Flanges) {
        flange.Width = 0;
        flange.Angle1 = 0;
        flange.Angle2 = 0;
    }
}

int PlaceOutlineVertex(TPolygon& outline, const TPointF& q) {
    if (outline.Apexes.empty())
        return -1;
    PairFlangesWithApexes(outline);
    const std::size_t placed = outline.Apexes.size() - 1;
    outline.Apexes[placed] = q;
    outline.Flanges[placed] = TFlange();
    outline.Apexes.push_back(q);
    outline.Flanges.push_back(TFlange());
    return static_cast<int>(placed);
}

bool AppendRubberBand(TPolygon& outline) {
    if (outline.Apexes.empty())
        return false;
    PairFlangesWithApexes(outline);
    const TPointF last = outline.Apexes.back();
    const TFlange lastFlange = outline.Flanges.back();
    outline.Apexes.push_back(last);
    outline.Flanges.push_back(lastFlange);
    return true;
}

bool RemoveRubberBand(TPolygon& outline) {
    if (outline.Apexes.empty())
        return false;
    PairFlangesWithApexes(outline);
    outline.Apexes.pop_back();
    outline.Flanges.pop_back();
    return true;
}
