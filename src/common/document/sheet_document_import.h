// Shapes brought in from elsewhere, laid out onto pages of their own: the one
// place where an import calls the layout, and what the sheet document's
// AddShapePages then puts after the drawing's pages.
#pragma once

#include "geometry/polygon.h"
#include "placement/layout_engine.h"

#include <vector>

// The gap (mm) between shapes laid out on new pages.
inline constexpr long double ImportLayoutGap = 1;

struct TShapePages {
    TLayoutOutcome Outcome = TLayoutOutcome::Done;
    // The shapes of each page, moved and turned by quarter turns where they
    // lie in the white area (0, 0) to (width, height).
    std::vector<TPolygonTbl> Pages;
    // The shapes that fit no page even alone, by their index; with any of
    // them Pages is empty.
    std::vector<int> Misfits;
};

// Lays the shapes out onto as few pages of width x height mm as the layout
// finds, ImportLayoutGap apart, turned by quarter turns. Safe on a worker
// thread; progress as LayOutShapes takes it.
TShapePages LayOutOntoPages(const std::vector<TPolygon>& shapes, long double width,
                            long double height, const TLayoutProgress& progress = {});
// The same with the layout worked out on stand-ins, one per shape in the
// shapes' own frame, each holding its shape with its flanges: the shapes are
// then moved as their stand-ins are.
TShapePages LayOutOntoPages(const std::vector<TPolygon>& shapes,
                            const std::vector<TPolygon>& standIns, long double width,
                            long double height, const TLayoutProgress& progress = {});
