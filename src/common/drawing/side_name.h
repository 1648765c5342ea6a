// Where the name of a side stands on paper: along the side and centred on it,
// reading upright, in the side's flange or, for a side without one, inside
// the shape, never across the side's line.
#pragma once

#include "geometry/polygon.h"

// The text cell of a side's name: the middle of its bottom edge and the
// direction its text runs in (radians, clockwise as seen, as PointDirection
// gives), always within [-pi/2, pi/2), so that it reads upright. The tops of
// the letters point to the left of that direction as seen.
struct TSideNameCell {
    TPointF BottomMiddle;
    long double Angle = 0;
};

// How far the name of a side without a flange keeps inside the shape, as a
// share of its cell's height.
inline constexpr long double BareSideNameGap = 0.25L;

// The direction text along the side from `from` to `to` runs in to read
// upright: the side's own direction, or half a turn from it when the side runs
// leftward or straight down.
long double UprightDirection(const TPointF& from, const TPointF& to);

// The cell, cellHeight mm high, of the name of the side from `from` to `to`
// of an outline whose order clockwise gives (IsClockwiseOnScreen). In the
// flange (inFlange) the cell lies outside the outline, otherwise inside it;
// either way its nearest edge keeps gap mm from the side's line.
TSideNameCell SideNameCell(const TPointF& from, const TPointF& to, bool clockwise, bool inFlange,
                           long double cellHeight, long double gap);
