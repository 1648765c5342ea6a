// The zoom input box shared by the sheet and the shape editor.
#pragma once

#include "prompt.h"

// Asks for a percentage, offering the current zoom rounded to a whole
// percentage, and returns it as a factor (150 gives 1.5). Cancel keeps the
// offered text; a malformed entry gives back the current zoom. The callers
// test the range.
long double ZoomDialog(IPrompt& prompt, long double zoom);
