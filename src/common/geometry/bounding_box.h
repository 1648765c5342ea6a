// Axis-aligned boxes around points and outlines, and the tests that let a
// caller skip an exact intersection test whose answer a box already tells.
#pragma once

#include "geometry/polygon.h"

#include <limits>

// Coordinates the box tests stand in for exact tests on: 0, or of a magnitude
// from OrdinaryMin to OrdinaryMax mm. Within that range no product the exact
// tests form can overflow or lose its precision to underflow; a box that takes
// any other coordinate (one not finite included) is unbounded, so such points
// always go through the exact tests.
inline constexpr long double OrdinaryMin = 1e-100L;
inline constexpr long double OrdinaryMax = 1e100L;

inline bool IsOrdinary(long double value) {
    const long double size = value < 0 ? -value : value;
    return value == 0 || (size >= OrdinaryMin && size <= OrdinaryMax);
}

inline bool IsOrdinary(const TPointF& p) {
    return IsOrdinary(p.X) && IsOrdinary(p.Y);
}

// A closed box in millimetres. An unbounded box meets every box and is apart
// from none.
struct TBox {
    long double Left = std::numeric_limits<long double>::infinity();
    long double Top = std::numeric_limits<long double>::infinity();
    long double Right = -std::numeric_limits<long double>::infinity();
    long double Bottom = -std::numeric_limits<long double>::infinity();
    bool Unbounded = false;

    bool IsEmpty() const { return !Unbounded && !(Left <= Right && Top <= Bottom); }
    void Add(const TPointF& p) {
        if (IsOrdinary(p))
            AddOrdinary(p);
        else
            Unbounded = true;
    }
    // For a point already known to be ordinary.
    void AddOrdinary(const TPointF& p) {
        Left = p.X < Left ? p.X : Left;
        Top = p.Y < Top ? p.Y : Top;
        Right = p.X > Right ? p.X : Right;
        Bottom = p.Y > Bottom ? p.Y : Bottom;
    }
    void Add(const TBox& box);
};

TBox BoxOf(const TDaPointF& points);
TBox BoxOf(const TPointF& a, const TPointF& b);

// True when the boxes share a point; touching counts.
inline bool BoxesMeet(const TBox& a, const TBox& b) {
    return a.Unbounded || b.Unbounded ||
           (a.Left <= b.Right && b.Left <= a.Right && a.Top <= b.Bottom && b.Top <= a.Bottom);
}

// True when two outlines held by these boxes cannot overlap as PolygonsOverlap
// decides it: the boxes lie apart along X, where every exact comparison already
// separates them, or along Y by more than the rounding of the point-inside test
// could bridge.
bool BoxesClearlyApart(const TBox& a, const TBox& b);
