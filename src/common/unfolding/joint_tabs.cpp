// The tabs of the joints, each on the side where it fits.
#include "unfolding/joint_tabs.h"

#include "geometry/angles.h"
#include "geometry/flange_outline.h"
#include "geometry/plane_geometry.h"
#include "unfolding/area_fit.h"
#include "unfolding/piece_growth.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr long double FullTurn = 2 * Pi;
// A tab's slanted edge keeps this angle (radians) from the next side or tab,
// or a quarter of the angle free there where that is less.
constexpr long double TabAngleClearance = 1e-3L;
// Share of a side that a tab's outer edge may take up at most from each
// end, so that a tab on a short side stays a trapezoid.
constexpr long double TabReachShare = 0.45L;
// A tab narrower than this (mm) is no tab: twice the distance at which two
// parts of a piece touch.
constexpr long double MinTabWidth = 2 * PieceContactDistance;

int TabSegment(int sideCount, int side, int part) {
    return sideCount + 3 * side + part;
}

bool LeavesRoom(long double angle, long double free) {
    return angle <= free - std::min(TabAngleClearance, free / 4);
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
        state.Grid = TSegmentGrid(2 * lengthSum / n);
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

bool TTabPlacement::TryTab(int piece, int side, const TTabShape& tab) {
    const TPieceOutline& outline = *FPieces[piece].Outline;
    TPieceState& state = FStates[piece];
    const int n = static_cast<int>(outline.Points.size());
    const int before = (side + n - 1) % n, after = (side + 1) % n;
    const TPointF& a = outline.Points[side];
    const TPointF& b = outline.Points[after];
    if (!LeavesRoom(tab.Angle1, FreeAngle(piece, side, before, true)) ||
        !LeavesRoom(tab.Angle2, FreeAngle(piece, after, after, false)))
        return false;
    const long double reach = 1 / std::tan(tab.Angle1) + 1 / std::tan(tab.Angle2);
    const long double width = std::min(tab.Width, TabReachShare * 2 * PointDistance(a, b) / reach);
    if (!(width >= MinTabWidth))
        return false;
    const TFlangeReach flange = FlangeReachOf(MakeFlange("", width, tab.Angle1, tab.Angle2));
    TPointF q1, q2;
    if (!FlangeCorners(a, b, PointDirection(a, b), flange, state.Clockwise, q1, q2))
        return false;

    const std::array<std::array<TPointF, 2>, 3> segments{{{a, q1}, {q1, q2}, {q2, b}}};
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

    TFlange& placed = FPieces[piece].Flanges[side];
    placed.Width = width;
    placed.Angle1 = tab.Angle1;
    placed.Angle2 = tab.Angle2;
    for (int part = 0; part < 3; ++part) {
        const int id = TabSegment(n, side, part);
        state.Segments[id] = segments[part];
        state.Grid.Insert(id, segments[part][0], segments[part][1]);
    }
    state.Left = left;
    state.Right = right;
    state.Top = top;
    state.Bottom = bottom;
    return true;
}

TTabOutcome TTabPlacement::Place(int pieceA, int sideA, int pieceB, int sideB) {
    if (TryTab(pieceA, sideA, FTab) || TryTab(pieceB, sideB, FTab))
        return toFull;
    // Narrower, and with slanted edges that leave room beside them where the
    // piece's outline turns sharply back; down into a slit that a vertex
    // closed to all but a sliver of its angle.
    for (int step = 1; FTab.Width / (1 << step) >= MinTabWidth; ++step) {
        for (const auto& [piece, side] : {std::pair{pieceA, sideA}, std::pair{pieceB, sideB}}) {
            const TPieceOutline& outline = *FPieces[piece].Outline;
            const int n = static_cast<int>(outline.Points.size());
            TTabShape tab = FTab;
            tab.Width = FTab.Width / (1 << step);
            tab.Angle1 =
                std::min(FTab.Angle1, FreeAngle(piece, side, (side + n - 1) % n, true) / 2);
            tab.Angle2 =
                std::min(FTab.Angle2, FreeAngle(piece, (side + 1) % n, (side + 1) % n, false) / 2);
            if (tab.Angle1 > 0 && tab.Angle2 > 0 && TryTab(piece, side, tab))
                return toNarrower;
        }
    }
    return toNone;
}
