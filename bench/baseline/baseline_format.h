// Today's drawing file writer and reader as they stand, with their number
// fields written and read through the library's long double conversions.
#pragma once

#include "format/drawing_file.h"
#include "geometry/polygon.h"

#include <string>
#include <string_view>

namespace baseline {

bool AppendNumberField(std::string& text, long double value);
bool TryTextToFloat(std::string_view text, long double& value);
bool DrawingToText(const TZvDat& drawing, std::string& bytes);
TDrawingReadResult TextToDrawing(std::string_view bytes, TZvDat& drawing);

} // namespace baseline
