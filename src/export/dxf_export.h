// A page's cut, fold and text layers as a DXF drawing for cutting plotters
// and laser cutters: DXF R12 text, which every reader of DXF takes.
#pragma once

#include "drawing/page_layers.h"

#include <string>

// The DXF layer names: "CUT", "FOLD1", "FOLD2", "TEXT".
std::string DxfLayerName(TLayerKind kind);

// The drawing in millimetres on a paper of paperWidth x paperHeight mm, with
// the Y axis turned up as DXF has it: a point y mm below the paper's top edge
// lies at paperHeight - y. R12 has no unit field; its code page is Shift-JIS,
// in which the texts are written. Cut outlines are closed polylines, fold
// lines lines, texts centred on their place; every entity takes the colour of
// its layer (cut red, fold-1 blue, fold-2 green, text black or white).
std::string DxfOfPage(const TPageLayers& layers, long double paperWidth, long double paperHeight);
