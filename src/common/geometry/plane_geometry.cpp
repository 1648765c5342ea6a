// Plane geometry on points and vertex lists: distances, directions, area and
// centroid, vertex angles and order, point inside, device conversion, grid snap
// and rotation.
#include "geometry/plane_geometry.h"

#include "geometry/angles.h"
#include "geometry/rounding.h"

#include <cmath>

namespace {

constexpr long double TwoPi = 2 * Pi;

// A sum of raw vertex angles within this many radians of (n - 2) pi marks the
// clockwise order; the other order is 4 pi away, so rounding never confuses them.
constexpr long double ClockwiseTolerance = 1.0L;

// Beyond this a pixel coordinate is meaningless; keeping inside it makes the
// conversion to an integer defined for any input.
constexpr long double PixelLimit = 0x1p62L;

std::int64_t ToPixel(long double value) {
    if (std::isnan(value))
        return 0;
    const long double rounded = RoundHalfEven(value);
    if (rounded > PixelLimit)
        return static_cast<std::int64_t>(PixelLimit);
    if (rounded < -PixelLimit)
        return -static_cast<std::int64_t>(PixelLimit);
    // Already a whole number well within range: the conversion is exact.
    return static_cast<std::int64_t>(rounded);
}

} // namespace

TPointF PointAt(const TPointF& from, long double length, long double direction) {
    return PointF(from.X + length * std::cos(direction), from.Y + length * std::sin(direction));
}

long double PointDistance(const TPointF& p1, const TPointF& p2) {
    return std::hypot(p1.X - p2.X, p1.Y - p2.Y);
}

long double PointDirection(const TPointF& p1, const TPointF& p2) {
    long double dy = p2.Y - p1.Y;
    // A negative zero would give -pi, outside the range (-pi, pi].
    if (dy == 0)
        dy = 0;
    return std::atan2(dy, p2.X - p1.X);
}

int NearestApex(const TDaPointF& apexes, const TPointF& p, long double& distance) {
    if (apexes.empty())
        return -1;
    int best = 0;
    long double bestDistance = PointDistance(apexes[0], p);
    for (std::size_t i = 1; i < apexes.size(); ++i) {
        const long double d = PointDistance(apexes[i], p);
        if (d < bestDistance) {
            best = static_cast<int>(i);
            bestDistance = d;
        }
    }
    distance = bestDistance;
    return best;
}

long double PolygonCentroid(const TDaPointF& apexes, TPointF& centroid) {
    const std::size_t n = apexes.size();
    long double s = 0;
    long double mx = 0;
    long double my = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const TPointF& a = apexes[i];
        const TPointF& b = apexes[(i + 1) % n];
        const long double dx = b.X - a.X;
        const long double dy = b.Y - a.Y;
        const long double triangle = dx * dy / 2;
        const long double under = dx * a.Y;
        const long double beside = dy * a.X;
        mx += triangle * (b.X - dx / 3) + under * (b.X - dx / 2);
        my += triangle * (b.Y - dy / 3) + beside * (b.Y - dy / 2);
        s += triangle + under;
    }
    if (s != 0)
        centroid = PointF(mx / s, -my / s);
    return std::fabs(s);
}

long double RawApexAngle(const TDaPointF& apexes, int k) {
    const int n = static_cast<int>(apexes.size());
    if (k < 0 || k >= n)
        return 0;
    const int p = (k - 1 + n) % n;
    const int q = (k + 1) % n;
    return RawApexAngleOf(PointDirection(apexes[p], apexes[k]),
                          PointDirection(apexes[k], apexes[q]));
}

long double RawApexAngleOf(long double incoming, long double outgoing) {
    long double r = Pi - outgoing + incoming;
    if (r >= TwoPi)
        r -= TwoPi;
    else if (r < 0)
        r += TwoPi;
    return r;
}

bool IsClockwiseOnScreen(const TDaPointF& apexes) {
    const int n = static_cast<int>(apexes.size());
    long double sum = 0;
    for (int k = 0; k < n; ++k)
        sum += RawApexAngle(apexes, k);
    return std::fabs(sum - (n - 2) * Pi) < ClockwiseTolerance;
}

bool IsClockwiseFromSideDirections(const std::vector<long double>& directions) {
    const int n = static_cast<int>(directions.size());
    long double sum = 0;
    for (int k = 0; k < n; ++k)
        sum += RawApexAngleOf(directions[(k - 1 + n) % n], directions[k]);
    return std::fabs(sum - (n - 2) * Pi) < ClockwiseTolerance;
}

long double ApexAngle(const TDaPointF& apexes, int k) {
    long double r = RawApexAngle(apexes, k);
    if (!IsClockwiseOnScreen(apexes))
        r = TwoPi - r;
    if (r >= TwoPi)
        r -= TwoPi;
    return r;
}

bool PointInPolygon(const TDaPointF& apexes, const TPointF& p) {
    const std::size_t n = apexes.size();
    int crossings = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const TPointF& a = apexes[i];
        const TPointF& b = apexes[(i + 1) % n];
        const bool straddles = (a.X <= p.X && p.X < b.X) || (b.X <= p.X && p.X < a.X);
        if (!straddles)
            continue;
        if ((p.Y - a.Y) * (b.X - a.X) > (p.X - a.X) * (b.Y - a.Y))
            ++crossings;
        else
            --crossings;
    }
    return crossings != 0;
}

TPixelPoint ModelToDevice(const TPointF& p, long double scaleX, long double scaleY) {
    return TPixelPoint{ToPixel(p.X * scaleX), ToPixel(p.Y * scaleY)};
}

TPointF DeviceToModel(const TPixelPoint& p, long double scaleX, long double scaleY) {
    return PointF(static_cast<long double>(p.X) / scaleX, static_cast<long double>(p.Y) / scaleY);
}

TPointF SnapToGrid(const TPolygon& polygon, const TPointF& p, long double gridStep) {
    // Without an anchor vertex or a usable step there is no grid to snap to.
    if (polygon.Apexes.empty() || !(gridStep > 0) || !std::isfinite(gridStep))
        return p;
    const TPointF& origin = polygon.Apexes[0];
    const long double k = RoundHalfEven((p.X - origin.X) / gridStep);
    const long double m = RoundHalfEven((p.Y - origin.Y) / gridStep);
    return PointF(k * gridStep + origin.X, m * gridStep + origin.Y);
}

void RotatePoints(TDaPointF& apexes, const TPointF& centre, long double angle) {
    RotatePointsBy(apexes, centre, std::cos(angle), std::sin(angle));
}

void RotatePointsBy(TDaPointF& apexes, const TPointF& centre, long double cosine,
                    long double sine) {
    for (TPointF& apex : apexes) {
        const long double h = apex.X - centre.X;
        const long double o = apex.Y - centre.Y;
        apex.X = centre.X + h * cosine - o * sine;
        apex.Y = centre.Y + o * cosine + h * sine;
    }
}
