// One first-fit pass of the layout search, and the work meter.
#include "placement/layout_pass.h"

#include <algorithm>

namespace {

// Progress is reported after about this share of the budget.
constexpr double ReportStep = 0.01;

// Pages whose pieces leave less than a piece's area can be passed over.
constexpr double AreaSlack = 1e-9;

// The turn of the shape that fits the page best, or -1.
int BestTurn(TLayoutPage& page, const std::vector<TLayoutPiece>& turns, const TFitRule& rule,
             TFit& best) {
    int bestTurn = -1;
    for (int turn = 0; turn < static_cast<int>(turns.size()); ++turn) {
        TFit fit;
        if (page.Find(turns[turn], rule, bestTurn < 0 ? nullptr : &best, fit)) {
            best = fit;
            bestTurn = turn;
        }
    }
    return bestTurn;
}

// A new page of the pass, holding the shapes that stay on it.
void AddPage(const TLayoutProblem& problem, std::vector<TLayoutPage>& pages,
             std::vector<double>& used) {
    const std::size_t index = pages.size();
    pages.emplace_back(problem.Width, problem.Height, problem.Margin, problem.ColumnStep);
    used.push_back(0);
    if (index >= problem.Fixed.size())
        return;
    for (const TLayoutPiece& piece : problem.Fixed[index])
        pages.back().Place(piece, piece.Corner);
    used.back() = problem.FixedAreas[index];
}

bool HoldsFixed(const TLayoutProblem& problem, int page) {
    return page < static_cast<int>(problem.Fixed.size()) && !problem.Fixed[page].empty();
}

} // namespace

bool BetterPlan(const TLayoutPlan& a, const TLayoutPlan& b) {
    if (a.Pages != b.Pages)
        return a.Pages < b.Pages;
    return a.LastPageArea < b.LastPageArea * (1 - AreaSlack);
}

TLayoutWork::TLayoutWork(long long budget, std::function<bool(double)> progress)
    : FBudget(std::max(budget, 1LL)), FProgress(std::move(progress)) {}

bool TLayoutWork::Add(long long units) {
    FDone += units;
    if (FDone - FReported >= static_cast<long long>(FBudget * ReportStep))
        return Report();
    return !FCancelled;
}

bool TLayoutWork::Report() {
    if (FCancelled)
        return false;
    FReported = FDone;
    if (FProgress && !FProgress(std::min(0.99, static_cast<double>(FDone) / FBudget)))
        FCancelled = true;
    return !FCancelled;
}

TPassEnd RunLayoutPass(const TLayoutProblem& problem, const std::vector<int>& order,
                       const TFitRule& rule, int mostPages, bool mayStop, TLayoutWork& work,
                       TLayoutPlan& plan, const TLayoutPlan* earlier, int known) {
    const std::size_t shapes = problem.Pieces.size();
    plan = TLayoutPlan();
    plan.Page.assign(shapes, -1);
    plan.Turn.assign(shapes, 0);
    plan.At.assign(shapes, TVec());
    std::vector<TLayoutPage> pages;
    std::vector<double> used;
    const double pageArea = problem.Width * problem.Height;
    for (std::size_t k = 0; k < order.size(); ++k) {
        const int shape = order[k];
        const std::vector<TLayoutPiece>& turns = problem.Pieces[shape];
        const double area = problem.Areas[shape];
        int page = 0;
        int turn = -1;
        TFit fit;
        if (earlier != nullptr && static_cast<int>(k) < known) {
            page = earlier->Page[shape];
            turn = earlier->Turn[shape];
            fit.At = earlier->At[shape];
            while (static_cast<int>(pages.size()) <= page)
                AddPage(problem, pages, used);
        }
        for (; turn < 0 && page < static_cast<int>(pages.size()); ++page) {
            if (used[page] + area > pageArea * (1 + AreaSlack))
                continue;
            const long long before = pages[page].WorkDone();
            turn = BestTurn(pages[page], turns, rule, fit);
            if (!work.Add(pages[page].WorkDone() - before))
                return TPassEnd::Stopped;
            if (turn >= 0)
                break;
        }
        while (turn < 0) {
            if (static_cast<int>(pages.size()) >= mostPages)
                return TPassEnd::TooManyPages;
            AddPage(problem, pages, used);
            page = static_cast<int>(pages.size()) - 1;
            turn = BestTurn(pages[page], turns, rule, fit);
            // Every shape with pieces fits an empty page in one of its turns;
            // a page with shapes that stay may have no room.
            if (turn < 0 && !HoldsFixed(problem, page))
                return TPassEnd::Stopped;
        }
        pages[page].Place(turns[turn], fit.At);
        used[page] += area;
        plan.Page[shape] = page;
        plan.Turn[shape] = turn;
        plan.At[shape] = fit.At;
        if (mayStop && work.Exhausted())
            return TPassEnd::Stopped;
    }
    plan.Pages = static_cast<int>(pages.size());
    plan.LastPageArea = used.empty() ? 0 : used.back();
    return work.Report() ? TPassEnd::Complete : TPassEnd::Stopped;
}
