// Line and segment intersections, the overlap of shapes with their glue flanges,
// rotation of vertex lists and the vertex moves that keep side lengths.
#pragma once

#include "polygon.h"

// Two lines of the same form whose slopes differ by less than this are parallel
// for LinesIntersect. The collision tests use no tolerance at all.
inline constexpr long double ParallelSlopeTolerance = 1e-5L;

// Line form of a segment. xForm true: y = slope * x + intercept, taken when the
// segment is at most 45 degrees from horizontal, so |slope| <= 1. xForm false:
// x = slope * y + intercept, with |slope| < 1. False for a zero-length segment,
// which leaves the outs alone.
bool LineCoeffs(const TSegmentF& segment, bool& xForm, long double& slope, long double& intercept);

// Meeting point of the two infinite lines through the segments; false for a
// zero-length segment or lines that are parallel within ParallelSlopeTolerance.
bool LinesIntersect(const TSegmentF& segment1, const TSegmentF& segment2, TPointF& point);

// The line through origin in direction angle (radians) meeting the line
// through segment.
bool RayLineIntersect(const TPointF& origin, long double angle, const TSegmentF& segment,
                      TPointF& point);

// True when the segments share a point, end points included. Segments on one
// line with overlapping ranges give collinear true and leave point alone; a
// zero-length segment intersects nothing. point is written only on a hit.
bool SegmentsIntersect(const TSegmentF& segment1, const TSegmentF& segment2, TPointF& point,
                       bool& collinear);

// True when the closed outlines cross, touch or one lies inside the other.
// contact gets a point of the contact: the crossing point, or the centroid of
// the inner outline; a collinear touch leaves it alone. Empty outlines never
// overlap.
bool PolygonsOverlap(const TDaPointF& outlineA, const TDaPointF& outlineB, TPointF& contact);

// True when shape, the candidate position of the shape at ownIndex, overlaps
// any other shape of the page, flanges included.
bool PolygonHitsOthers(const TPolygonTbl& page, int ownIndex, const TPolygon& shape,
                       TPointF& contact);

// Turns every vertex about centre; positive angles turn clockwise on screen.
void RotatePoints(TDaPointF& apexes, const TPointF& centre, long double angle);

// The outline once around the shape and its flanges: per side the first three
// corners of its flange, or the side's first vertex when it has none. A flange
// whose corners cannot be built (an angle with sine 0) takes no part.
TDaPointF OutlineWithFlanges(const TPolygon& polygon);
int OutlineWithFlangesCount(const TPolygon& polygon);

// A point at lenPrev from pPrev and lenNext from pNext, the one of the two
// nearer to pRef. False when the circles do not cross at two points.
bool TwoCirclePoint(const TPointF& pPrev, const TPointF& pRef, const TPointF& pNext,
                    long double lenPrev, long double lenNext, TPointF& point);

// Puts vertex i of copy at target and walks from it in direction d (+1 or -1),
// moving the following vertices so that every side keeps its length in
// before, until one vertex can be placed between its two neighbours. False
// when the walk comes back to i; copy may then be partly moved.
bool KeepLenWalk(const TDaPointF& before, TDaPointF& copy, int i, int d, const TPointF& target);

// Move vertex i to target keeping the side lengths, walking one way (d) or
// both ways; the shape changes only on success.
bool MoveApexKeepLenDir(TPolygon& polygon, int i, const TPointF& target, int d);
bool MoveApexKeepLen(TPolygon& polygon, int i, const TPointF& target);
