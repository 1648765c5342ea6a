// The seeded piece sets of the layout benchmark. The numbers come from a
// generator of our own, so the sets do not change with the standard library.
#include "layout_sets.h"
#include "geometry/angles.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

constexpr double FlangeChance = 0.6;
constexpr long double FlangeWidths[] = {5, 6, 8};

// SplitMix64.
class TRandom {
public:
    explicit TRandom(std::uint64_t seed) : FState(seed) {}
    std::uint64_t Next() {
        std::uint64_t z = (FState += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }
    // Uniform in [low, high).
    long double Uniform(long double low, long double high) {
        return low + (high - low) * static_cast<long double>(Next() >> 11) * 0x1p-53L;
    }
    int Below(int bound) { return static_cast<int>(Next() % static_cast<std::uint64_t>(bound)); }

private:
    std::uint64_t FState;
};

// Clockwise on screen, as the editor draws them.
TPolygon Piece(TDaPointF apexes) {
    long double sum = 0;
    for (std::size_t i = 0; i < apexes.size(); ++i) {
        const TPointF& a = apexes[i];
        const TPointF& b = apexes[(i + 1) % apexes.size()];
        sum += a.X * b.Y - b.X * a.Y;
    }
    if (sum < 0)
        std::reverse(apexes.begin(), apexes.end());
    TPolygon piece;
    piece.Flanges.assign(apexes.size(), TFlange());
    piece.Apexes = std::move(apexes);
    return piece;
}

void AddFlanges(TPolygon& piece, TRandom& random) {
    for (TFlange& flange : piece.Flanges) {
        if (random.Uniform(0, 1) < FlangeChance)
            flange = MakeFlange("", FlangeWidths[random.Below(3)], Pi / 4, Pi / 4);
    }
}

TPolygon Rectangle(long double w, long double h) {
    return Piece({PointF(0, 0), PointF(w, 0), PointF(w, h), PointF(0, h)});
}

TPolygon Triangle(long double size, TRandom& random) {
    const long double h = size * random.Uniform(0.5L, 1);
    const long double apex = size * random.Uniform(0.2L, 0.8L);
    return Piece({PointF(0, h), PointF(apex, 0), PointF(size, h)});
}

TPolygon Hexagon(long double size) {
    TDaPointF apexes;
    for (int k = 0; k < 6; ++k)
        apexes.push_back(
            PointF(size / 2 * (1 + std::cos(k * Pi / 3)), size / 2 * (1 + std::sin(k * Pi / 3))));
    return Piece(std::move(apexes));
}

TPolygon Trapezoid(long double size, TRandom& random) {
    const long double h = size * random.Uniform(0.4L, 0.9L);
    const long double top = size * random.Uniform(0.3L, 0.8L);
    const long double left = (size - top) * random.Uniform(0.2L, 0.8L);
    return Piece({PointF(0, h), PointF(left, 0), PointF(left + top, 0), PointF(size, h)});
}

TPolygon LShape(long double size, TRandom& random) {
    const long double h = size * random.Uniform(0.6L, 1);
    const long double arm = std::min(size, h) * random.Uniform(0.3L, 0.5L);
    return Piece({PointF(0, 0), PointF(arm, 0), PointF(arm, h - arm), PointF(size, h - arm),
                  PointF(size, h), PointF(0, h)});
}

// Vertices on a circle of the given diameter, spread about evenly.
TPolygon Detail(int vertices, long double size, TRandom& random) {
    const long double start = random.Uniform(0, 2 * Pi);
    const long double step = 2 * Pi / vertices;
    TDaPointF apexes;
    for (int k = 0; k < vertices; ++k) {
        const long double angle = start + k * step + random.Uniform(-0.3L, 0.3L) * step;
        apexes.push_back(PointF(size / 2 * std::cos(angle), size / 2 * std::sin(angle)));
    }
    return Piece(std::move(apexes));
}

} // namespace

TLayoutSet BoxesSet() {
    TRandom random(1);
    TLayoutSet set{"boxes", {}};
    for (int i = 0; i < 40; ++i) {
        const long double w = random.Uniform(20, 120);
        const long double h = random.Uniform(20, 80);
        TPolygon piece = Rectangle(w, h);
        AddFlanges(piece, random);
        set.Shapes.push_back(std::move(piece));
    }
    return set;
}

TLayoutSet MixedSet() {
    TRandom random(2);
    TLayoutSet set{"mixed", {}};
    for (int i = 0; i < 100; ++i) {
        const long double size = random.Uniform(12, 100);
        TPolygon piece;
        switch (i % 5) {
        case 0:
            piece = Triangle(size, random);
            break;
        case 1:
            piece = Hexagon(size);
            break;
        case 2:
            piece = Trapezoid(size, random);
            break;
        case 3:
            piece = LShape(size, random);
            break;
        default:
            piece = Rectangle(size, size * random.Uniform(0.4L, 1));
            break;
        }
        AddFlanges(piece, random);
        set.Shapes.push_back(std::move(piece));
    }
    return set;
}

TLayoutSet DetailsSet() {
    TRandom random(3);
    TLayoutSet set{"details", {}};
    for (int i = 0; i < 300; ++i) {
        const int vertices = 3 + random.Below(4);
        set.Shapes.push_back(Detail(vertices, random.Uniform(6, 40), random));
    }
    return set;
}

std::vector<TLayoutSet> LayoutSets() {
    return {BoxesSet(), MixedSet(), DetailsSet()};
}
