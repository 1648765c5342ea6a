// The drawing file: every page of a drawing as text, each shape as its text
// block followed by an empty line. Pure functions over bytes; the file is
// read and written a piece at a time by drawing_reader and drawing_writer.
#pragma once

#include "geometry/polygon.h"

#include <string>
#include <string_view>

// The file's bytes for the drawing, lines ending in CR LF; a drawing without
// pages is written as one empty page. False (and bytes left empty) when a
// shape cannot be written (see PolygonToText).
bool DrawingToText(const TZvDat& drawing, std::string& bytes);

enum class TDrawingReadResult {
    Ok,         // drawing holds what the file holds
    Malformed,  // the first line is not a positive page count, a block failed
                // to read, a count cannot be right or the file ends before its
                // last page
    RangeError, // a negative fold-line count
};

// No line of a drawing file is longer; the longest a program writes is a
// vertex line of about a hundred bytes.
inline constexpr std::size_t DrawingFileMaxLineBytes = 4096;

// Reads the file's bytes. Lines end at CR (one LF after it is skipped; a lone
// LF does not end a line) and the byte 0x1A ends the file. A line longer than
// DrawingFileMaxLineBytes fails the read. On success drawing holds the pages
// read (at least one); on failure drawing is left as it was.
TDrawingReadResult TextToDrawing(std::string_view bytes, TZvDat& drawing);
