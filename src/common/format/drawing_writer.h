// Writing a drawing file's text a piece at a time, so that the text of a
// drawing of hundreds of megabytes is never held whole: each piece goes on
// to the file as soon as it is made.
#pragma once

#include "geometry/polygon.h"

#include <cstddef>
#include <functional>
#include <string_view>

// The pieces are about this long: long enough that passing them on costs
// nothing, short enough that a progress report or a cancel is never far off.
inline constexpr std::size_t DrawingTextPieceBytes = 1 << 20;

// Takes the next piece of the text and the share of the drawing written with
// it (0 to 1); false stops the writing.
using TDrawingTextSink = std::function<bool(std::string_view piece, double done)>;

enum class TDrawingWriteEnd {
    Written,
    Stopped,    // the sink asked to stop
    Unwritable, // a shape holds what the file cannot (see PolygonToText)
};

struct TDrawingWriteResult {
    TDrawingWriteEnd End = TDrawingWriteEnd::Written;
    // For Unwritable, the first shape that cannot be written: its page and its
    // index on the page, from 0. A drawing of more than MaxPageCount pages
    // gives page MaxPageCount and shape -1.
    int Page = -1;
    int Shape = -1;
};

// Passes the file's text for the drawing to sink (lines ending in CR LF; a
// drawing without pages is written as one empty page). On Unwritable or
// Stopped what was passed on is no drawing file and is to be thrown away.
TDrawingWriteResult WriteDrawingText(const TZvDat& drawing, const TDrawingTextSink& sink);
