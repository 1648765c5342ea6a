// The crowded page's workloads other than drags: the collision check of shapes
// where they lie (as a press on a shape runs it), the rubber band's mouse-up
// over most of the page, the full repaint of the page at two zooms, and the
// shape editor's vertex drag on a large shape; each side by side with today's
// code.
#pragma once

#include "bench_support.h"

struct TTimedRun {
    TStepTimes Baseline;
    TStepTimes Production;
    bool Identical = true;
};

// One collision check, wall and overlap, of each of `checks` shapes.
TTimedRun RunCollisionChecks(int checks, bool baseline, bool production);

// The rubber band's mouse-up, selecting most of the page, repeats times.
TTimedRun RunRubberBand(int repeats, bool baseline, bool production);

// A full repaint of the page into a 1600 x 1200 view at zoom (1 = 100 %),
// centred on the page, repeats times. A cold run gives the production side a
// fresh page index each time, as the first paint after a page change has.
TTimedRun RunFullRepaint(long double zoom, bool cold, int repeats, bool baseline, bool production);

// The first paint of a 1600 x 1200 view at 100 %, centred on a crowded page of
// shapeCount irregular shapes, after another page was shown, repeats times: a
// page the sheet never showed before (unseen) or the one it showed last.
TTimedRun RunFirstPaint(int shapeCount, int repeats, bool unseen, bool baseline, bool production);

// Dragging one vertex of a 500-vertex flanged shape with the length-keeping
// move for `steps` mouse steps, each with its repaint.
TTimedRun RunEditorDrag(int steps, bool baseline, bool production);
