// What the sheet says about shapes too large for the page: the refusal of a
// new or pasted shape, and the pieces a layout left where they were.
#pragma once

#include "document/sheet_document.h"
#include "drawing/print_layout.h"

#include <QString>

// "W × H mm", to a tenth of a millimetre.
QString SizeText(long double width, long double height);

// The refusal of a shape larger than the white area, naming both sizes.
QString TooLargeText(const TPolygon& shape, const TPageAreaMm& area);

// The pieces of job a layout left where they were (applied.Misfits), each by
// its page and place on the page counted from 1 (or as a new piece) with its
// size.
QString MisfitsText(const TLayoutJob& job, const TLayoutApplied& applied, const TPageAreaMm& area);
