// The question before a print or an export whose pages hold shapes that reach
// outside the part of the paper the printer can print on: which shapes, and
// whether to go on.
#pragma once

#include "geometry/bounding_box.h"
#include "geometry/polygon.h"

#include <vector>

class IPrompt;

// True when no shape of the pages reaches outside printable (the page's
// printable area in its mm) or when the user goes on all the same.
bool ConfirmShapesInside(IPrompt& prompt, const TZvDat& drawing, const std::vector<int>& pages,
                         const TBox& printable);
