// What the shape editor's constructions share: vertex indices taken round the
// outline, putting a vertex at a target with or without keeping side lengths,
// and taking a result only when a drawing file can hold every vertex.
#pragma once

#include "geometry/polygon.h"

// index modulo count, in 0 to count - 1; count must be positive.
int WrapIndex(int index, int count);

// Puts vertex k at target. With keepLengths the other vertices follow so that
// every side keeps its length: when vertex `from` and k are the ends of one side
// only the vertices beyond k move, otherwise those on both sides of k. False,
// with the shape unchanged, when the lengths cannot be kept.
bool MoveApexTo(TPolygon& polygon, int k, const TPointF& target, bool keepLengths, int from = -1);

// polygon takes the vertices when every one of them is storable
// (AllApexesStorable); false, with polygon unchanged, otherwise. A result that
// is not finite is a construction that rounding or a zero length made
// impossible; one beyond the file's limit could never be saved.
bool TakeStorableApexes(TPolygon& polygon, TDaPointF apexes);
