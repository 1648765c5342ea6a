// Overlap of closed outlines, and of a shape with the other shapes of a page.
#include "geometry/overlap.h"

#include "geometry/flange_outline.h"
#include "geometry/intersection.h"
#include "geometry/plane_geometry.h"

namespace {

TSegmentF OutlineSide(const TDaPointF& outline, std::size_t i) {
    return MakeSegment(outline[i], outline[(i + 1) % outline.size()]);
}

bool SidesIntersect(const TDaPointF& outlineA, const TDaPointF& outlineB, TPointF& contact) {
    for (std::size_t a = 0; a < outlineA.size(); ++a) {
        for (std::size_t b = 0; b < outlineB.size(); ++b) {
            bool collinear = false;
            if (SegmentsIntersect(OutlineSide(outlineA, a), OutlineSide(outlineB, b), contact,
                                  collinear))
                return true;
        }
    }
    return false;
}

} // namespace

bool PolygonsOverlap(const TDaPointF& outlineA, const TDaPointF& outlineB, TPointF& contact) {
    if (outlineA.empty() || outlineB.empty())
        return false;
    if (SidesIntersect(outlineA, outlineB, contact))
        return true;
    if (PointInPolygon(outlineA, outlineB[0])) {
        PolygonCentroid(outlineB, contact);
        return true;
    }
    if (PointInPolygon(outlineB, outlineA[0])) {
        PolygonCentroid(outlineA, contact);
        return true;
    }
    return false;
}

bool PolygonHitsOthers(const TPolygonTbl& page, int ownIndex, const TPolygon& shape,
                       TPointF& contact) {
    if (page.empty())
        return false;
    const TDaPointF moving = OutlineWithFlanges(shape);
    for (std::size_t i = 0; i < page.size(); ++i) {
        if (static_cast<int>(i) == ownIndex)
            continue;
        if (PolygonsOverlap(moving, OutlineWithFlanges(page[i]), contact))
            return true;
    }
    return false;
}
