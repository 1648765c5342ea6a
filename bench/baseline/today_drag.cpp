// Today's drag step and page repaint, as they stand.
#include "today_drag.h"

#include "drawing/culling_canvas.h"
#include "geometry/angles.h"
#include "geometry/plane_geometry.h"
#include "geometry/rounding.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace today {

namespace {

// Room around a shape's lines for the pixels a 1-pixel pen rounds onto.
constexpr std::int64_t UpdateMargin = 2;
constexpr std::int64_t MarkMargin = 2;

std::vector<bool> SelectedFlags(std::size_t count, const TDaInt& selection) {
    std::vector<bool> selected(count, false);
    for (const int index : selection) {
        if (index >= 0 && static_cast<std::size_t>(index) < count)
            selected[index] = true;
    }
    return selected;
}

// The smallest turn the searches try, 0.09 degree; smaller turns end them.
constexpr long double SmallestTurn = Pi / 2000;
// Collision angles up to this size are searched in quarter steps of themselves.
constexpr long double FineSearchLimit = Pi / 200;
// The auto-rotate search tries this much turning, both directions together.
constexpr long double SearchSpan = Pi / 12;
// A move component shorter than this (mm) is not worth halving further.
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

// theta brought into (-pi, pi); the collision angle is a difference of two
// directions, so one turn either way is enough.
long double IntoHalfTurn(long double theta) {
    if (theta >= Pi)
        return theta - 2 * Pi;
    if (theta <= -Pi)
        return theta + 2 * Pi;
    return theta;
}

// The total turn of the i-th try: -s, +s, -2s, +2s, ... about the unturned
// position, the sign of step choosing which way is tried first.
long double SearchTurn(int i, long double step) {
    const long double steps = static_cast<long double>((i + 1) / 2);
    return i % 2 == 1 ? -steps * step : steps * step;
}

long double HalvedMoveComponent(long double value) {
    const long double half = value / 2;
    return std::fabs(half) < ShortestMove ? 0 : half;
}

void Translate(TDaPointF& apexes, const TPointF& delta) {
    for (TPointF& apex : apexes) {
        apex.X += delta.X;
        apex.Y += delta.Y;
    }
}

// Each try turns the moved vertices afresh; only the one found free becomes
// the candidate, or the last one tried when none is.
bool RotateSearch(const TPolygonTbl& page, TPageCollision& collision, int index,
                  const TPointF& downPoint, const TPointF& q, long double angle,
                  TPolygon& candidate) {
    if (!IsOnPage(page, index) || !IsFinite(downPoint) || !IsFinite(q) || !std::isfinite(angle))
        return true;
    const TPolygon& shape = page[index];
    TPointF move = Difference(q, downPoint);
    const long double theta = IntoHalfTurn(angle);
    const long double size = std::fabs(theta);
    const long double step =
        size >= SmallestTurn && size <= FineSearchLimit ? theta / 4 : SmallestTurn;
    // The count comes from the step's size: a collision turning the other way
    // searches just as far, only starting on the other side.
    const int tries = static_cast<int>(RoundToInt(SearchSpan / std::fabs(step))) + 2;
    collision.ExpectMovesAbout(downPoint);
    // Every halving of the move tries the same turns again.
    std::vector<long double> cosines, sines;
    TDaPointF moved;
    TDaPointF turned;
    bool colliding = true;
    do {
        moved = shape.Apexes;
        Translate(moved, move);
        for (int i = 1; i <= tries && colliding; ++i) {
            if (cosines.size() < static_cast<std::size_t>(i)) {
                const long double turn = SearchTurn(i, step);
                cosines.push_back(std::cos(turn));
                sines.push_back(std::sin(turn));
            }
            turned = moved;
            RotatePointsBy(turned, downPoint, cosines[i - 1], sines[i - 1]);
            colliding = collision.Collides(turned, shape.Flanges);
        }
        move = PointF(HalvedMoveComponent(move.X), HalvedMoveComponent(move.Y));
    } while (colliding && (move.X != 0 || move.Y != 0));
    candidate = shape;
    candidate.Apexes = std::move(turned);
    return colliding;
}

bool RotateOnSearch(TPageCollision& collision, const TPointF& centre, long double angle,
                    TPolygon& candidate) {
    if (!IsFinite(centre) || !std::isfinite(angle))
        return true;
    for (;;) {
        angle /= 2;
        if (std::fabs(angle) < SmallestTurn)
            angle = 0;
        RotatePoints(candidate.Apexes, centre, angle);
        if (!collision.Collides(candidate.Apexes, candidate.Flanges))
            return false;
        if (angle == 0)
            return true;
    }
}

} // namespace

TStepResult TryMoveStep(const TPolygonTbl& page, TPageIndex& shapes, int index,
                        const TPointF& downPoint, const TPointF& q, const TPlacementRules& rules,
                        TPolygon& candidate) {
    if (!IsOnPage(page, index) || !IsFinite(downPoint) || !IsFinite(q))
        return TStepResult::Refused;
    const TPointF move = Difference(q, downPoint);
    TPolygon moved = page[index];
    TranslatePolygon(moved, move);
    if (!IsFinite(moved))
        return TStepResult::Refused;
    TPageCollision collision(shapes, index, rules);
    collision.ExpectMovesAbout(downPoint);
    TPointF contact = q;
    if (!collision.Check(moved.Apexes, moved.Flanges, contact)) {
        candidate = std::move(moved);
        return TStepResult::Accepted;
    }
    if (!rules.AutoRotate)
        return TStepResult::Refused;
    const long double angle =
        PointDirection(q, contact) - PointDirection(q, Difference(contact, move));
    if (RotateSearch(page, collision, index, downPoint, q, angle, moved))
        return TStepResult::Refused;
    candidate = std::move(moved);
    return TStepResult::AcceptedAfterCollision;
}

TStepResult TryRotateStep(const TPolygonTbl& page, TPageIndex& shapes, int index,
                          const TPointF& centre, long double angle, const TPlacementRules& rules,
                          TPolygon& candidate) {
    if (!IsOnPage(page, index) || !IsFinite(centre) || !std::isfinite(angle))
        return TStepResult::Refused;
    TPolygon turned = page[index];
    RotatePoints(turned.Apexes, centre, angle);
    TStepResult result = TStepResult::Accepted;
    if (rules.AvoidOverlap) {
        TPageCollision collision(shapes, index, rules);
        collision.ExpectMovesAbout(centre);
        TPointF contact;
        if (collision.Check(turned.Apexes, turned.Flanges, contact)) {
            if (RotateOnSearch(collision, centre, angle, turned))
                return TStepResult::Refused;
            result = TStepResult::AcceptedAfterCollision;
        }
    }
    candidate = std::move(turned);
    return result;
}

void DrawPolygonTbl(ICanvas& canvas, const TPolygonTbl& page, TPageIndex& shapes,
                    const TPixelRect& area, int skipIndex, long double scaleX, long double scaleY,
                    const TDaInt& selection, TDrawMode otherMode, TDrawMode selectedMode) {
    shapes.Sync(page);
    const std::vector<bool> selected = SelectedFlags(page.size(), selection);
    TCullingCanvas culled(canvas, area);
    for (std::size_t i = 0; i < page.size(); ++i) {
        const int index = static_cast<int>(i);
        if (index == skipIndex)
            continue;
        const TDrawMode mode = selected[i] ? selectedMode : otherMode;
        TOutlineCache& outline = shapes.Shape(index);
        // Names reach beyond the shape's lines by the font's extent.
        if (mode != dmPrint &&
            !RectsMeet(area, Inflated(PixelRectOf(outline.Bounds(), scaleX, scaleY), MarkMargin)))
            continue;
        DrawPolygon(culled, page[i], outline, -1, -1, scaleX, scaleY, mode);
    }
}

TPixelRect ShapePixelArea(TOutlineCache& outline, long double scale, const TPixelRect& surface) {
    const TDaPointF& points = outline.Outline();
    if (points.empty())
        return {};
    TPixelRect area{
        std::numeric_limits<std::int64_t>::max(), std::numeric_limits<std::int64_t>::max(),
        std::numeric_limits<std::int64_t>::min(), std::numeric_limits<std::int64_t>::min()};
    for (const TPointF& point : points) {
        const TPixelPoint pixel = ModelToDevice(point, scale, scale);
        area.Left = std::min(area.Left, pixel.X);
        area.Top = std::min(area.Top, pixel.Y);
        area.Right = std::max(area.Right, pixel.X);
        area.Bottom = std::max(area.Bottom, pixel.Y);
    }
    return Intersected(Inflated(area, UpdateMargin), surface);
}

TPixelRect SelectionPixelArea(TPageIndex& shapes, const TDaInt& selection, long double scale,
                              const TPixelRect& surface) {
    TPixelRect area;
    for (const int index : selection) {
        if (index >= 0 && index < shapes.Size())
            area = United(area, ShapePixelArea(shapes.Shape(index), scale, surface));
    }
    return area;
}

void PaintPageArea(ICanvas& canvas, const TPolygonTbl& page, TPageIndex& shapes,
                   const TDaInt& selection, TDrawMode selectedMode, long double scale,
                   const TPixelRect& surface, const TPixelRect& area) {
    const TPixelRect painted = Intersected(area, surface);
    if (painted.IsEmpty())
        return;
    canvas.FillRect(painted.Left, painted.Top, painted.Right, painted.Bottom, ColorWhite);
    DrawPolygonTbl(canvas, page, shapes, area, -1, scale, scale, selection, dmNormal, selectedMode);
}

template <class TTryStep>
TDragStepResult TDragPage::DragSelection(const TPointF& q, const TGrip& grip, TTryStep tryStep) {
    TDragStepResult result;
    const int currentIndex = FSelection.empty() ? -1 : FSelection.back();
    const TPolygon* current = IsIndexOf(FPage, currentIndex) ? &FPage[currentIndex] : nullptr;
    result.GripPoint = current != nullptr ? GripPoint(*current, grip) : q;
    result.NextDownPoint = q;
    TPageIndex& shapes = PageIndex();
    for (const int index : FSelection) {
        TPolygon candidate;
        const TStepResult step = tryStep(FPage, shapes, index, candidate);
        if (step != TStepResult::Refused) {
            FPage[index] = std::move(candidate);
            shapes.SyncShape(FPage, index);
            result.Changed = true;
        }
        const bool collided = step != TStepResult::Accepted;
        result.Collided = result.Collided || collided;
        result.NextDownPoint = collided ? result.GripPoint : q;
    }
    return result;
}

TDragStepResult TDragPage::MoveSelection(const TPointF& downPoint, const TPointF& q,
                                         const TPlacementRules& rules, const TGrip& grip) {
    return DragSelection(
        q, grip, [&](const TPolygonTbl& page, TPageIndex& shapes, int index, TPolygon& candidate) {
            return TryMoveStep(page, shapes, index, downPoint, q, rules, candidate);
        });
}

TDragStepResult TDragPage::RotateSelection(const TPointF& downPoint, const TPointF& q,
                                           const TPlacementRules& rules, const TGrip& grip) {
    const TPointF centre = SelectionCentroid(FPage, FSelection);
    const long double angle = PointDirection(centre, q) - PointDirection(centre, downPoint);
    return DragSelection(
        q, grip, [&](const TPolygonTbl& page, TPageIndex& shapes, int index, TPolygon& candidate) {
            return TryRotateStep(page, shapes, index, centre, angle, rules, candidate);
        });
}

} // namespace today
