// Placement of shapes on a sheet page: the rules that keep a moving shape
// inside the page and off other shapes, the searches that turn it aside when
// it collides, and the grab geometry of a drag.
#pragma once

#include "geometry/page_index.h"
#include "geometry/polygon.h"

// The placement options of the Edit menu and the page's drawing area.
struct TPlacementRules {
    bool KeepInside = false;   // the wall test is part of the collision check
    bool AvoidOverlap = false; // the overlap test is part of the collision check
    bool AutoRotate = false;   // a colliding move step tries small rotations
    long double PageWidth = 0; // the drawing area, (0, 0) to (PageWidth, PageHeight)
    long double PageHeight = 0;
};

// True when the shape's outline with its flanges crosses or touches the border
// of the drawing area (a side lying along the border does not count), or lies
// wholly outside it or around it. contact gets a point of the contact. A shape
// without vertices hits nothing.
bool WallHit(const TPolygon& shape, long double pageWidth, long double pageHeight,
             TPointF& contact);

// CollisionCheck, RotateSearch and RotateOnSearch below, and the forms of
// TryMoveStep, TryRotateStep and ShapesInRubberBand over a bare page, are the
// reference forms: each makes an index of the page for the one call, which
// suits tests and benchmarks. The sheet steps through the forms over a
// TPageIndex kept in step with its page.

// True when candidate, a position of the shape at index of page, is not
// allowed by the rules. contact gets the point where it collided.
bool CollisionCheck(const TPolygonTbl& page, int index, const TPolygon& candidate,
                    const TPlacementRules& rules, TPointF& contact);

// After a colliding move step from downPoint to q: tries rotations of the
// moved shape about downPoint by alternating growing angles, then the same with
// the move halved, until the move runs out. False when a free position was
// found (candidate holds it); true when it still collides (also for an index
// outside the page or a value that is not finite).
bool RotateSearch(const TPolygonTbl& page, int index, const TPointF& downPoint, const TPointF& q,
                  long double angle, const TPlacementRules& rules, TPolygon& candidate);

// After a colliding rotation step: turns candidate on about centre by halving
// angles until it is free (false) or the angle runs out (true). A centre or
// angle that is not finite counts as colliding and leaves candidate alone.
bool RotateOnSearch(const TPolygonTbl& page, int index, const TPointF& centre, long double angle,
                    const TPlacementRules& rules, TPolygon& candidate);

// How one move or rotation step of one shape ended.
enum class TStepResult {
    Accepted,               // no collision; candidate holds the new position
    AcceptedAfterCollision, // collided, but a search found a free position
    Refused,                // collided; the shape stays where it is
};

// One move step of the shape at index by q - downPoint, with the searches the
// rules ask for. candidate is written only when the step is accepted. After a
// collision (accepted or not) the pointer goes back to the grab point. An index
// outside the page or a point that is not finite refuses the step.
TStepResult TryMoveStep(const TPolygonTbl& page, int index, const TPointF& downPoint,
                        const TPointF& q, const TPlacementRules& rules, TPolygon& candidate);
// The same over an index synced with the page, which keeps the outlines of the
// shapes that do not move from step to step.
TStepResult TryMoveStep(const TPolygonTbl& page, TPageIndex& shapes, int index,
                        const TPointF& downPoint, const TPointF& q, const TPlacementRules& rules,
                        TPolygon& candidate);

// One rotation step of the shape at index by angle about centre. Without
// AvoidOverlap nothing is checked at all, not even the wall. candidate is
// written only when the step is accepted; an index outside the page or a
// centre or angle that is not finite refuses the step.
TStepResult TryRotateStep(const TPolygonTbl& page, int index, const TPointF& centre,
                          long double angle, const TPlacementRules& rules, TPolygon& candidate);
TStepResult TryRotateStep(const TPolygonTbl& page, TPageIndex& shapes, int index,
                          const TPointF& centre, long double angle, const TPlacementRules& rules,
                          TPolygon& candidate);

// The area-weighted centroid of the selected shapes that have an area. Without
// any area: the first vertex of the first selected shape, or (0, 0). Indices
// outside the page are skipped.
TPointF SelectionCentroid(const TPolygonTbl& page, const TDaInt& selection);

// Where a shape was grabbed, relative to its own first side, so the grab point
// follows the shape as it moves and turns. When the first side has no length,
// the angle is taken from the way to the first vertex apart from vertex 0.
struct TGrip {
    long double Angle = 0;  // radians from the direction of the first side
    long double Radius = 0; // mm from the first vertex
};
TGrip GripOf(const TPolygon& shape, const TPointF& point);
TPointF GripPoint(const TPolygon& shape, const TGrip& grip);

// The point of a shape put under the pointer when it is placed: its centroid
// snapped to the grid through its first vertex, or its first vertex when it has
// no area, or (0, 0) when it has no vertices.
TPointF PlacementReference(const TPolygon& shape, long double gridStep);

// Adds delta to every vertex.
void TranslatePolygon(TPolygon& shape, const TPointF& delta);
