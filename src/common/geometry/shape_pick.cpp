// Picking whole shapes: by a point, by a press inside one, and by a rubber band.
#include "geometry/shape_pick.h"

#include "geometry/bounding_box.h"
#include "geometry/hit_test.h"
#include "geometry/overlap.h"
#include "geometry/plane_geometry.h"

#include <cmath>
#include <numbers>
#include <vector>

namespace {

constexpr long double Pi = std::numbers::pi_v<long double>;

// Larger than any distance on a page; a candidate must be strictly nearer.
constexpr long double NoDistance = 2147483647;

bool IsFinite(const TPointF& p) {
    return std::isfinite(p.X) && std::isfinite(p.Y);
}

} // namespace

int PickPolygon(const TPolygonTbl& page, const TPointF& p) {
    int picked = -1;
    long double best = NoDistance;
    for (std::size_t i = 0; i < page.size(); ++i) {
        if (!PointInPolygon(page[i].Apexes, p))
            continue;
        int side1 = -1;
        int side2 = -1;
        const long double distance = NearestSide(p, page[i].Apexes, side1, side2);
        if (distance >= 0 && distance < best) {
            best = distance;
            picked = static_cast<int>(i);
        }
    }
    return picked;
}

TGrabKind GrabKind(const TPolygon& shape, const TPointF& point) {
    TPointF centroid;
    const long double area = PolygonCentroid(shape.Apexes, centroid);
    if (!(area > 0) || !IsFinite(point))
        return TGrabKind::None;
    const long double moveRadius = std::sqrt(area / 2 / Pi);
    return PointDistance(point, centroid) < moveRadius ? TGrabKind::Move : TGrabKind::Rotate;
}

long double ShapeGrabRadius(long double area) {
    return std::sqrt(area / (2 * Pi));
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

TDaInt ShapesInRubberBand(const TPolygonTbl& page, const TPointF& corner1, const TPointF& corner2,
                          const TDaInt& selection) {
    TPageIndex shapes;
    shapes.Sync(page);
    return ShapesInRubberBand(shapes, corner1, corner2, selection);
}

// Shapes clearly apart from the band's box cannot meet it, and shapes within
// its interior meet it: no side of theirs reaches a side of the band, and the
// band holds their first vertex, which the point test finds with exact signs
// as the band's sides run along the axes. The others get the exact test on
// their cached outlines.
TDaInt ShapesInRubberBand(TPageIndex& shapes, const TPointF& corner1, const TPointF& corner2,
                          const TDaInt& selection) {
    const TDaPointF band = {corner1, PointF(corner2.X, corner1.Y), corner2,
                            PointF(corner1.X, corner2.Y)};
    const TBox bandBox = BoxOf(band);
    const auto withinBand = [&bandBox](const TBox& box) {
        return !bandBox.Unbounded && !box.Unbounded && !box.IsEmpty() && box.Left > bandBox.Left &&
               box.Right < bandBox.Right && box.Top > bandBox.Top && box.Bottom < bandBox.Bottom;
    };
    std::vector<bool> selected(shapes.Size(), false);
    for (const int index : selection) {
        if (index >= 0 && index < shapes.Size())
            selected[index] = true;
    }
    // A shape whose rough box is clearly apart from the band has an outline
    // box clearly apart too, as it lies within the rough one: its outline is
    // not needed.
    TDaInt found;
    for (int i = 0; i < shapes.Size(); ++i) {
        if (selected[i] || BoxesClearlyApart(bandBox, shapes.RoughBounds(i)))
            continue;
        const TBox& bounds = shapes.Shape(i).Bounds();
        if (BoxesClearlyApart(bandBox, bounds))
            continue;
        TPointF contact;
        if (withinBand(bounds) || PolygonsOverlap(band, shapes.Shape(i).Outline(), contact))
            found.push_back(i);
    }
    return found;
}
