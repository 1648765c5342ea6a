// A page's cut, fold and text layers as a DXF drawing for cutting plotters,
// laser cutters and 2D CAD programs: DXF R2000 by default, with millimetres
// declared, or DXF R12, which every reader of DXF takes.
#pragma once

#include "drawing/fold_style.h"
#include "drawing/page_layers.h"
#include "dxf_writer.h"

#include <string>

// The DXF layer names: "CUT", "FOLD1", "FOLD2", "TEXT".
std::string DxfLayerName(TLayerKind kind);
// The layer of the registration marks.
inline const std::string DxfRegistrationLayer = "REGISTRATION";

struct TDxfPaper {
    long double Width = 0; // mm
    long double Height = 0;
    TFoldLooks Folds; // the line types and weights of the fold lines
    TDxfVersion Version = TDxfVersion::R2000;
};

// The drawing in millimetres on the paper, with the Y axis turned up as DXF
// has it: a point y mm below the paper's top edge lies at paper.Height - y.
// The code page is Shift-JIS, in which the texts are written in a style whose
// font shows Japanese. Cut outlines are closed polylines, fold lines lines in
// the line type of their look (DASHED, DASHDOT or continuous) and, in R2000,
// its line weight; texts are centred on their place, their insertion point
// the left end of their baseline for readers that do not align them; the
// registration marks are a solid and two polylines. Every entity takes the
// colour of its layer (cut red, fold-1 blue, fold-2 green, text and marks
// black or white).
std::string DxfOfPage(const TPageLayers& layers, const TDxfPaper& paper);
