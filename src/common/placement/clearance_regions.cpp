// The no-fit regions of a moving piece against the placed ones, with the
// spans of lines through them that the layout search asks for.
#include "placement/clearance_regions.h"

#include <algorithm>
#include <cmath>

void TClearanceRegions::Clear() {
    FRegions.clear();
    FVertices.clear();
    FChains.clear();
}

// Each region keeps its outline and its two chains from the leftmost to the
// rightmost vertex, whose X never falls, so a column finds its span by two
// binary searches.
void TClearanceRegions::Add(const TConvexPart& grown, const TVec& at,
                            const TConvexPart& negatedMoving) {
    MinkowskiSum(grown, negatedMoving, FSum);
    TRegion region;
    region.First = static_cast<int>(FVertices.size());
    region.Count = static_cast<int>(FSum.size());
    int left = 0, right = 0;
    for (int i = 0; i < region.Count; ++i) {
        const TVec p = FSum[i] + at;
        FVertices.push_back(p);
        if (p.X < FVertices[region.First + left].X)
            left = i;
        if (p.X > FVertices[region.First + right].X)
            right = i;
    }
    const TVec* vertices = FVertices.data() + region.First;
    region.Left = vertices[left].X;
    region.Right = vertices[right].X;
    region.Top = vertices[0].Y;
    region.Bottom = vertices[0].Y;
    for (int i = 0; i < region.Count; ++i)
        region.Bottom = std::max(region.Bottom, vertices[i].Y);
    const int n = region.Count;
    region.ChainA = static_cast<int>(FChains.size());
    for (int i = left;; i = (i + 1) % n) {
        FChains.push_back(vertices[i]);
        if (i == right)
            break;
    }
    region.CountA = static_cast<int>(FChains.size()) - region.ChainA;
    region.ChainB = static_cast<int>(FChains.size());
    for (int i = left;; i = (i + n - 1) % n) {
        FChains.push_back(vertices[i]);
        if (i == right)
            break;
    }
    region.CountB = static_cast<int>(FChains.size()) - region.ChainB;
    FRegions.push_back(region);
    FWork += n;
}

// x lies strictly between the chain's first and last X.
double TClearanceRegions::ChainY(const TVec* chain, int count, double x) {
    const TVec* end = chain + count;
    const TVec* after =
        std::upper_bound(chain, end, x, [](double value, const TVec& p) { return value < p.X; });
    const TVec& b = *after;
    const TVec& a = *(after - 1);
    return a.Y + (x - a.X) * (b.Y - a.Y) / (b.X - a.X);
}

bool TClearanceRegions::ColumnSpan(int index, double x, TSpan& span) const {
    const TRegion& region = FRegions[index];
    if (!(x > region.Left && x < region.Right))
        return false;
    const double a = ChainY(FChains.data() + region.ChainA, region.CountA, x);
    const double b = ChainY(FChains.data() + region.ChainB, region.CountB, x);
    span.Low = std::min(a, b) + EdgeTolerance;
    span.High = std::max(a, b) - EdgeTolerance;
    return span.Low < span.High;
}

double TClearanceRegions::ChainYFrom(const TVec* chain, int& segment, double x) {
    while (chain[segment + 1].X <= x)
        ++segment;
    const TVec& a = chain[segment];
    const TVec& b = chain[segment + 1];
    return a.Y + (x - a.X) * (b.Y - a.Y) / (b.X - a.X);
}

bool TClearanceRegions::SweepColumnSpan(int index, double x, TSpan& span) {
    TRegion& region = FRegions[index];
    if (!(x > region.Left && x < region.Right))
        return false;
    const double a = ChainYFrom(FChains.data() + region.ChainA, region.SweepA, x);
    const double b = ChainYFrom(FChains.data() + region.ChainB, region.SweepB, x);
    span.Low = std::min(a, b) + EdgeTolerance;
    span.High = std::max(a, b) - EdgeTolerance;
    return span.Low < span.High;
}

bool TClearanceRegions::RowSpan(int index, double y, TSpan& span) const {
    const TRegion& region = FRegions[index];
    if (!(y > region.Top && y < region.Bottom))
        return false;
    const TVec* vertices = FVertices.data() + region.First;
    double low = 0, high = 0;
    bool found = false;
    for (int i = 0; i < region.Count; ++i) {
        const TVec& a = vertices[i];
        const TVec& b = vertices[(i + 1) % region.Count];
        if (!((a.Y <= y && y < b.Y) || (b.Y <= y && y < a.Y)))
            continue;
        const double x = a.X + (y - a.Y) * (b.X - a.X) / (b.Y - a.Y);
        low = found ? std::min(low, x) : x;
        high = found ? std::max(high, x) : x;
        found = true;
    }
    span.Low = low + EdgeTolerance;
    span.High = high - EdgeTolerance;
    return found && span.Low < span.High;
}

bool TClearanceRegions::Holds(int index, const TVec& p) const {
    const TRegion& region = FRegions[index];
    if (!(p.X > region.Left && p.X < region.Right && p.Y > region.Top && p.Y < region.Bottom))
        return false;
    const TVec* vertices = FVertices.data() + region.First;
    for (int i = 0; i < region.Count; ++i) {
        const TVec& a = vertices[i];
        const TVec edge = vertices[(i + 1) % region.Count] - a;
        // Nearer to the edge's line than the tolerance, or outside it.
        const double cross = Cross(edge, p - a);
        if (cross <= 0 ||
            cross * cross <= EdgeTolerance * EdgeTolerance * (edge.X * edge.X + edge.Y * edge.Y))
            return false;
    }
    return true;
}
