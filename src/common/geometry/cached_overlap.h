// Overlap of outlines with flanges held in outline caches: exactly the answers
// and contact points of PolygonsOverlap and PolygonHitsOthers, with box tests
// skipping the sides, shapes and point tests that cannot change them.
#pragma once

#include "geometry/outline_cache.h"
#include "geometry/page_index.h"

// A pair of sides that met: a caller that asks again only whether a slightly
// moved shape still collides tries this pair first.
struct TSideContact {
    int Shape = -1;    // the other shape's page index; -1 when none is known
    int Side = 0;      // the moving shape's side
    int Segment = 0;   // which of that side's outline sides (see SideSegments)
    int OtherSide = 0; // the other shape's outline side
};

// PolygonsOverlap(moving.Outline(), other.Outline(), contact). When two sides
// meet and met is given, it records them (with Shape left to the caller).
bool CachedPolygonsOverlap(TOutlineCache& moving, TOutlineCache& other, TPointF& contact,
                           TSideContact* met = nullptr);

// True when the sides recorded in met, for moving at its present position, meet.
bool SidesStillMeet(TOutlineCache& moving, TOutlineCache& other, const TSideContact& met);

// PolygonHitsOthers(page, ownIndex, shape, contact) for the page the index was
// synced with, shape holding the candidate. near lists, in page order, the
// shapes that may meet it: at least every one whose bounds meet its bounds.
bool CachedPolygonHitsOthers(TPageIndex& page, const std::vector<int>& near, int ownIndex,
                             TOutlineCache& shape, TPointF& contact, TSideContact* met = nullptr);
