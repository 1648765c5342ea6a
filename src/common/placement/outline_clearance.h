// How far apart two closed outlines lie, as the layout checks every place it
// gives a shape: the least distance between their sides, and none at all when
// they cross, touch or one lies inside the other.
#pragma once

#include "geometry/polygon.h"

// The least distance from a point to the segment, ends included.
long double PointSegmentDistance(const TPointF& p, const TSegmentF& segment);

// The least distance between the closed outlines a and b (normally outlines
// with flanges): 0 when sides meet (SegmentsIntersect) or a first vertex lies
// inside the other outline (PointInPolygon). Empty outlines are infinitely
// far apart.
long double OutlineDistance(const TDaPointF& a, const TDaPointF& b);

// True when the outlines lie at least gap apart; quicker than the distance
// when their boxes already tell.
bool OutlinesKeepApart(const TDaPointF& a, const TDaPointF& b, long double gap);
