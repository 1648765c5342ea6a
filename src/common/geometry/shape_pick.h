// What a press or a rubber band takes of whole shapes: the shape of a page
// under a point, whether a press inside a shape moves or turns it, and the
// shapes a rubber band meets.
#pragma once

#include "geometry/page_index.h"
#include "geometry/polygon.h"

// The index of the shape of page under p: of the shapes whose outline contains p
// (flanges do not count), the one whose nearest side is closest to p, the lower
// index at equal distance; -1 when p lies outside every outline.
int PickPolygon(const TPolygonTbl& page, const TPointF& p);

// What pressing on a shape of the sheet at point starts: a move when the point
// lies within the radius of a circle of half the shape's area around its
// centroid, a rotation farther out, nothing for a shape without area.
enum class TGrabKind { None, Move, Rotate };
TGrabKind GrabKind(const TPolygon& shape, const TPointF& point);

// The same division in the shape editor, where a press near a side picks the
// side instead.
enum class TShapeGesture { None, Move, Rotate };

// The radius of the circle about the centroid that holds half the area: a
// press nearer the centroid moves the shape, a press farther out turns it.
long double ShapeGrabRadius(long double area);

// What a press at q starts: nothing when q lies outside the outline, within
// linePickDist of a side (fold lines do not count), or the shape has no area;
// otherwise a move near the centroid or a rotation farther out.
TShapeGesture ShapeGestureAt(const TDaPointF& apexes, const TPointF& q, long double linePickDist);

// The shapes of page, in index order and not yet in selection, that a rubber
// band rectangle (corners in mm) touches, contains or lies inside, flanges
// included.
TDaInt ShapesInRubberBand(const TPolygonTbl& page, const TPointF& corner1, const TPointF& corner2,
                          const TDaInt& selection);
TDaInt ShapesInRubberBand(TPageIndex& shapes, const TPointF& corner1, const TPointF& corner2,
                          const TDaInt& selection);
