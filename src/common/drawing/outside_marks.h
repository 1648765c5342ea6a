// The short marks that stand for a fold line drawn "outside the piece only":
// on the line's extension beyond each of its ends, on the waste around the
// piece, so that the piece once cut out shows no line where it folds.
#pragma once

#include "drawing/fold_style.h"
#include "geometry/polygon.h"

#include <optional>
#include <span>
#include <vector>

// How long a mark is and how far it keeps from the cut line, in mm.
inline constexpr long double OutsideMarkLength = 3;
inline constexpr long double OutsideMarkGap = 1;

// The marks of line, whose ends lie on or inside the piece bounded by
// cutOutlines (its outline joined with its flanges): for each end, the part
// of the line's extension beyond that end that starts OutsideMarkGap past the
// point where the extension leaves the piece, OutsideMarkLength long. A line
// of no length has none.
std::vector<TSegmentF> OutsideMarks(const TSegmentF& line, std::span<const TDaPointF> cutOutlines);

// A shape's cut outlines (CutOutlines), worked out the first time they are
// asked for: only the marks need them.
class TPieceCut {
public:
    explicit TPieceCut(const TPolygon& shape) : FShape(shape) {}
    const std::vector<TDaPointF>& Outlines();

private:
    const TPolygon& FShape;
    std::optional<std::vector<TDaPointF>> FOutlines;
};

// Adds to lines what stands for a fold line of the piece drawn in style:
// nothing when hidden, its outside marks for OutsideMarks, else the line.
void AddStyledFold(std::vector<TSegmentF>& lines, const TSegmentF& line, TLineStyle style,
                   TPieceCut& piece);
