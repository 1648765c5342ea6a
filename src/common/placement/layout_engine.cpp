// The layout search: every shape turned every allowed way and covered by
// convex parts once; a first-fit pass for each of a few orders and rules;
// then, while the budget lasts and the pages are more than the lower bound,
// passes over orders changed a little from the best so far, the shapes of the
// last page first among them. Every place of the best layout is checked on
// the shapes themselves before it is given out.
#include "placement/layout_engine.h"

#include "geometry/flange_outline.h"
#include "placement/layout_bounds.h"
#include "placement/layout_pass.h"
#include "placement/outline_clearance.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>

namespace {

constexpr long double Pi = std::numbers::pi_v<long double>;

// The clearance polygon's sides: its corners stand out of the circle of the
// clearance by 2 %.
constexpr int ClearanceSides = 16;
// The search keeps this much (mm) beyond the gap, far more than rounding
// anywhere can take away, so the places it finds pass the exact check.
constexpr double SearchHair = 1e-6;
// The spacing (mm) of the columns of positions searched; pieces settle from
// there against their neighbours exactly.
constexpr double ColumnStep = 1;

// The work budget, in the units the search counts (region vertices built and
// spans computed), for the usual effort: a base and a share per shape. The
// search does about 40 million units a second of processor time here, so the
// budget is about 0.2 s and 9 ms a shape.
constexpr double BaseWork = 9e6;
constexpr double WorkPerShape = 3.6e5;

bool ValidOptions(const TLayoutOptions& options) {
    return std::isfinite(options.PageWidth) && std::isfinite(options.PageHeight) &&
           options.PageWidth > 0 && options.PageHeight > 0 && options.Gap >= LayoutMinGap &&
           options.Gap <= LayoutMaxGap && std::isfinite(options.Effort) && options.Effort >= 0;
}

std::vector<long double> TurnAngles(TLayoutRotations rotations) {
    const int turns = rotations == TLayoutRotations::None           ? 1
                      : rotations == TLayoutRotations::HalfTurns    ? 2
                      : rotations == TLayoutRotations::QuarterTurns ? 4
                                                                    : 24;
    // Whole multiples of one step, so that quarter turns come out exact.
    const long double step = 2 * Pi / turns;
    std::vector<long double> angles;
    for (int k = 0; k < turns; ++k)
        angles.push_back(k * step);
    return angles;
}

long double Clearance(const TLayoutOptions& options) {
    return std::max(options.Gap, LayoutLeastClearance);
}

TConvexPart ClearancePolygon(const TLayoutOptions& options) {
    return CircumscribedPolygon(static_cast<double>(Clearance(options)) + SearchHair,
                                ClearanceSides);
}

bool FitsPage(const TLayoutPiece& piece, const TLayoutOptions& options) {
    const auto margin = static_cast<double>(LayoutLeastClearance);
    return piece.Width <= static_cast<double>(options.PageWidth) - 2 * margin &&
           piece.Height <= static_cast<double>(options.PageHeight) - 2 * margin;
}

// Calls take(piece) for every allowed turn of the shape that fits the page,
// until it returns false.
template <class TTake>
void ForEachFittingTurn(const TPolygon& shape, int index, const TLayoutOptions& options,
                        const TConvexPart& clearance, TTake take) {
    for (const bool mirror : {false, true}) {
        if (mirror && !options.AllowMirror)
            continue;
        for (const long double angle : TurnAngles(options.Rotations)) {
            TLayoutPiece piece;
            if (MakeLayoutPiece(shape, index, angle, mirror, clearance, piece) &&
                FitsPage(piece, options) && !take(std::move(piece)))
                return;
        }
    }
}

// The shapes that stay, unturned where they lie, page by page.
void AddFixed(const TLayoutOptions& options, const TConvexPart& clearance,
              TLayoutProblem& problem) {
    for (const TPolygonTbl& page : options.Fixed) {
        problem.Fixed.emplace_back();
        problem.FixedAreas.push_back(0);
        for (const TPolygon& shape : page) {
            TLayoutPiece piece;
            if (!MakeLayoutPiece(shape, -1, 0, false, clearance, piece))
                continue;
            problem.Fixed.back().push_back(std::move(piece));
            problem.FixedAreas.back() += static_cast<double>(AreaWithFlanges(shape));
        }
    }
}

// Every allowed turn of every shape, less the turns too large for the page.
TLayoutProblem MakeProblem(const std::vector<TPolygon>& shapes, const TLayoutOptions& options) {
    TLayoutProblem problem;
    problem.Width = static_cast<double>(options.PageWidth);
    problem.Height = static_cast<double>(options.PageHeight);
    problem.Margin = static_cast<double>(LayoutLeastClearance);
    problem.ColumnStep = ColumnStep;
    const TConvexPart clearance = ClearancePolygon(options);
    problem.Pieces.resize(shapes.size());
    for (std::size_t i = 0; i < shapes.size(); ++i) {
        problem.Areas.push_back(static_cast<double>(AreaWithFlanges(shapes[i])));
        ForEachFittingTurn(shapes[i], static_cast<int>(i), options, clearance,
                           [&](TLayoutPiece piece) {
                               problem.Pieces[i].push_back(std::move(piece));
                               return true;
                           });
    }
    AddFixed(options, clearance, problem);
    return problem;
}

// A small deterministic generator (SplitMix64), the same on every platform.
class TRandom {
public:
    std::uint64_t Next() {
        std::uint64_t z = (FState += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }
    int Below(int bound) { return static_cast<int>(Next() % static_cast<std::uint64_t>(bound)); }

private:
    std::uint64_t FState = 0x5A17E;
};

// The sizes orders are sorted by, largest first.
enum class TSizeKey { Area, LongSide, ShortSide, BoxArea };

double SizeOf(const TLayoutProblem& problem, int shape, TSizeKey key) {
    const TLayoutPiece& piece = problem.Pieces[shape].front();
    switch (key) {
    case TSizeKey::Area:
        return problem.Areas[shape];
    case TSizeKey::LongSide:
        return std::max(piece.Width, piece.Height);
    case TSizeKey::ShortSide:
        return std::min(piece.Width, piece.Height);
    case TSizeKey::BoxArea:
        return piece.Width * piece.Height;
    }
    return 0;
}

std::vector<int> SortedOrder(const TLayoutProblem& problem, const std::vector<int>& shapes,
                             TSizeKey key) {
    std::vector<int> order = shapes;
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        return SizeOf(problem, a, key) > SizeOf(problem, b, key);
    });
    return order;
}

// The order changed a little: the shapes of the last page brought to the
// front, or two shapes near each other swapped.
std::vector<int> Varied(const std::vector<int>& order, const TLayoutPlan& plan, TRandom& random) {
    std::vector<int> varied = order;
    const int n = static_cast<int>(order.size());
    if (n < 2)
        return varied;
    if (random.Below(4) == 0) {
        const int last = plan.Pages - 1;
        std::stable_partition(varied.begin(), varied.end(),
                              [&](int shape) { return plan.Page[shape] == last; });
        return varied;
    }
    const int i = random.Below(n - 1);
    const int j = std::min(n - 1, i + 1 + random.Below(4));
    std::swap(varied[i], varied[j]);
    return varied;
}

struct TSearchState {
    TLayoutPlan Plan;
    std::vector<int> Order;
    TFitRule Rule;
    bool Found = false;
};

// Keeps the plan as the best when it is at least as good: a search that
// moves on over equal plans goes further.
void Keep(TLayoutPlan plan, const std::vector<int>& order, const TFitRule& rule,
          TSearchState& best) {
    if (best.Found && BetterPlan(best.Plan, plan))
        return;
    best = {std::move(plan), order, rule, true};
}

// How many shapes at the start of the order the best plan's order shares:
// their places are known.
int SharedStart(const std::vector<int>& order, const TFitRule& rule, const TSearchState& best) {
    if (!best.Found || rule.Up != best.Rule.Up || rule.FarEdge != best.Rule.FarEdge)
        return 0;
    const auto differ = std::mismatch(order.begin(), order.end(), best.Order.begin());
    return static_cast<int>(differ.first - order.begin());
}

void TryPass(const TLayoutProblem& problem, const std::vector<int>& order, const TFitRule& rule,
             TLayoutWork& work, TSearchState& best) {
    TLayoutPlan plan;
    // Pages with shapes that stay may take nothing.
    const int mostPages =
        best.Found ? best.Plan.Pages : static_cast<int>(order.size() + problem.Fixed.size());
    if (RunLayoutPass(problem, order, rule, mostPages, best.Found, work, plan, &best.Plan,
                      SharedStart(order, rule, best)) == TPassEnd::Complete)
        Keep(std::move(plan), order, rule, best);
}

// The squeaky wheel: the shapes the last pass left on its last page weigh
// more in the next order, which is sorted by weighted area. Its passes may
// take one page more than the best, to learn which shapes end up last.
class TSqueakyWheel {
public:
    explicit TSqueakyWheel(const TLayoutProblem& problem, const TLayoutPlan& start)
        : FWeights(problem.Pieces.size(), 1), FLast(start) {}

    void Pass(const TLayoutProblem& problem, const std::vector<int>& shapes, TRandom& random,
              TLayoutWork& work, TSearchState& best) {
        for (const int shape : shapes) {
            if (FLast.Page[shape] == FLast.Pages - 1)
                FWeights[shape] *= 1.1 + 0.5 * random.Below(1000) / 1000;
        }
        std::vector<int> order = shapes;
        std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
            return problem.Areas[a] * FWeights[a] > problem.Areas[b] * FWeights[b];
        });
        TLayoutPlan plan;
        if (RunLayoutPass(problem, order, best.Rule, best.Plan.Pages + 1, true, work, plan) !=
            TPassEnd::Complete)
            return;
        FLast = plan;
        Keep(std::move(plan), order, best.Rule, best);
    }

private:
    std::vector<double> FWeights;
    TLayoutPlan FLast;
};

// The first passes, over a few orders and rules, then in turn variations of
// the best order (whose unchanged start costs nothing) and squeaky-wheel
// orders.
TSearchState Search(const TLayoutProblem& problem, const std::vector<int>& shapes, int bound,
                    TLayoutWork& work) {
    struct TStart {
        TSizeKey Key;
        TFitRule Rule;
    };
    static constexpr TStart Starts[] = {
        {TSizeKey::Area, {true, true}},      {TSizeKey::Area, {true, false}},
        {TSizeKey::LongSide, {true, true}},  {TSizeKey::Area, {false, true}},
        {TSizeKey::BoxArea, {true, true}},   {TSizeKey::ShortSide, {true, true}},
        {TSizeKey::LongSide, {false, true}}, {TSizeKey::BoxArea, {false, false}},
    };
    TSearchState best;
    for (const TStart& start : Starts) {
        if (best.Found && (work.Exhausted() || best.Plan.Pages <= bound))
            return best;
        TryPass(problem, SortedOrder(problem, shapes, start.Key), start.Rule, work, best);
        if (work.Cancelled())
            return best;
    }
    TRandom random;
    TSqueakyWheel wheel(problem, best.Plan);
    for (int round = 0; !work.Exhausted() && !work.Cancelled() && best.Plan.Pages > bound;
         ++round) {
        if (round % 2 == 0)
            TryPass(problem, Varied(best.Order, best.Plan, random), best.Rule, work, best);
        else
            wheel.Pass(problem, shapes, random, work, best);
    }
    return best;
}

bool InsideArea(const TDaPointF& outline, const TLayoutOptions& options) {
    return std::all_of(outline.begin(), outline.end(), [&](const TPointF& p) {
        return p.X > 0 && p.X < options.PageWidth && p.Y > 0 && p.Y < options.PageHeight;
    });
}

bool HoldsFixed(const TLayoutOptions& options, int page) {
    return page < static_cast<int>(options.Fixed.size()) && !options.Fixed[page].empty();
}

// The placements of the plan, each checked on the moved shape against the
// border, the shapes that stay and the shapes checked before it on its page;
// a shape that fails goes onto a page of its own.
void Assemble(const std::vector<TPolygon>& shapes, const TLayoutProblem& problem,
              const TLayoutPlan& plan, const std::vector<int>& order, const TLayoutOptions& options,
              TLayoutResult& result) {
    const long double gap = Clearance(options);
    std::vector<std::vector<TDaPointF>> pages(plan.Pages);
    for (int page = 0; page < plan.Pages && page < static_cast<int>(options.Fixed.size()); ++page)
        for (const TPolygon& shape : options.Fixed[page])
            pages[page].push_back(OutlineWithFlanges(shape));
    std::vector<int> refused;
    for (const int shape : order) {
        const TLayoutPiece& piece = problem.Pieces[shape][plan.Turn[shape]];
        const TLayoutTransform transform = PlacementOf(piece, plan.At[shape]);
        const TDaPointF outline = OutlineWithFlanges(TransformedPolygon(shapes[shape], transform));
        std::vector<TDaPointF>& page = pages[plan.Page[shape]];
        const bool apart = std::all_of(page.begin(), page.end(), [&](const TDaPointF& other) {
            return OutlinesKeepApart(outline, other, gap);
        });
        if (!apart || !InsideArea(outline, options)) {
            refused.push_back(shape);
            continue;
        }
        page.push_back(outline);
        result.Placements[shape] = {plan.Page[shape], transform};
    }
    result.PageCount = plan.Pages;
    for (const int shape : refused) {
        const TLayoutPiece& piece = problem.Pieces[shape].front();
        const TVec corner{problem.Margin, problem.Margin};
        const TLayoutTransform transform = PlacementOf(piece, corner);
        if (!InsideArea(OutlineWithFlanges(TransformedPolygon(shapes[shape], transform)),
                        options)) {
            result.Misfits.push_back(shape);
            continue;
        }
        while (HoldsFixed(options, result.PageCount))
            ++result.PageCount;
        result.Placements[shape] = {result.PageCount++, transform};
    }
    std::sort(result.Misfits.begin(), result.Misfits.end());
}

} // namespace

TLayoutResult LayOutShapes(const std::vector<TPolygon>& shapes, const TLayoutOptions& options,
                           const TLayoutProgress& progress) {
    TLayoutResult result;
    if (!ValidOptions(options)) {
        result.Outcome = TLayoutOutcome::InvalidOptions;
        return result;
    }
    result.Placements.assign(shapes.size(), TLayoutPlacement());
    const TLayoutProblem problem = MakeProblem(shapes, options);
    std::vector<int> placeable;
    for (int i = 0; i < static_cast<int>(shapes.size()); ++i) {
        if (problem.Pieces[i].empty())
            result.Misfits.push_back(i);
        else
            placeable.push_back(i);
    }
    std::vector<TPolygon> placeableShapes;
    for (const int i : placeable)
        placeableShapes.push_back(shapes[i]);
    const TLayoutBounds bounds =
        LayoutBounds(placeableShapes, options.PageWidth, options.PageHeight, Clearance(options));
    const auto budget = static_cast<long long>(
        options.Effort * (BaseWork + WorkPerShape * static_cast<double>(placeable.size())));
    TLayoutWork work(budget, progress);
    if (placeable.empty())
        return result;
    const TSearchState best =
        Search(problem, placeable, std::max(bounds.Area, bounds.WithGap), work);
    if (work.Cancelled() || !best.Found) {
        result = TLayoutResult();
        result.Outcome = TLayoutOutcome::Cancelled;
        return result;
    }
    Assemble(shapes, problem, best.Plan, best.Order, options, result);
    if (progress)
        progress(1);
    return result;
}

bool FitsEmptyLayoutPage(const TPolygon& shape, const TLayoutOptions& options) {
    if (!ValidOptions(options))
        return false;
    bool fits = false;
    ForEachFittingTurn(shape, 0, options, ClearancePolygon(options), [&](TLayoutPiece) {
        fits = true;
        return false;
    });
    return fits;
}
