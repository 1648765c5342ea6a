// The shape text block: one shape as lines of text, used in drawing files and
// on the clipboard. Text is bytes; flange names stay Shift-JIS.
#pragma once

#include "polygon.h"

#include <string>
#include <string_view>

inline constexpr std::string_view PolygonMagicLine = "Mirovelantiska PolygonDat";

enum class TTextReadResult {
    Ok,
    Malformed,  // not a readable block
    RangeError, // a negative fold-line count ("範囲チェックエラー")
};

// The block of the shape, every line ending in CR LF. Fails (returns false,
// leaves text empty) when a number cannot be written within its columns.
bool PolygonToText(const TPolygon& polygon, std::string& text);

// Reads one block. The shape is changed only when the result is Ok.
TTextReadResult TextToPolygon(std::string_view text, TPolygon& polygon);
