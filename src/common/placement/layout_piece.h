// One shape as the layout may place it: turned by one of the allowed angles,
// perhaps mirrored, and covered by convex parts in a frame whose origin is the
// top left corner of the cover's box.
#pragma once

#include "geometry/polygon.h"
#include "placement/convex_polygon.h"
#include "placement/layout_transform.h"

#include <vector>

struct TLayoutPiece {
    int Shape = -1;        // index of the shape among those laid out
    long double Angle = 0; // the turn and mirror of the layout transform
    bool Mirror = false;
    TVec Corner; // the cover box's top left corner, where the turned shape has it
    double Width = 0;
    double Height = 0;
    std::vector<TConvexPart> Parts;   // the cover, in the piece's frame
    std::vector<TConvexPart> Grown;   // each part grown by the clearance polygon
    std::vector<TConvexPart> Negated; // each part turned half a turn
};

// The piece of shape, turned by angle and mirrored when asked; clearance is
// the polygon the parts are grown by, slack that of ConvexCover. False when
// the shape has no cover (no vertices, or a number that is not finite).
bool MakeLayoutPiece(const TPolygon& shape, int index, long double angle, bool mirror,
                     const TConvexPart& clearance, TLayoutPiece& piece, double slack = 0);

// The transform that puts the piece's frame origin at `at`.
TLayoutTransform PlacementOf(const TLayoutPiece& piece, const TVec& at);
