// The tabs of the joints: for each pair of sides that are glued together, a
// tab on the side where it fits without overlapping its own piece and keeps
// the piece inside the white area; else on the other side; else the widest
// tab that can still be glued on either, its slanted edges turned to fit;
// else, where nothing that wide fits, the widest tab that fits at all.
#pragma once

#include "geometry/polygon.h"
#include "unfolding/piece_outline.h"
#include "unfolding/segment_hash.h"

#include <array>
#include <vector>

// A tab narrower than this (mm) is hard to glue: it is used only where no
// wider one fits on either side of its joint.
inline constexpr long double UsableTabWidth = 2;

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

// toFull: the tab asked for, or as wide as the side takes at the angles asked
// for; toNarrower: a narrower tab or one with other angles.
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
    using TSegment = std::array<TPointF, 2>;
    struct TPieceState {
        TSegmentHash Grid;
        std::vector<TSegment> Segments; // sides, then three per tab
        bool Clockwise = false;
        long double Cos = 1, Sin = 0;
        long double Left = 0, Right = 0, Top = 0, Bottom = 0; // the turned box
    };
    // A tab that fits a side: its flange and where its three edges and the
    // piece's turned box come to lie.
    struct TTabFit {
        int Piece = -1;
        int Side = -1;
        TFlange Flange;
        std::array<TSegment, 3> Segments;
        long double Left = 0, Right = 0, Top = 0, Bottom = 0;
    };

    // Whether tab fits the side, made narrower where it would take more of
    // the side than a trapezoid may; false when that leaves less than minWidth.
    bool Fits(int piece, int side, const TTabShape& tab, long double minWidth, TTabFit& fit) const;
    void Commit(const TTabFit& fit);
    // The widest tab from low to high mm that fits the side, its angles made
    // to fit for each width tried; false when none as wide as low fits.
    bool WidestFit(int piece, int side, long double low, long double high, TTabFit& best) const;
    // The tab of the width asked for, its angle at each end the one asked for
    // or, where that leaves no room beside the next side, slitShare of the
    // room there; both made steeper as far as a trapezoid of that width on
    // the side needs.
    TTabShape ShapeFor(int piece, int side, long double width, long double slitShare) const;
    // True when the angle asked for leaves no room at an end of the side.
    bool InSlit(int piece, int side) const;
    // The angle outside the piece at point, less what a tab there takes.
    long double FreeAngle(int piece, int point, int otherSide, bool atFirstVertex) const;
    long double SideLength(int piece, int side) const;

    std::vector<TTabbedPiece>& FPieces;
    std::vector<TPieceState> FStates;
    long double FAreaWidth, FAreaHeight;
    TTabShape FTab;
};
