// Placement of shapes on a sheet page: the rules that keep a moving shape
// inside the page and off other shapes, the searches that turn it aside when
// it collides, and the grab geometry of a drag.
#include "placement/placement.h"

#include "geometry/angles.h"
#include "geometry/plane_geometry.h"
#include "geometry/rounding.h"
#include "placement/page_collision.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace {

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

// The direction grip angles are measured from: the first side, or, when that
// side has no length, the way to the first vertex apart from vertex 0, so the
// grip still turns with the shape.
long double ReferenceDirection(const TDaPointF& apexes) {
    for (std::size_t i = 1; i < apexes.size(); ++i) {
        if (apexes[i] != apexes[0])
            return PointDirection(apexes[0], apexes[i]);
    }
    return 0;
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

bool WallHit(const TPolygon& shape, long double pageWidth, long double pageHeight,
             TPointF& contact) {
    TOutlineCache outline;
    outline.Sync(shape);
    return CachedWallHit(outline, pageWidth, pageHeight, contact);
}

bool CollisionCheck(const TPolygonTbl& page, int index, const TPolygon& candidate,
                    const TPlacementRules& rules, TPointF& contact) {
    TPageIndex shapes;
    shapes.Sync(page);
    TPageCollision collision(shapes, index, rules);
    return collision.Check(candidate.Apexes, candidate.Flanges, contact);
}

bool RotateSearch(const TPolygonTbl& page, int index, const TPointF& downPoint, const TPointF& q,
                  long double angle, const TPlacementRules& rules, TPolygon& candidate) {
    TPageIndex shapes;
    shapes.Sync(page);
    TPageCollision collision(shapes, index, rules);
    return RotateSearch(page, collision, index, downPoint, q, angle, candidate);
}

bool RotateOnSearch(const TPolygonTbl& page, int index, const TPointF& centre, long double angle,
                    const TPlacementRules& rules, TPolygon& candidate) {
    TPageIndex shapes;
    shapes.Sync(page);
    TPageCollision collision(shapes, index, rules);
    return RotateOnSearch(collision, centre, angle, candidate);
}

TStepResult TryMoveStep(const TPolygonTbl& page, int index, const TPointF& downPoint,
                        const TPointF& q, const TPlacementRules& rules, TPolygon& candidate) {
    TPageIndex shapes;
    shapes.Sync(page);
    return TryMoveStep(page, shapes, index, downPoint, q, rules, candidate);
}

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

TStepResult TryRotateStep(const TPolygonTbl& page, int index, const TPointF& centre,
                          long double angle, const TPlacementRules& rules, TPolygon& candidate) {
    TPageIndex shapes;
    shapes.Sync(page);
    return TryRotateStep(page, shapes, index, centre, angle, rules, candidate);
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

TPointF SelectionCentroid(const TPolygonTbl& page, const TDaInt& selection) {
    long double areaSum = 0;
    TPointF momentSum;
    TPointF fallback;
    bool hasFallback = false;
    for (const int index : selection) {
        if (!IsOnPage(page, index) || page[index].Apexes.empty())
            continue;
        if (!hasFallback) {
            fallback = page[index].Apexes[0];
            hasFallback = true;
        }
        TPointF centroid;
        const long double area = PolygonCentroid(page[index].Apexes, centroid);
        if (!(area > 0))
            continue;
        areaSum += area;
        momentSum.X += area * centroid.X;
        momentSum.Y += area * centroid.Y;
    }
    // Without any area there is no centroid; the first vertex of the first
    // selected shape keeps a rotation centre near the selection.
    if (!(areaSum > 0))
        return fallback;
    return PointF(momentSum.X / areaSum, momentSum.Y / areaSum);
}

TGrip GripOf(const TPolygon& shape, const TPointF& point) {
    if (shape.Apexes.empty())
        return {};
    const TPointF& first = shape.Apexes[0];
    return {PointDirection(first, point) - ReferenceDirection(shape.Apexes),
            PointDistance(first, point)};
}

TPointF GripPoint(const TPolygon& shape, const TGrip& grip) {
    if (shape.Apexes.empty())
        return {};
    const TPointF& first = shape.Apexes[0];
    const long double phi = ReferenceDirection(shape.Apexes) + grip.Angle;
    return PointF(first.X + grip.Radius * std::cos(phi), first.Y + grip.Radius * std::sin(phi));
}

TPointF PlacementReference(const TPolygon& shape, long double gridStep) {
    if (shape.Apexes.empty())
        return {};
    TPointF centroid;
    if (PolygonCentroid(shape.Apexes, centroid) == 0)
        return shape.Apexes[0];
    return SnapToGrid(shape, centroid, gridStep);
}

void TranslatePolygon(TPolygon& shape, const TPointF& delta) {
    Translate(shape.Apexes, delta);
}
