// The print of every page as it was before prints became vector paths: each
// page a PDF of its own at 300 dpi, every line drawn as one-pixel squares
// through the screen's canvas, the partner marks checked anew for each page.
#pragma once

#include "geometry/polygon.h"

#include <QString>

namespace baseline {

// Prints each page of drawing, partner pages on, into folder as page-N.pdf.
bool PrintAllPages(const TZvDat& drawing, const QString& folder);

} // namespace baseline
