// The sheet drag workloads: a scripted path of mouse steps through the crowded
// page, moving or turning one shape under a set of placement rules, each step
// run through the handler's code and followed by the repaint of the area it
// changed, today's code and the production code side by side.
#pragma once

#include "bench_support.h"
#include "placement/placement.h"

#include <string>

enum class TDragKind { Move, Rotate };

struct TDragWorkload {
    std::string Name;
    TDragKind Kind = TDragKind::Move;
    bool KeepInside = false;
    bool AvoidOverlap = false;
    bool AutoRotate = false;
    int Steps = 300;
    // 0: the crowded page of flanged rounded rectangles, beside the oldest
    // code kept; otherwise a crowded page of this many irregular shapes at
    // random turns, beside today's code.
    int Shapes = 0;
};

struct TDragRun {
    TStepTimes Baseline; // whole steps: handler and repaint
    TStepTimes Production;
    TStepTimes BaselineRepaint; // the repaint part alone
    TStepTimes ProductionRepaint;
    TStepTimes BaselineHandler; // the mouse-move handler's part alone
    TStepTimes ProductionHandler;
    int Refused = 0;       // steps that left the shape where it was
    int Turned = 0;        // steps accepted after a collision
    bool Identical = true; // every step's results, shapes and pixels
};

// Runs the workload's steps. Either side may be left out (then nothing is
// compared); with both, each step runs on both before the next, so that both
// meet the same load on a shared machine.
TDragRun RunDrag(const TDragWorkload& workload, bool baseline, bool production);
