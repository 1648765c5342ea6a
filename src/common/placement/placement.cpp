// Placement of shapes on a sheet page: the rules that keep a moving shape
// inside the page and off other shapes, the searches that turn it aside when
// it collides, and the grab geometry of a drag.
#include "placement/placement.h"

#include "geometry/flange_outline.h"
#include "geometry/intersection.h"
#include "geometry/overlap.h"
#include "geometry/plane_geometry.h"
#include "geometry/rounding.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <utility>

namespace {

constexpr long double Pi = std::numbers::pi_v<long double>;
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

// Top, right, bottom and left, each running clockwise on screen.
std::array<TSegmentF, 4> PageBorder(long double width, long double height) {
    return {MakeSegment(PointF(0, 0), PointF(width, 0)),
            MakeSegment(PointF(width, 0), PointF(width, height)),
            MakeSegment(PointF(width, height), PointF(0, height)),
            MakeSegment(PointF(0, height), PointF(0, 0))};
}

// A side lying along a border line is no contact: only a crossing or a touch
// at a point counts.
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

// The closed drawing area, border included.
bool LiesInArea(const TPointF& p, long double width, long double height) {
    return p.X >= 0 && p.X <= width && p.Y >= 0 && p.Y <= height;
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

bool Contains(const TDaInt& list, int value) {
    return std::find(list.begin(), list.end(), value) != list.end();
}

} // namespace

bool WallHit(const TPolygon& shape, long double pageWidth, long double pageHeight,
             TPointF& contact) {
    const TDaPointF outline = OutlineWithFlanges(shape);
    if (outline.empty())
        return false;
    if (OutlineMeetsBorder(outline, PageBorder(pageWidth, pageHeight), contact))
        return true;
    // With no side on the border the outline lies wholly on one side of it, so
    // one point tells where. A step can carry a shape clean across the border,
    // and an outline around the whole page is not inside it either.
    if (LiesInArea(outline[0], pageWidth, pageHeight))
        return false;
    contact = outline[0];
    return true;
}

bool CollisionCheck(const TPolygonTbl& page, int index, const TPolygon& candidate,
                    const TPlacementRules& rules, TPointF& contact) {
    // A collinear touch names no point of its own; the candidate's first vertex
    // then stands for the contact.
    if (!candidate.Apexes.empty())
        contact = candidate.Apexes[0];
    if (rules.KeepInside && WallHit(candidate, rules.PageWidth, rules.PageHeight, contact))
        return true;
    if (!page.empty() && rules.AvoidOverlap)
        return PolygonHitsOthers(page, index, candidate, contact);
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
    // The count comes from the step's size: a collision turning the other way
    // searches just as far, only starting on the other side.
    const int tries = static_cast<int>(RoundToInt(SearchSpan / std::fabs(step))) + 2;
    do {
        TPolygon moved = page[index];
        TranslatePolygon(moved, move);
        for (int i = 1; i <= tries; ++i) {
            candidate = moved;
            RotatePoints(candidate.Apexes, downPoint, SearchTurn(i, step));
            TPointF contact;
            if (!CollisionCheck(page, index, candidate, rules, contact))
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
        if (!CollisionCheck(page, index, candidate, rules, contact))
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
    if (!CollisionCheck(page, index, moved, rules, contact)) {
        candidate = std::move(moved);
        return TStepResult::Accepted;
    }
    if (!rules.AutoRotate)
        return TStepResult::Refused;
    const long double angle =
        PointDirection(q, contact) - PointDirection(q, Difference(contact, move));
    if (RotateSearch(page, index, downPoint, q, angle, rules, moved))
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
    if (rules.AvoidOverlap && CollisionCheck(page, index, turned, rules, contact)) {
        if (RotateOnSearch(page, index, centre, angle, rules, turned))
            return TStepResult::Refused;
        result = TStepResult::AcceptedAfterCollision;
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

TGrabKind GrabKind(const TPolygon& shape, const TPointF& point) {
    TPointF centroid;
    const long double area = PolygonCentroid(shape.Apexes, centroid);
    if (!(area > 0) || !IsFinite(point))
        return TGrabKind::None;
    const long double moveRadius = std::sqrt(area / 2 / Pi);
    return PointDistance(point, centroid) < moveRadius ? TGrabKind::Move : TGrabKind::Rotate;
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
    for (TPointF& apex : shape.Apexes) {
        apex.X += delta.X;
        apex.Y += delta.Y;
    }
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
        if (PolygonsOverlap(band, OutlineWithFlanges(page[i]), contact))
            found.push_back(i);
    }
    return found;
}
