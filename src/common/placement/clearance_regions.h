// The positions at which a moving piece would come nearer to the pieces
// already placed than the clearance allows: for each pair of a placed part,
// grown by the clearance, and a part of the moving piece, the convex region of
// positions where the two overlap (their no-fit polygon). A position is free
// when it lies inside none of them; on an edge is free.
#pragma once

#include "placement/convex_polygon.h"

#include <vector>

// An open span from Low to High along a line.
struct TSpan {
    double Low = 0;
    double High = 0;
};

class TClearanceRegions {
public:
    // Points closer than this to an edge count as on it: far below the
    // hair the clearance is grown by, so a position found on an edge keeps
    // its clearance despite rounding.
    static constexpr double EdgeTolerance = 1e-9;

    void Clear();
    // The region of positions p of the moving piece where moving + p meets
    // grown + at; moving is given negated.
    void Add(const TConvexPart& grown, const TVec& at, const TConvexPart& negatedMoving);

    int Size() const { return static_cast<int>(FRegions.size()); }
    double Left(int region) const { return FRegions[region].Left; }
    double Right(int region) const { return FRegions[region].Right; }
    double Top(int region) const { return FRegions[region].Top; }
    double Bottom(int region) const { return FRegions[region].Bottom; }

    // Where the vertical line at x, or the horizontal line at y, runs inside
    // the region; false when it does not.
    bool ColumnSpan(int region, double x, TSpan& span) const;
    // The same for a sweep from left to right: each region keeps its place
    // along its chains, so x must not fall from one call to the next for the
    // same region until the regions are built again.
    bool SweepColumnSpan(int region, double x, TSpan& span);
    bool RowSpan(int region, double y, TSpan& span) const;
    // True when p lies inside the region, farther than EdgeTolerance from its
    // edges.
    bool Holds(int region, const TVec& p) const;

    // The vertices of one region in order.
    const TVec* Vertices(int region) const { return FVertices.data() + FRegions[region].First; }
    int VertexCount(int region) const { return FRegions[region].Count; }

    // Vertices stored so far: a measure of the work done.
    long long WorkDone() const { return FWork; }

private:
    struct TRegion {
        int First = 0; // into FVertices
        int Count = 0;
        int ChainA = 0; // into FChains: two runs from the leftmost to the rightmost vertex
        int CountA = 0;
        int ChainB = 0;
        int CountB = 0;
        int SweepA = 0; // the sweep's segments along the chains
        int SweepB = 0;
        double Left = 0, Right = 0, Top = 0, Bottom = 0;
    };

    static double ChainY(const TVec* chain, int count, double x);
    // The Y of the chain at x, from the chain's segment at or before x.
    static double ChainYFrom(const TVec* chain, int& segment, double x);

    std::vector<TRegion> FRegions;
    std::vector<TVec> FVertices;
    std::vector<TVec> FChains;
    TConvexPart FSum;
    long long FWork = 0;
};
