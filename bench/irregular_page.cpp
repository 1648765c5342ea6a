// The irregular pages: cells of the crowded page's size, five in a hundred
// left empty so that a dragged shape has somewhere to go, and each shape
// scaled until its outline with flanges fits its cell.
#include "irregular_page.h"

#include "geometry/angles.h"
#include "geometry/flange_outline.h"
#include "geometry/plane_geometry.h"
#include "placement/placement.h"

#include <algorithm>
#include <cmath>
#include <random>

namespace {

constexpr long double CellWidth = 22.8L;
constexpr long double CellHeight = 23.4L;
constexpr long double MinMargin = 0.0025L;
constexpr long double MaxMargin = 0.0625L;

using TRandom = std::mt19937;

long double Uniform(TRandom& random, long double low, long double high) {
    return low + (high - low) * std::uniform_real_distribution<double>(0, 1)(random);
}

struct TBoxMm {
    long double Left = 1e30L, Top = 1e30L, Right = -1e30L, Bottom = -1e30L;
};

TBoxMm OutlineBox(const TPolygon& shape) {
    TBoxMm box;
    for (const TPointF& p : OutlineWithFlanges(shape)) {
        box.Left = std::min(box.Left, p.X);
        box.Top = std::min(box.Top, p.Y);
        box.Right = std::max(box.Right, p.X);
        box.Bottom = std::max(box.Bottom, p.Y);
    }
    return box;
}

// Vertices at sorted random directions and distances about (0, 0), turned by
// turn; flanges no wider than a third of their side.
TPolygon IrregularShape(TRandom& random) {
    const int count = 6 + static_cast<int>(random() % 7);
    std::vector<long double> directions;
    for (int k = 0; k < count; ++k)
        directions.push_back(Uniform(random, 0, 2 * Pi));
    std::sort(directions.begin(), directions.end());
    const long double turn = Uniform(random, 0, 2 * Pi);
    TPolygon shape;
    for (const long double direction : directions)
        shape.Apexes.push_back(PointAt(PointF(0, 0), Uniform(random, 5.5L, 10), direction + turn));
    for (int side = 0; side < count; ++side) {
        const TPointF& a = shape.Apexes[side];
        const TPointF& b = shape.Apexes[(side + 1) % count];
        const long double width = std::min(Uniform(random, 1, 2), PointDistance(a, b) / 3);
        shape.Flanges.push_back(
            MakeFlange("", width, Uniform(random, 0.9L, 1.45L), Uniform(random, 0.9L, 1.45L)));
    }
    shape.BendLines[0] = {MakeBendLine(0, count / 2)};
    return shape;
}

// Scales the vertices about (0, 0) until the outline with flanges fits width
// by height, the flanges keeping their widths.
void FitInto(TPolygon& shape, long double width, long double height) {
    for (int pass = 0; pass < 6; ++pass) {
        const TBoxMm box = OutlineBox(shape);
        const long double factor =
            std::min(width / (box.Right - box.Left), height / (box.Bottom - box.Top));
        if (factor >= 1 && factor < 1.001L)
            return;
        for (TPointF& p : shape.Apexes)
            p = PointF(p.X * factor * 0.9999L, p.Y * factor * 0.9999L);
    }
}

} // namespace

TIrregularPage IrregularPage(int shapeCount, std::uint32_t seed) {
    TRandom random(seed);
    const int cellCount = shapeCount + (shapeCount + 19) / 20;
    const int columns = static_cast<int>(std::ceil(std::sqrt(static_cast<double>(cellCount))));
    const int rows = (cellCount + columns - 1) / columns;
    std::vector<int> cells(static_cast<std::size_t>(columns) * rows);
    for (std::size_t i = 0; i < cells.size(); ++i)
        cells[i] = static_cast<int>(i);
    std::shuffle(cells.begin(), cells.end(), random);
    cells.resize(shapeCount);
    TIrregularPage page;
    page.Width = columns * CellWidth;
    page.Height = rows * CellHeight;
    for (const int cell : cells) {
        const long double left = Uniform(random, MinMargin, MaxMargin);
        const long double top = Uniform(random, MinMargin, MaxMargin);
        const long double right = Uniform(random, MinMargin, MaxMargin);
        const long double bottom = Uniform(random, MinMargin, MaxMargin);
        TPolygon shape = IrregularShape(random);
        FitInto(shape, CellWidth - left - right, CellHeight - top - bottom);
        const TBoxMm box = OutlineBox(shape);
        TranslatePolygon(shape, PointF((cell % columns) * CellWidth + left - box.Left,
                                       (cell / columns) * CellHeight + top - box.Top));
        page.Shapes.push_back(std::move(shape));
    }
    return page;
}
