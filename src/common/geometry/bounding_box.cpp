// Axis-aligned boxes and the box tests that stand in for exact ones.
#include "geometry/bounding_box.h"

#include <algorithm>
#include <cmath>

namespace {

// The separation along Y that the point-inside test's rounding cannot bridge,
// relative to the size of the coordinates: its products err by a few parts in
// 2^64, far below this.
constexpr long double SeparationMargin = 1e-9L;

long double Magnitude(const TBox& box) {
    return std::max(
        {std::fabs(box.Left), std::fabs(box.Top), std::fabs(box.Right), std::fabs(box.Bottom)});
}

} // namespace

void TBox::Add(const TBox& box) {
    Unbounded = Unbounded || box.Unbounded;
    Left = std::min(Left, box.Left);
    Top = std::min(Top, box.Top);
    Right = std::max(Right, box.Right);
    Bottom = std::max(Bottom, box.Bottom);
}

TBox BoxOf(const TDaPointF& points) {
    TBox box;
    for (const TPointF& p : points)
        box.Add(p);
    return box;
}

TBox BoxOf(const TPointF& a, const TPointF& b) {
    TBox box;
    box.Add(a);
    box.Add(b);
    return box;
}

bool BoxesClearlyApart(const TBox& a, const TBox& b) {
    if (a.Unbounded || b.Unbounded)
        return false;
    if (a.IsEmpty() || b.IsEmpty())
        return true;
    if (a.Right < b.Left || b.Right < a.Left)
        return true;
    const long double margin = SeparationMargin * (1 + std::max(Magnitude(a), Magnitude(b)));
    return a.Bottom + margin < b.Top || b.Bottom + margin < a.Top;
}
