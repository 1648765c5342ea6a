// The workloads of the benchmark program by name, each run for today's code
// (the baseline), for the production code, or for both side by side.
#pragma once

#include "bench_support.h"

#include <functional>
#include <string>
#include <vector>

struct TRunOptions {
    bool Baseline = true;
    bool Production = true;
    int Steps = 0; // a path length for the drag workloads other than their own
};

// One line of results: step times in milliseconds, or for the file workloads
// speeds in megabytes per second.
struct TWorkloadResult {
    std::string Name;
    bool Speeds = false;
    TStepTimes Baseline;
    TStepTimes Production;
    double BaselineMbS = 0;
    double ProductionMbS = 0;
    bool Identical = true;
    std::string Details; // what the run did, in words
};

struct TWorkload {
    std::vector<std::string> Names; // of the results it gives, in order
    std::function<std::vector<TWorkloadResult>(const TRunOptions&)> Run;
};

const std::vector<TWorkload>& Workloads();
