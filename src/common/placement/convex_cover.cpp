// Convex parts covering a shape with its flanges: the outline cut into
// triangles by ear clipping, triangles joined again while they stay convex,
// and the flanges joined to them where that keeps them convex.
#include "placement/convex_cover.h"

#include "geometry/flange_outline.h"
#include "geometry/plane_geometry.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

// Beyond this many vertices an outline is covered by its hull: cutting it
// up would take longer than the layout gains.
constexpr std::size_t MostVerticesCut = 400;

// Two parts joined when the hull of both is no larger than the two together
// by more than this share of their area: their union is convex.
constexpr double JoinTolerance = 1e-9;

std::vector<TVec> ToVecs(const TDaPointF& points) {
    std::vector<TVec> vecs;
    vecs.reserve(points.size());
    for (const TPointF& p : points)
        vecs.push_back({static_cast<double>(p.X), static_cast<double>(p.Y)});
    return vecs;
}

bool AllFinite(const std::vector<TVec>& points) {
    return std::all_of(points.begin(), points.end(),
                       [](const TVec& p) { return std::isfinite(p.X) && std::isfinite(p.Y); });
}

double SignedArea(const std::vector<TVec>& ring) {
    double sum = 0;
    for (std::size_t i = 0; i < ring.size(); ++i)
        sum += Cross(ring[i], ring[(i + 1) % ring.size()]);
    return sum / 2;
}

inline double Dot(const TVec& a, const TVec& b) {
    return a.X * b.X + a.Y * b.Y;
}

// The ring without repeated points and without vertices on the straight line
// through their neighbours, which add nothing to it. False when a side turns
// straight back on the one before: such a spike encloses nothing, but its tip
// lies on the outline, so the ring is not taken apart.
bool Cleaned(std::vector<TVec>& ring) {
    bool changed = true;
    while (changed && ring.size() >= 3) {
        changed = false;
        for (std::size_t i = 0; i < ring.size() && ring.size() >= 3; ++i) {
            const TVec& prev = ring[(i + ring.size() - 1) % ring.size()];
            const TVec& next = ring[(i + 1) % ring.size()];
            const TVec in = ring[i] - prev, out = next - ring[i];
            if (Cross(in, out) != 0)
                continue;
            const bool repeated = (in.X == 0 && in.Y == 0) || (out.X == 0 && out.Y == 0);
            if (!repeated && Dot(in, out) < 0)
                return false;
            ring.erase(ring.begin() + static_cast<std::ptrdiff_t>(i));
            changed = true;
        }
    }
    return true;
}

// True when the segments share a point (ends included).
bool SegmentsMeet(const TVec& a, const TVec& b, const TVec& c, const TVec& d) {
    const double d1 = Cross(b - a, c - a);
    const double d2 = Cross(b - a, d - a);
    const double d3 = Cross(d - c, a - c);
    const double d4 = Cross(d - c, b - c);
    if (((d1 > 0 && d2 < 0) || (d1 < 0 && d2 > 0)) && ((d3 > 0 && d4 < 0) || (d3 < 0 && d4 > 0)))
        return true;
    const auto within = [](const TVec& p, const TVec& q, const TVec& r) {
        return std::min(p.X, q.X) <= r.X && r.X <= std::max(p.X, q.X) &&
               std::min(p.Y, q.Y) <= r.Y && r.Y <= std::max(p.Y, q.Y);
    };
    return (d1 == 0 && within(a, b, c)) || (d2 == 0 && within(a, b, d)) ||
           (d3 == 0 && within(c, d, a)) || (d4 == 0 && within(c, d, b));
}

// No two sides meet but neighbours at their shared vertex.
bool IsSimple(const std::vector<TVec>& ring) {
    const std::size_t n = ring.size();
    for (std::size_t i = 0; i < n; ++i) {
        for (std::size_t j = i + 2; j < n; ++j) {
            if (i == 0 && j == n - 1)
                continue;
            if (SegmentsMeet(ring[i], ring[(i + 1) % n], ring[j], ring[(j + 1) % n]))
                return false;
        }
    }
    return true;
}

bool IsConvex(const std::vector<TVec>& ring) {
    const std::size_t n = ring.size();
    for (std::size_t i = 0; i < n; ++i) {
        if (Cross(ring[(i + 1) % n] - ring[i], ring[(i + 2) % n] - ring[(i + 1) % n]) < 0)
            return false;
    }
    return true;
}

// p inside or on the triangle a, b, c of positive order.
bool InTriangle(const TVec& p, const TVec& a, const TVec& b, const TVec& c) {
    return Cross(b - a, p - a) >= 0 && Cross(c - b, p - b) >= 0 && Cross(a - c, p - c) >= 0;
}

using TIndexRing = std::vector<int>;

// Ear clipping of a simple ring of positive order; false when no ear is found,
// which rounding in a nearly degenerate ring can cause.
bool Triangulate(const std::vector<TVec>& ring, std::vector<TIndexRing>& triangles) {
    TIndexRing left(ring.size());
    for (std::size_t i = 0; i < ring.size(); ++i)
        left[i] = static_cast<int>(i);
    while (left.size() > 3) {
        const std::size_t n = left.size();
        bool clipped = false;
        for (std::size_t i = 0; i < n && !clipped; ++i) {
            const int a = left[(i + n - 1) % n], b = left[i], c = left[(i + 1) % n];
            if (Cross(ring[b] - ring[a], ring[c] - ring[b]) <= 0)
                continue;
            bool empty = true;
            for (std::size_t k = 0; k < n && empty; ++k) {
                const int p = left[k];
                if (p != a && p != b && p != c && InTriangle(ring[p], ring[a], ring[b], ring[c]))
                    empty = false;
            }
            if (!empty)
                continue;
            triangles.push_back({a, b, c});
            left.erase(left.begin() + static_cast<std::ptrdiff_t>(i));
            clipped = true;
        }
        if (!clipped)
            return false;
    }
    triangles.push_back(left);
    return true;
}

// Where the edge u -> v lies in the ring, or -1.
int EdgeAt(const TIndexRing& ring, int u, int v) {
    for (std::size_t i = 0; i < ring.size(); ++i) {
        if (ring[i] == u && ring[(i + 1) % ring.size()] == v)
            return static_cast<int>(i);
    }
    return -1;
}

// The two rings joined across the edge one has as u -> v and the other as
// v -> u.
TIndexRing Joined(const TIndexRing& a, int at, const TIndexRing& b, int bt) {
    TIndexRing joined;
    const std::size_t n = a.size(), m = b.size();
    // a from v round to u, then b after u up to before v.
    for (std::size_t k = 0; k < n; ++k)
        joined.push_back(a[(at + 1 + k) % n]);
    for (std::size_t k = 2; k < m; ++k)
        joined.push_back(b[(bt + k) % m]);
    return joined;
}

std::vector<TVec> Points(const TIndexRing& ring, const std::vector<TVec>& vertices) {
    std::vector<TVec> points;
    for (const int i : ring)
        points.push_back(vertices[i]);
    return points;
}

// Hertel and Mehlhorn: triangles joined across their shared sides while the
// result stays convex.
std::vector<TIndexRing> JoinConvex(std::vector<TIndexRing> parts,
                                   const std::vector<TVec>& vertices) {
    bool joined = true;
    while (joined) {
        joined = false;
        for (std::size_t i = 0; i < parts.size() && !joined; ++i) {
            for (std::size_t j = i + 1; j < parts.size() && !joined; ++j) {
                const TIndexRing& a = parts[i];
                for (std::size_t e = 0; e < a.size() && !joined; ++e) {
                    const int u = a[e], v = a[(e + 1) % a.size()];
                    const int bt = EdgeAt(parts[j], v, u);
                    if (bt < 0)
                        continue;
                    TIndexRing candidate = Joined(a, static_cast<int>(e), parts[j], bt);
                    if (!IsConvex(Points(candidate, vertices)))
                        continue;
                    parts[i] = std::move(candidate);
                    parts.erase(parts.begin() + static_cast<std::ptrdiff_t>(j));
                    joined = true;
                }
            }
        }
    }
    return parts;
}

// The shape's own outline in convex parts; false when it is not a simple
// outline with an inside.
bool CutOutline(const std::vector<TVec>& apexes, std::vector<TConvexPart>& parts) {
    std::vector<TVec> ring = apexes;
    if (!Cleaned(ring) || ring.size() < 3 || ring.size() > MostVerticesCut || !IsSimple(ring))
        return false;
    if (SignedArea(ring) < 0)
        std::reverse(ring.begin(), ring.end());
    if (IsConvex(ring)) {
        parts.push_back(ConvexHull(ring));
        return true;
    }
    std::vector<TIndexRing> triangles;
    if (!Triangulate(ring, triangles))
        return false;
    for (const TIndexRing& part : JoinConvex(std::move(triangles), ring))
        parts.push_back(ConvexHull(Points(part, ring)));
    return true;
}

// Joins the flange's hull to the first part with which it makes a convex
// union (within the slack), or adds it as a part of its own.
void AddFlange(const TConvexPart& flange, double slack, std::vector<TConvexPart>& parts) {
    const double flangeArea = PartArea(flange);
    for (TConvexPart& part : parts) {
        std::vector<TVec> both = part;
        both.insert(both.end(), flange.begin(), flange.end());
        TConvexPart hull = ConvexHull(std::move(both));
        const double separate = PartArea(part) + flangeArea;
        if (PartArea(hull) <= separate * (1 + std::max(slack, JoinTolerance))) {
            part = std::move(hull);
            return;
        }
    }
    parts.push_back(flange);
}

} // namespace

std::vector<TConvexPart> ConvexCover(const TPolygon& shape, double slack) {
    const std::vector<TVec> apexes = ToVecs(shape.Apexes);
    const std::vector<TVec> outline = ToVecs(OutlineWithFlanges(shape));
    if (apexes.empty() || !AllFinite(apexes) || !AllFinite(outline))
        return {};
    std::vector<TConvexPart> parts;
    if (!CutOutline(apexes, parts))
        return {ConvexHull(outline)};
    const bool clockwise = IsClockwiseOnScreen(shape.Apexes);
    for (int side = 0; side < static_cast<int>(shape.Apexes.size()); ++side) {
        std::array<TPointF, 4> quad;
        if (!FlangeOutline(shape, clockwise, side, quad))
            continue;
        AddFlange(ConvexHull(ToVecs(TDaPointF(quad.begin(), quad.end()))), slack, parts);
    }
    return parts;
}
