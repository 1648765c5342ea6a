// The vertices a move, a rotation or another command moved, kept so that undo
// and redo give every vertex back bit for bit: adding and taking away a
// rounded difference can miss the old position by a unit in the last place,
// so the positions before and after are kept, or, for a shift that goes back
// and forth exactly, the shift alone.
#pragma once

#include "geometry/polygon.h"

#include <cstdint>
#include <vector>

struct TApexMoves {
    // The vertices moved, ascending; when none are listed, vertices 0 to
    // Count - 1, every vertex of the shape.
    std::int32_t Count = 0;
    std::vector<std::int32_t> Indices;
    // When Before is empty every vertex moved by exactly this.
    TPointF Shift;
    TDaPointF Before;
    TDaPointF After;

    std::size_t Moved() const;
    // The new position minus the old one of the k-th vertex moved.
    TPointF Delta(std::size_t k) const;
};

// The moves from before to after: of every vertex, or, with onlyMoved, of the
// vertices whose position differs. None (Moved() is 0) when nothing moved or
// the vertex counts differ.
TApexMoves ApexMovesOf(const TDaPointF& before, const TDaPointF& after, bool onlyMoved);

// Moves the vertices back (undo) or forward again. A vertex found where the
// moves left it (or took it from) goes exactly where they say; one found
// elsewhere is shifted by its recorded difference. A vertex the shape no
// longer has is passed over.
void ApplyApexMoves(TDaPointF& apexes, const TApexMoves& moves, bool undo);
