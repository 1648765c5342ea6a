// Today's placement rules and searches, and the document's drag step over
// them, kept as they stand for the benchmarks' side-by-side runs.
#include "baseline_placement.h"

#include "baseline_geometry.h"
#include "geometry/intersection.h"
#include "geometry/plane_geometry.h"
#include "geometry/rounding.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <utility>

namespace baseline {
namespace {

constexpr long double Pi = std::numbers::pi_v<long double>;
constexpr long double SmallestTurn = Pi / 2000;
constexpr long double FineSearchLimit = Pi / 200;
constexpr long double SearchSpan = Pi / 12;
constexpr long double ShortestMove = 0.001L;

bool IsFinite(const TPointF& p) {
    return std::isfinite(p.X) && std::isfinite(p.Y);
}

bool IsFinite(const TPolygon& shape) {
    return std::all_of(shape.Apexes.begin(), shape.Apexes.end(),
                       [](const TPointF& apex) { return IsFinite(apex); });
}

bool IsOnPage(const TPolygonTbl& page, int index) {
    return index >= 0 && index < static_cast<int>(page.size());
}

TPointF Difference(const TPointF& a, const TPointF& b) {
    return PointF(a.X - b.X, a.Y - b.Y);
}

std::array<TSegmentF, 4> PageBorder(long double width, long double height) {
    return {MakeSegment(PointF(0, 0), PointF(width, 0)),
            MakeSegment(PointF(width, 0), PointF(width, height)),
            MakeSegment(PointF(width, height), PointF(0, height)),
            MakeSegment(PointF(0, height), PointF(0, 0))};
}

bool OutlineMeetsBorder(const TDaPointF& outline, const std::array<TSegmentF, 4>& border,
                        TPointF& contact) {
    for (std::size_t k = 0; k < outline.size(); ++k) {
        const TSegmentF side = MakeSegment(outline[k], outline[(k + 1) % outline.size()]);
        for (const TSegmentF& edge : border) {
            TPointF point;
            bool collinear = false;
            if (SegmentsIntersect(edge, side, point, collinear) && !collinear) {
                contact = point;
                return true;
            }
        }
    }
    return false;
}

bool LiesInArea(const TPointF& p, long double width, long double height) {
    return p.X >= 0 && p.X <= width && p.Y >= 0 && p.Y <= height;
}

long double IntoHalfTurn(long double theta) {
    if (theta >= Pi)
        return theta - 2 * Pi;
    if (theta <= -Pi)
        return theta + 2 * Pi;
    return theta;
}

long double SearchTurn(int i, long double step) {
    const long double steps = static_cast<long double>((i + 1) / 2);
    return i % 2 == 1 ? -steps * step : steps * step;
}

long double HalvedMoveComponent(long double value) {
    const long double half = value / 2;
    return std::fabs(half) < ShortestMove ? 0 : half;
}

bool Contains(const TDaInt& list, int value) {
    return std::find(list.begin(), list.end(), value) != list.end();
}

template <class TTryStep>
TDragStepResult DragSelection(TPolygonTbl& page, const TDaInt& selection, const TPointF& q,
                              const TGrip& grip, TTryStep tryStep) {
    TDragStepResult result;
    const int current = selection.empty() ? -1 : selection.back();
    result.GripPoint = IsOnPage(page, current) ? GripPoint(page[current], grip) : q;
    result.NextDownPoint = q;
    for (const int index : selection) {
        TPolygon candidate;
        const TStepResult step = tryStep(page, index, candidate);
        if (step != TStepResult::Refused) {
            page[index] = std::move(candidate);
            result.Changed = true;
        }
        const bool collided = step != TStepResult::Accepted;
        result.Collided = result.Collided || collided;
        result.NextDownPoint = collided ? result.GripPoint : q;
    }
    return result;
}

} // namespace

bool WallHit(const TPolygon& shape, long double pageWidth, long double pageHeight,
             TPointF& contact) {
    const TDaPointF outline = baseline::OutlineWithFlanges(shape);
    if (outline.empty())
        return false;
    if (OutlineMeetsBorder(outline, PageBorder(pageWidth, pageHeight), contact))
        return true;
    if (LiesInArea(outline[0], pageWidth, pageHeight))
        return false;
    contact = outline[0];
    return true;
}

bool CollisionCheck(const TPolygonTbl& page, int index, const TPolygon& candidate,
                    const TPlacementRules& rules, TPointF& contact) {
    if (!candidate.Apexes.empty())
        contact = candidate.Apexes[0];
    if (rules.KeepInside &&
        baseline::WallHit(candidate, rules.PageWidth, rules.PageHeight, contact))
        return true;
    if (!page.empty() && rules.AvoidOverlap)
        return baseline::PolygonHitsOthers(page, index, candidate, contact);
    return false;
}

bool RotateSearch(const TPolygonTbl& page, int index, const TPointF& downPoint, const TPointF& q,
                  long double angle, const TPlacementRules& rules, TPolygon& candidate) {
    if (!IsOnPage(page, index) || !IsFinite(downPoint) || !IsFinite(q) || !std::isfinite(angle))
        return true;
    TPointF move = Difference(q, downPoint);
    const long double theta = IntoHalfTurn(angle);
    const long double size = std::fabs(theta);
    const long double step =
        size >= SmallestTurn && size <= FineSearchLimit ? theta / 4 : SmallestTurn;
    const int tries = static_cast<int>(RoundToInt(SearchSpan / std::fabs(step))) + 2;
    do {
        TPolygon moved = page[index];
        TranslatePolygon(moved, move);
        for (int i = 1; i <= tries; ++i) {
            candidate = moved;
            RotatePoints(candidate.Apexes, downPoint, SearchTurn(i, step));
            TPointF contact;
            if (!baseline::CollisionCheck(page, index, candidate, rules, contact))
                return false;
        }
        move = PointF(HalvedMoveComponent(move.X), HalvedMoveComponent(move.Y));
    } while (move.X != 0 || move.Y != 0);
    return true;
}

bool RotateOnSearch(const TPolygonTbl& page, int index, const TPointF& centre, long double angle,
                    const TPlacementRules& rules, TPolygon& candidate) {
    if (!IsFinite(centre) || !std::isfinite(angle))
        return true;
    for (;;) {
        angle /= 2;
        if (std::fabs(angle) < SmallestTurn)
            angle = 0;
        RotatePoints(candidate.Apexes, centre, angle);
        TPointF contact;
        if (!baseline::CollisionCheck(page, index, candidate, rules, contact))
            return false;
        if (angle == 0)
            return true;
    }
}

TStepResult TryMoveStep(const TPolygonTbl& page, int index, const TPointF& downPoint,
                        const TPointF& q, const TPlacementRules& rules, TPolygon& candidate) {
    if (!IsOnPage(page, index) || !IsFinite(downPoint) || !IsFinite(q))
        return TStepResult::Refused;
    const TPointF move = Difference(q, downPoint);
    TPolygon moved = page[index];
    TranslatePolygon(moved, move);
    if (!IsFinite(moved))
        return TStepResult::Refused;
    TPointF contact = q;
    if (!baseline::CollisionCheck(page, index, moved, rules, contact)) {
        candidate = std::move(moved);
        return TStepResult::Accepted;
    }
    if (!rules.AutoRotate)
        return TStepResult::Refused;
    const long double angle =
        PointDirection(q, contact) - PointDirection(q, Difference(contact, move));
    if (baseline::RotateSearch(page, index, downPoint, q, angle, rules, moved))
        return TStepResult::Refused;
    candidate = std::move(moved);
    return TStepResult::AcceptedAfterCollision;
}

TStepResult TryRotateStep(const TPolygonTbl& page, int index, const TPointF& centre,
                          long double angle, const TPlacementRules& rules, TPolygon& candidate) {
    if (!IsOnPage(page, index) || !IsFinite(centre) || !std::isfinite(angle))
        return TStepResult::Refused;
    TPolygon turned = page[index];
    RotatePoints(turned.Apexes, centre, angle);
    TStepResult result = TStepResult::Accepted;
    TPointF contact;
    if (rules.AvoidOverlap && baseline::CollisionCheck(page, index, turned, rules, contact)) {
        if (baseline::RotateOnSearch(page, index, centre, angle, rules, turned))
            return TStepResult::Refused;
        result = TStepResult::AcceptedAfterCollision;
    }
    candidate = std::move(turned);
    return result;
}

TDaInt ShapesInRubberBand(const TPolygonTbl& page, const TPointF& corner1, const TPointF& corner2,
                          const TDaInt& selection) {
    const TDaPointF band = {corner1, PointF(corner2.X, corner1.Y), corner2,
                            PointF(corner1.X, corner2.Y)};
    TDaInt found;
    for (int i = 0; i < static_cast<int>(page.size()); ++i) {
        if (Contains(selection, i))
            continue;
        TPointF contact;
        if (baseline::PolygonsOverlap(band, baseline::OutlineWithFlanges(page[i]), contact))
            found.push_back(i);
    }
    return found;
}

TDragStepResult MoveSelection(TPolygonTbl& page, const TDaInt& selection, const TPointF& downPoint,
                              const TPointF& q, const TPlacementRules& rules, const TGrip& grip) {
    return baseline::DragSelection(
        page, selection, q, grip, [&](const TPolygonTbl& shapes, int index, TPolygon& candidate) {
            return baseline::TryMoveStep(shapes, index, downPoint, q, rules, candidate);
        });
}

TDragStepResult RotateSelection(TPolygonTbl& page, const TDaInt& selection,
                                const TPointF& downPoint, const TPointF& q,
                                const TPlacementRules& rules, const TGrip& grip) {
    const TPointF centre = SelectionCentroid(page, selection);
    const long double angle = PointDirection(centre, q) - PointDirection(centre, downPoint);
    return baseline::DragSelection(
        page, selection, q, grip, [&](const TPolygonTbl& shapes, int index, TPolygon& candidate) {
            return baseline::TryRotateStep(shapes, index, centre, angle, rules, candidate);
        });
}

void SelectShapesInBand(TSheetDocument& document, const TPointF& corner1, const TPointF& corner2) {
    const TPolygonTbl& page = document.Drawing()[document.CurPage()];
    for (const int index :
         baseline::ShapesInRubberBand(page, corner1, corner2, document.Selection()))
        document.Select(index);
}

} // namespace baseline
