// How a page's shapes look on paper and in exported files alike: the looks of
// fold and flange base lines, and the height of the names of sides with the
// measure that fits them into their flanges.
#pragma once

#include "drawing/fold_style.h"
#include "drawing/name_fit.h"

struct TPageLook {
    TFoldLooks Folds;
    long double TextHeight = 0; // mm: the names' height before they are fitted
    // Fits names into their room (name_fit.h); none draws them at TextHeight.
    const ITextMeasure* Measure = nullptr;
};
