// A grown piece read off as a shape: its outline once around its faces, which
// half-edge each side is, the inner angle at each vertex, and the edges inside
// it as fold lines, mountain or valley as seen from the printed side.
#pragma once

#include "geometry/polygon.h"
#include "unfolding/piece_growth.h"

#include <array>
#include <vector>

struct TPieceOutline {
    TDaPointF Points;                 // in the piece's own frame, mm
    std::vector<int> Sides;           // half-edge of side i, from point i to point i + 1
    std::vector<long double> Angles;  // the piece's inner angle at point i
    std::vector<int> Vertices;        // the mesh vertex at point i
    std::array<TDaBendLine, 2> Folds; // mountain folds, then valley folds
};

TPieceOutline OutlineOf(const TPieceGrowth& growth, const TFoldGeometry& fold, int piece);
