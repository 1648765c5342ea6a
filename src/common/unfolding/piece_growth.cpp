// Faces joined into pieces edge by edge while the piece stays flat and fits.
#include "unfolding/piece_growth.h"

#include "geometry/angles.h"
#include "unfolding/area_fit.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr long double FullTurn = 2 * Pi;
// A piece's inner angle must stay this far below a full turn (radians), so
// that the two sides meeting there leave room for a tab between them.
constexpr long double AngleClearance = 1e-5L;
// Where only some of the faces round a vertex meet, the piece keeps this much
// open (radians): the rest must meet in another corner of the piece, and a
// joint in a narrower slit would leave no room for a tab. Where all meet, the
// vertex's own angle decides.
constexpr long double PartialFanOpening = 0.0175L;
// Pieces with fewer outline sides than this are searched side by side rather
// than through a grid.
constexpr int GridFromSides = 24;
// The hull vertices of a small piece with at most this many are added to the
// large piece's hull one by one rather than merging the two hulls.
constexpr std::size_t AddPointsUpTo = 8;

TPointF Midpoint(const TPointF& a, const TPointF& b) {
    return PointF((a.X + b.X) / 2, (a.Y + b.Y) / 2);
}

} // namespace

TPieceGrowth::TPieceGrowth(const TFoldGeometry& fold, const TGrowthLimits& limits)
    : FFold(fold), FLimits(limits) {
    const TMeshEdges& edges = fold.Edges;
    const int count = edges.HalfEdgeCount();
    FPosition = fold.Flat;
    FNext.resize(count);
    FPrev.resize(count);
    FCorner.resize(count);
    FOnOutline.assign(count, 1);
    FFanFaces.assign(count, 1);
    FFacesAt.assign(fold.Mesh->Vertices.size(), 0);
    FJoined.assign(count, 0);
    long double lengthSum = 0;
    for (int h = 0; h < count; ++h) {
        FNext[h] = edges.Next(h);
        FPrev[h] = edges.Prev(h);
        FCorner[h] = fold.CornerAngle[FNext[h]];
        ++FFacesAt[edges.From[h]];
        const TPointF& a = fold.Flat[h];
        const TPointF& b = fold.Flat[FNext[h]];
        lengthSum += std::hypot(b.X - a.X, b.Y - a.Y);
    }
    FCellSize = count > 0 ? 2 * lengthSum / count : 1;
    if (!(FCellSize > 0))
        FCellSize = 1;

    FPieces.resize(edges.FaceCount());
    FPieceOf.resize(edges.FaceCount());
    for (int f = 0; f < edges.FaceCount(); ++f) {
        TPiece& piece = FPieces[f];
        piece.Faces.assign(1, f);
        piece.FirstSide = edges.FaceStart[f];
        piece.SideCount = edges.FaceStart[f + 1] - edges.FaceStart[f];
        piece.Hull = ConvexHull(TDaPointF(fold.Flat.begin() + edges.FaceStart[f],
                                          fold.Flat.begin() + edges.FaceStart[f + 1]));
        const TAreaFit fit =
            FitArea(piece.Hull, limits.AreaWidth, limits.AreaHeight, limits.Margin, 0, false);
        piece.Fits = fit.Fits;
        piece.FitAngle = fit.Angle;
        FPieceOf[f] = f;
    }
}

bool TPieceGrowth::StaysOpen(int before, int after) const {
    const int vertex = FFold.Edges.To[before];
    const bool allFaces = FFanFaces[before] + FFanFaces[after] == FFacesAt[vertex];
    return FCorner[before] + FCorner[after] <
           FullTurn - (allFaces ? AngleClearance : PartialFanOpening);
}

std::vector<int> TPieceGrowth::PieceIds() const {
    std::vector<int> ids;
    for (int f = 0; f < static_cast<int>(FPieces.size()); ++f)
        if (!FPieces[f].Faces.empty() && FPieces[f].Faces.front() == f && FPieceOf[f] == f)
            ids.push_back(f);
    return ids;
}

TPointF TPieceGrowth::Moved(const TPointF& p) const {
    const long double x = p.X - FFrom.X, y = p.Y - FFrom.Y;
    return PointF(FTo.X + x * FCos - y * FSin, FTo.Y + x * FSin + y * FCos);
}

void TPieceGrowth::AddToGrid(TPiece& piece, int side) {
    piece.Grid.Insert(side, FPosition[side], FPosition[FFold.Edges.Next(side)]);
}

bool TPieceGrowth::TryJoin(int halfEdge) {
    if (!FFold.Joinable[halfEdge])
        return false;
    const int partner = FFold.Partner(halfEdge);
    const int pieceA = FPieceOf[FFold.Edges.Face[halfEdge]];
    const int pieceB = FPieceOf[FFold.Edges.Face[partner]];
    if (pieceA == pieceB)
        return false;
    const bool aLarger = FPieces[pieceA].Faces.size() >= FPieces[pieceB].Faces.size();
    const int large = aLarger ? pieceA : pieceB;
    const int small = aLarger ? pieceB : pieceA;
    const int largeSide = aLarger ? halfEdge : partner;
    const int smallSide = aLarger ? partner : halfEdge;

    // The two faces meet at the corners where the pieces' sides meet: the
    // inner angles there add up.
    const int largePrev = FPrev[largeSide], smallPrev = FPrev[smallSide];
    if (!StaysOpen(largePrev, smallSide) || !StaysOpen(smallPrev, largeSide))
        return false;

    // The small piece's side runs the other way along the same edge.
    const TPointF& s0 = FPosition[smallSide];
    const TPointF& s1 = FPosition[FFold.Edges.Next(smallSide)];
    const TPointF& l0 = FPosition[largeSide];
    const TPointF& l1 = FPosition[FFold.Edges.Next(largeSide)];
    const long double sx = s1.X - s0.X, sy = s1.Y - s0.Y;
    const long double lx = l0.X - l1.X, ly = l0.Y - l1.Y;
    const long double lengths = std::hypot(sx, sy) * std::hypot(lx, ly);
    if (!(lengths > 0))
        return false;
    FCos = (sx * lx + sy * ly) / lengths;
    FSin = (sx * ly - sy * lx) / lengths;
    FFrom = Midpoint(s0, s1);
    FTo = Midpoint(l0, l1);

    TPiece& largePiece = FPieces[large];
    TDaPointF moved;
    for (const TPointF& p : FPieces[small].Hull)
        moved.push_back(Moved(p));
    // A small piece takes its few corners into the large one's hull; laid
    // inside it, it leaves the hull and its fit as they were.
    TAreaFit fit{largePiece.Fits, largePiece.FitAngle};
    TDaPointF hull;
    bool grown = true;
    if (moved.size() <= AddPointsUpTo) {
        hull = largePiece.Hull;
        grown = false;
        for (const TPointF& p : moved)
            grown = AddToHull(hull, p) || grown;
    } else {
        hull = MergedHull(largePiece.Hull, moved);
    }
    if (grown || !largePiece.Fits)
        fit = FitArea(hull, FLimits.AreaWidth, FLimits.AreaHeight, FLimits.Margin,
                      largePiece.FitAngle, false);
    if (!fit.Fits || Touches(large, largeSide, smallSide))
        return false;
    Commit(large, small, largeSide, smallSide, std::move(hull), fit.Angle);
    return true;
}

// True when a side of the small piece, laid against the large one, comes
// near a side of the large piece, other than the two pairs that meet at the
// ends of the joining edge.
bool TPieceGrowth::Touches(int large, int largeSide, int smallSide) {
    TPiece& largePiece = FPieces[large];
    if (!largePiece.HasGrid && largePiece.SideCount >= GridFromSides) {
        largePiece.HasGrid = true;
        largePiece.Grid = TSegmentHash(FCellSize);
        int side = largePiece.FirstSide;
        for (int i = 0; i < largePiece.SideCount; ++i, side = FNext[side])
            AddToGrid(largePiece, side);
    }
    const int largePrev = FPrev[largeSide], largeNext = FNext[largeSide];
    const int smallPrev = FPrev[smallSide], smallNext = FNext[smallSide];
    auto touches = [&](int side) {
        const TPointF a = Moved(FPosition[side]);
        const TPointF b = Moved(FPosition[FFold.Edges.Next(side)]);
        bool found = false;
        auto test = [&](int other) {
            if (found || other == largeSide || !FOnOutline[other])
                return;
            if ((side == smallNext && other == largePrev) ||
                (side == smallPrev && other == largeNext))
                return;
            found = SegmentsWithin(a, b, FPosition[other], FPosition[FFold.Edges.Next(other)],
                                   PieceContactDistance);
        };
        if (largePiece.HasGrid) {
            largePiece.Grid.ForEachNear(a, b, PieceContactDistance, test);
        } else {
            int other = largePiece.FirstSide;
            for (int i = 0; i < largePiece.SideCount && !found; ++i, other = FNext[other])
                test(other);
        }
        return found;
    };
    // Outward from the joining edge both ways, where the pieces meet first.
    int forward = smallNext, back = smallPrev;
    while (true) {
        if (touches(forward))
            return true;
        if (forward == back)
            return false;
        if (touches(back))
            return true;
        forward = FNext[forward];
        if (forward == back)
            return false;
        back = FPrev[back];
    }
}

void TPieceGrowth::Commit(int large, int small, int largeSide, int smallSide, TDaPointF hull,
                          long double fitAngle) {
    TPiece& largePiece = FPieces[large];
    TPiece& smallPiece = FPieces[small];
    const TMeshEdges& edges = FFold.Edges;
    for (int face : smallPiece.Faces) {
        for (int h = edges.FaceStart[face]; h < edges.FaceStart[face + 1]; ++h)
            FPosition[h] = Moved(FPosition[h]);
        FPieceOf[face] = large;
        largePiece.Faces.push_back(face);
    }

    const int largePrev = FPrev[largeSide], largeNext = FNext[largeSide];
    const int smallPrev = FPrev[smallSide], smallNext = FNext[smallSide];
    FCorner[largePrev] += FCorner[smallSide];
    FCorner[smallPrev] += FCorner[largeSide];
    FFanFaces[largePrev] += FFanFaces[smallSide];
    FFanFaces[smallPrev] += FFanFaces[largeSide];
    FNext[largePrev] = smallNext;
    FPrev[smallNext] = largePrev;
    FNext[smallPrev] = largeNext;
    FPrev[largeNext] = smallPrev;
    if (largePiece.HasGrid)
        largePiece.Grid.Remove(largeSide, FPosition[largeSide],
                               FPosition[FFold.Edges.Next(largeSide)]);
    FOnOutline[largeSide] = FOnOutline[smallSide] = 0;
    FJoined[largeSide] = FJoined[smallSide] = 1;

    largePiece.SideCount += smallPiece.SideCount - 2;
    largePiece.FirstSide = largePrev;
    if (largePiece.HasGrid)
        for (int side = smallNext; side != largeNext; side = FNext[side])
            AddToGrid(largePiece, side);
    largePiece.Hull = std::move(hull);
    largePiece.FitAngle = fitAngle;
    smallPiece = TPiece();
}
