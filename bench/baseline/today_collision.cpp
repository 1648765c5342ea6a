// Today's page index and collision check, as they stand.
#include "today_collision.h"

#include "geometry/intersection.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace today {

void TPageIndex::Sync(const TPolygonTbl& page) {
    FShapes.resize(page.size());
    for (std::size_t i = 0; i < page.size(); ++i)
        FShapes[i].Sync(page[i]);
}

void TPageIndex::SyncShape(const TPolygonTbl& page, int index) {
    if (FShapes.size() != page.size()) {
        Sync(page);
        return;
    }
    if (IsIndexOf(page, index))
        FShapes[index].Sync(page[index]);
}

const std::vector<int>& TPageIndex::ShapesMeeting(const TBox& box) {
    FFound.clear();
    for (int i = 0; i < Size(); ++i) {
        if (BoxesMeet(FShapes[i].Bounds(), box))
            FFound.push_back(i);
    }
    return FFound;
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

namespace {

// Top, right, bottom and left, each running clockwise on screen.
std::array<TSegmentF, 4> PageBorder(long double width, long double height) {
    return {MakeSegment(PointF(0, 0), PointF(width, 0)),
            MakeSegment(PointF(width, 0), PointF(width, height)),
            MakeSegment(PointF(width, height), PointF(0, height)),
            MakeSegment(PointF(0, height), PointF(0, 0))};
}

// A side lying along a border line is no contact: only a crossing or a touch
// at a point counts.
bool MeetsBorderEdge(const TSegmentF& edge, const TSegmentF& side, TPointF& contact) {
    TPointF point;
    bool collinear = false;
    if (!SegmentsIntersect(edge, side, point, collinear) || collinear)
        return false;
    contact = point;
    return true;
}

// Sides within this box lie apart from all four border lines in the exact test.
bool InsideBorder(const TBox& box, long double width, long double height) {
    return !box.Unbounded && box.Left > 0 && box.Right < width && box.Top > 0 &&
           box.Bottom < height;
}

// The closed drawing area, border included.
bool LiesInArea(const TPointF& p, long double width, long double height) {
    return p.X >= 0 && p.X <= width && p.Y >= 0 && p.Y <= height;
}

// The side of outline, its outline side number within it, and the border edge
// where the outline first meets the border; false when it does not.
bool FirstBorderContact(TOutlineCache& outline, long double width, long double height,
                        TPointF& contact, int& side, int& segment, int& edge) {
    const std::array<TSegmentF, 4> border = PageBorder(width, height);
    std::array<TSegmentF, 3> segments;
    for (side = 0; side < outline.SideCount(); ++side) {
        if (InsideBorder(outline.SideBounds(side), width, height))
            continue;
        const int count = outline.SideSegments(side, segments);
        for (segment = 0; segment < count; ++segment) {
            for (edge = 0; edge < static_cast<int>(border.size()); ++edge) {
                if (MeetsBorderEdge(border[edge], segments[segment], contact))
                    return true;
            }
        }
    }
    return false;
}

enum class TWallContact { None, Border, Outside };

// With no side on the border the outline lies wholly on one side of it, so its
// first point tells where. A step can carry a shape clean across the border,
// and an outline around the whole page is not inside it either.
TWallContact FindWallContact(TOutlineCache& outline, long double width, long double height,
                             TPointF& contact, int& side, int& segment, int& edge) {
    if (outline.SideCount() == 0)
        return TWallContact::None;
    if (FirstBorderContact(outline, width, height, contact, side, segment, edge))
        return TWallContact::Border;
    const TPointF& first = outline.Apexes()[0];
    if (LiesInArea(first, width, height))
        return TWallContact::None;
    contact = first;
    return TWallContact::Outside;
}

bool WithinRobustRange(const TDaPointF& apexes) {
    for (const TPointF& p : apexes) {
        if (!(std::fabs(p.X) <= RobustRange && std::fabs(p.Y) <= RobustRange))
            return false;
    }
    return true;
}

} // namespace

TPageCollision::TPageCollision(TPageIndex& shapes, int index, const TPlacementRules& rules)
    : FShapes(shapes), FIndex(index), FRules(rules) {}

void TPageCollision::ExpectMovesAbout(const TPointF& centre) {
    FMovesOfShape = FIndex >= 0 && FIndex < FShapes.Size() && std::fabs(centre.X) <= RobustRange &&
                    std::fabs(centre.Y) <= RobustRange && FShapes.Shape(FIndex).IsOrderRobust();
}

// A candidate made from the shape by a few moves and turns lies within far
// less than a micrometre of an exact copy, so a robust shape's order holds for
// it as long as its coordinates stay in range.
void TPageCollision::SyncCandidate(const TDaPointF& apexes, const TDaFlange& flanges) {
    FCandidate.Sync(apexes, flanges);
    if (!FMovesOfShape)
        return;
    TOutlineCache& shape = FShapes.Shape(FIndex);
    if (FCandidate.SideCount() == shape.SideCount() && WithinRobustRange(apexes))
        FCandidate.AssumeClockwise(shape.Clockwise());
}

bool TPageCollision::Check(const TDaPointF& apexes, const TDaFlange& flanges, TPointF& contact) {
    SyncCandidate(apexes, flanges);
    return CheckCandidate(contact);
}

bool TPageCollision::Collides(const TDaPointF& apexes, const TDaFlange& flanges) {
    SyncCandidate(apexes, flanges);
    for (std::size_t k = 0; k < FHits.size() && FHits[k].Kind != THitKind::None; ++k) {
        if (HitStillHolds(FHits[k])) {
            std::rotate(FHits.begin(), FHits.begin() + k, FHits.begin() + k + 1);
            return true;
        }
    }
    TPointF contact;
    if (!CheckCandidate(contact))
        return false;
    Remember(FLastHit);
    return true;
}

bool TPageCollision::THit::operator==(const THit& other) const {
    return Kind == other.Kind && Side == other.Side && Segment == other.Segment &&
           Edge == other.Edge && Met.Shape == other.Met.Shape && Met.Side == other.Met.Side &&
           Met.Segment == other.Met.Segment && Met.OtherSide == other.Met.OtherSide;
}

void TPageCollision::Remember(const THit& hit) {
    if (hit.Kind == THitKind::None)
        return;
    auto last = std::find(FHits.begin(), FHits.end(), hit);
    if (last == FHits.end())
        last = FHits.end() - 1;
    std::move_backward(FHits.begin(), last, last + 1);
    FHits.front() = hit;
}

// A collinear touch names no point of its own; the candidate's first vertex
// then stands for the contact.
bool TPageCollision::CheckCandidate(TPointF& contact) {
    FLastHit = THit();
    if (FCandidate.SideCount() > 0)
        contact = FCandidate.Apexes()[0];
    if (FRules.KeepInside && WallHit(contact))
        return true;
    if (FShapes.Size() == 0 || !FRules.AvoidOverlap)
        return false;
    FLastHit.Kind = THitKind::Shape;
    if (CachedPolygonHitsOthers(FShapes, ShapesNear(), FIndex, FCandidate, contact, &FLastHit.Met))
        return true;
    FLastHit = THit();
    return false;
}

// The candidates of one search lie close together, so the shapes near one are
// looked up for a box with room around it and kept while later candidates
// stay inside that box.
const std::vector<int>& TPageCollision::ShapesNear() {
    const TBox& bounds = FCandidate.Bounds();
    const bool inside = !FNearBox.Unbounded && !bounds.Unbounded && !bounds.IsEmpty() &&
                        bounds.Left >= FNearBox.Left && bounds.Right <= FNearBox.Right &&
                        bounds.Top >= FNearBox.Top && bounds.Bottom <= FNearBox.Bottom;
    if (inside)
        return FNear;
    FNearBox = bounds;
    if (!bounds.Unbounded && !bounds.IsEmpty()) {
        const long double room =
            (std::max(bounds.Right - bounds.Left, bounds.Bottom - bounds.Top)) / 4 + 1;
        FNearBox.Left -= room;
        FNearBox.Top -= room;
        FNearBox.Right += room;
        FNearBox.Bottom += room;
    }
    FNear = FShapes.ShapesMeeting(FNearBox);
    return FNear;
}

bool TPageCollision::WallHit(TPointF& contact) {
    switch (FindWallContact(FCandidate, FRules.PageWidth, FRules.PageHeight, contact, FLastHit.Side,
                            FLastHit.Segment, FLastHit.Edge)) {
    case TWallContact::None:
        return false;
    case TWallContact::Border:
        FLastHit.Kind = THitKind::Border;
        return true;
    case TWallContact::Outside:
        FLastHit.Kind = THitKind::Outside;
        return true;
    }
    return false;
}

// Any contact an earlier check found that the candidate still makes means the
// full check would collide too, whichever contact it found first.
bool TPageCollision::HitStillHolds(const THit& hit) {
    switch (hit.Kind) {
    case THitKind::None:
        return false;
    case THitKind::Border: {
        TSegmentF segment;
        if (!FRules.KeepInside || hit.Side >= FCandidate.SideCount() ||
            !FCandidate.SideSegment(hit.Side, hit.Segment, segment))
            return false;
        TPointF point;
        return MeetsBorderEdge(PageBorder(FRules.PageWidth, FRules.PageHeight)[hit.Edge], segment,
                               point);
    }
    case THitKind::Outside:
        return FRules.KeepInside && FCandidate.SideCount() > 0 &&
               !LiesInArea(FCandidate.Apexes()[0], FRules.PageWidth, FRules.PageHeight);
    case THitKind::Shape:
        return FRules.AvoidOverlap && hit.Met.Shape >= 0 && hit.Met.Shape < FShapes.Size() &&
               hit.Met.Shape != FIndex &&
               SidesStillMeet(FCandidate, FShapes.Shape(hit.Met.Shape), hit.Met);
    }
    return false;
}

} // namespace today
