// The drawing file workloads: saving a drawing of many crowded pages to its
// file bytes and loading them again, today's writer and reader (the whole
// text at once) beside the production ones (a piece at a time), in megabytes
// of file per second.
#pragma once

#include <string>

struct TFileRun {
    double BaselineSaveMbS = 0;
    double ProductionSaveMbS = 0;
    double BaselineLoadMbS = 0;
    double ProductionLoadMbS = 0;
    std::size_t Bytes = 0;
    bool SavedIdentical = true;  // the same bytes
    bool LoadedIdentical = true; // the same drawing, bit for bit
};

// Saves and loads a drawing of shapeCount shapes repeats times on each side,
// each run of one side followed by the same run of the other; the speeds are
// those of the median runs.
TFileRun RunFile(int shapeCount, int repeats);
