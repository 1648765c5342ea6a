// How long the flange partner check takes on a large model: 20000 shapes on
// 100 pages, every side with a flange, most of them named. The check runs
// again on every change while its window is open, so it must stay well below
// 50 ms; the marks of one printed page come from its report, those of every
// page of a print or export command from one check; a join looks for the next
// free mark over the whole drawing.
#include "document/flange_partners.h"
#include "document/joints.h"
#include "geometry/angles.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

constexpr long double Angle = Pi / 4;
constexpr int Pages = 100; // an even number: the pages pair up
constexpr int ShapesPerPage = 200;
constexpr int ShapesInAll = Pages * ShapesPerPage;

std::string NameOf(const char* kind, int number) {
    return kind + std::to_string(number);
}

// Shape k of the model, a hexagon like a piece of a curved surface: its top
// side glues to the same shape of the page beside (pages 1 and 2, 3 and 4 ...),
// its slanted sides to its neighbours on the same page, its bottom side is
// unnamed, and one shape in a hundred has a side whose partner is missing.
TPolygon Piece(int k, int page, int column) {
    const long double x = 10 + (column % 10) * 18;
    const long double y = 10 + (column / 10) * 13;
    TPolygon shape;
    shape.Apexes = {PointF(x, y),           PointF(x + 10, y), PointF(x + 14, y + 5),
                    PointF(x + 10, y + 10), PointF(x, y + 10), PointF(x - 4, y + 5)};
    const int partner = page % 2 == 0 ? k + ShapesPerPage : k - ShapesPerPage;
    shape.Flanges = {
        MakeFlange(NameOf("T", k < partner ? k : partner), 3, Angle, Angle),
        MakeFlange(NameOf("R", k), 3, Angle, Angle),
        MakeFlange(NameOf("S", page * ShapesPerPage + (column + 1) % ShapesPerPage), 3, Angle,
                   Angle),
        MakeFlange("", 3, Angle, Angle),
        MakeFlange(k % 100 == 0 ? NameOf("X", k) : NameOf("S", k), 3, Angle, Angle),
        MakeFlange(NameOf("R", page * ShapesPerPage + (column + ShapesPerPage - 1) % ShapesPerPage),
                   3, Angle, Angle),
    };
    return shape;
}

TZvDat LargeModel() {
    TZvDat drawing(Pages);
    for (int page = 0; page < Pages; ++page)
        for (int column = 0; column < ShapesPerPage; ++column)
            drawing[page].push_back(Piece(page * ShapesPerPage + column, page, column));
    return drawing;
}

void BM_CheckFlangePartners(benchmark::State& state) {
    const TZvDat drawing = LargeModel();
    for (auto _ : state)
        benchmark::DoNotOptimize(CheckFlangePartners(drawing));
    state.counters["shapes"] = ShapesInAll;
    state.counters["names"] = static_cast<double>(CheckFlangePartners(drawing).Names.size());
}

void BM_PartnerPageMarks(benchmark::State& state) {
    const TZvDat drawing = LargeModel();
    const TFlangePartnerReport report = CheckFlangePartners(drawing);
    for (auto _ : state)
        benchmark::DoNotOptimize(PartnerPageMarks(report, drawing, Pages / 2));
}

void BM_PartnerPageMarksOfAllPages(benchmark::State& state) {
    const TZvDat drawing = LargeModel();
    for (auto _ : state)
        benchmark::DoNotOptimize(PartnerPageMarksOfAllPages(drawing));
}

void BM_NextFreeJointMark(benchmark::State& state) {
    const TZvDat drawing = LargeModel();
    for (auto _ : state)
        benchmark::DoNotOptimize(NextFreeJointMark(drawing));
}

} // namespace

BENCHMARK(BM_CheckFlangePartners)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PartnerPageMarks)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PartnerPageMarksOfAllPages)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_NextFreeJointMark)->Unit(benchmark::kMillisecond);
