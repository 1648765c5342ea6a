// Checks that the loops of a union are sound whatever the outlines were: each
// loop simple, loops meeting only at vertices, and the ground they enclose the
// ground the outlines cover, sampled on a fine grid and measured as area.
#pragma once

#include "geometry/outline_union.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace union_checks {

inline long double Cross(const TPointF& o, const TPointF& a, const TPointF& b) {
    return (a.X - o.X) * (b.Y - o.Y) - (a.Y - o.Y) * (b.X - o.X);
}

inline int Sign(long double value) {
    return (value > 0) - (value < 0);
}

// p on the segment a-b, ends included.
inline bool OnSegment(const TPointF& a, const TPointF& b, const TPointF& p) {
    return Cross(a, b, p) == 0 && std::min(a.X, b.X) <= p.X && p.X <= std::max(a.X, b.X) &&
           std::min(a.Y, b.Y) <= p.Y && p.Y <= std::max(a.Y, b.Y);
}

// The segments a-b and c-d have a point in common.
inline bool SegmentsMeet(const TPointF& a, const TPointF& b, const TPointF& c, const TPointF& d) {
    const int d1 = Sign(Cross(a, b, c));
    const int d2 = Sign(Cross(a, b, d));
    const int d3 = Sign(Cross(c, d, a));
    const int d4 = Sign(Cross(c, d, b));
    if (d1 * d2 < 0 && d3 * d4 < 0)
        return true;
    return OnSegment(a, b, c) || OnSegment(a, b, d) || OnSegment(c, d, a) || OnSegment(c, d, b);
}

// Winding number of the closed loop about p, counter-clockwise as Cross
// counts (clockwise on screen) positive.
inline int Winding(const TDaPointF& loop, const TPointF& p) {
    int winding = 0;
    for (std::size_t i = 0; i < loop.size(); ++i) {
        const TPointF& a = loop[i];
        const TPointF& b = loop[(i + 1) % loop.size()];
        if (a.Y <= p.Y) {
            if (b.Y > p.Y && Cross(a, b, p) > 0)
                ++winding;
        } else if (b.Y <= p.Y && Cross(a, b, p) < 0) {
            --winding;
        }
    }
    return winding;
}

inline long double DistanceToSegment(const TPointF& a, const TPointF& b, const TPointF& p) {
    const long double dx = b.X - a.X;
    const long double dy = b.Y - a.Y;
    const long double lengthSquared = dx * dx + dy * dy;
    long double t = lengthSquared == 0 ? 0 : ((p.X - a.X) * dx + (p.Y - a.Y) * dy) / lengthSquared;
    t = std::clamp<long double>(t, 0, 1);
    return std::hypot(p.X - (a.X + t * dx), p.Y - (a.Y + t * dy));
}

inline long double DistanceToOutlines(const std::vector<TDaPointF>& outlines, const TPointF& p) {
    long double nearest = INFINITY;
    for (const TDaPointF& outline : outlines)
        for (std::size_t i = 0; i < outline.size(); ++i)
            nearest = std::min(nearest,
                               DistanceToSegment(outline[i], outline[(i + 1) % outline.size()], p));
    return nearest;
}

inline void ExpectSimple(const TDaPointF& loop) {
    const std::size_t n = loop.size();
    ASSERT_GE(n, 3u);
    for (std::size_t i = 0; i < n; ++i)
        for (std::size_t j = i + 1; j < n; ++j)
            ASSERT_NE(loop[i], loop[j]) << "vertex " << i << " again at " << j;
    for (std::size_t i = 0; i < n; ++i) {
        const TPointF& a = loop[i];
        const TPointF& b = loop[(i + 1) % n];
        const TPointF& c = loop[(i + 2) % n];
        // Neighbours meet at their shared vertex only: no side turns back on itself.
        ASSERT_FALSE(OnSegment(a, b, c) || OnSegment(b, c, a)) << "side " << i << " turns back";
        for (std::size_t j = i + 2; j < n; ++j) {
            if ((j + 1) % n == i)
                continue;
            ASSERT_FALSE(SegmentsMeet(a, b, loop[j], loop[(j + 1) % n]))
                << "sides " << i << " and " << j << " meet";
        }
    }
}

// Two loops share at most vertices: sides of one that meet sides of the other
// meet at a vertex of both.
inline void ExpectMeetingOnlyAtVertices(const TDaPointF& first, const TDaPointF& second) {
    for (std::size_t i = 0; i < first.size(); ++i) {
        const TPointF& a = first[i];
        const TPointF& b = first[(i + 1) % first.size()];
        for (std::size_t j = 0; j < second.size(); ++j) {
            const TPointF& c = second[j];
            const TPointF& d = second[(j + 1) % second.size()];
            if (!SegmentsMeet(a, b, c, d))
                continue;
            const bool sharedEnd = a == c || a == d || b == c || b == d;
            const bool overlap = (OnSegment(a, b, c) && c != a && c != b) ||
                                 (OnSegment(a, b, d) && d != a && d != b) ||
                                 (OnSegment(c, d, a) && a != c && a != d) ||
                                 (OnSegment(c, d, b) && b != c && b != d);
            ASSERT_TRUE(sharedEnd && !overlap) << "sides " << i << " and " << j << " cross";
        }
    }
}

// The loops are sound and enclose what the outlines cover: at every sample
// point clear of all lines, the loops wind once about it when some outline
// covers it by the nonzero rule and not at all otherwise; and their area is
// the sampled area of the union within what the cells along the boundary allow.
inline void ExpectSoundUnion(const std::vector<TDaPointF>& outlines,
                             const std::vector<TDaPointF>& loops, int samplesAcross = 160) {
    for (std::size_t k = 0; k < loops.size(); ++k) {
        SCOPED_TRACE("loop " + std::to_string(k));
        ExpectSimple(loops[k]);
        for (std::size_t other = k + 1; other < loops.size(); ++other)
            ExpectMeetingOnlyAtVertices(loops[k], loops[other]);
    }
    long double minX = INFINITY, minY = INFINITY, maxX = -INFINITY, maxY = -INFINITY;
    long double perimeter = 0;
    for (const TDaPointF& outline : outlines) {
        for (std::size_t i = 0; i < outline.size(); ++i) {
            const TPointF& p = outline[i];
            const TPointF& q = outline[(i + 1) % outline.size()];
            minX = std::min(minX, p.X);
            minY = std::min(minY, p.Y);
            maxX = std::max(maxX, p.X);
            maxY = std::max(maxY, p.Y);
            perimeter += std::hypot(q.X - p.X, q.Y - p.Y);
        }
    }
    const long double step = std::max(maxX - minX, maxY - minY) / samplesAcross;
    const long double clearance = step * 1e-6L;
    long double sampledArea = 0;
    for (long double y = minY + step * 0.4137L; y < maxY; y += step) {
        for (long double x = minX + step * 0.2903L; x < maxX; x += step) {
            const TPointF p{x, y};
            if (DistanceToOutlines(outlines, p) < clearance ||
                DistanceToOutlines(loops, p) < clearance)
                continue;
            const bool covered =
                std::any_of(outlines.begin(), outlines.end(),
                            [&](const TDaPointF& o) { return Winding(o, p) != 0; });
            int enclosed = 0;
            for (const TDaPointF& loop : loops)
                enclosed += Winding(loop, p);
            ASSERT_EQ(enclosed, covered ? 1 : 0)
                << "at " << static_cast<double>(x) << " " << static_cast<double>(y);
            if (covered)
                sampledArea += step * step;
        }
    }
    long double area = 0;
    for (const TDaPointF& loop : loops)
        area += SignedArea(loop);
    EXPECT_NEAR(static_cast<double>(area), static_cast<double>(sampledArea),
                static_cast<double>(2 * perimeter * step));
}

} // namespace union_checks
