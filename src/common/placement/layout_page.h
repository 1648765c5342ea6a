// One page of a layout being built: the pieces placed on it, and the search
// for the place where the next piece fits best, farthest up (or left) with
// every part at least the clearance from every placed part.
#pragma once

#include "placement/clearance_regions.h"
#include "placement/layout_piece.h"

#include <vector>

// Which way pieces settle: towards the top of the page and then to the left,
// or the other way round. With FarEdge, positions are compared by the far
// edge of the piece (its bottom, or its right side), so that of two turns the
// one that reaches less far down wins.
struct TFitRule {
    bool Up = true;
    bool FarEdge = false;
};

// A free place for a piece and how good it is by the rule: lower is better,
// Primary first.
struct TFit {
    TVec At;
    double Primary = 0;
    double Secondary = 0;
};

// True when a is better than b by the rule.
bool BetterFit(const TFit& a, const TFit& b);

class TLayoutPage {
public:
    // The white area is (0, 0) to (width, height); pieces keep margin from
    // its border. columnStep is the spacing of the lines searched.
    TLayoutPage(double width, double height, double margin, double columnStep);

    // The best free place for piece by the rule, better than toBeat when that
    // is given; false when there is none.
    bool Find(const TLayoutPiece& piece, const TFitRule& rule, const TFit* toBeat, TFit& fit);
    void Place(const TLayoutPiece& piece, const TVec& at);

    int Count() const { return static_cast<int>(FPlaced.size()); }
    const TLayoutPiece& Piece(int index) const { return *FPlaced[index].Piece; }
    const TVec& At(int index) const { return FPlaced[index].At; }

    // Regions built and spans computed so far: a measure of the work done.
    long long WorkDone() const { return FWork + FRegions.WorkDone(); }

private:
    struct TPlaced {
        const TLayoutPiece* Piece = nullptr;
        TVec At;
    };
    struct TRange {
        double Low = 0;
        double High = 0;
    };

    void BuildRegions(const TLayoutPiece& piece);
    void CollectColumns(const TRange& across);
    bool LowestFreeY(double x, const TRange& down, double& y);
    bool ScanColumns(const TLayoutPiece& piece, const TFitRule& rule, const TRange& across,
                     const TRange& down, const TFit* toBeat, TFit& fit);
    double SlideUp(const TVec& at, double top);
    double SlideLeft(const TVec& at, double left);
    void Settle(const TFitRule& rule, const TRange& across, const TRange& down, TVec& at);
    TFit Scored(const TLayoutPiece& piece, const TFitRule& rule, const TVec& at) const;

    double FWidth;
    double FHeight;
    double FMargin;
    double FColumnStep;
    std::vector<TPlaced> FPlaced;
    TClearanceRegions FRegions;
    std::vector<int> FByLeft;
    std::vector<int> FActive;
    std::vector<double> FColumns;
    std::vector<TSpan> FSpans;
    long long FWork = 0;
};
