// Line and segment intersections: the line form of a segment, where two lines
// meet, and whether two segments share a point.
#pragma once

#include "geometry/polygon.h"

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
// through segment. A reference kept with its tests: nothing in the program
// casts rays.
bool RayLineIntersect(const TPointF& origin, long double angle, const TSegmentF& segment,
                      TPointF& point);

// True when the segments share a point, end points included. Segments on one
// line with overlapping ranges give collinear true and leave point alone; a
// zero-length segment intersects nothing. point is written only on a hit.
bool SegmentsIntersect(const TSegmentF& segment1, const TSegmentF& segment2, TPointF& point,
                       bool& collinear);
