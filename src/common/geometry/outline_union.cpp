// The union of closed outlines: every side is cut where another side meets
// it, the pieces that part covered from uncovered ground are kept, and the
// kept pieces are joined into simple loops.
#include "geometry/outline_union.h"

#include "geometry/angles.h"
#include "geometry/plane_geometry.h"
#include "geometry/segment_grid.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <unordered_map>
#include <utility>

namespace {

constexpr long double TwoPi = 2 * Pi;

// A point closer than this share of the largest coordinate to a side lies on
// it: far below what paper or a cutter resolves, far above the rounding of a
// crossing point in extended precision.
constexpr long double OnSideShare = 1e-12L;
// Points closer than a few times that are one node, so that where three sides
// meet at one place the crossings computed from different pairs coincide.
constexpr long double SameNodeFactor = 8;

bool IsFinite(const TPointF& p) {
    return std::isfinite(p.X) && std::isfinite(p.Y);
}

// Twice the signed area of the triangle o, a, b.
long double Cross(const TPointF& o, const TPointF& a, const TPointF& b) {
    return (a.X - o.X) * (b.Y - o.Y) - (a.Y - o.Y) * (b.X - o.X);
}

// Where p lies along s: 0 at its first point, 1 at its second.
long double ParameterOf(const TSegmentF& s, const TPointF& p) {
    const long double dx = s.P2.X - s.P1.X;
    const long double dy = s.P2.Y - s.P1.Y;
    return ((p.X - s.P1.X) * dx + (p.Y - s.P1.Y) * dy) / (dx * dx + dy * dy);
}

// How a side that the ray crosses changes the winding of its outline at the
// ray's start, by the rule that sides of an outline running clockwise on
// screen raise it by one; 0 when the ray does not cross it. A side is crossed
// when its ends lie on different sides of the ray's line, one end counting
// with the greater coordinates, so that a ray through a vertex counts once.
int Crossing(const TSegmentF& side, const TPointF& from, TAxisRay ray) {
    const TPointF& u = side.P1;
    const TPointF& v = side.P2;
    if (ray == TAxisRay::PlusY || ray == TAxisRay::MinusY) {
        if ((u.X < from.X) == (v.X < from.X))
            return 0;
        const long double y = u.Y + (from.X - u.X) * ((v.Y - u.Y) / (v.X - u.X));
        if (ray == TAxisRay::PlusY)
            return y > from.Y ? (v.X < u.X ? 1 : -1) : 0;
        return y < from.Y ? (v.X > u.X ? 1 : -1) : 0;
    }
    if ((u.Y < from.Y) == (v.Y < from.Y))
        return 0;
    const long double x = u.X + (from.Y - u.Y) * ((v.X - u.X) / (v.Y - u.Y));
    if (ray == TAxisRay::PlusX)
        return x > from.X ? (v.Y > u.Y ? 1 : -1) : 0;
    return x < from.X ? (v.Y < u.Y ? 1 : -1) : 0;
}

// The winding of each outline at a point; outlines not listed wind 0 times.
class TWindings {
public:
    void Clear() { FCounts.clear(); }
    void CopyFrom(const TWindings& other) {
        FCounts.assign(other.FCounts.begin(), other.FCounts.end());
    }
    void Add(int outline, int turns) {
        for (auto& [which, count] : FCounts) {
            if (which == outline) {
                count += turns;
                return;
            }
        }
        FCounts.emplace_back(outline, turns);
    }
    // Covered by the union: inside some outline by the nonzero rule.
    bool Covered() const {
        return std::any_of(FCounts.begin(), FCounts.end(),
                           [](const auto& entry) { return entry.second != 0; });
    }

private:
    std::vector<std::pair<int, int>> FCounts;
};

// Points within a radius of one another, as one node each.
class TNodeIndex {
public:
    TNodeIndex(long double radius, std::size_t expected) : FRadius(radius) {
        FPoints.reserve(expected);
        FNext.reserve(expected);
        FFirstInCell.reserve(expected);
    }

    // The node within the radius of p (in either coordinate), or a new one at p.
    int NodeAt(const TPointF& p) {
        const std::int64_t column = static_cast<std::int64_t>(std::floor(p.X / FRadius));
        const std::int64_t row = static_cast<std::int64_t>(std::floor(p.Y / FRadius));
        for (std::int64_t c = column - 1; c <= column + 1; ++c) {
            for (std::int64_t r = row - 1; r <= row + 1; ++r) {
                const auto cell = FFirstInCell.find(Key(c, r));
                if (cell == FFirstInCell.end())
                    continue;
                for (int node = cell->second; node >= 0; node = FNext[node]) {
                    const TPointF& q = FPoints[node];
                    if (std::fabs(q.X - p.X) <= FRadius && std::fabs(q.Y - p.Y) <= FRadius)
                        return node;
                }
            }
        }
        const int node = static_cast<int>(FPoints.size());
        FPoints.push_back(p);
        const auto [cell, added] = FFirstInCell.try_emplace(Key(column, row), node);
        FNext.push_back(added ? -1 : cell->second);
        cell->second = node;
        return node;
    }
    const std::vector<TPointF>& Points() const { return FPoints; }

private:
    static std::uint64_t Key(std::int64_t column, std::int64_t row) {
        return static_cast<std::uint64_t>(column) * 0x9E3779B97F4A7C15ULL ^
               static_cast<std::uint64_t>(row);
    }

    long double FRadius;
    std::vector<TPointF> FPoints;
    std::vector<int> FNext; // per node, the node before it in its cell, or -1
    std::unordered_map<std::uint64_t, int> FFirstInCell;
};

// A point where a side is to be cut, At along it (0 to 1).
struct TCut {
    int Side = 0;
    long double At = 0;
    TPointF Point;
};

// A side's share in a piece between two nodes: Sign is +1 when the side runs
// from the piece's lower node to its higher one.
struct TShare {
    int Piece = 0;
    int Side = 0;
    int Sign = 0;
};

// A kept piece, run with the union's inside on its left as Cross counts it.
struct TBoundarySide {
    int From = 0;
    int To = 0;
    long double Direction = 0;
};

class TUnion {
public:
    explicit TUnion(const std::vector<TDaPointF>& outlines);
    std::vector<TDaPointF> Loops();

private:
    std::vector<TSegmentF> FSides;
    std::vector<long double> FLengths; // per side
    std::vector<int> FOutlineOf;       // per side
    long double FOnSide = 0;
    std::vector<TCut> FCuts;
    std::vector<TPointF> FNodes;
    std::vector<std::pair<int, int>> FPieces; // lower node, higher node
    std::vector<TShare> FShares;              // grouped by piece
    std::vector<int> FShareStart;             // per piece, into FShares
    std::vector<TBoundarySide> FBoundary;

    void CutWhereSidesMeet(TSegmentGrid& grid);
    void Meet(int i, int j);
    void CutAt(int side, const TPointF& p);
    void SplitIntoPieces();
    void KeepBoundaryPieces(TSegmentGrid& grid);
    std::vector<TDaPointF> JoinIntoLoops() const;
};

TUnion::TUnion(const std::vector<TDaPointF>& outlines) {
    long double largest = 0;
    for (std::size_t outline = 0; outline < outlines.size(); ++outline) {
        const TDaPointF& points = outlines[outline];
        for (std::size_t i = 0; i < points.size(); ++i) {
            const TPointF& p = points[i];
            const TPointF& q = points[(i + 1) % points.size()];
            largest = std::max({largest, std::fabs(p.X), std::fabs(p.Y)});
            if (p != q) {
                FSides.push_back({p, q});
                FLengths.push_back(std::hypot(q.X - p.X, q.Y - p.Y));
                FOutlineOf.push_back(static_cast<int>(outline));
            }
        }
    }
    FOnSide = largest * OnSideShare;
}

std::vector<TDaPointF> TUnion::Loops() {
    if (FSides.empty())
        return {};
    TSegmentGrid grid(FSides);
    CutWhereSidesMeet(grid);
    SplitIntoPieces();
    KeepBoundaryPieces(grid);
    return JoinIntoLoops();
}

void TUnion::CutWhereSidesMeet(TSegmentGrid& grid) {
    grid.ForEachNearbyPair([this](int i, int j) { Meet(i, j); });
}

// A vertex lying on another side cuts that side there, at the vertex itself;
// two sides that cross cut each other at their crossing point.
void TUnion::Meet(int i, int j) {
    const TSegmentF& s = FSides[i];
    const TSegmentF& t = FSides[j];
    const long double near = FOnSide;
    if (std::max(s.P1.X, s.P2.X) + near < std::min(t.P1.X, t.P2.X) ||
        std::max(t.P1.X, t.P2.X) + near < std::min(s.P1.X, s.P2.X) ||
        std::max(s.P1.Y, s.P2.Y) + near < std::min(t.P1.Y, t.P2.Y) ||
        std::max(t.P1.Y, t.P2.Y) + near < std::min(s.P1.Y, s.P2.Y))
        return;
    // Distances, with a sign for the side they lie on, of each end from the
    // other segment's line.
    const long double sLength = FLengths[i];
    const long double tLength = FLengths[j];
    const long double t1 = Cross(s.P1, s.P2, t.P1) / sLength;
    const long double t2 = Cross(s.P1, s.P2, t.P2) / sLength;
    const long double s1 = Cross(t.P1, t.P2, s.P1) / tLength;
    const long double s2 = Cross(t.P1, t.P2, s.P2) / tLength;
    const bool onS[] = {std::fabs(t1) <= near, std::fabs(t2) <= near};
    const bool onT[] = {std::fabs(s1) <= near, std::fabs(s2) <= near};
    if (onS[0])
        CutAt(i, t.P1);
    if (onS[1])
        CutAt(i, t.P2);
    if (onT[0])
        CutAt(j, s.P1);
    if (onT[1])
        CutAt(j, s.P2);
    if (onS[0] || onS[1] || onT[0] || onT[1] || (t1 < 0) == (t2 < 0) || (s1 < 0) == (s2 < 0))
        return;
    const long double at = s1 / (s1 - s2);
    const TPointF crossing{s.P1.X + at * (s.P2.X - s.P1.X), s.P1.Y + at * (s.P2.Y - s.P1.Y)};
    FCuts.push_back({i, at, crossing});
    FCuts.push_back({j, ParameterOf(t, crossing), crossing});
}

// Only a point inside the side cuts it; one at an end is that end.
void TUnion::CutAt(int side, const TPointF& p) {
    const TSegmentF& s = FSides[side];
    const long double at = ParameterOf(s, p);
    const long double length = FLengths[side];
    if (at * length > FOnSide && (1 - at) * length > FOnSide)
        FCuts.push_back({side, at, p});
}

// The outlines' own vertices become nodes first, so that a crossing point
// computed beside one joins it and the vertex keeps its exact place.
void TUnion::SplitIntoPieces() {
    TNodeIndex index(FOnSide * SameNodeFactor, FSides.size() + FCuts.size());
    std::vector<std::pair<int, int>> ends(FSides.size());
    for (std::size_t side = 0; side < FSides.size(); ++side)
        ends[side] = {index.NodeAt(FSides[side].P1), index.NodeAt(FSides[side].P2)};
    std::sort(FCuts.begin(), FCuts.end(), [](const TCut& a, const TCut& b) {
        return a.Side != b.Side ? a.Side < b.Side : a.At < b.At;
    });

    std::unordered_map<std::uint64_t, int> pieceOf;
    const auto addPiece = [&](int from, int to, int side) {
        if (from == to)
            return;
        const int lower = std::min(from, to);
        const int higher = std::max(from, to);
        const std::uint64_t key =
            (static_cast<std::uint64_t>(lower) << 32) | static_cast<std::uint32_t>(higher);
        const auto [entry, added] = pieceOf.try_emplace(key, static_cast<int>(FPieces.size()));
        if (added)
            FPieces.emplace_back(lower, higher);
        FShares.push_back({entry->second, side, from == lower ? 1 : -1});
    };
    std::size_t cut = 0;
    for (int side = 0; side < static_cast<int>(FSides.size()); ++side) {
        int from = ends[side].first;
        for (; cut < FCuts.size() && FCuts[cut].Side == side; ++cut) {
            const int node = index.NodeAt(FCuts[cut].Point);
            addPiece(from, node, side);
            from = node;
        }
        addPiece(from, ends[side].second, side);
    }
    FNodes = index.Points();

    std::stable_sort(FShares.begin(), FShares.end(),
                     [](const TShare& a, const TShare& b) { return a.Piece < b.Piece; });
    FShareStart.assign(FPieces.size() + 1, 0);
    for (const TShare& share : FShares)
        ++FShareStart[share.Piece + 1];
    for (std::size_t piece = 0; piece < FPieces.size(); ++piece)
        FShareStart[piece + 1] += FShareStart[piece];
}

// A piece is boundary when the ground on one side of it is covered and on the
// other is not. The windings on one side come from a ray cast along an axis
// from the piece's middle, away from the piece and toward the nearer edge of
// the bounds; the sides lying along the piece then give the other side's.
void TUnion::KeepBoundaryPieces(TSegmentGrid& grid) {
    TWindings rayWindings;
    TWindings otherWindings;
    for (std::size_t piece = 0; piece < FPieces.size(); ++piece) {
        const TPointF& a = FNodes[FPieces[piece].first];
        const TPointF& b = FNodes[FPieces[piece].second];
        const TPointF middle{(a.X + b.X) / 2, (a.Y + b.Y) / 2};
        const long double dx = b.X - a.X;
        const long double dy = b.Y - a.Y;
        TAxisRay ray;
        bool rayOnLeft; // the ray starts on the left of a -> b, as Cross counts
        if (std::fabs(dx) >= std::fabs(dy)) {
            const bool up = middle.Y - grid.MinY() > grid.MaxY() - middle.Y;
            ray = up ? TAxisRay::PlusY : TAxisRay::MinusY;
            rayOnLeft = up ? dx > 0 : dx < 0;
        } else {
            const bool right = middle.X - grid.MinX() > grid.MaxX() - middle.X;
            ray = right ? TAxisRay::PlusX : TAxisRay::MinusX;
            rayOnLeft = right ? dy < 0 : dy > 0;
        }
        const auto sharesFrom = FShares.begin() + FShareStart[piece];
        const auto sharesTo = FShares.begin() + FShareStart[piece + 1];
        rayWindings.Clear();
        grid.ForEachAlongRay(middle, ray, [&](int side) {
            if (std::any_of(sharesFrom, sharesTo, [&](const TShare& s) { return s.Side == side; }))
                return;
            const int turns = Crossing(FSides[side], middle, ray);
            if (turns != 0)
                rayWindings.Add(FOutlineOf[side], turns);
        });
        // Crossing a side from its right to its left adds one turn of its outline.
        otherWindings.CopyFrom(rayWindings);
        for (auto share = sharesFrom; share != sharesTo; ++share)
            otherWindings.Add(FOutlineOf[share->Side], rayOnLeft ? -share->Sign : share->Sign);
        const bool coveredOnRay = rayWindings.Covered();
        if (coveredOnRay == otherWindings.Covered())
            continue;
        const bool coveredOnLeft = rayOnLeft == coveredOnRay;
        const int from = coveredOnLeft ? FPieces[piece].first : FPieces[piece].second;
        const int to = coveredOnLeft ? FPieces[piece].second : FPieces[piece].first;
        const TPointF& p = FNodes[from];
        const TPointF& q = FNodes[to];
        FBoundary.push_back({from, to, std::atan2(q.Y - p.Y, q.X - p.X)});
    }
}

// From each node the walk goes on along the boundary side that comes first
// turning clockwise (as Cross counts) from the side it came by: the one that
// closes the covered wedge it came along. A walk that passes a node twice is
// split there, so that each loop meets a node once.
std::vector<TDaPointF> TUnion::JoinIntoLoops() const {
    std::vector<int> outStart(FNodes.size() + 1, 0);
    for (const TBoundarySide& side : FBoundary)
        ++outStart[side.From + 1];
    for (std::size_t node = 0; node < FNodes.size(); ++node)
        outStart[node + 1] += outStart[node];
    std::vector<int> outgoing(FBoundary.size());
    std::vector<int> filled(outStart.begin(), outStart.end() - 1);
    for (int side = 0; side < static_cast<int>(FBoundary.size()); ++side)
        outgoing[filled[FBoundary[side].From]++] = side;

    std::vector<bool> used(FBoundary.size(), false);
    const auto next = [&](int arriving, bool unusedOnly) {
        const TBoundarySide& in = FBoundary[arriving];
        const TPointF& at = FNodes[in.To];
        const TPointF& back = FNodes[in.From];
        const long double backward = std::atan2(back.Y - at.Y, back.X - at.X);
        int best = -1;
        long double bestTurn = 0;
        for (int k = outStart[in.To]; k < outStart[in.To + 1]; ++k) {
            const int candidate = outgoing[k];
            if (unusedOnly && used[candidate])
                continue;
            long double turn = std::fmod(backward - FBoundary[candidate].Direction, TwoPi);
            if (turn <= 0)
                turn += TwoPi;
            if (best < 0 || turn < bestTurn) {
                best = candidate;
                bestTurn = turn;
            }
        }
        return best;
    };

    std::vector<TDaPointF> loops;
    std::vector<int> placeInPath(FNodes.size(), -1);
    for (int first = 0; first < static_cast<int>(FBoundary.size()); ++first) {
        if (used[first])
            continue;
        used[first] = true;
        std::vector<int> walk{FBoundary[first].From};
        bool closed = false;
        for (int side = first;;) {
            int following = next(side, false);
            if (following == first) {
                closed = true;
                break;
            }
            if (following < 0 || used[following])
                following = next(side, true);
            if (following < 0)
                break;
            used[following] = true;
            walk.push_back(FBoundary[side].To);
            side = following;
        }
        if (!closed)
            continue;
        std::vector<int> path;
        const auto emit = [&](std::size_t from) {
            TDaPointF loop;
            for (std::size_t k = from; k < path.size(); ++k) {
                loop.push_back(FNodes[path[k]]);
                placeInPath[path[k]] = -1;
            }
            path.resize(from);
            if (loop.size() >= 3)
                loops.push_back(std::move(loop));
        };
        for (const int node : walk) {
            if (placeInPath[node] >= 0)
                emit(static_cast<std::size_t>(placeInPath[node]));
            placeInPath[node] = static_cast<int>(path.size());
            path.push_back(node);
        }
        emit(0);
    }
    return loops;
}

} // namespace

std::vector<TDaPointF> OutlineUnion(const std::vector<TDaPointF>& outlines) {
    for (const TDaPointF& outline : outlines)
        if (!std::all_of(outline.begin(), outline.end(), IsFinite))
            return {};
    return TUnion(outlines).Loops();
}

long double SignedArea(const TDaPointF& loop) {
    long double sum = 0;
    for (std::size_t i = 0; i < loop.size(); ++i) {
        const TPointF& p = loop[i];
        const TPointF& q = loop[(i + 1) % loop.size()];
        sum += p.X * q.Y - q.X * p.Y;
    }
    return sum / 2;
}

// A side's middle never lies on another loop: loops meet only at vertices.
std::vector<TDaPointF> OuterLoops(const std::vector<TDaPointF>& loops) {
    std::vector<const TDaPointF*> holes;
    for (const TDaPointF& loop : loops)
        if (SignedArea(loop) < 0)
            holes.push_back(&loop);
    std::vector<TDaPointF> outer;
    for (const TDaPointF& loop : loops) {
        if (!(SignedArea(loop) > 0))
            continue;
        const TPointF probe{(loop[0].X + loop[1].X) / 2, (loop[0].Y + loop[1].Y) / 2};
        if (std::none_of(holes.begin(), holes.end(),
                         [&](const TDaPointF* hole) { return PointInPolygon(*hole, probe); }))
            outer.push_back(loop);
    }
    return outer;
}
