// What an edit changed in a shape, kept so that it can be undone and redone
// to the last bit without two copies of the shape: with the vertex count
// kept, the vertices and flange fields that differ; otherwise the stretch
// between the parts at both ends that stayed, before and after. Fold lines,
// few and short, are kept whole.
#pragma once

#include "geometry/polygon.h"
#include "history/flange_changes.h"
#include "history/list_change.h"

#include <array>
#include <cstdint>

class TPolygonChange {
public:
    TPolygonChange() = default;
    TPolygonChange(const TPolygon& before, const TPolygon& after);

    // Turns the shape as the edit left it back into the one before it (undo)
    // or forward again (redo). False, changing nothing, for a shape whose
    // vertex or flange count is not the one the change starts from.
    bool Apply(TPolygon& shape, bool undo) const;

private:
    struct TSize {
        std::size_t Apexes = 0;
        std::size_t Flanges = 0;
    };

    TSize FBefore;
    TSize FAfter;
    // When the counts stayed.
    TListChange<TPointF> FApexes;
    TFlangeChanges FFlanges;
    // When they did not: from FStart, before and after the parts at the end
    // that stayed.
    std::size_t FStart = 0;
    TDaPointF FOldApexes;
    TDaPointF FNewApexes;
    TDaFlange FOldFlanges;
    TDaFlange FNewFlanges;
    std::array<TDaBendLine, 2> FOldBendLines;
    std::array<TDaBendLine, 2> FNewBendLines;
};
