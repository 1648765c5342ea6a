// The rigid motion a layout gives a shape.
#include "placement/layout_transform.h"
#include "geometry/angles.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

constexpr long double QuarterTurn = Pi / 2;

// The vertex a mirrored copy puts at index: the list reversed with vertex 0
// staying first.
int MirroredIndex(int index, int count) {
    return (count - index) % count;
}

TBendLine MirroredBendLine(const TBendLine& line, int count) {
    if (!IsValidBendLine(line, count))
        return line;
    TBendLine mirrored =
        MakeBendLine(MirroredIndex(line.Apex1, count), MirroredIndex(line.Apex2, count));
    // Lines stored lower index first stay so.
    if (line.Apex1 < line.Apex2 && mirrored.Apex1 > mirrored.Apex2)
        std::swap(mirrored.Apex1, mirrored.Apex2);
    return mirrored;
}

// Side k of the reversed outline runs from old vertex n - k to old vertex
// n - k - 1: old side n - 1 - k walked backwards.
void ReverseOrder(TPolygon& shape) {
    const int n = static_cast<int>(shape.Apexes.size());
    TPolygon reversed;
    reversed.Apexes.resize(n);
    reversed.Flanges.resize(n);
    for (int k = 0; k < n; ++k) {
        reversed.Apexes[k] = shape.Apexes[MirroredIndex(k, n)];
        TFlange flange = shape.Flanges[n - 1 - k];
        std::swap(flange.Angle1, flange.Angle2);
        reversed.Flanges[k] = std::move(flange);
    }
    for (std::size_t set = 0; set < shape.BendLines.size(); ++set) {
        for (const TBendLine& line : shape.BendLines[set])
            reversed.BendLines[set].push_back(MirroredBendLine(line, n));
    }
    shape = std::move(reversed);
}

TPointF Moved(const TPointF& p, const TLayoutTransform& transform, long double cosine,
              long double sine) {
    const long double x = transform.Mirror ? -p.X : p.X;
    return PointF(x * cosine - p.Y * sine + transform.Shift.X,
                  p.Y * cosine + x * sine + transform.Shift.Y);
}

} // namespace

// An angle within rounding of a whole number of quarter turns (a multiple of
// 15 degrees summed up to one, say) is taken as that number.
void TurnCosSin(long double angle, long double& cosine, long double& sine) {
    constexpr long double Rounding = 1e-15L;
    const long double quarters = angle / QuarterTurn;
    const long double whole = std::nearbyint(quarters);
    if (std::fabs(quarters - whole) <= Rounding * std::max(1.0L, std::fabs(whole)) &&
        std::fabs(whole) < 1e15L) {
        static constexpr long double Cosines[4] = {1, 0, -1, 0};
        static constexpr long double Sines[4] = {0, 1, 0, -1};
        const long long k = static_cast<long long>(whole) % 4;
        const int index = static_cast<int>(k < 0 ? k + 4 : k);
        cosine = Cosines[index];
        sine = Sines[index];
        return;
    }
    cosine = std::cos(angle);
    sine = std::sin(angle);
}

TPointF TransformPoint(const TPointF& p, const TLayoutTransform& transform) {
    long double cosine = 1, sine = 0;
    TurnCosSin(transform.Angle, cosine, sine);
    return Moved(p, transform, cosine, sine);
}

TPolygon TransformedPolygon(const TPolygon& shape, const TLayoutTransform& transform) {
    TPolygon moved;
    CopyPolygon(shape, moved);
    long double cosine = 1, sine = 0;
    TurnCosSin(transform.Angle, cosine, sine);
    for (TPointF& apex : moved.Apexes)
        apex = Moved(apex, transform, cosine, sine);
    if (transform.Mirror && !moved.Apexes.empty())
        ReverseOrder(moved);
    return moved;
}
