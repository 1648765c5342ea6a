// Marks of a fold line on the waste beyond the piece's cut line.
#include "drawing/outside_marks.h"

#include "geometry/cut_outline.h"
#include "geometry/plane_geometry.h"

#include <algorithm>
#include <cmath>

namespace {

// Crossings nearer than this to one another, or to the ray's start, are one.
constexpr long double SameCrossing = 1e-9L;
// How far past a crossing the ray is looked at to tell whether it is outside.
constexpr long double Probe = 1e-6L;

// The distances along the ray from origin in unit direction d at which it
// crosses the segment a-b; a segment along the ray gives both its ends.
void AddCrossings(const TPointF& origin, const TPointF& d, const TPointF& a, const TPointF& b,
                  std::vector<long double>& at) {
    const long double ex = b.X - a.X;
    const long double ey = b.Y - a.Y;
    const long double denominator = d.X * ey - d.Y * ex;
    const long double wx = a.X - origin.X;
    const long double wy = a.Y - origin.Y;
    if (std::fabs(denominator) < 1e-18L) {
        // Parallel: only a segment on the ray's own line matters.
        if (std::fabs(wx * d.Y - wy * d.X) > SameCrossing)
            return;
        at.push_back(wx * d.X + wy * d.Y);
        at.push_back((b.X - origin.X) * d.X + (b.Y - origin.Y) * d.Y);
        return;
    }
    const long double t = (wx * ey - wy * ex) / denominator;
    const long double s = (wx * d.Y - wy * d.X) / denominator;
    if (s >= -SameCrossing && s <= 1 + SameCrossing)
        at.push_back(t);
}

bool InsideAny(std::span<const TDaPointF> outlines, const TPointF& p) {
    return std::any_of(outlines.begin(), outlines.end(),
                       [&p](const TDaPointF& outline) { return PointInPolygon(outline, p); });
}

// The distance along the ray from end in unit direction d beyond which the
// ray stays outside the piece: the first crossing (or the end itself) past
// which it lies outside every outline.
long double ExitDistance(const TPointF& end, const TPointF& d,
                         std::span<const TDaPointF> outlines) {
    std::vector<long double> at{0};
    for (const TDaPointF& outline : outlines)
        for (std::size_t i = 0; i < outline.size(); ++i)
            AddCrossings(end, d, outline[i], outline[(i + 1) % outline.size()], at);
    std::sort(at.begin(), at.end());
    for (const long double t : at) {
        if (t < -SameCrossing)
            continue;
        const long double past = std::max<long double>(t, 0) + Probe;
        if (!InsideAny(outlines, {end.X + d.X * past, end.Y + d.Y * past}))
            return std::max<long double>(t, 0);
    }
    return std::max<long double>(at.back(), 0);
}

TSegmentF MarkBeyond(const TPointF& end, const TPointF& d, std::span<const TDaPointF> outlines) {
    const long double start = ExitDistance(end, d, outlines) + OutsideMarkGap;
    const long double stop = start + OutsideMarkLength;
    return {{end.X + d.X * start, end.Y + d.Y * start}, {end.X + d.X * stop, end.Y + d.Y * stop}};
}

} // namespace

std::vector<TSegmentF> OutsideMarks(const TSegmentF& line, std::span<const TDaPointF> cutOutlines) {
    const long double length = PointDistance(line.P1, line.P2);
    if (!(length > 0) || !std::isfinite(length))
        return {};
    const TPointF d{(line.P2.X - line.P1.X) / length, (line.P2.Y - line.P1.Y) / length};
    return {MarkBeyond(line.P1, {-d.X, -d.Y}, cutOutlines), MarkBeyond(line.P2, d, cutOutlines)};
}

const std::vector<TDaPointF>& TPieceCut::Outlines() {
    if (!FOutlines)
        FOutlines = CutOutlines(FShape);
    return *FOutlines;
}

void AddStyledFold(std::vector<TSegmentF>& lines, const TSegmentF& line, TLineStyle style,
                   TPieceCut& piece) {
    switch (style) {
    case TLineStyle::Hidden:
        return;
    case TLineStyle::OutsideMarks:
        for (const TSegmentF& mark : OutsideMarks(line, piece.Outlines()))
            lines.push_back(mark);
        return;
    default:
        lines.push_back(line);
    }
}
