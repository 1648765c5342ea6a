// Faces joined into pieces edge by edge: two pieces join along an edge when
// the joined piece lies flat without touching itself and still fits the
// white area at some turn, room for tabs all round included.
#pragma once

#include "geometry/polygon.h"
#include "unfolding/fold_geometry.h"
#include "unfolding/segment_hash.h"

#include <vector>

struct TGrowthLimits {
    long double AreaWidth = 0; // mm
    long double AreaHeight = 0;
    long double Margin = 0; // kept free all round a piece for its tabs, mm
};

// Two parts of one piece closer than this touch.
inline constexpr long double PieceContactDistance = 1e-6L;

class TPieceGrowth {
public:
    TPieceGrowth(const TFoldGeometry& fold, const TGrowthLimits& limits);

    // Joins the pieces on both sides of the edge of halfEdge when they may;
    // false when the edge is no fold edge, both sides lie in one piece already
    // or the joined piece would touch itself or not fit.
    bool TryJoin(int halfEdge);

    // The pieces: each a list of faces, the first face naming the piece.
    std::vector<int> PieceIds() const;
    const std::vector<int>& FacesOf(int piece) const { return FPieces[piece].Faces; }
    // A side of the piece's outline, from which Outline walks it.
    int FirstSide(int piece) const { return FPieces[piece].FirstSide; }
    // The outline side after side, and the piece's inner angle between them.
    int NextSide(int side) const { return FNext[side]; }
    long double AngleAfter(int side) const { return FCorner[side]; }
    // Where a half-edge's first vertex lies in its piece, in mm.
    const TPointF& Position(int halfEdge) const { return FPosition[halfEdge]; }
    bool IsJoined(int halfEdge) const { return FJoined[halfEdge]; }
    // The turn at which the piece fits with its margin, as last found.
    long double FitAngle(int piece) const { return FPieces[piece].FitAngle; }

private:
    struct TPiece {
        std::vector<int> Faces;
        int FirstSide = -1;
        int SideCount = 0;
        TDaPointF Hull;
        long double FitAngle = 0;
        bool Fits = false; // with its margin, at FitAngle
        bool HasGrid = false;
        TSegmentHash Grid;
    };

    // True when the corner between the outline sides before and after,
    // joined, stays open.
    bool StaysOpen(int before, int after) const;
    TPointF Moved(const TPointF& p) const;
    bool Touches(int large, int largeSide, int smallSide);
    void Commit(int large, int small, int largeSide, int smallSide, TDaPointF hull,
                long double fitAngle);
    void AddToGrid(TPiece& piece, int side);

    const TFoldGeometry& FFold;
    const TGrowthLimits FLimits;
    long double FCellSize = 1;
    std::vector<TPiece> FPieces; // by the piece's first face
    std::vector<int> FPieceOf;   // by face
    TDaPointF FPosition;         // by half-edge
    std::vector<int> FNext;      // outline order, for half-edges on an outline
    std::vector<int> FPrev;
    std::vector<long double> FCorner; // inner angle at the end of an outline side
    std::vector<int> FFanFaces;       // faces meeting in that corner
    std::vector<int> FFacesAt;        // faces round each vertex
    std::vector<char> FOnOutline;
    std::vector<char> FJoined;
    // The move that lays the smaller piece against the larger one.
    long double FCos = 1, FSin = 0;
    TPointF FFrom, FTo;
};
