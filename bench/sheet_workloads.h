// The sheet window's workloads on large drawings: the page tabs when a
// drawing of many pages is opened, when New replaces it and when a tab is
// clicked, and the flange check window following commands on a large model;
// each beside today's code.
#pragma once

#include "page_workloads.h"

struct TPageTabRuns {
    TTimedRun Open;  // beyond the parse: the document takes the drawing, the
                     // tabs follow, the strip and page 1 are painted
    TTimedRun New;   // the one empty page replaces it
    TTimedRun Click; // a click on a tab: the page changes, the strip repaints
};
TPageTabRuns RunPageTabs(int pages, int repeats, bool baseline, bool production);

struct TFlangeCheckRuns {
    TTimedRun Step; // the window after a drag's mouse-up, an undo or a redo
    TTimedRun Full; // the whole check
};
// On a model of 20000 shapes with every side named.
TFlangeCheckRuns RunFlangeCheck(int steps, bool baseline, bool production);
