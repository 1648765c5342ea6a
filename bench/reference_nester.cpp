// The reference nester: Debian's libnest2d on the pieces given.
#include "reference_nester.h"

#include <libnest2d/libnest2d.hpp>

#include <cmath>

namespace {

constexpr double Pi = 3.14159265358979323846;

ClipperLib::Path ToPath(const TNestRing& ring) {
    ClipperLib::Path path;
    for (const TNestPoint& p : ring)
        path.push_back({p.X, p.Y});
    return path;
}

// The union of the rings as one closed outline running the way the library
// takes them; crossed flanges come out as a clean polygon.
libnest2d::Item ItemOf(const std::vector<TNestRing>& rings) {
    ClipperLib::Clipper clipper;
    for (const TNestRing& ring : rings)
        clipper.AddPath(ToPath(ring), ClipperLib::ptSubject, true);
    ClipperLib::Paths united;
    clipper.Execute(ClipperLib::ctUnion, united, ClipperLib::pftNonZero, ClipperLib::pftNonZero);
    ClipperLib::Path outline;
    for (const ClipperLib::Path& path : united) {
        if (std::fabs(ClipperLib::Area(path)) > std::fabs(ClipperLib::Area(outline)))
            outline = path;
    }
    if (ClipperLib::Orientation(outline))
        ClipperLib::ReversePath(outline);
    outline.push_back(outline.front());
    return libnest2d::Item(outline);
}

template <class Placer>
int Nest(std::vector<libnest2d::Item>& items, const libnest2d::Box& bin, long long gap,
         const typename Placer::Config& config) {
    libnest2d::NestConfig<Placer, libnest2d::FirstFitSelection> nestConfig(config);
    return static_cast<int>(
        libnest2d::nest<Placer, libnest2d::FirstFitSelection>(items, bin, gap, nestConfig));
}

} // namespace

int NestPieces(const std::vector<std::vector<TNestRing>>& pieces, long long width, long long height,
               long long gap, const TNestSettings& settings, std::vector<TNestRing>& placed,
               std::vector<int>& bin) {
    std::vector<libnest2d::Item> items;
    for (const std::vector<TNestRing>& rings : pieces)
        items.push_back(ItemOf(rings));
    const libnest2d::Box box(width, height);
    int bins = 0;
    if (settings.BottomLeft) {
        libnest2d::BottomLeftPlacer::Config config;
        config.allow_rotations = true;
        bins = Nest<libnest2d::BottomLeftPlacer>(items, box, gap, config);
    } else {
        libnest2d::NfpPlacer::Config config;
        config.rotations = {0.0, Pi / 2, Pi, 3 * Pi / 2};
        config.parallel = settings.Parallel;
        if (settings.Accuracy >= 0)
            config.accuracy = settings.Accuracy;
        bins = Nest<libnest2d::NfpPlacer>(items, box, gap, config);
    }
    placed.clear();
    bin.clear();
    for (const libnest2d::Item& item : items) {
        const ClipperLib::Path& path = item.transformedShape().Contour;
        TNestRing ring;
        for (std::size_t i = 0; i + 1 < path.size(); ++i)
            ring.push_back({path[i].X, path[i].Y});
        placed.push_back(ring);
        bin.push_back(item.binId());
    }
    return bins;
}
