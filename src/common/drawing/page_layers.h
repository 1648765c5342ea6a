// A page as a cutting plotter or laser cutter takes it: the lines sorted by
// what the machine does with them (cut, fold one way, fold the other way) and
// the names of the sides as text, in millimetres on the paper.
#pragma once

#include "drawing/canvas.h"
#include "drawing/page_look.h"
#include "drawing/registration_marks.h"
#include "drawing/side_name.h"
#include "geometry/polygon.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

enum TLayerKind : std::uint8_t {
    lkCut = 0,   // the outer boundary of each shape joined with its flanges
    lkFold1 = 1, // the flanged sides and fold lines of set 1
    lkFold2 = 2, // fold lines of set 2, which fold the other way
    lkText = 3,  // the names of sides
};

inline constexpr std::array<TLayerKind, 4> LayerKinds{lkCut, lkFold1, lkFold2, lkText};

// Cut red, fold-1 blue, fold-2 green, text black, in every output.
TColor LayerColor(TLayerKind kind);

// The fold layers hold the lines as their looks draw them (fold_style.h):
// hidden ones left out, outside marks in place of their lines.
struct TPageLayers {
    std::vector<TDaPointF> Cut;        // one closed outline per shape, or per part of one
    std::vector<TSegmentF> FlangeBase; // the flanged sides, in layer fold-1
    std::vector<TSegmentF> Fold1;      // fold lines of set 1
    std::vector<TSegmentF> Fold2;      // fold lines of set 2
    std::vector<TTextPlacement> Text;
    std::vector<TMarkPath> Registration; // print-and-cut marks, when printed
};

// The layers of a page whose millimetre origin lies at origin on the paper,
// shapes in page order. The cut outlines of a shape are its CutOutlines; a
// side carries a fold line only where its flange is drawn; fold lines that
// join no two vertices are left out, as are shapes of fewer than two
// vertices and lines with a point that is not finite. The names of sides
// stand as on a printed page, look.TextHeight mm high (fitted to their room
// with a measure): upright and centred along their side, in its flange or,
// without one, inside the shape a little in from the side; side k of shape i
// adds nameSuffixes[i][k] to its name where the lists reach.
TPageLayers PageLayersOf(const TPolygonTbl& page, const TPointF& origin, const TPageLook& look,
                         std::span<const std::vector<std::string>> nameSuffixes = {});
// The same with the default looks, names not fitted.
TPageLayers PageLayersOf(const TPolygonTbl& page, const TPointF& origin, long double textHeight,
                         std::span<const std::vector<std::string>> nameSuffixes = {});
