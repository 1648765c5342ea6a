// The tabs of the joints: for each pair of sides that are glued together, a
// tab on the side where it fits without overlapping its own piece and keeps
// the piece inside the white area; else on the other side; else narrower.
#pragma once

#include "geometry/polygon.h"
#include "unfolding/piece_outline.h"
#include "unfolding/segment_hash.h"

#include <vector>

struct TTabShape {
    long double Width = 5;  // mm
    long double Angle1 = 0; // radians, at the side's first vertex
    long double Angle2 = 0;
};

// One piece as the tabs see it: its outline, the turn at which it is to fit
// the white area, and the flange of each side, Width 0 where it has no tab.
struct TTabbedPiece {
    const TPieceOutline* Outline = nullptr;
    long double Angle = 0;
    bool KeepInArea = false; // false for a piece too large for the area anyway
    TDaFlange Flanges;
};

enum TTabOutcome { toFull, toNarrower, toNone };

class TTabPlacement {
public:
    // The pieces must stay where they are while tabs are placed.
    TTabPlacement(std::vector<TTabbedPiece>& pieces, long double areaWidth, long double areaHeight,
                  const TTabShape& tab);

    // Puts the tab of the joint of side sideA of pieceA and side sideB of
    // pieceB on one of the two, trying sideA first.
    TTabOutcome Place(int pieceA, int sideA, int pieceB, int sideB);

private:
    struct TPieceState {
        TSegmentHash Grid;
        std::vector<std::array<TPointF, 2>> Segments; // sides, then three per tab
        bool Clockwise = false;
        long double Cos = 1, Sin = 0;
        long double Left = 0, Right = 0, Top = 0, Bottom = 0; // the turned box
    };

    bool TryTab(int piece, int side, const TTabShape& tab);
    // The angle outside the piece at point, less what a tab there takes.
    long double FreeAngle(int piece, int point, int otherSide, bool atFirstVertex) const;

    std::vector<TTabbedPiece>& FPieces;
    std::vector<TPieceState> FStates;
    long double FAreaWidth, FAreaHeight;
    TTabShape FTab;
};
