// The shapes of one page with their cached outlines and a grid of their rough
// boxes.
#include "geometry/page_index.h"

#include "geometry/angles.h"
#include "geometry/flange_outline.h"

#include <algorithm>
#include <cmath>

namespace {

// Reaches beyond this (mm) leave the box unbounded: the cache's are then
// outside the ordinary range, or could be.
constexpr long double GreatestReach = 1e90L;

// Room for the rounding of the cache's own reach, (1 + 1e-15) of it.
constexpr long double ReachSlack = 1 + 1e-12L;

bool IsUsualAngle(long double angle) {
    return angle > 0 && angle <= Pi / 2;
}

} // namespace

// How far a flange's outer corners lie from its side's ends: Width / sin of
// its angles. For angles in (0, pi/2], |sin x| >= 2x / pi bounds that by the
// widest such flange over the narrowest such angle, with one division for
// the whole shape; other angles take their exact reach.
TBox RoughOutlineBounds(const TPolygon& shape) {
    TBox box;
    for (const TPointF& p : shape.Apexes) {
        if (!IsOrdinary(p)) {
            box.Unbounded = true;
            return box;
        }
        box.AddOrdinary(p);
    }
    long double widest = 0;
    long double narrowest = Pi / 2;
    long double reach = 0;
    const std::size_t sides = std::min(shape.Apexes.size(), shape.Flanges.size());
    for (std::size_t side = 0; side < sides; ++side) {
        const TFlange& flange = shape.Flanges[side];
        if (flange.Width == 0)
            continue;
        if (!IsOrdinary(flange.Width)) {
            box.Unbounded = true;
            return box;
        }
        if (IsUsualAngle(flange.Angle1) && IsUsualAngle(flange.Angle2)) {
            widest = std::max(widest, std::fabs(flange.Width));
            narrowest = std::min({narrowest, flange.Angle1, flange.Angle2});
            continue;
        }
        const TFlangeReach exact = FlangeReachOf(flange);
        if (exact.Usable)
            reach = std::max({reach, std::fabs(exact.Length1), std::fabs(exact.Length2)});
    }
    if (widest > 0)
        reach = std::max(reach, widest * (Pi / 2) / narrowest);
    reach *= ReachSlack;
    if (!(reach <= GreatestReach)) {
        box.Unbounded = true;
        return box;
    }
    if (reach > 0 && !box.IsEmpty()) {
        box.Left -= reach;
        box.Top -= reach;
        box.Right += reach;
        box.Bottom += reach;
    }
    return box;
}

void TPageIndex::Sync(const TPolygonTbl& page) {
    FPage = &page;
    const std::size_t n = page.size();
    FShapes.resize(n);
    FStale.assign(n, 1);
    FRough.resize(n);
    for (std::size_t i = 0; i < n; ++i)
        FRough[i] = RoughOutlineBounds(page[i]);
    FMarked.clear();
    FGrid.Rebuild(FRough);
}

void TPageIndex::SyncShape(const TPolygonTbl& page, int index) {
    if (FShapes.size() != page.size()) {
        Sync(page);
        return;
    }
    FPage = &page;
    if (!IsIndexOf(page, index))
        return;
    TakeShape(index);
    FShapes[index].Sync(page[index]);
    FStale[index] = 0;
}

void TPageIndex::MarkChanged(int index) {
    if (index >= 0)
        FMarked.push_back(index);
}

void TPageIndex::TakeShape(int index) {
    FGrid.Remove(index, FRough[index]);
    FRough[index] = RoughOutlineBounds((*FPage)[index]);
    FGrid.Insert(index, FRough[index]);
    FStale[index] = 1;
}

void TPageIndex::Update(const TPolygonTbl& page) {
    FPage = &page;
    const int n = static_cast<int>(page.size());
    const int held = Size();
    for (int i = n; i < held; ++i)
        FGrid.Remove(i, FRough[i]);
    FShapes.resize(n);
    FStale.resize(n, 1);
    FRough.resize(n);
    for (int i = held; i < n; ++i) {
        FRough[i] = RoughOutlineBounds(page[i]);
        FGrid.Insert(i, FRough[i]);
    }
    for (const int index : FMarked) {
        if (index < std::min(n, held))
            TakeShape(index);
    }
    FMarked.clear();
}

TOutlineCache& TPageIndex::Shape(int index) {
    TOutlineCache& shape = FShapes[index];
    if (FStale[index]) {
        shape.Sync((*FPage)[index]);
        FStale[index] = 0;
    }
    return shape;
}

const std::vector<int>& TPageIndex::ShapesNear(const TBox& box) {
    FGrid.Query(box, Size(), FNear);
    return FNear;
}

const std::vector<int>& TPageIndex::ShapesMeeting(const TBox& box) {
    FFound.clear();
    for (const int i : ShapesNear(box)) {
        if (BoxesMeet(Shape(i).Bounds(), box))
            FFound.push_back(i);
    }
    return FFound;
}
