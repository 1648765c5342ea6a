// The search for the best free place of a piece on a page: the columns of
// positions are scanned for the lowest free position each, the best of them
// by the rule is taken, and the piece then slides up and left along the
// no-fit regions until it rests against them.
#include "placement/layout_page.h"

#include <algorithm>
#include <cmath>

namespace {

// Positions nearer than this count as the same.
constexpr double SamePlace = 1e-9;
// Enough slides for a piece to settle into any corner it can reach.
constexpr int MostSlides = 64;

} // namespace

bool BetterFit(const TFit& a, const TFit& b) {
    if (a.Primary < b.Primary - SamePlace)
        return true;
    if (a.Primary > b.Primary + SamePlace)
        return false;
    return a.Secondary < b.Secondary - SamePlace;
}

TLayoutPage::TLayoutPage(double width, double height, double margin, double columnStep)
    : FWidth(width), FHeight(height), FMargin(margin), FColumnStep(columnStep) {}

void TLayoutPage::Place(const TLayoutPiece& piece, const TVec& at) {
    FPlaced.push_back({&piece, at});
}

void TLayoutPage::BuildRegions(const TLayoutPiece& piece) {
    FRegions.Clear();
    for (const TPlaced& placed : FPlaced) {
        for (const TConvexPart& grown : placed.Piece->Grown) {
            for (const TConvexPart& negated : piece.Negated)
                FRegions.Add(grown, placed.At, negated);
        }
    }
    FByLeft.resize(FRegions.Size());
    for (int i = 0; i < FRegions.Size(); ++i)
        FByLeft[i] = i;
    std::sort(FByLeft.begin(), FByLeft.end(), [this](int a, int b) {
        return FRegions.Left(a) < FRegions.Left(b) ||
               (FRegions.Left(a) == FRegions.Left(b) && a < b);
    });
}

// The columns: a grid over the positions across, and the sides of every
// region, where a piece comes to rest against a placed one.
void TLayoutPage::CollectColumns(const TRange& across) {
    FColumns.clear();
    const int steps = static_cast<int>(std::floor((across.High - across.Low) / FColumnStep));
    for (int k = 0; k <= steps; ++k)
        FColumns.push_back(across.Low + k * FColumnStep);
    FColumns.push_back(across.High);
    for (int i = 0; i < FRegions.Size(); ++i) {
        for (const double x : {FRegions.Left(i), FRegions.Right(i)}) {
            if (x > across.Low && x < across.High)
                FColumns.push_back(x);
        }
    }
    std::sort(FColumns.begin(), FColumns.end());
    FColumns.erase(std::unique(FColumns.begin(), FColumns.end(),
                               [](double a, double b) { return b - a < SamePlace; }),
                   FColumns.end());
}

// FActive holds the regions whose X range may hold x.
bool TLayoutPage::LowestFreeY(double x, const TRange& down, double& y) {
    FSpans.clear();
    TSpan span;
    for (const int region : FActive) {
        // A region starting below the range cannot hold a place in it.
        if (FRegions.Top(region) < down.High && FRegions.Bottom(region) > down.Low &&
            FRegions.SweepColumnSpan(region, x, span) && span.High > down.Low)
            FSpans.push_back(span);
    }
    FWork += static_cast<long long>(FActive.size());
    std::sort(FSpans.begin(), FSpans.end(),
              [](const TSpan& a, const TSpan& b) { return a.Low < b.Low; });
    y = down.Low;
    for (const TSpan& s : FSpans) {
        if (s.Low >= y)
            break;
        y = std::max(y, s.High);
    }
    return y <= down.High;
}

TFit TLayoutPage::Scored(const TLayoutPiece& piece, const TFitRule& rule, const TVec& at) const {
    const double down = at.Y + (rule.FarEdge ? piece.Height : 0);
    const double across = at.X + (rule.FarEdge ? piece.Width : 0);
    TFit fit;
    fit.At = at;
    fit.Primary = rule.Up ? down : across;
    fit.Secondary = rule.Up ? across : down;
    return fit;
}

// Only places better than the best so far are looked for: below it no span
// needs to be found.
bool TLayoutPage::ScanColumns(const TLayoutPiece& piece, const TFitRule& rule, const TRange& across,
                              const TRange& down, const TFit* toBeat, TFit& fit) {
    CollectColumns(across);
    FActive.clear();
    std::size_t next = 0;
    bool found = false;
    const double farX = rule.FarEdge ? piece.Width : 0;
    const double farY = rule.FarEdge ? piece.Height : 0;
    TRange searched = down;
    double lastX = across.High;
    if (toBeat != nullptr) {
        if (rule.Up)
            searched.High = std::min(searched.High, toBeat->Primary - farY + SamePlace);
        else
            lastX = std::min(lastX, toBeat->Primary - farX + SamePlace);
    }
    for (const double x : FColumns) {
        if (x > lastX || searched.High < searched.Low)
            break;
        while (next < FByLeft.size() && FRegions.Left(FByLeft[next]) < x)
            FActive.push_back(FByLeft[next++]);
        std::erase_if(FActive, [this, x](int region) { return FRegions.Right(region) <= x; });
        double y = 0;
        if (!LowestFreeY(x, searched, y))
            continue;
        const TFit candidate = Scored(piece, rule, {x, y});
        if ((toBeat != nullptr && !BetterFit(candidate, *toBeat)) ||
            (found && !BetterFit(candidate, fit)))
            continue;
        fit = candidate;
        found = true;
        // Going left first, the first free column is the best; going up, a
        // later column must lie higher.
        if (!rule.Up)
            break;
        searched.High = std::min(searched.High, y);
    }
    return found;
}

// How far up the piece at `at` can slide, not above top.
double TLayoutPage::SlideUp(const TVec& at, double top) {
    double y = top;
    TSpan span;
    for (int region = 0; region < FRegions.Size(); ++region) {
        if (!FRegions.ColumnSpan(region, at.X, span))
            continue;
        if (span.High <= at.Y)
            y = std::max(y, span.High);
        else if (span.Low < at.Y)
            return at.Y; // rounding put the place inside; stay
    }
    FWork += FRegions.Size();
    return y;
}

double TLayoutPage::SlideLeft(const TVec& at, double left) {
    double x = left;
    TSpan span;
    for (int region = 0; region < FRegions.Size(); ++region) {
        if (!FRegions.RowSpan(region, at.Y, span))
            continue;
        if (span.High <= at.X)
            x = std::max(x, span.High);
        else if (span.Low < at.X)
            return at.X;
    }
    FWork += FRegions.Size();
    return x;
}

void TLayoutPage::Settle(const TFitRule& rule, const TRange& across, const TRange& down, TVec& at) {
    for (int slide = 0; slide < MostSlides; ++slide) {
        const TVec before = at;
        if (rule.Up) {
            at.Y = SlideUp(at, down.Low);
            at.X = SlideLeft(at, across.Low);
        } else {
            at.X = SlideLeft(at, across.Low);
            at.Y = SlideUp(at, down.Low);
        }
        if (before.X - at.X < SamePlace && before.Y - at.Y < SamePlace)
            return;
    }
}

bool TLayoutPage::Find(const TLayoutPiece& piece, const TFitRule& rule, const TFit* toBeat,
                       TFit& fit) {
    const TRange across{FMargin, FWidth - FMargin - piece.Width};
    const TRange down{FMargin, FHeight - FMargin - piece.Height};
    if (!(across.Low <= across.High && down.Low <= down.High))
        return false;
    BuildRegions(piece);
    if (!ScanColumns(piece, rule, across, down, toBeat, fit))
        return false;
    TVec at = fit.At;
    Settle(rule, across, down, at);
    fit = Scored(piece, rule, at);
    return true;
}
