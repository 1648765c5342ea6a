// The layout benchmark: the three seeded sets laid out on A4 with 10 mm
// margins, 1 mm apart, in quarter turns. With --summary it lays out each set
// once and prints its pieces, lower bounds, the reference nester's recorded
// pages and time (layout_reference.txt), our pages, the use of all pages but
// the last, the time and the processor time, and whether the layout passed an
// independent check; without, it runs the layouts and the nearest free place
// on a crowded page as Google Benchmark benchmarks.
#include "crowded_page.h"
#include "layout_sets.h"

#include "geometry/flange_outline.h"
#include "placement/layout_bounds.h"
#include "placement/layout_engine.h"
#include "placement/nearest_fit.h"
#include "placement/outline_clearance.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

namespace {

TLayoutOptions BenchOptions() {
    TLayoutOptions options;
    options.PageWidth = LayoutBenchPageWidth;
    options.PageHeight = LayoutBenchPageHeight;
    options.Gap = LayoutBenchGap;
    options.Rotations = TLayoutRotations::QuarterTurns;
    return options;
}

double Seconds() {
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// The processor time of this process: on a machine others share, the wall
// clock counts their work too.
double ProcessorSeconds() {
    return static_cast<double>(std::clock()) / CLOCKS_PER_SEC;
}

struct TReference {
    int Pages = 0;
    double Seconds = 0;
};

// The reference nester's figures per set, as layout_reference recorded them.
std::map<std::string, TReference> RecordedReference() {
    std::map<std::string, TReference> figures;
    std::ifstream file(ZELVO_LAYOUT_REFERENCE);
    std::string line;
    while (std::getline(file, line)) {
        if (line.empty() || line[0] == '#')
            continue;
        std::istringstream fields(line);
        std::string name;
        TReference reference;
        if (fields >> name >> reference.Pages >> reference.Seconds)
            figures[name] = reference;
    }
    return figures;
}

// The share of all pages but the last that the shapes on them cover.
double Utilisation(const TLayoutSet& set, const TLayoutResult& result) {
    if (result.PageCount < 2)
        return 0;
    long double area = 0;
    for (std::size_t i = 0; i < set.Shapes.size(); ++i) {
        const int page = result.Placements[i].Page;
        if (page >= 0 && page < result.PageCount - 1)
            area += AreaWithFlanges(set.Shapes[i]);
    }
    return static_cast<double>(
        area / ((result.PageCount - 1) * LayoutBenchPageWidth * LayoutBenchPageHeight));
}

// Every shape placed, inside the white area and at least the gap from every
// other on its page.
bool Valid(const TLayoutSet& set, const TLayoutResult& result) {
    std::vector<std::vector<TDaPointF>> pages(result.PageCount);
    for (std::size_t i = 0; i < set.Shapes.size(); ++i) {
        const TLayoutPlacement& placement = result.Placements[i];
        if (placement.Page < 0 || placement.Page >= result.PageCount)
            return false;
        const TDaPointF outline =
            OutlineWithFlanges(TransformedPolygon(set.Shapes[i], placement.Transform));
        for (const TPointF& p : outline) {
            if (!(p.X > 0 && p.X < LayoutBenchPageWidth && p.Y > 0 && p.Y < LayoutBenchPageHeight))
                return false;
        }
        for (const TDaPointF& other : pages[placement.Page]) {
            if (OutlineDistance(outline, other) < LayoutBenchGap)
                return false;
        }
        pages[placement.Page].push_back(outline);
    }
    return true;
}

int Summary() {
    const std::map<std::string, TReference> reference = RecordedReference();
    std::printf("%-8s %6s %5s %9s %8s %6s %5s %6s %8s %7s\n", "set", "pieces", "bound", "gap_bound",
                "ref_pages", "ref_s", "pages", "util", "seconds", "cpu_s");
    for (const TLayoutSet& set : LayoutSets()) {
        const TLayoutBounds bounds =
            LayoutBounds(set.Shapes, LayoutBenchPageWidth, LayoutBenchPageHeight, LayoutBenchGap);
        const auto recorded = reference.find(set.Name);
        const TReference ref = recorded == reference.end() ? TReference() : recorded->second;
        const double start = Seconds();
        const double cpuStart = ProcessorSeconds();
        const TLayoutResult result = LayOutShapes(set.Shapes, BenchOptions());
        const double cpu = ProcessorSeconds() - cpuStart;
        const double seconds = Seconds() - start;
        std::printf("%-8s %6zu %5d %9d %8d %6.1f %5d %5.1f%% %8.2f %7.2f %s\n", set.Name.c_str(),
                    set.Shapes.size(), bounds.Area, bounds.WithGap, ref.Pages, ref.Seconds,
                    result.PageCount, 100 * Utilisation(set, result), seconds, cpu,
                    Valid(set, result) ? "valid" : "INVALID");
        std::fflush(stdout);
    }
    return 0;
}

void BM_Layout(benchmark::State& state, const TLayoutSet& set) {
    const TLayoutOptions options = BenchOptions();
    for (auto _ : state) {
        const TLayoutResult result = LayOutShapes(set.Shapes, options);
        state.counters["pages"] = result.PageCount;
        benchmark::DoNotOptimize(result);
    }
}

// A copy of a shape of the crowded page pasted onto its original: the
// nearest free place is in one of the page's few empty cells.
void BM_NearestFreePlaceOnCrowdedPage(benchmark::State& state) {
    const TPolygonTbl page = CrowdedPage(1);
    const TPolygon pasted = page[150];
    for (auto _ : state) {
        TPointF move;
        benchmark::DoNotOptimize(
            NearestFreePlace(page, pasted, CrowdedPageWidth, CrowdedPageHeight, move));
        benchmark::DoNotOptimize(move);
    }
}

} // namespace

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::string(argv[i]) == "--summary")
            return Summary();
    }
    static const std::vector<TLayoutSet> sets = LayoutSets();
    for (const TLayoutSet& set : sets) {
        benchmark::RegisterBenchmark(("BM_Layout/" + set.Name).c_str(),
                                     [&set](benchmark::State& state) { BM_Layout(state, set); })
            ->Iterations(1)
            ->Unit(benchmark::kMillisecond);
    }
    benchmark::RegisterBenchmark("BM_NearestFreePlaceOnCrowdedPage",
                                 BM_NearestFreePlaceOnCrowdedPage)
        ->Unit(benchmark::kMillisecond);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
