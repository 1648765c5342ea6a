// Where the name of a side stands on paper: along the side and centred on it,
// reading upright, in the side's flange or, for a side without one, inside
// the shape, never across the side's line, and no longer than its flange.
#pragma once

#include "drawing/name_fit.h"
#include "geometry/polygon.h"

#include <string>

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

// Where a line of text stands: the middle of its baseline, the direction it
// runs in (radians, clockwise as seen, as PointDirection gives), the height
// of its letters in mm and its width in mm (0 when it was not measured). The
// tops of the letters point to the left of the direction as seen.
struct TTextPlacement {
    TPointF At;
    long double Angle = 0;
    long double Height = 0;
    std::string Text; // Shift-JIS bytes, as the flange holds them
    long double Width = 0;
};

// How far the baseline of a side's name lies above the bottom of its text
// cell, as a share of the text height: the room that letters like "g" need
// below it. The cell, descent included, is NameCellScale heights high.
inline constexpr long double FlangeNameBaselineLift = 0.2L;
inline constexpr long double NameCellScale = 1 + FlangeNameBaselineLift;

// The name text of side `side` of shape, height mm high, standing as on a
// printed page: in its flange when inFlange (flange being FlangeOutline's
// quadrilateral), else inside the shape a little in from the side. With a
// measure the name is fitted to its room (name_fit.h) first. False when
// nothing of it is left to write or its place is not finite.
bool PlaceSideName(const TPolygon& shape, int side, bool clockwise, bool inFlange, std::string text,
                   long double height, const ITextMeasure* measure, TTextPlacement& placed);
