// Overlap of cached outlines. The sides are tried in the order PolygonsOverlap
// tries them, and a box test only ever skips a pair whose exact test could not
// succeed, so the first pair that meets, and with it the contact point, is the
// same.
#include "geometry/cached_overlap.h"

#include "geometry/intersection.h"
#include "geometry/plane_geometry.h"

#include <array>

namespace {

TSegmentF OutlineSide(const TDaPointF& outline, std::size_t i) {
    return MakeSegment(outline[i], outline[(i + 1) % outline.size()]);
}

// The box of a segment of an outline; an outline that is not ordinary has
// only unbounded boxes.
TBox SegmentBox(const TSegmentF& segment, bool ordinary) {
    TBox box;
    if (!ordinary) {
        box.Unbounded = true;
        return box;
    }
    box.AddOrdinary(segment.P1);
    box.AddOrdinary(segment.P2);
    return box;
}

TBox PointBox(const TPointF& p) {
    return BoxOf(p, p);
}

// The first side of other that segment meets, in outline order; blocks of
// sides whose box lies apart from the segment's are passed over.
bool SegmentMeetsOutline(const TSegmentF& segment, const TBox& box, TOutlineCache& other,
                         TPointF& contact, int& otherSide) {
    const TDaPointF& outline = other.Outline();
    const std::vector<TBox>& blocks = other.OutlineBlocks();
    const std::size_t m = outline.size();
    for (std::size_t block = 0; block < blocks.size(); ++block) {
        if (!BoxesMeet(box, blocks[block]))
            continue;
        const std::size_t first = block * TOutlineCache::OutlineBlockSides;
        const std::size_t end = std::min(first + TOutlineCache::OutlineBlockSides, m);
        for (std::size_t k = first; k < end; ++k) {
            bool collinear = false;
            if (SegmentsIntersect(segment, OutlineSide(outline, k), contact, collinear)) {
                otherSide = static_cast<int>(k);
                return true;
            }
        }
    }
    return false;
}

bool SidesIntersect(TOutlineCache& moving, TOutlineCache& other, TPointF& contact,
                    TSideContact* met) {
    const TBox& otherBox = other.OutlineBounds();
    std::array<TSegmentF, 3> segments;
    for (int side = 0; side < moving.SideCount(); ++side) {
        if (!BoxesMeet(moving.SideBounds(side), otherBox))
            continue;
        const int count = moving.SideSegments(side, segments);
        for (int segment = 0; segment < count; ++segment) {
            int otherSide = 0;
            if (SegmentMeetsOutline(segments[segment],
                                    SegmentBox(segments[segment], moving.IsOrdinary()), other,
                                    contact, otherSide)) {
                if (met != nullptr)
                    *met = TSideContact{met->Shape, side, segment, otherSide};
                return true;
            }
        }
    }
    return false;
}

// PointInPolygon(outline.Outline(), p), without building the outline when p
// lies clearly outside its box.
bool HoldsPoint(TOutlineCache& outline, const TPointF& p) {
    if (BoxesClearlyApart(outline.Bounds(), PointBox(p)))
        return false;
    return PointInPolygon(outline.Outline(), p);
}

} // namespace

bool CachedPolygonsOverlap(TOutlineCache& moving, TOutlineCache& other, TPointF& contact,
                           TSideContact* met) {
    if (moving.SideCount() == 0 || other.SideCount() == 0)
        return false;
    if (BoxesClearlyApart(moving.Bounds(), other.Bounds()))
        return false;
    if (SidesIntersect(moving, other, contact, met))
        return true;
    if (HoldsPoint(moving, other.Apexes()[0])) {
        PolygonCentroid(other.Outline(), contact);
        return true;
    }
    if (HoldsPoint(other, moving.Apexes()[0])) {
        PolygonCentroid(moving.Outline(), contact);
        return true;
    }
    return false;
}

bool SidesStillMeet(TOutlineCache& moving, TOutlineCache& other, const TSideContact& met) {
    if (met.Side >= moving.SideCount() || other.SideCount() == 0)
        return false;
    TSegmentF segment;
    if (!moving.SideSegment(met.Side, met.Segment, segment))
        return false;
    const TDaPointF& outline = other.Outline();
    if (static_cast<std::size_t>(met.OtherSide) >= outline.size())
        return false;
    TPointF point;
    bool collinear = false;
    return SegmentsIntersect(segment, OutlineSide(outline, met.OtherSide), point, collinear);
}

bool CachedPolygonHitsOthers(TPageIndex& page, const std::vector<int>& near, int ownIndex,
                             TOutlineCache& shape, TPointF& contact, TSideContact* met) {
    if (page.Size() == 0 || shape.SideCount() == 0)
        return false;
    const TBox& bounds = shape.Bounds();
    for (const int i : near) {
        if (i == ownIndex || !BoxesMeet(page.Shape(i).Bounds(), bounds))
            continue;
        if (met != nullptr)
            met->Shape = i;
        if (CachedPolygonsOverlap(shape, page.Shape(i), contact, met))
            return true;
    }
    if (met != nullptr)
        met->Shape = -1;
    return false;
}
