// How long one drag step takes on a full page: a free step, a step refused
// by the overlap rule, and a colliding step that the auto-rotate search turns
// aside. Each runs once per mouse move, so it must stay well below a frame.
#include "geometry/angles.h"
#include "placement/placement.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int Columns = 6;
constexpr int Rows = 8;
constexpr long double Pitch = 30; // mm between the shapes' corners
constexpr long double Side = 20;  // mm

// A square with a flange on every side, as a typical paper-model piece.
TPolygon FlangedSquare(long double x, long double y) {
    TPolygon square;
    square.Apexes = {PointF(x, y), PointF(x + Side, y), PointF(x + Side, y + Side),
                     PointF(x, y + Side)};
    square.Flanges.assign(4, MakeFlange("", 3, Pi / 4, Pi / 4));
    return square;
}

// A page filled with a grid of flanged squares, 4 mm apart flange to flange.
TPolygonTbl FullPage() {
    TPolygonTbl page;
    for (int row = 0; row < Rows; ++row)
        for (int column = 0; column < Columns; ++column)
            page.push_back(FlangedSquare(5 + column * Pitch, 5 + row * Pitch));
    return page;
}

TPlacementRules Rules(bool autoRotate) {
    return TPlacementRules{true, true, autoRotate, Columns * Pitch + 10, Rows * Pitch + 10};
}

void RunMoveStep(benchmark::State& state, long double dx, bool autoRotate) {
    const TPolygonTbl page = FullPage();
    const TPlacementRules rules = Rules(autoRotate);
    const TPointF down = PointF(15, 15);
    const TPointF q = PointF(15 + dx, 15);
    for (auto _ : state) {
        TPolygon candidate;
        benchmark::DoNotOptimize(TryMoveStep(page, 0, down, q, rules, candidate));
        benchmark::DoNotOptimize(candidate);
    }
}

// The first shape moves 1 mm to the right: still free of its neighbour.
void BM_FreeMoveStep(benchmark::State& state) {
    RunMoveStep(state, 1, false);
}

// It moves 5 mm: its flange would touch the neighbour's, so it is refused.
void BM_RefusedMoveStep(benchmark::State& state) {
    RunMoveStep(state, 5, false);
}

// The same colliding step with auto-rotate: the search turns and halves.
void BM_AutoRotatedMoveStep(benchmark::State& state) {
    RunMoveStep(state, 5, true);
}

} // namespace

BENCHMARK(BM_FreeMoveStep)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RefusedMoveStep)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_AutoRotatedMoveStep)->Unit(benchmark::kMicrosecond);
