// What a printed sheet of paper holds, in millimetres, for any printer or PDF
// to draw as vector lines: paths grouped by how they are stroked (width,
// dashes, or filled), and lines of text. A page of shapes becomes one
// (printed_page.h); the marks of tiled pages and of print-and-cut machines
// another (print_marks.h).
#pragma once

#include "drawing/side_name.h"
#include "geometry/polygon.h"

#include <vector>

struct TPrintPath {
    TDaPointF Points;
    bool Closed = false;
};

// Paths drawn alike: black lines Width mm wide in the dash pattern Dashes (mm,
// drawn and skipped in turn; empty for continuous lines), or black areas
// when Filled.
struct TPrintStroke {
    long double Width = 0;
    std::vector<long double> Dashes;
    bool Filled = false;
    std::vector<TPrintPath> Paths;
};

enum class TTextAlign : std::uint8_t {
    Centre, // At is the middle of the baseline
    Left,   // At is the baseline's left end
};

struct TPrintText {
    TTextPlacement Placement;
    TTextAlign Align = TTextAlign::Centre;
};

struct TPrintedSheet {
    std::vector<TPrintStroke> Strokes;
    std::vector<TPrintText> Texts;
};
