// The reference nester on the layout benchmark's sets: Debian's libnest2d
// with its no-fit-polygon placer and first-fit selection, quarter turns, 1 mm
// apart, on pages of the benchmark's white area. Prints one line per set: its
// name, the pages used, the seconds taken and the pairs of pieces found
// closer than the gap; with --record=FILE also writes them to FILE, from
// which the layout benchmark's summary reads them. --placer=bottomleft,
// --accuracy=A and --single-thread try other settings; --only=NAME runs one
// set.
#include "layout_sets.h"
#include "reference_nester.h"

#include "geometry/flange_outline.h"
#include "geometry/plane_geometry.h"
#include "placement/outline_clearance.h"

#include <array>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

constexpr long double NanometresPerMm = 1e6L;

TNestRing ToRing(const TDaPointF& points) {
    TNestRing ring;
    for (const TPointF& p : points)
        ring.push_back({std::llround(p.X * NanometresPerMm), std::llround(p.Y * NanometresPerMm)});
    return ring;
}

TDaPointF ToPoints(const TNestRing& ring) {
    TDaPointF points;
    for (const TNestPoint& p : ring)
        points.push_back(PointF(p.X / NanometresPerMm, p.Y / NanometresPerMm));
    return points;
}

// The shape and each of its flanges.
std::vector<TNestRing> RingsOf(const TPolygon& shape) {
    std::vector<TNestRing> rings{ToRing(shape.Apexes)};
    const bool clockwise = IsClockwiseOnScreen(shape.Apexes);
    for (int side = 0; side < static_cast<int>(shape.Apexes.size()); ++side) {
        std::array<TPointF, 4> quad;
        if (FlangeOutline(shape, clockwise, side, quad))
            rings.push_back(ToRing(TDaPointF(quad.begin(), quad.end())));
    }
    return rings;
}

// Pairs of pieces on one page closer than the gap, less a micrometre for the
// rounding to whole nanometres.
int CloserPairs(const std::vector<TNestRing>& placed, const std::vector<int>& bin) {
    int closer = 0;
    for (std::size_t i = 0; i < placed.size(); ++i) {
        for (std::size_t j = i + 1; j < placed.size(); ++j) {
            if (bin[i] == bin[j] && !OutlinesKeepApart(ToPoints(placed[i]), ToPoints(placed[j]),
                                                       LayoutBenchGap - 1e-3L))
                ++closer;
        }
    }
    return closer;
}

long long Nanometres(long double mm) {
    return std::llround(mm * NanometresPerMm);
}

} // namespace

int main(int argc, char** argv) {
    TNestSettings settings;
    std::string record;
    std::string only;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--placer=bottomleft")
            settings.BottomLeft = true;
        else if (argument.rfind("--accuracy=", 0) == 0)
            settings.Accuracy = std::strtof(argument.c_str() + 11, nullptr);
        else if (argument == "--single-thread")
            settings.Parallel = false;
        else if (argument.rfind("--record=", 0) == 0)
            record = argument.substr(9);
        else if (argument.rfind("--only=", 0) == 0)
            only = argument.substr(7);
    }
    FILE* out = record.empty() ? nullptr : std::fopen(record.c_str(), "w");
    if (out != nullptr)
        std::fprintf(out, "# set pages seconds: libnest2d, no-fit-polygon placer, first fit\n");
    for (const TLayoutSet& set : LayoutSets()) {
        if (!only.empty() && set.Name != only)
            continue;
        std::vector<std::vector<TNestRing>> pieces;
        for (const TPolygon& shape : set.Shapes)
            pieces.push_back(RingsOf(shape));
        const auto start = std::chrono::steady_clock::now();
        std::vector<TNestRing> placed;
        std::vector<int> bin;
        const int pages =
            NestPieces(pieces, Nanometres(LayoutBenchPageWidth), Nanometres(LayoutBenchPageHeight),
                       Nanometres(LayoutBenchGap), settings, placed, bin);
        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        std::printf("%s pages=%d seconds=%.1f closer_pairs=%d\n", set.Name.c_str(), pages, seconds,
                    CloserPairs(placed, bin));
        std::fflush(stdout);
        if (out != nullptr)
            std::fprintf(out, "%s %d %.1f\n", set.Name.c_str(), pages, seconds);
    }
    if (out != nullptr)
        std::fclose(out);
    return 0;
}
