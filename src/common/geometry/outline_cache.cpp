// The outline with flanges of one shape, kept and brought up to date side by
// side.
#include "geometry/outline_cache.h"

#include "geometry/angles.h"
#include "geometry/plane_geometry.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>

namespace {

// The bytes of a long double that hold its value: the 80-bit extended format
// pads 10 bytes to 16, and the padding holds no value.
constexpr std::size_t ValueBytes =
    std::numeric_limits<long double>::digits == 64 ? 10 : sizeof(long double);

// Bit-for-bit equality for coordinates and flange numbers: 0 and -0 turn
// directions differently, and the same bits always give the same results.
bool SameNumber(const long double& a, const long double& b) {
    return std::memcmp(&a, &b, ValueBytes) == 0;
}

bool SamePoint(const TPointF& a, const TPointF& b) {
    return SameNumber(a.X, b.X) && SameNumber(a.Y, b.Y);
}

// A little more than the distance, so that a box this far around a vertex
// holds a corner computed with any rounding of the cosine and sine, each at
// most 1 in size.
long double ReachRadius(long double length) {
    return std::fabs(length) * (1 + 1e-15L);
}

void AddReach(TBox& box, const TPointF& centre, long double r) {
    box.Left = std::min(box.Left, centre.X - r);
    box.Top = std::min(box.Top, centre.Y - r);
    box.Right = std::max(box.Right, centre.X + r);
    box.Bottom = std::max(box.Bottom, centre.Y + r);
}

TBox UnboundedBox() {
    TBox box;
    box.Unbounded = true;
    return box;
}

} // namespace

void TOutlineCache::Reset(std::size_t count) {
    FApexes.assign(count, TPointF());
    FSides.assign(count, TSide());
    FDirections.assign(count, 0);
    FOrdinaryKnown = false;
    FBoundsKnown = false;
    FClockwiseKnown = false;
    FRobustKnown = false;
    FOutlineKnown = false;
}

bool TOutlineCache::SameFlange(const TSide& side, const TFlange& flange) {
    return SameNumber(side.Key.Width, flange.Width) && SameNumber(side.Key.Angle1, flange.Angle1) &&
           SameNumber(side.Key.Angle2, flange.Angle2);
}

bool TOutlineCache::TakeFlange(TSide& side, const TFlange& taken) {
    if (SameFlange(side, taken))
        return false;
    side.Key = {taken.Width, taken.Angle1, taken.Angle2};
    side.Reach = FlangeReachOf(taken);
    side.Radius1 = ReachRadius(side.Reach.Length1);
    side.Radius2 = ReachRadius(side.Reach.Length2);
    side.HasCornersKnown = side.Q1Known = side.Q2Known = false;
    side.BoundsKnown = false;
    return true;
}

bool TOutlineCache::TakeApexes(const TDaPointF& apexes) {
    const std::size_t n = apexes.size();
    bool changed = false;
    for (std::size_t v = 0; v < n; ++v) {
        if (SamePoint(FApexes[v], apexes[v]))
            continue;
        FApexes[v] = apexes[v];
        // The sides from and to the vertex.
        for (const std::size_t index : {v, (v + n - 1) % n}) {
            TSide& side = FSides[index];
            side.DirectionKnown = false;
            side.HasCornersKnown = side.Q1Known = side.Q2Known = false;
            side.BoundsKnown = false;
        }
        changed = true;
    }
    if (changed)
        FClockwiseKnown = false;
    return changed;
}

std::vector<int> TOutlineCache::SidesChangedBy(const TDaPointF& apexes,
                                               const TDaFlange& flanges) const {
    std::vector<int> sides;
    const std::size_t n = FApexes.size();
    if (apexes.size() != n)
        return sides;
    const TFlange noFlange;
    for (std::size_t side = 0; side < n; ++side) {
        const std::size_t next = (side + 1) % n;
        if (!SamePoint(FApexes[side], apexes[side]) || !SamePoint(FApexes[next], apexes[next]) ||
            !SameFlange(FSides[side], side < flanges.size() ? flanges[side] : noFlange))
            sides.push_back(static_cast<int>(side));
    }
    return sides;
}

void TOutlineCache::Sync(const TDaPointF& apexes, const TDaFlange& flanges) {
    const std::size_t n = apexes.size();
    const bool fresh = n != FApexes.size();
    if (fresh) {
        Reset(n);
        FApexes = apexes;
    }
    bool changed = TakeApexes(apexes) || fresh;
    const TFlange noFlange;
    for (std::size_t side = 0; side < n; ++side) {
        if (TakeFlange(FSides[side], side < flanges.size() ? flanges[side] : noFlange))
            changed = true;
    }
    if (!changed)
        return;
    FOrdinaryKnown = false;
    FBoundsKnown = false;
    FRobustKnown = false;
    FOutlineKnown = false;
}

void TOutlineCache::ForgetCorners() {
    for (TSide& side : FSides)
        side.HasCornersKnown = side.Q1Known = side.Q2Known = false;
    FOutlineKnown = false;
}

void TOutlineCache::EnsureOrdinary() {
    if (FOrdinaryKnown)
        return;
    FOrdinary = std::all_of(FApexes.begin(), FApexes.end(),
                            [](const TPointF& p) { return ::IsOrdinary(p); }) &&
                std::all_of(FSides.begin(), FSides.end(), [](const TSide& side) {
                    return !side.Reach.Usable ||
                           (::IsOrdinary(side.Reach.Length1) && ::IsOrdinary(side.Reach.Length2));
                });
    FOrdinaryKnown = true;
    // Boxes and the test for corners depend on it.
    if (FOrdinary != FBoundsOrdinary) {
        for (TSide& side : FSides)
            side.BoundsKnown = false;
        ForgetCorners();
        FBoundsOrdinary = FOrdinary;
    }
}

bool TOutlineCache::IsOrdinary() {
    EnsureOrdinary();
    return FOrdinary;
}

void TOutlineCache::EnsureBounds() {
    if (FBoundsKnown)
        return;
    EnsureOrdinary();
    FBounds = TBox();
    for (std::size_t side = 0; side < FSides.size(); ++side) {
        if (!FSides[side].BoundsKnown)
            UpdateBounds(side);
        FBounds.Add(FSides[side].Bounds);
    }
    FBoundsKnown = true;
}

// The flange's outer corners lie within its lengths of the side's ends.
void TOutlineCache::UpdateBounds(std::size_t side) {
    TSide& entry = FSides[side];
    entry.BoundsKnown = true;
    if (!FOrdinary) {
        entry.Bounds = UnboundedBox();
        return;
    }
    const TPointF& a = FApexes[side];
    const TPointF& b = NextApex(side);
    entry.Bounds = TBox();
    entry.Bounds.AddOrdinary(a);
    entry.Bounds.AddOrdinary(b);
    if (entry.Reach.Usable) {
        AddReach(entry.Bounds, a, entry.Radius1);
        AddReach(entry.Bounds, b, entry.Radius2);
    }
}

const TBox& TOutlineCache::Bounds() {
    EnsureBounds();
    return FBounds;
}

const TBox& TOutlineCache::SideBounds(int side) {
    EnsureBounds();
    return FSides[side].Bounds;
}

const TPointF& TOutlineCache::NextApex(std::size_t side) const {
    return FApexes[(side + 1) % FApexes.size()];
}

long double TOutlineCache::Direction(std::size_t side) {
    TSide& entry = FSides[side];
    if (!entry.DirectionKnown) {
        entry.Direction = PointDirection(FApexes[side], NextApex(side));
        entry.DirectionKnown = true;
    }
    return entry.Direction;
}

bool TOutlineCache::Clockwise() {
    if (FClockwiseKnown)
        return FClockwise;
    for (std::size_t side = 0; side < FSides.size(); ++side)
        FDirections[side] = Direction(side);
    AssumeClockwise(IsClockwiseFromSideDirections(FDirections));
    return FClockwise;
}

// The flanges turn to the other side of every side when the order changes.
void TOutlineCache::AssumeClockwise(bool clockwise) {
    if (clockwise != FClockwise)
        ForgetCorners();
    FClockwise = clockwise;
    FClockwiseKnown = true;
}

// A copy's vertices lie within a tiny distance e of the moved and turned
// original's; a side of length L then turns by at most about 2e / L, far below
// the margins here, and no vertex angle can wrap past a full turn. So every
// raw angle, and the sum that decides the order, stays close to the original's.
bool TOutlineCache::IsOrderRobust() {
    if (FRobustKnown)
        return FRobust;
    FRobustKnown = true;
    FRobust = false;
    const int n = SideCount();
    if (n < 3 || !IsOrdinary())
        return false;
    for (const TPointF& p : FApexes) {
        if (!(std::fabs(p.X) <= RobustRange && std::fabs(p.Y) <= RobustRange))
            return false;
    }
    constexpr long double ShortestSide = 1e-3L;
    constexpr long double AngleMargin = 1e-5L;
    long double sum = 0;
    for (int k = 0; k < n; ++k) {
        const TPointF& a = FApexes[k];
        const TPointF& b = NextApex(k);
        const long double dx = b.X - a.X;
        const long double dy = b.Y - a.Y;
        if (!(dx * dx + dy * dy >= ShortestSide * ShortestSide))
            return false;
        const long double raw = RawApexAngleOf(Direction((k - 1 + n) % n), Direction(k));
        if (!(raw >= AngleMargin && raw <= 2 * Pi - AngleMargin))
            return false;
        sum += raw;
    }
    // The order is decided by whether the sum lies within 1 of (n - 2) pi.
    const long double offset = std::fabs(sum - (n - 2) * Pi);
    FRobust = std::fabs(offset - 1) > AngleMargin * (n + 1);
    return FRobust;
}

// An ordinary shape's usable flanges always have finite corners; otherwise
// both are built to find out.
bool TOutlineCache::HasCorners(std::size_t side) {
    const bool ordinary = IsOrdinary();
    // Whether the corners of other shapes are finite depends on the order.
    const bool clockwise = ordinary ? false : Clockwise();
    TSide& entry = FSides[side];
    if (entry.HasCornersKnown)
        return entry.HasCorners;
    entry.HasCorners = false;
    if (entry.Reach.Usable) {
        if (ordinary) {
            entry.HasCorners = true;
        } else {
            entry.HasCorners = FlangeCorners(FApexes[side], NextApex(side), Direction(side),
                                             entry.Reach, clockwise, entry.Q1, entry.Q2);
            entry.Q1Known = entry.Q2Known = entry.HasCorners;
        }
    }
    entry.HasCornersKnown = true;
    return entry.HasCorners;
}

// A corner kept from before the vertices changed holds only while the order
// stays, so the order is settled before one is read.
const TPointF& TOutlineCache::Corner1(std::size_t side) {
    const bool clockwise = Clockwise();
    TSide& entry = FSides[side];
    if (!entry.Q1Known) {
        entry.Q1 = FlangeCorner1(FApexes[side], Direction(side), entry.Reach, clockwise);
        entry.Q1Known = true;
    }
    return entry.Q1;
}

const TPointF& TOutlineCache::Corner2(std::size_t side) {
    const bool clockwise = Clockwise();
    TSide& entry = FSides[side];
    if (!entry.Q2Known) {
        entry.Q2 = FlangeCorner2(NextApex(side), Direction(side), entry.Reach, clockwise);
        entry.Q2Known = true;
    }
    return entry.Q2;
}

bool TOutlineCache::Corners(int side, TPointF& q1, TPointF& q2) {
    if (!HasCorners(side))
        return false;
    q1 = Corner1(side);
    q2 = Corner2(side);
    return true;
}

bool TOutlineCache::CornerEstimates(int side, TPointEstimate& q1, TPointEstimate& q2) {
    if (!HasCorners(side))
        return false;
    const bool clockwise = Clockwise();
    const TSide& entry = FSides[side];
    if (entry.Q1Known)
        q1 = {entry.Q1, 0};
    else
        q1 = EstimateFlangeCorner1(FApexes[side], Direction(side), entry.Reach, clockwise);
    if (entry.Q2Known)
        q2 = {entry.Q2, 0};
    else
        q2 = EstimateFlangeCorner2(NextApex(side), Direction(side), entry.Reach, clockwise);
    return true;
}

int TOutlineCache::SideSegments(int side, std::array<TSegmentF, 3>& segments) {
    const TPointF& a = FApexes[side];
    const TPointF& b = NextApex(side);
    if (!HasCorners(side)) {
        segments[0] = MakeSegment(a, b);
        return 1;
    }
    const TPointF& q1 = Corner1(side);
    const TPointF& q2 = Corner2(side);
    segments[0] = MakeSegment(a, q1);
    segments[1] = MakeSegment(q1, q2);
    segments[2] = MakeSegment(q2, b);
    return 3;
}

bool TOutlineCache::SideSegment(int side, int segment, TSegmentF& result) {
    const TPointF& a = FApexes[side];
    const TPointF& b = NextApex(side);
    if (!HasCorners(side)) {
        if (segment != 0)
            return false;
        result = MakeSegment(a, b);
        return true;
    }
    switch (segment) {
    case 0:
        result = MakeSegment(a, Corner1(side));
        return true;
    case 1:
        result = MakeSegment(Corner1(side), Corner2(side));
        return true;
    case 2:
        result = MakeSegment(Corner2(side), b);
        return true;
    default:
        return false;
    }
}

void TOutlineCache::BuildOutline() {
    FOutline.clear();
    for (int side = 0; side < SideCount(); ++side) {
        FOutline.push_back(FApexes[side]);
        TPointF q1, q2;
        if (Corners(side, q1, q2)) {
            FOutline.push_back(q1);
            FOutline.push_back(q2);
        }
    }
    // An ordinary shape's outline points are finite and far from overflow and
    // underflow, so they need no checks.
    const bool ordinary = IsOrdinary();
    const auto boxOf = [this, ordinary](std::size_t first, std::size_t last) {
        if (!ordinary)
            return UnboundedBox();
        TBox box;
        for (std::size_t k = first; k <= last; ++k)
            box.AddOrdinary(FOutline[k % FOutline.size()]);
        return box;
    };
    const std::size_t m = FOutline.size();
    FOutlineBounds = m == 0 ? TBox() : boxOf(0, m - 1);
    FOutlineBlocks.clear();
    for (std::size_t first = 0; first < m; first += OutlineBlockSides)
        FOutlineBlocks.push_back(boxOf(first, std::min(first + OutlineBlockSides, m)));
    FOutlineKnown = true;
}

const TDaPointF& TOutlineCache::Outline() {
    if (!FOutlineKnown)
        BuildOutline();
    return FOutline;
}

const TBox& TOutlineCache::OutlineBounds() {
    if (!FOutlineKnown)
        BuildOutline();
    return FOutlineBounds;
}

const std::vector<TBox>& TOutlineCache::OutlineBlocks() {
    if (!FOutlineKnown)
        BuildOutline();
    return FOutlineBlocks;
}
