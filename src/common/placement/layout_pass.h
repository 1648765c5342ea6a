// One pass of the layout search: the shapes taken in a given order, each put
// at its best place on the first page where it fits, a page added when it
// fits none; and the meter that counts the work of all passes against the
// search's budget.
#pragma once

#include "placement/layout_page.h"
#include "placement/layout_piece.h"

#include <functional>
#include <vector>

// What every pass works on.
struct TLayoutProblem {
    double Width = 0; // the white area
    double Height = 0;
    double Margin = 0;     // kept from the border
    double ColumnStep = 1; // the spacing of the columns searched
    // Per shape, its allowed turns; none for a shape that fits no page alone.
    std::vector<std::vector<TLayoutPiece>> Pieces;
    std::vector<double> Areas; // per shape, with flanges
    // Per page from the first, the shapes that stay where they are, each
    // placed at its own corner, and the area they take.
    std::vector<std::vector<TLayoutPiece>> Fixed;
    std::vector<double> FixedAreas;
};

// Where a pass put every shape.
struct TLayoutPlan {
    std::vector<int> Page; // per shape; -1 when not placed
    std::vector<int> Turn; // which of the shape's pieces
    std::vector<TVec> At;  // where its frame origin lies
    int Pages = 0;
    double LastPageArea = 0;
};

// Fewer pages, or as many with less on the last page, which is then nearer to
// being emptied.
bool BetterPlan(const TLayoutPlan& a, const TLayoutPlan& b);

// The work of the search counted against its budget, with progress reported
// on the way and the caller's wish to stop.
class TLayoutWork {
public:
    TLayoutWork(long long budget, std::function<bool(double)> progress);
    // Counts work done; false once the progress callback asked to stop.
    bool Add(long long units);
    // Reports the progress whatever the work since the last report.
    bool Report();
    bool Exhausted() const { return FDone >= FBudget; }
    bool Cancelled() const { return FCancelled; }

private:
    long long FBudget;
    long long FDone = 0;
    long long FReported = 0;
    std::function<bool(double)> FProgress;
    bool FCancelled = false;
};

enum class TPassEnd {
    Complete,
    TooManyPages, // it would have needed more than the pages allowed
    Stopped,      // cancelled, or the budget ran out where it was to end the pass
};

// Places the shapes of order (each with pieces) by rule onto at most
// mostPages pages. With mayStop the pass ends when the budget runs out. The
// first `known` shapes go where `earlier` has them without a search: a pass
// by the same rule over an order that starts the same put them there.
TPassEnd RunLayoutPass(const TLayoutProblem& problem, const std::vector<int>& order,
                       const TFitRule& rule, int mostPages, bool mayStop, TLayoutWork& work,
                       TLayoutPlan& plan, const TLayoutPlan* earlier = nullptr, int known = 0);
