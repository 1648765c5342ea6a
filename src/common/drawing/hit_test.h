// From the mouse to the model: a mouse position in millimetres with grid snap
// and direction alignment, and the distance queries that find the side, fold
// line or shape under the mouse.
#pragma once

#include "drawing/view_scale.h"
#include "geometry/polygon.h"

#include <cstdint>

// The keys of a mouse event that steer MousePosToMm.
struct TMouseKeys {
    bool Shift = false; // align onto the horizontal, vertical or diagonal of the reference
    bool Ctrl = false;  // snap to the grid anchored at the page origin
};

// The mouse position (x, y) in pixels as millimetres at screenScale pixels per
// millimetre. With Ctrl it is snapped to the grid of step gridStep, and then
// with Shift aligned with reference.
TPointF MousePosToMm(long double screenScale, long double gridStep, const TPointF& reference,
                     TMouseKeys keys, std::int64_t x, std::int64_t y);
// The same at the screen scale and grid step of scale.
TPointF MousePosToMm(const TViewScale& scale, const TPointF& reference, TMouseKeys keys,
                     std::int64_t x, std::int64_t y);

// The foot of the perpendicular from q onto the line through a and b.
TPointF FootOfPerpendicular(const TPointF& q, const TPointF& a, const TPointF& b);
// True when that foot lies between a and b, ends included; foot is set either way.
bool FootOnSegment(const TPointF& q, const TPointF& a, const TPointF& b, TPointF& foot);
long double DistToSegment(const TPointF& q, const TPointF& a, const TPointF& b);

// Distance from q to the nearest side of the closed outline, whose end vertices
// go to index1 and index2 (the first side wins a tie). -1 for fewer than 2
// vertices, which leaves the indices untouched.
long double NearestSide(const TPointF& q, const TDaPointF& apexes, int& index1, int& index2);

// As NearestSide, then the fold lines of set 1 and set 2 compete with the sides:
// only a strictly nearer line replaces the best, so a side beats a fold line and
// set 1 beats set 2 at equal distance. Fold lines that break the index rule are
// ignored.
long double NearestLine(const TPointF& q, const TPolygon& polygon, int& index1, int& index2);

// The index of the shape of page under p: of the shapes whose outline contains p
// (flanges do not count), the one whose nearest side is closest to p, the lower
// index at equal distance; -1 when p lies outside every outline.
int PickPolygon(const TPolygonTbl& page, const TPointF& p);
