// A page of shapes as a printer draws it, in millimetres from the page's
// origin: per shape its outline and the outer edges of its flanges as cut
// lines, the base lines of its flanges and its fold lines in their looks, and
// the names of its sides fitted to their flanges. Every shape is drawn the
// same whatever the screen shows: black, with all its names.
#pragma once

#include "drawing/page_look.h"
#include "drawing/printed_sheet.h"
#include "geometry/polygon.h"

#include <span>
#include <string>
#include <vector>

// Strokes in this order: the cut lines (CutLineWidth, solid), then the flange
// base lines, fold lines of set 1 and of set 2, each in its look; a hidden
// look's stroke holds no paths. Each shape's outline is one closed path when
// no side carries a flange, else one open path for each run of sides without
// one; each flange is one path from its side's first vertex around its outer
// edges to the second. Side k of shape i adds nameSuffixes[i][k] to its name
// where the lists reach. Shapes of fewer than two vertices and paths with a
// point that is not finite are left out.
TPrintedSheet PrintedPageOf(const TPolygonTbl& page, const TPageLook& look,
                            std::span<const std::vector<std::string>> nameSuffixes = {});

enum TPrintedPageStroke : std::uint8_t {
    psCut = 0,
    psFlangeBase = 1,
    psFold1 = 2,
    psFold2 = 3,
};
