// Plane geometry on points and vertex lists: distances, directions, area and
// centroid, vertex angles and order, point inside, device conversion, grid snap
// and rotation.
#pragma once

#include "geometry/polygon.h"

#include <cstdint>
#include <vector>

// An integer device pixel position.
struct TPixelPoint {
    std::int64_t X = 0;
    std::int64_t Y = 0;
    friend bool operator==(const TPixelPoint&, const TPixelPoint&) = default;
};

long double PointDistance(const TPointF& p1, const TPointF& p2);
// The point at distance length from `from` in direction `direction`.
TPointF PointAt(const TPointF& from, long double length, long double direction);
// atan2 of (p2 - p1), in (-pi, pi]; with Y downward positive turns clockwise.
long double PointDirection(const TPointF& p1, const TPointF& p2);

// Index of the vertex nearest to p (lower index on ties), or -1 for an empty
// list, which leaves distance untouched.
int NearestApex(const TDaPointF& apexes, const TPointF& p, long double& distance);

// Area (>= 0) of the closed outline; the centroid is written only when the
// area is not 0.
long double PolygonCentroid(const TDaPointF& apexes, TPointF& centroid);

// Angle at vertex k in [0, 2pi): the interior angle when the order is
// clockwise on screen, 2pi minus it otherwise.
long double RawApexAngle(const TDaPointF& apexes, int k);
bool IsClockwiseOnScreen(const TDaPointF& apexes);
// The same from the directions (PointDirection) of the sides, side k running
// from vertex k to vertex k + 1, for callers that keep them: the raw angle at a
// vertex from the directions into and out of it, and the order of the outline.
long double RawApexAngleOf(long double incoming, long double outgoing);
bool IsClockwiseFromSideDirections(const std::vector<long double>& directions);
// Interior angle at vertex k in [0, 2pi) for either vertex order.
long double ApexAngle(const TDaPointF& apexes, int k);

bool PointInPolygon(const TDaPointF& apexes, const TPointF& p);

// Millimetres to device pixels, halves to even; and back.
TPixelPoint ModelToDevice(const TPointF& p, long double scaleX, long double scaleY);
TPointF DeviceToModel(const TPixelPoint& p, long double scaleX, long double scaleY);

// p moved to the nearest node of the grid of step gridStep through the shape's
// first vertex.
TPointF SnapToGrid(const TPolygon& polygon, const TPointF& p, long double gridStep);

// Turns every vertex about centre; positive angles turn clockwise on screen.
void RotatePoints(TDaPointF& apexes, const TPointF& centre, long double angle);
// The same with the angle's cosine and sine given, for callers that turn by
// the same angles again and again.
void RotatePointsBy(TDaPointF& apexes, const TPointF& centre, long double cosine, long double sine);
