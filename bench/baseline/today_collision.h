// Today's page index and collision check as they stand before the index
// learnt which shapes changed: every use brings every shape's outline up to
// date and every look-up scans every shape's box. Kept so that the drag and
// paint workloads can run them beside the production code.
#pragma once

#include "geometry/cached_overlap.h"
#include "geometry/outline_cache.h"
#include "placement/placement.h"

#include <array>
#include <vector>

namespace today {

class TPageIndex {
public:
    void Sync(const TPolygonTbl& page);
    void SyncShape(const TPolygonTbl& page, int index);
    int Size() const { return static_cast<int>(FShapes.size()); }
    TOutlineCache& Shape(int index) { return FShapes[index]; }
    const std::vector<int>& ShapesMeeting(const TBox& box);

private:
    std::vector<TOutlineCache> FShapes;
    std::vector<int> FFound;
};

bool CachedPolygonHitsOthers(TPageIndex& page, const std::vector<int>& near, int ownIndex,
                             TOutlineCache& shape, TPointF& contact, TSideContact* met = nullptr);

class TPageCollision {
public:
    // shapes must be synced with the page the shape at index lies on, and
    // outlive the check.
    TPageCollision(TPageIndex& shapes, int index, const TPlacementRules& rules);

    // Declares that every candidate from now on is the shape at index moved,
    // and turned about centre, by the placement's own steps, so that its
    // order can be taken from the shape's when that is robust.
    void ExpectMovesAbout(const TPointF& centre);

    // CollisionCheck of a candidate position with these vertices and flanges.
    bool Check(const TDaPointF& apexes, const TDaFlange& flanges, TPointF& contact);
    // Only whether it collides.
    bool Collides(const TDaPointF& apexes, const TDaFlange& flanges);

private:
    // A contact a check found, which a later one can try first.
    enum class THitKind { None, Border, Outside, Shape };
    struct THit {
        THitKind Kind = THitKind::None;
        int Side = 0; // Border: the candidate's side, its outline side and the edge
        int Segment = 0;
        int Edge = 0;
        TSideContact Met; // Shape
        bool operator==(const THit& other) const;
    };
    // A search turns the candidate to either side in turn, so it meets more
    // than one neighbour; the most recent contacts are kept, latest first.
    static constexpr std::size_t RememberedHits = 4;

    void SyncCandidate(const TDaPointF& apexes, const TDaFlange& flanges);
    bool CheckCandidate(TPointF& contact);
    bool WallHit(TPointF& contact);
    bool HitStillHolds(const THit& hit);
    void Remember(const THit& hit);
    const std::vector<int>& ShapesNear();

    TPageIndex& FShapes;
    int FIndex;
    TPlacementRules FRules;
    TOutlineCache FCandidate;
    bool FMovesOfShape = false;
    THit FLastHit;
    std::array<THit, RememberedHits> FHits{};
    // The shapes meeting a box around the candidates of one search.
    TBox FNearBox;
    std::vector<int> FNear;
};

} // namespace today
