// The benchmark program: every workload beside today's code. With --summary it
// runs the workloads once each, both sides in the same run, and prints one line
// per workload; without, it runs them as Google Benchmark benchmarks, one per
// workload and side.
#include "workloads.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

void PrintResult(const TWorkloadResult& result, bool details) {
    const char* identical = result.Identical ? "yes" : "no";
    if (result.Speeds) {
        const double ratio = result.BaselineMbS > 0 ? result.ProductionMbS / result.BaselineMbS : 0;
        std::printf("%s baseline_mb_s=%.1f mb_s=%.1f ratio=%.1f identical=%s\n",
                    result.Name.c_str(), result.BaselineMbS, result.ProductionMbS, ratio,
                    identical);
    } else {
        const double baseline = result.Baseline.P99();
        const double production = result.Production.P99();
        const double ratio = production > 0 ? baseline / production : 0;
        std::printf("%s baseline_ms=%.3f production_ms=%.3f ratio=%.1f identical=%s\n",
                    result.Name.c_str(), baseline, production, ratio, identical);
    }
    if (details)
        std::printf("    %s\n", result.Details.c_str());
    std::fflush(stdout);
}

bool Wanted(const TWorkload& workload, const std::string& only) {
    for (const std::string& name : workload.Names) {
        if (name.find(only) != std::string::npos)
            return true;
    }
    return false;
}

int Summary(const std::string& only, const TRunOptions& options, bool details) {
    for (const TWorkload& workload : Workloads()) {
        if (!Wanted(workload, only))
            continue;
        for (const TWorkloadResult& result : workload.Run(options))
            PrintResult(result, details);
    }
    return 0;
}

// One side of a workload: each iteration runs it whole and takes the time of
// its steps (all of the run for the file workloads); the counters give the
// step times of the run, or its speeds.
void RunSide(benchmark::State& state, const TWorkload& workload, bool production) {
    TRunOptions options;
    options.Baseline = !production;
    options.Production = production;
    for (auto _ : state) {
        const TStopwatch watch;
        const std::vector<TWorkloadResult> results = workload.Run(options);
        const TWorkloadResult& first = results.front();
        const double milliseconds = first.Speeds
                                        ? watch.Milliseconds()
                                        : (production ? first.Production : first.Baseline).Total();
        state.SetIterationTime(milliseconds / 1000);
        for (const TWorkloadResult& result : results) {
            const std::string prefix = results.size() > 1 ? result.Name + "_" : "";
            if (result.Speeds) {
                state.counters[prefix + "mb_s"] =
                    production ? result.ProductionMbS : result.BaselineMbS;
                continue;
            }
            const TStepTimes& times = production ? result.Production : result.Baseline;
            state.counters[prefix + "median_ms"] = times.Median();
            state.counters[prefix + "p99_ms"] = times.P99();
            state.counters[prefix + "max_ms"] = times.Max();
        }
    }
}

void RegisterBenchmarks() {
    for (const TWorkload& workload : Workloads()) {
        for (const bool production : {false, true}) {
            const std::string name =
                workload.Names.front() + (production ? "/production" : "/baseline");
            benchmark::RegisterBenchmark(name.c_str(),
                                         [&workload, production](benchmark::State& state) {
                                             RunSide(state, workload, production);
                                         })
                ->UseManualTime()
                ->Iterations(1)
                ->Unit(benchmark::kMillisecond);
        }
    }
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    bool summary = false;
    bool details = false;
    std::string only;
    TRunOptions options;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--summary")
            summary = true;
        else if (argument == "--details")
            details = true;
        else if (argument == "--thread-time")
            SetStepClock(TStepClock::Thread);
        else if (argument.rfind("--only=", 0) == 0)
            only = argument.substr(7);
        else if (argument.rfind("--steps=", 0) == 0)
            options.Steps = std::atoi(argument.c_str() + 8);
        else if (argument == "--baseline-only")
            options.Production = false;
        else if (argument == "--production-only")
            options.Baseline = false;
    }
    if (summary)
        return Summary(only, options, details);
    RegisterBenchmarks();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
