// Picking one side of a page's shapes under a point.
#include "geometry/side_pick.h"

#include "geometry/hit_test.h"
#include "geometry/plane_geometry.h"

#include <cmath>

bool PickSide(const TPolygonTbl& page, const TPointF& p, long double pickDist,
              TPickedSide& picked) {
    if (!std::isfinite(p.X) || !std::isfinite(p.Y))
        return false;
    // Index 0: sides of shapes that hold p; index 1: the others.
    TPickedSide best[2];
    long double bestDistance[2] = {pickDist, pickDist};
    bool found[2] = {false, false};
    for (std::size_t shape = 0; shape < page.size(); ++shape) {
        const TDaPointF& apexes = page[shape].Apexes;
        const std::size_t n = apexes.size();
        if (n < 2)
            continue;
        const int group = PointInPolygon(apexes, p) ? 0 : 1;
        for (std::size_t side = 0; side < n; ++side) {
            const long double distance = DistToSegment(p, apexes[side], apexes[(side + 1) % n]);
            const bool nearer =
                found[group] ? distance < bestDistance[group] : distance <= bestDistance[group];
            if (!nearer)
                continue;
            found[group] = true;
            bestDistance[group] = distance;
            best[group] = {static_cast<int>(shape), static_cast<int>(side)};
        }
    }
    if (!found[0] && !found[1])
        return false;
    picked = found[0] ? best[0] : best[1];
    return true;
}
