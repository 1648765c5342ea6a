// Changing the shape editor's working shape as a whole: mirroring it across
// the line of a side and resizing it by a factor.
#pragma once

#include "geometry/polygon.h"

// The resize factors accepted, both included: 1 % to 1 000 000 %.
inline constexpr long double MinResizeFactor = 0.01L;
inline constexpr long double MaxResizeFactor = 10000;

// Mirrors every vertex but j and k, which keep their exact values, across the
// line from vertex j to vertex k. The vertex order, flanges and fold lines stay,
// so the outline's order as seen is reversed. False, with the shape unchanged,
// when j or k names no vertex or the two coincide (there is no line).
bool MirrorAcrossSide(TPolygon& polygon, int j, int k);

// Scales the shape by factor about the centroid of its vertices, or about their
// mean when it has no area, and every flange width with it. False, with the
// shape unchanged, for fewer than 3 vertices, a factor outside MinResizeFactor
// to MaxResizeFactor, a factor of 1 (which would only add rounding), or a
// result a drawing file
// cannot hold (IsStorableValue).
bool ResizePolygon(TPolygon& polygon, long double factor);
