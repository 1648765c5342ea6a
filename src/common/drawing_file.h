// The drawing file: every page of a drawing as text, each shape as its text
// block followed by an empty line. Pure functions over bytes.
#pragma once

#include "polygon.h"

#include <string>
#include <string_view>

// The file's bytes for the drawing; false (and nothing written) when a value
// cannot be written.
bool DrawingToText(const TZvDat& drawing, std::string& bytes);

enum class TDrawingReadResult {
    Ok,         // drawing holds what the file holds (an empty drawing for a
                // first line that is 0, empty or not a number)
    Malformed,  // a block failed to read or a count cannot be right
    RangeError, // a negative fold-line count
};

// Reads the file's bytes. On success drawing holds the pages read (at least
// one); on failure drawing is left as it was.
TDrawingReadResult TextToDrawing(std::string_view bytes, TZvDat& drawing);
