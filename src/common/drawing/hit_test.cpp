// Mouse positions in millimetres, and the distance queries for picking sides,
// fold lines and shapes.
#include "drawing/hit_test.h"

#include "geometry/plane_geometry.h"
#include "geometry/rounding.h"

#include <algorithm>
#include <cmath>

namespace {

// Larger than any distance on a page; a candidate must be strictly nearer.
constexpr long double NoDistance = 2147483647;

// Moves p onto the 45-degree diagonal through reference in p's own quadrant
// when the smaller offset exceeds half of the larger one, otherwise onto the
// horizontal (dy <= dx) or the vertical through reference.
void AlignWithReference(const TPointF& reference, TPointF& p) {
    const long double dx = std::fabs(reference.X - p.X);
    const long double dy = std::fabs(reference.Y - p.Y);
    if (std::min(dx, dy) > std::fabs(dx - dy)) {
        const long double h = (dx + dy) / 2;
        p.X = reference.X > p.X ? reference.X - h : reference.X + h;
        p.Y = reference.Y > p.Y ? reference.Y - h : reference.Y + h;
    } else if (dy <= dx) {
        p.Y = reference.Y;
    } else {
        p.X = reference.X;
    }
}

bool IsUsableBendLine(const TBendLine& line, int n) {
    return line.Apex1 >= 0 && line.Apex1 < n && line.Apex2 >= 0 && line.Apex2 < n &&
           line.Apex1 != line.Apex2;
}

} // namespace

TPointF MousePosToMm(long double screenScale, long double gridStep, const TPointF& reference,
                     TMouseKeys keys, std::int64_t x, std::int64_t y) {
    TPointF p = DeviceToModel(TPixelPoint{x, y}, screenScale, screenScale);
    if (keys.Ctrl) {
        p.X = RoundHalfEven(p.X / gridStep) * gridStep;
        p.Y = RoundHalfEven(p.Y / gridStep) * gridStep;
    }
    if (keys.Shift)
        AlignWithReference(reference, p);
    return p;
}

TPointF MousePosToMm(const TViewScale& scale, const TPointF& reference, TMouseKeys keys,
                     std::int64_t x, std::int64_t y) {
    return MousePosToMm(scale.ScreenScale(), scale.GridStep(), reference, keys, x, y);
}

// Both slope forms divide by the larger component of the direction, so a
// steep line never divides by a tiny dx.
TPointF FootOfPerpendicular(const TPointF& q, const TPointF& a, const TPointF& b) {
    const long double dx = b.X - a.X;
    const long double dy = b.Y - a.Y;
    if (dx == 0)
        return TPointF{a.X, q.Y};
    if (dy == 0)
        return TPointF{q.X, a.Y};
    TPointF foot;
    if (std::fabs(dx) > std::fabs(dy)) {
        const long double m = dy / dx;
        const long double c1 = a.Y - m * a.X;
        const long double c2 = q.X + m * q.Y;
        foot.Y = (m * c2 + c1) / (m * m + 1);
        foot.X = c2 - m * foot.Y;
    } else {
        const long double k = dx / dy;
        const long double c1 = a.X - k * a.Y;
        const long double c2 = q.Y + k * q.X;
        foot.X = (k * c2 + c1) / (k * k + 1);
        foot.Y = c2 - k * foot.X;
    }
    return foot;
}

bool FootOnSegment(const TPointF& q, const TPointF& a, const TPointF& b, TPointF& foot) {
    foot = FootOfPerpendicular(q, a, b);
    return (a.X - foot.X) * (b.X - foot.X) <= 0 && (a.Y - foot.Y) * (b.Y - foot.Y) <= 0;
}

long double DistToSegment(const TPointF& q, const TPointF& a, const TPointF& b) {
    TPointF foot;
    if (FootOnSegment(q, a, b, foot))
        return PointDistance(q, foot);
    return std::min(PointDistance(q, a), PointDistance(q, b));
}

long double NearestSide(const TPointF& q, const TDaPointF& apexes, int& index1, int& index2) {
    const int n = static_cast<int>(apexes.size());
    if (n <= 1)
        return -1;
    long double best = NoDistance;
    for (int k = 0; k < n; ++k) {
        const int next = (k + 1) % n;
        const long double distance = DistToSegment(q, apexes[k], apexes[next]);
        if (distance < best) {
            best = distance;
            index1 = k;
            index2 = next;
        }
    }
    return best;
}

long double NearestLine(const TPointF& q, const TPolygon& polygon, int& index1, int& index2) {
    long double best = NearestSide(q, polygon.Apexes, index1, index2);
    const int n = static_cast<int>(polygon.Apexes.size());
    if (n <= 1)
        return best;
    for (const TDaBendLine& set : polygon.BendLines) {
        for (const TBendLine& line : set) {
            if (!IsUsableBendLine(line, n))
                continue;
            const long double distance =
                DistToSegment(q, polygon.Apexes[line.Apex1], polygon.Apexes[line.Apex2]);
            if (distance < best) {
                best = distance;
                index1 = line.Apex1;
                index2 = line.Apex2;
            }
        }
    }
    return best;
}

int PickPolygon(const TPolygonTbl& page, const TPointF& p) {
    int picked = -1;
    long double best = NoDistance;
    for (std::size_t i = 0; i < page.size(); ++i) {
        if (!PointInPolygon(page[i].Apexes, p))
            continue;
        int side1 = -1;
        int side2 = -1;
        const long double distance = NearestSide(p, page[i].Apexes, side1, side2);
        if (distance >= 0 && distance < best) {
            best = distance;
            picked = static_cast<int>(i);
        }
    }
    return picked;
}
