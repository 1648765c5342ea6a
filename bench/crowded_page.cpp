// The crowded page: rounded rectangles of 16 vertices whose long sides run
// straight along their cell's edges, so that neighbours face each other along
// whole flanges, each fitted into its cell by measuring its outline with
// flanges.
#include "crowded_page.h"

#include "geometry/angles.h"
#include "geometry/flange_outline.h"

#include <algorithm>
#include <cmath>
#include <random>
#include <string>

namespace {

constexpr int Columns = 15;
constexpr int Rows = 21;
constexpr long double MinMargin = 0.0025L;
constexpr long double MaxMargin = 0.0625L;

using TRandom = std::mt19937;

long double Uniform(TRandom& random, long double low, long double high) {
    return low + (high - low) * std::uniform_real_distribution<double>(0, 1)(random);
}

struct TBoxMm {
    long double Left, Top, Right, Bottom;
};

TBoxMm OutlineBox(const TPolygon& shape) {
    TBoxMm box{1e30L, 1e30L, -1e30L, -1e30L};
    for (const TPointF& p : OutlineWithFlanges(shape)) {
        box.Left = std::min(box.Left, p.X);
        box.Top = std::min(box.Top, p.Y);
        box.Right = std::max(box.Right, p.X);
        box.Bottom = std::max(box.Bottom, p.Y);
    }
    return box;
}

// The corners of one rounded corner: two vertices on an arc of radius r from
// angle `from`, a quarter turn clockwise on screen.
void AddCorner(TDaPointF& apexes, const TPointF& centre, long double r, long double from,
               TRandom& random) {
    for (int k = 1; k <= 2; ++k) {
        const long double angle = from + (Pi / 2) * (k / 3.0L) + Uniform(random, -0.08L, 0.08L);
        apexes.push_back(PointF(centre.X + r * std::cos(angle), centre.Y + r * std::sin(angle)));
    }
}

// Clockwise on screen from the top side's left end: per edge its two ends,
// per corner two arc vertices. w and h are the vertex extent.
TDaPointF RoundedRectangle(long double w, long double h, long double r, TRandom& random) {
    TDaPointF apexes;
    apexes.push_back(PointF(r, 0));
    apexes.push_back(PointF(w - r, 0));
    AddCorner(apexes, PointF(w - r, r), r, -Pi / 2, random);
    apexes.push_back(PointF(w, r));
    apexes.push_back(PointF(w, h - r));
    AddCorner(apexes, PointF(w - r, h - r), r, 0, random);
    apexes.push_back(PointF(w - r, h));
    apexes.push_back(PointF(r, h));
    AddCorner(apexes, PointF(r, h - r), r, Pi / 2, random);
    apexes.push_back(PointF(0, h - r));
    apexes.push_back(PointF(0, r));
    AddCorner(apexes, PointF(r, r), r, Pi, random);
    return apexes;
}

// A flange no wider than a third of its side, so that its slanted edges do not
// cross; a few carry names, as glue marks on a real model do.
TFlange RandomFlange(TRandom& random, int side, long double sideLength) {
    const std::string name =
        side % 5 == 0 ? std::string("A") + std::to_string(random() % 100) : std::string();
    const long double width = std::min(Uniform(random, 1.5L, 2.5L), sideLength / 3);
    return MakeFlange(name, width, Uniform(random, 1.05L, 1.45L), Uniform(random, 1.05L, 1.45L));
}

// A shape whose outline with flanges spans exactly width by height, its top
// left corner at (0, 0).
TPolygon FittedShape(long double width, long double height, TRandom& random) {
    TPolygon shape;
    const long double radius = Uniform(random, 3, 5);
    const unsigned cornerSeed = random();
    long double w = width - 5;
    long double h = height - 5;
    {
        TRandom corners(cornerSeed);
        shape.Apexes = RoundedRectangle(w, h, radius, corners);
    }
    const std::size_t n = shape.Apexes.size();
    for (std::size_t side = 0; side < n; ++side) {
        const TPointF& a = shape.Apexes[side];
        const TPointF& b = shape.Apexes[(side + 1) % n];
        shape.Flanges.push_back(
            RandomFlange(random, static_cast<int>(side), std::hypot(b.X - a.X, b.Y - a.Y)));
    }
    shape.BendLines[0] = {MakeBendLine(0, 8)};
    shape.BendLines[1] = {MakeBendLine(4, 12)};
    for (int pass = 0; pass < 4; ++pass) {
        TRandom corners(cornerSeed);
        shape.Apexes = RoundedRectangle(w, h, radius, corners);
        const TBoxMm box = OutlineBox(shape);
        w += width - (box.Right - box.Left);
        h += height - (box.Bottom - box.Top);
    }
    const TBoxMm box = OutlineBox(shape);
    for (TPointF& p : shape.Apexes)
        p = PointF(p.X - box.Left, p.Y - box.Top);
    return shape;
}

void Translate(TPolygon& shape, long double dx, long double dy) {
    for (TPointF& p : shape.Apexes)
        p = PointF(p.X + dx, p.Y + dy);
}

} // namespace

TPolygonTbl CrowdedPage(std::uint32_t seed) {
    TRandom random(seed);
    std::vector<int> cells(Columns * Rows);
    for (int i = 0; i < Columns * Rows; ++i)
        cells[i] = i;
    std::shuffle(cells.begin(), cells.end(), random);
    cells.resize(CrowdedPageShapes);
    std::sort(cells.begin(), cells.end());
    // Shapes go on the page in a shuffled order, as a user would have placed them.
    std::shuffle(cells.begin(), cells.end(), random);

    const long double cellWidth = CrowdedPageWidth / Columns;
    const long double cellHeight = CrowdedPageHeight / Rows;
    TPolygonTbl page;
    for (const int cell : cells) {
        const long double left = Uniform(random, MinMargin, MaxMargin);
        const long double right = Uniform(random, MinMargin, MaxMargin);
        const long double top = Uniform(random, MinMargin, MaxMargin);
        const long double bottom = Uniform(random, MinMargin, MaxMargin);
        TPolygon shape = FittedShape(cellWidth - left - right, cellHeight - top - bottom, random);
        Translate(shape, (cell % Columns) * cellWidth + left, (cell / Columns) * cellHeight + top);
        page.push_back(std::move(shape));
    }
    return page;
}

TPolygon LargeFlangedShape(int vertexCount, const TPointF& centre, long double radius,
                           std::uint32_t seed) {
    TRandom random(seed);
    TPolygon shape;
    for (int k = 0; k < vertexCount; ++k) {
        const long double angle = 2 * Pi * k / vertexCount;
        const long double r = radius * Uniform(random, 0.97L, 1.03L);
        shape.Apexes.push_back(
            PointF(centre.X + r * std::cos(angle), centre.Y + r * std::sin(angle)));
        shape.Flanges.push_back(MakeFlange("", Uniform(random, 0.4L, 0.8L), Pi / 3, Pi / 3));
    }
    shape.BendLines[0] = {MakeBendLine(0, vertexCount / 2)};
    return shape;
}

TZvDat CrowdedDrawing(int shapeCount, std::uint32_t seed) {
    TZvDat drawing;
    for (int placed = 0; placed < shapeCount; placed += CrowdedPageShapes) {
        TPolygonTbl page = CrowdedPage(seed + static_cast<std::uint32_t>(drawing.size()));
        page.resize(std::min<std::size_t>(page.size(), shapeCount - placed));
        drawing.push_back(std::move(page));
    }
    return drawing;
}
