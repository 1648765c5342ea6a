// Picking one side of the shapes of a page: the side a click or a hovering
// pointer means when sides are what the user chooses, as the joint commands
// of the sheet do.
#pragma once

#include "geometry/polygon.h"

// A side of a page: shape Shape, from its vertex Side to vertex Side + 1.
struct TPickedSide {
    int Shape = -1;
    int Side = -1;
    friend bool operator==(const TPickedSide&, const TPickedSide&) = default;
};

// The nearest side within pickDist of p of the shapes whose outline holds p,
// so that where pieces touch a click just inside one means that piece; when
// none of those is near enough, the nearest side within pickDist of the other
// shapes. Equal distances go to the lower shape index, then the lower side.
// False when no side lies within pickDist.
bool PickSide(const TPolygonTbl& page, const TPointF& p, long double pickDist, TPickedSide& picked);
