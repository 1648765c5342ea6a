// The cut line of a shape: the union of its outline and its flange
// quadrilaterals, turned and started as the outline with flanges runs.
#include "geometry/cut_outline.h"

#include "geometry/flange_outline.h"
#include "geometry/outline_union.h"
#include "geometry/plane_geometry.h"

#include <algorithm>
#include <array>
#include <limits>
#include <map>
#include <utility>

namespace {

// Where each point of the outline with flanges comes first in it.
std::map<std::pair<long double, long double>, std::size_t> FirstPlaces(const TDaPointF& outline) {
    std::map<std::pair<long double, long double>, std::size_t> places;
    for (std::size_t i = 0; i < outline.size(); ++i)
        places.try_emplace({outline[i].X, outline[i].Y}, i);
    return places;
}

} // namespace

std::vector<TDaPointF> CutOutlines(const TPolygon& polygon) {
    const bool clockwise = IsClockwiseOnScreen(polygon.Apexes);
    std::vector<TDaPointF> parts{polygon.Apexes};
    std::array<TPointF, 4> quad;
    for (int side = 0; side < static_cast<int>(polygon.Apexes.size()); ++side)
        if (FlangeOutline(polygon, clockwise, side, quad))
            parts.push_back(TDaPointF(quad.begin(), quad.end()));
    std::vector<TDaPointF> loops = OuterLoops(OutlineUnion(parts));

    // Outer loops run clockwise on screen; a shape that runs the other way
    // gets its loops reversed. Each starts where the old outline did, and the
    // part holding the earliest of its points comes first.
    const auto places = FirstPlaces(OutlineWithFlanges(polygon));
    std::vector<std::pair<std::size_t, TDaPointF>> ordered;
    for (TDaPointF& loop : loops) {
        if (!clockwise)
            std::reverse(loop.begin(), loop.end());
        std::size_t start = 0;
        std::size_t earliest = std::numeric_limits<std::size_t>::max();
        for (std::size_t i = 0; i < loop.size(); ++i) {
            const auto place = places.find({loop[i].X, loop[i].Y});
            if (place != places.end() && place->second < earliest) {
                earliest = place->second;
                start = i;
            }
        }
        std::rotate(loop.begin(), loop.begin() + static_cast<std::ptrdiff_t>(start), loop.end());
        ordered.emplace_back(earliest, std::move(loop));
    }
    std::stable_sort(ordered.begin(), ordered.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    loops.clear();
    for (auto& [place, loop] : ordered)
        loops.push_back(std::move(loop));
    return loops;
}
