// The tabs of the joints, each on the side where it fits, as wide as it can
// be glued where the full tab does not fit.
#include "unfolding/joint_tabs.h"

#include "geometry/angles.h"
#include "geometry/flange_outline.h"
#include "geometry/plane_geometry.h"
#include "unfolding/area_fit.h"
#include "unfolding/piece_growth.h"

#include <algorithm>
#include <cmath>
#include <tuple>
#include <utility>

namespace {

constexpr long double FullTurn = 2 * Pi;
constexpr long double QuarterTurn = Pi / 2;
// A tab's slanted edge keeps this angle (radians) from the next side or tab,
// or a quarter of the angle free there where that is less.
constexpr long double TabAngleClearance = 1e-3L;
// Where the angle asked for leaves no room beside the next side (in a slit),
// the slanted edge takes one of these shares of the angle free there, the
// first with which a tab fits: the larger the share, the wider the tab the
// slit takes, the smaller, the more room beside the next side.
constexpr std::array<long double, 3> SlitAngleShares{0.75L, 0.5L, 0.25L};
// Share of a side that a tab's outer edge may take up at most from each
// end, so that a tab on a short side stays a trapezoid.
constexpr long double TabReachShare = 0.45L;
// A tab narrower than this (mm) is no tab: twice the distance at which two
// parts of a piece touch.
constexpr long double MinTabWidth = 2 * PieceContactDistance;
// Halvings of the span of widths a search for the widest fitting tab takes:
// of 0 to 5 mm, to a twentieth of a millimetre; below the usable width, of its
// ratio to MinTabWidth, to a twentieth of the width.
constexpr int UsableWidthSteps = 7;
constexpr int ThinWidthSteps = 8;
// A tab is made no steeper than this (radians, 85 degrees) to fit its side,
// so that its slanted edges still lean in from the corners of its side.
constexpr long double SteepestTabAngle = DegToRad(85);

int TabSegment(int sideCount, int side, int part) {
    return sideCount + 3 * side + part;
}

bool LeavesRoom(long double angle, long double free) {
    return angle <= free - std::min(TabAngleClearance, free / 4);
}

// The steepest slanted edge that leaves room where free is the angle free.
long double SteepestAngle(long double free) {
    return std::min(SteepestTabAngle, free - std::min(TabAngleClearance, free / 4));
}

long double Cot(long double angle) {
    return std::cos(angle) / std::sin(angle);
}

// How far along its side a tab of width 1 reaches in from both ends.
long double Reach(long double angle1, long double angle2) {
    return Cot(angle1) + Cot(angle2);
}

} // namespace

TTabPlacement::TTabPlacement(std::vector<TTabbedPiece>& pieces, long double areaWidth,
                             long double areaHeight, const TTabShape& tab)
    : FPieces(pieces), FStates(pieces.size()), FAreaWidth(areaWidth), FAreaHeight(areaHeight),
      FTab(tab) {
    for (std::size_t p = 0; p < pieces.size(); ++p) {
        const TDaPointF& points = pieces[p].Outline->Points;
        TPieceState& state = FStates[p];
        const std::size_t n = points.size();
        state.Segments.resize(4 * n);
        long double lengthSum = 0;
        for (std::size_t i = 0; i < n; ++i) {
            state.Segments[i] = {points[i], points[(i + 1) % n]};
            lengthSum += PointDistance(points[i], points[(i + 1) % n]);
        }
        state.Grid = TSegmentHash(2 * lengthSum / n);
        for (std::size_t i = 0; i < n; ++i)
            state.Grid.Insert(static_cast<int>(i), state.Segments[i][0], state.Segments[i][1]);
        state.Clockwise = IsClockwiseOnScreen(points);
        state.Cos = std::cos(pieces[p].Angle);
        state.Sin = std::sin(pieces[p].Angle);
        for (std::size_t i = 0; i < n; ++i) {
            const long double x = points[i].X * state.Cos - points[i].Y * state.Sin;
            const long double y = points[i].X * state.Sin + points[i].Y * state.Cos;
            state.Left = i == 0 ? x : std::min(state.Left, x);
            state.Right = i == 0 ? x : std::max(state.Right, x);
            state.Top = i == 0 ? y : std::min(state.Top, y);
            state.Bottom = i == 0 ? y : std::max(state.Bottom, y);
        }
    }
}

long double TTabPlacement::FreeAngle(int piece, int point, int otherSide,
                                     bool atFirstVertex) const {
    const TFlange& other = FPieces[piece].Flanges[otherSide];
    const long double taken = other.Width > 0 ? (atFirstVertex ? other.Angle2 : other.Angle1) : 0;
    return FullTurn - FPieces[piece].Outline->Angles[point] - taken;
}

long double TTabPlacement::SideLength(int piece, int side) const {
    const TDaPointF& points = FPieces[piece].Outline->Points;
    return PointDistance(points[side], points[(side + 1) % points.size()]);
}

bool TTabPlacement::Fits(int piece, int side, const TTabShape& tab, long double minWidth,
                         TTabFit& fit) const {
    const TPieceOutline& outline = *FPieces[piece].Outline;
    const TPieceState& state = FStates[piece];
    const int n = static_cast<int>(outline.Points.size());
    const int before = (side + n - 1) % n, after = (side + 1) % n;
    const TPointF& a = outline.Points[side];
    const TPointF& b = outline.Points[after];
    if (!(tab.Angle1 > 0 && tab.Angle2 > 0) ||
        !LeavesRoom(tab.Angle1, FreeAngle(piece, side, before, true)) ||
        !LeavesRoom(tab.Angle2, FreeAngle(piece, after, after, false)))
        return false;
    const long double width = std::min(tab.Width, TabReachShare * 2 * PointDistance(a, b) /
                                                      Reach(tab.Angle1, tab.Angle2));
    if (!(width >= std::max(minWidth, MinTabWidth)))
        return false;
    const TFlange flange = MakeFlange("", width, tab.Angle1, tab.Angle2);
    TPointF q1, q2;
    if (!FlangeCorners(a, b, PointDirection(a, b), FlangeReachOf(flange), state.Clockwise, q1, q2))
        return false;

    const std::array<TSegment, 3> segments{{{a, q1}, {q1, q2}, {q2, b}}};
    for (int part = 0; part < 3; ++part) {
        bool touches = false;
        state.Grid.ForEachNear(
            segments[part][0], segments[part][1], PieceContactDistance, [&](int id) {
                if (touches || id == side)
                    return;
                if (part == 0 && (id == before || id == TabSegment(n, before, 2)))
                    return;
                if (part == 2 && (id == after || id == TabSegment(n, after, 0)))
                    return;
                touches =
                    SegmentsWithin(segments[part][0], segments[part][1], state.Segments[id][0],
                                   state.Segments[id][1], PieceContactDistance);
            });
        if (touches)
            return false;
    }

    long double left = state.Left, right = state.Right, top = state.Top, bottom = state.Bottom;
    for (const TPointF& q : {q1, q2}) {
        const long double x = q.X * state.Cos - q.Y * state.Sin;
        const long double y = q.X * state.Sin + q.Y * state.Cos;
        left = std::min(left, x);
        right = std::max(right, x);
        top = std::min(top, y);
        bottom = std::max(bottom, y);
    }
    if (FPieces[piece].KeepInArea && (right - left > FAreaWidth + AreaFitTolerance ||
                                      bottom - top > FAreaHeight + AreaFitTolerance))
        return false;

    fit = TTabFit{piece, side, flange, segments, left, right, top, bottom};
    return true;
}

void TTabPlacement::Commit(const TTabFit& fit) {
    TPieceState& state = FStates[fit.Piece];
    const int n = static_cast<int>(FPieces[fit.Piece].Outline->Points.size());
    TFlange& placed = FPieces[fit.Piece].Flanges[fit.Side];
    placed.Width = fit.Flange.Width;
    placed.Angle1 = fit.Flange.Angle1;
    placed.Angle2 = fit.Flange.Angle2;
    for (int part = 0; part < 3; ++part) {
        const int id = TabSegment(n, fit.Side, part);
        state.Segments[id] = fit.Segments[part];
        state.Grid.Insert(id, fit.Segments[part][0], fit.Segments[part][1]);
    }
    state.Left = fit.Left;
    state.Right = fit.Right;
    state.Top = fit.Top;
    state.Bottom = fit.Bottom;
}

TTabShape TTabPlacement::ShapeFor(int piece, int side, long double width,
                                  long double slitShare) const {
    const int n = static_cast<int>(FPieces[piece].Outline->Points.size());
    const long double free1 = FreeAngle(piece, side, (side + n - 1) % n, true);
    const long double free2 = FreeAngle(piece, (side + 1) % n, (side + 1) % n, false);
    TTabShape tab = FTab;
    tab.Width = width;
    if (!LeavesRoom(tab.Angle1, free1))
        tab.Angle1 = slitShare * free1;
    if (!LeavesRoom(tab.Angle2, free2))
        tab.Angle2 = slitShare * free2;
    // A hair less than the side allows, so that rounding never makes Fits
    // narrow the tab.
    const long double allowed = (1 - 1e-12L) * TabReachShare * 2 * SideLength(piece, side) / width;
    if (!(tab.Angle1 > 0 && tab.Angle2 > 0) || Reach(tab.Angle1, tab.Angle2) <= allowed)
        return tab;

    // Both slanted edges turned up to one angle x, each as far as its room
    // lets it, just enough that the tab leaves the middle of its side free:
    // first both at x; where one end keeps an angle of its own, the other
    // takes the rest of the reach.
    const long double steepest1 = std::max(tab.Angle1, SteepestAngle(free1));
    const long double steepest2 = std::max(tab.Angle2, SteepestAngle(free2));
    const auto at = [&](long double x) {
        return std::pair(std::clamp(x, tab.Angle1, steepest1),
                         std::clamp(x, tab.Angle2, steepest2));
    };
    long double x = std::atan2(2.0L, allowed);
    for (int round = 0; round < 2; ++round) {
        const auto [angle1, angle2] = at(x);
        if ((angle1 == x) == (angle2 == x))
            break;
        const long double rest = allowed - Cot(angle1 == x ? angle2 : angle1);
        x = rest > 0 ? std::atan2(1.0L, rest) : QuarterTurn;
    }
    std::tie(tab.Angle1, tab.Angle2) = at(x);
    return tab;
}

bool TTabPlacement::InSlit(int piece, int side) const {
    const int n = static_cast<int>(FPieces[piece].Outline->Points.size());
    return !LeavesRoom(FTab.Angle1, FreeAngle(piece, side, (side + n - 1) % n, true)) ||
           !LeavesRoom(FTab.Angle2, FreeAngle(piece, (side + 1) % n, (side + 1) % n, false));
}

// A narrower tab with the same angles lies inside a wider one, and the angles
// only grow with the width, so a width that fits has every narrower one fit.
bool TTabPlacement::WidestFit(int piece, int side, long double low, long double high,
                              TTabFit& best) const {
    // Only an end in a slit takes a share of its room.
    const std::size_t shares = InSlit(piece, side) ? SlitAngleShares.size() : 1;
    for (std::size_t k = 0; k < shares; ++k) {
        const long double share = SlitAngleShares[k];
        const auto shape = [&](long double width) { return ShapeFor(piece, side, width, share); };
        if (Fits(piece, side, shape(high), low, best))
            return true;
        if (!(low < high) || !Fits(piece, side, shape(low), low, best))
            continue;
        // Below the usable width the widths span many powers of ten, so they
        // are searched by their ratio.
        const bool byRatio = high <= UsableTabWidth && low < high / 16;
        const int steps = byRatio ? ThinWidthSteps : UsableWidthSteps;
        for (int step = 0; step < steps; ++step) {
            const long double middle = byRatio ? std::sqrt(low * high) : (low + high) / 2;
            TTabFit fit;
            if (Fits(piece, side, shape(middle), low, fit)) {
                low = middle;
                best = fit;
            } else {
                high = middle;
            }
        }
        return true;
    }
    return false;
}

TTabOutcome TTabPlacement::Place(int pieceA, int sideA, int pieceB, int sideB) {
    const long double usable = std::min(UsableTabWidth, FTab.Width);
    TTabFit fit;
    if (Fits(pieceA, sideA, FTab, usable, fit) || Fits(pieceB, sideB, FTab, usable, fit)) {
        Commit(fit);
        return toFull;
    }
    // The widest tab that can be glued on either side, then the widest that
    // fits at all; with the same width, on the first side.
    const std::array<std::pair<int, int>, 2> sides{{{pieceA, sideA}, {pieceB, sideB}}};
    for (const auto& [low, high] :
         {std::pair(usable, FTab.Width), std::pair(MinTabWidth, usable)}) {
        bool found = false;
        for (const auto& [piece, side] : sides) {
            // As wide as the side takes at the angles asked for, and as wide
            // as can be glued, but no steeper than either needs.
            const long double atAngles =
                TabReachShare * 2 * SideLength(piece, side) / Reach(FTab.Angle1, FTab.Angle2);
            const long double widest = std::min(high, std::max(low, atAngles));
            if (found && widest <= fit.Flange.Width)
                continue;
            TTabFit candidate;
            if (WidestFit(piece, side, low, widest, candidate) &&
                (!found || candidate.Flange.Width > fit.Flange.Width)) {
                fit = candidate;
                found = true;
            }
        }
        if (found) {
            Commit(fit);
            return toNarrower;
        }
    }
    return toNone;
}
