// Shapes drawn through the QPainter canvas onto an in-memory image, checked
// pixel by pixel; and the flange names a print drawing writes.
#include "common/shape_builders.h"
#include "drawing/draw_polygon.h"
#include "geometry/angles.h"
#include "geometry/flange_outline.h"
#include "geometry/outline_cache.h"
#include "geometry/plane_geometry.h"
#include "qpainter_canvas.h"

#include <QElapsedTimer>
#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

#include <cstdlib>
#include <limits>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr long double RightAngle = Pi / 2;

constexpr QRgb White = 0xFFFFFF;
constexpr QRgb Black = 0x000000;
constexpr QRgb Blue = 0x0000FF;
constexpr QRgb Magenta = 0xFF00FF;
constexpr QRgb Green = 0x00FF00;

TPolygon WithFlange(TPolygon polygon, int side, long double width, long double angle1 = RightAngle,
                    long double angle2 = RightAngle, const std::string& name = {}) {
    polygon.Flanges[side] = MakeFlange(name, width, angle1, angle2);
    return polygon;
}

// A white RGB32 image that shapes are drawn onto, 1 pixel per mm unless told.
class TSurface {
public:
    explicit TSurface(int width = 48, int height = 48)
        : FImage(width, height, QImage::Format_RGB32) {
        FImage.fill(Qt::white);
    }

    void Draw(const TPolygon& polygon, TDrawMode mode, int mark1 = -1, int mark2 = -1,
              long double scale = 1) {
        QPainter painter(&FImage);
        TQPainterCanvas canvas(painter);
        DrawPolygon(canvas, polygon, mark1, mark2, scale, scale, mode);
    }

    QRgb At(int x, int y) const { return FImage.pixel(x, y) & 0xFFFFFF; }

    int Count(QRgb color) const {
        int count = 0;
        for (int y = 0; y < FImage.height(); ++y)
            for (int x = 0; x < FImage.width(); ++x)
                count += At(x, y) == color ? 1 : 0;
        return count;
    }

    bool IsBlank() const { return Count(White) == FImage.width() * FImage.height(); }

    QImage& Image() { return FImage; }
    const QImage& Image() const { return FImage; }

private:
    QImage FImage;
};

TEST(DrawPolygon, EachModeDrawsItsColourOnce) {
    TSurface normal;
    normal.Draw(Square(20, {10, 10}), dmNormal);
    // 21 x 21 frame: every joint is drawn exactly once.
    EXPECT_EQ(80, normal.Count(Black));
    EXPECT_EQ(Black, normal.At(10, 10));
    EXPECT_EQ(Black, normal.At(30, 30));
    EXPECT_EQ(Black, normal.At(20, 30));
    EXPECT_EQ(White, normal.At(20, 20));
    EXPECT_EQ(White, normal.At(31, 10));

    TSurface selected;
    selected.Draw(Square(20, {10, 10}), dmSelected);
    EXPECT_EQ(80, selected.Count(Blue));

    TSurface legacy; // value 3 draws as dmNormal
    legacy.Draw(Square(20, {10, 10}), static_cast<TDrawMode>(3));
    EXPECT_EQ(normal.Image(), legacy.Image());

    // Not-xor toggles each outline pixel once: blue over white, joints too.
    TSurface xored;
    xored.Draw(Square(20, {10, 10}), dmXor);
    EXPECT_EQ(80, xored.Count(Blue));
    EXPECT_EQ(Blue, xored.At(10, 10));
    EXPECT_EQ(Blue, xored.At(30, 10));

    TPolygon full = WithFlange(Square(20, {10, 10}), 1, 5, 1.0L, 0.6L);
    full.BendLines[0] = {{0, 2}};
    full.BendLines[1] = {{1, 3}};
    TSurface erased;
    erased.Draw(full, dmNormal, 0, 2);
    EXPECT_FALSE(erased.IsBlank());
    erased.Draw(full, dmErase, 0, 2);
    EXPECT_TRUE(erased.IsBlank());
}

TEST(DrawPolygon, MarksAreFiveByFiveSquares) {
    TSurface surface;
    surface.Draw(Square(20, {10, 10}), dmNormal, 0, 2);
    EXPECT_EQ(Magenta, surface.At(8, 8));
    EXPECT_EQ(Magenta, surface.At(12, 12));
    EXPECT_EQ(Magenta, surface.At(8, 11));
    EXPECT_EQ(White, surface.At(7, 8));
    EXPECT_EQ(White, surface.At(9, 9));   // hollow
    EXPECT_EQ(Black, surface.At(10, 10)); // the outline is drawn over the marks
    EXPECT_EQ(Green, surface.At(32, 32));
    EXPECT_EQ(Green, surface.At(28, 32));
    EXPECT_EQ(White, surface.At(33, 33));
    // 16 frame pixels each, less the 2 the outline crosses.
    EXPECT_EQ(14, surface.Count(Magenta));
    EXPECT_EQ(14, surface.Count(Green));

    TSurface same;
    same.Draw(Square(20, {10, 10}), dmNormal, 1, 1);
    EXPECT_EQ(14, same.Count(Magenta));
    EXPECT_EQ(Magenta, same.At(32, 8));
    EXPECT_EQ(0, same.Count(Green));

    TSurface ignored; // out-of-range marks are not drawn
    ignored.Draw(Square(20, {10, 10}), dmNormal, 4, -5);
    EXPECT_EQ(0, ignored.Count(Magenta) + ignored.Count(Green));

    for (TDrawMode mode : {dmXor, dmPrint}) {
        TSurface unmarked;
        unmarked.Draw(Square(20, {10, 10}), mode, 0, 2);
        EXPECT_EQ(0, unmarked.Count(Magenta) + unmarked.Count(Green)) << int(mode);
        EXPECT_EQ(White, unmarked.At(8, 8)) << int(mode);
    }
}

TEST(DrawPolygon, OpenModeLeavesTheLastSideOut) {
    TSurface open;
    open.Draw(Square(20, {10, 10}), dmOpen);
    EXPECT_EQ(60, open.Count(Black));
    EXPECT_EQ(White, open.At(10, 20));
    EXPECT_EQ(White, open.At(10, 30)); // a line stops short of its end
    EXPECT_EQ(Black, open.At(11, 30));

    const TPolygon segment = Shape({{5, 5}, {25, 5}});
    TSurface single;
    single.Draw(segment, dmOpen);
    EXPECT_EQ(20, single.Count(Black));
    EXPECT_EQ(White, single.At(25, 5));
    TSurface outAndBack;
    outAndBack.Draw(segment, dmNormal);
    EXPECT_EQ(21, outAndBack.Count(Black));
    // Out and back toggles the inner pixels twice; only the two ends remain.
    TSurface xored;
    xored.Draw(segment, dmXor);
    EXPECT_EQ(2, xored.Count(Blue));
}

TEST(DrawPolygon, FewerThanTwoVerticesDrawNothing) {
    TSurface surface;
    surface.Draw(Shape({}), dmNormal, 0, 0);
    surface.Draw(Shape({{20, 20}}), dmNormal, 0, 0);
    surface.Draw(Shape({{20, 20}}), dmSelected, 0, -1);
    EXPECT_TRUE(surface.IsBlank());
}

// The right-angled 5 mm flange on the top side forms a 20 x 5 rectangle above
// the square: x 10..30, y 5..10.
void ExpectTopFlangeRectangle(const TSurface& surface) {
    for (int x = 10; x <= 30; ++x)
        EXPECT_EQ(Black, surface.At(x, 5)) << x;
    for (int y = 5; y <= 10; ++y) {
        EXPECT_EQ(Black, surface.At(10, y)) << y;
        EXPECT_EQ(Black, surface.At(30, y)) << y;
    }
    for (int y = 6; y < 10; ++y)
        for (int x = 11; x < 30; ++x)
            EXPECT_EQ(White, surface.At(x, y)) << x << "," << y;
    EXPECT_EQ(80 + 29, surface.Count(Black));
}

TEST(DrawPolygon, RightAngledFlangeIsARectangleOutsideForEitherOrder) {
    TSurface clockwise;
    clockwise.Draw(WithFlange(Square(20, {10, 10}), 0, 5), dmNormal);
    ExpectTopFlangeRectangle(clockwise);

    const TPolygon reversed = Shape({{10, 30}, {30, 30}, {30, 10}, {10, 10}});
    TSurface counterClockwise;
    counterClockwise.Draw(WithFlange(reversed, 2, 5), dmNormal);
    ExpectTopFlangeRectangle(counterClockwise);

    // Width 0 draws nothing whatever its angles; so does an angle whose sine
    // is 0, which has no finite corner.
    TSurface none;
    TPolygon unusable = WithFlange(Square(20, {10, 10}), 0, 0, 0.3L, 0.2L);
    unusable = WithFlange(unusable, 1, 5, 0, RightAngle);
    unusable = WithFlange(unusable, 2, 5, RightAngle, 0);
    none.Draw(unusable, dmNormal);
    EXPECT_EQ(80, none.Count(Black));
}

TEST(DrawPolygon, FoldLinesSolidDottedOrSkipped) {
    TPolygon solid = Square(20, {10, 10});
    solid.BendLines[0] = {{0, 2}};
    TSurface solidSurface;
    solidSurface.Draw(solid, dmNormal);
    for (int i = 11; i < 30; ++i)
        EXPECT_EQ(Black, solidSurface.At(i, i)) << i;

    TPolygon dotted = Square(20, {10, 10});
    dotted.BendLines[1] = {{0, 2}};
    TSurface dottedSurface;
    dottedSurface.Draw(dotted, dmNormal);
    int set = 0;
    for (int i = 11; i < 30; ++i)
        set += dottedSurface.At(i, i) == Black ? 1 : 0;
    EXPECT_GT(set, 4);
    EXPECT_LT(set, 15);
    // The style returns to solid: a later shape's outline is whole.
    dottedSurface.Draw(Shape({{2, 40}, {40, 40}}), dmOpen);
    for (int x = 2; x < 40; ++x)
        EXPECT_EQ(Black, dottedSurface.At(x, 40)) << x;

    TPolygon invalid = Square(20, {10, 10});
    invalid.BendLines[0] = {{1, 1}, {-1, 2}, {0, 4}, {4, 0}};
    invalid.BendLines[1] = {{2, 2}, {0, 7}, {-3, -3}};
    TSurface invalidSurface;
    invalidSurface.Draw(invalid, dmNormal);
    TSurface plain;
    plain.Draw(Square(20, {10, 10}), dmNormal);
    EXPECT_EQ(plain.Image(), invalidSurface.Image());
}

// The screen draws flange corners from double-precision estimates where they
// tell the pixel. A corner that lies exactly on a half pixel is where an
// estimate can round the other way: there the exact corner must be drawn.
TEST(DrawPolygon, CornersOnAHalfPixelAreDrawnWhereTheExactCornerLies) {
    constexpr long double HalfPixel = 20.5L;
    int misleading = 0;
    for (int k = 0; k < 60; ++k) {
        const long double angle = 0.3L + k * 0.02L;
        // A vertical first side keeps its direction exact wherever it lies,
        // so the shape can be moved until the first corner's x is 20.5.
        TPolygon shape =
            WithFlange(Shape({PointF(0, 4), PointF(0, 40), PointF(-15, 22)}), 0, 3, angle, angle);
        const bool clockwise = IsClockwiseOnScreen(shape.Apexes);
        const TFlangeReach reach = FlangeReachOf(shape.Flanges[0]);
        const long double theta = PointDirection(shape.Apexes[0], shape.Apexes[1]);
        const long double offset = FlangeCorner1(shape.Apexes[0], theta, reach, clockwise).X;
        for (TPointF& p : shape.Apexes)
            p.X += HalfPixel - offset;
        if (FlangeCorner1(shape.Apexes[0], theta, reach, clockwise).X != HalfPixel)
            continue;
        const TPointEstimate estimate =
            EstimateFlangeCorner1(shape.Apexes[0], theta, reach, clockwise);
        misleading += std::llrintl(estimate.Point.X) != std::llrintl(HalfPixel) ? 1 : 0;

        TSurface exact, cached;
        exact.Draw(shape, dmNormal);
        TOutlineCache outline;
        outline.Sync(shape);
        {
            QPainter painter(&cached.Image());
            TQPainterCanvas canvas(painter);
            DrawPolygon(canvas, shape, outline, -1, -1, 1, 1, dmNormal);
        }
        EXPECT_EQ(exact.Image(), cached.Image()) << angle;
    }
    // Some estimates would have drawn the corner a pixel off.
    EXPECT_GT(misleading, 0);
}

TEST(DrawPolygon, XorTwiceRestoresEveryPixel) {
    // A slanted pentagon with trapezoid flanges and both fold-line sets, over
    // a background of other lines, at the 100 % screen scale.
    TPolygon shape = Shape({{3, 4}, {21, 2}, {30, 15}, {17, 27}, {5, 19}});
    shape = WithFlange(shape, 0, 3, 0.7L, 1.2L);
    shape = WithFlange(shape, 2, 2.5L, RightAngle, 0.5L);
    shape = WithFlange(shape, 3, 4, 0.9L, 0.9L, "N");
    shape.BendLines[0] = {{0, 2}, {1, 3}};
    shape.BendLines[1] = {{0, 3}, {2, 4}};

    TSurface surface(130, 130);
    surface.Draw(Shape({{1, 1}, {36, 36}, {1, 36}}), dmNormal, 0, 1, 3.5L);
    const QImage before = surface.Image().copy();

    surface.Draw(shape, dmXor, -1, -1, 3.5L);
    EXPECT_NE(before, surface.Image());
    EXPECT_GT(surface.Count(Blue), 100);
    surface.Draw(shape, dmXor, -1, -1, 3.5L);
    EXPECT_EQ(before, surface.Image());
}

TEST(DrawPolygon, UnconvertiblePointsAreSkipped) {
    const long double inf = std::numeric_limits<long double>::infinity();
    TPolygon broken = Shape({{10, 10}, {30, 10}, {inf, inf}, {10, 30}});
    broken.BendLines[0] = {{0, 2}, {1, 3}};
    TSurface surface;
    surface.Draw(broken, dmNormal, 2, -1);
    // The sides and fold line that do not touch vertex 2 are drawn.
    EXPECT_EQ(Black, surface.At(20, 10));
    EXPECT_EQ(Black, surface.At(10, 20));
    EXPECT_EQ(Black, surface.At(20, 20));
    EXPECT_EQ(20 + 20 + 20, surface.Count(Black));

    TSurface huge;
    huge.Draw(Shape({{10, 10}, {30, 10}, {1e30L, 20}}), dmNormal);
    EXPECT_EQ(20, huge.Count(Black));
}

TEST(QPainterCanvas, LongLinesAreClippedExactly) {
    // A line clipped by the image edge sets the same pixels as the whole line
    // drawn on a larger image.
    const auto drawLine = [](QImage& image, int offset) {
        QPainter painter(&image);
        painter.translate(offset, offset);
        TQPainterCanvas canvas(painter);
        canvas.SetPenMode(TPenMode::NotXor);
        canvas.SetPenColor(ColorBlue);
        canvas.MoveTo(-37, 5);
        canvas.LineTo(53, 40);
        canvas.MoveTo(45, -60);
        canvas.LineTo(3, 70);
        canvas.SetPenStyle(TPenStyle::Dotted);
        canvas.MoveTo(-20, 47);
        canvas.LineTo(60, -3);
    };
    QImage clipped(48, 48, QImage::Format_RGB32);
    clipped.fill(Qt::white);
    drawLine(clipped, 0);
    QImage whole(300, 300, QImage::Format_RGB32);
    whole.fill(Qt::white);
    drawLine(whole, 100);
    EXPECT_EQ(whole.copy(100, 100, 48, 48), clipped);

    // Lines far longer than any surface cost only their visible part.
    TSurface surface;
    QElapsedTimer timer;
    timer.start();
    {
        QPainter painter(&surface.Image());
        TQPainterCanvas canvas(painter);
        canvas.MoveTo(-1'000'000'000'000, 20);
        canvas.LineTo(1'000'000'000'000, 20);
        canvas.MoveTo(-1'000'000'000'000'000, -1'000'000'000'000'000);
        canvas.LineTo(1'000'000'000'000'000, 1'000'000'000'000'000);
        canvas.MoveTo(-1'000'000'000'000, 500);
        canvas.LineTo(1'000'000'000'000, 900);
    }
    EXPECT_LT(timer.elapsed(), 1000);
    for (int i = 0; i < 48; ++i) {
        EXPECT_EQ(Black, surface.At(i, 20)) << i;
        EXPECT_EQ(Black, surface.At(i, i)) << i;
    }
    EXPECT_EQ(48 + 47, surface.Count(Black));
}

// A line's pixels, independently of how the canvas hands them to the painter:
// along the major axis from the start, the end pixel left out, the minor
// offset rounded to nearest with halves away from the start.
std::vector<QPoint> WalkPixels(QPoint from, QPoint to) {
    const int du = std::abs(to.x() - from.x()), dv = std::abs(to.y() - from.y());
    const bool xMajor = du >= dv;
    const int length = xMajor ? du : dv, minor = xMajor ? dv : du;
    const int stepX = to.x() < from.x() ? -1 : 1, stepY = to.y() < from.y() ? -1 : 1;
    std::vector<QPoint> pixels;
    for (int t = 0; t < length; ++t) {
        const int offset = (2 * t * minor + length) / (2 * length);
        pixels.emplace_back(from.x() + stepX * (xMajor ? t : offset),
                            from.y() + stepY * (xMajor ? offset : t));
    }
    return pixels;
}

TEST(QPainterCanvas, SlantedLinesSetExactlyTheirPixelsInEitherPenMode) {
    const std::pair<QPoint, QPoint> lines[] = {{{2, 3}, {40, 17}},  {{40, 2}, {5, 44}},
                                               {{30, 30}, {1, 29}}, {{7, 45}, {9, 1}},
                                               {{3, 3}, {44, 44}},  {{44, 10}, {10, 11}}};
    for (const TPenMode mode : {TPenMode::Copy, TPenMode::NotXor}) {
        for (const auto& [from, to] : lines) {
            TSurface surface;
            {
                QPainter painter(&surface.Image());
                TQPainterCanvas canvas(painter);
                canvas.SetPenMode(mode);
                canvas.SetPenColor(ColorBlue);
                canvas.MoveTo(from.x(), from.y());
                canvas.LineTo(to.x(), to.y());
            }
            const std::vector<QPoint> pixels = WalkPixels(from, to);
            for (const QPoint& p : pixels)
                EXPECT_EQ(Blue, surface.At(p.x(), p.y())) << p.x() << "," << p.y();
            EXPECT_EQ(static_cast<int>(pixels.size()), surface.Count(Blue));
        }
    }
}

TEST(QPainterCanvas, MeasuresShiftJisText) {
    QImage image(10, 10, QImage::Format_RGB32);
    QPainter painter(&image);
    TQPainterCanvas canvas(painter);
    const QFontMetrics metrics = painter.fontMetrics();
    const std::string test = "\x83\x65\x83\x58\x83\x67"; // "テスト" in Shift-JIS
    EXPECT_EQ(metrics.horizontalAdvance(QString::fromUtf8("テスト")), canvas.TextWidth(test));
    EXPECT_EQ(metrics.height(), canvas.TextHeight(test));
}

TEST(DrawPolygon, PrintWritesFlangeNamesInsideTheFlanges) {
    // Scale 4: the 30 mm square spans pixels 40..160 and each 5 mm flange is
    // 20 pixels deep, room for a 12-pixel font.
    TPolygon square = Shape({{10, 10}, {40, 10}, {40, 40}, {10, 40}});
    for (int side = 0; side < 4; ++side)
        square = WithFlange(square, side, 5, RightAngle, RightAngle, "WW");
    QImage image(200, 200, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        QFont font = painter.font();
        font.setPixelSize(12);
        painter.setFont(font);
        TQPainterCanvas canvas(painter);
        DrawPolygon(canvas, square, -1, -1, 4, 4, dmPrint);
    }
    const auto inkIn = [&image](int left, int top, int right, int bottom) {
        int ink = 0;
        for (int y = top; y <= bottom; ++y)
            for (int x = left; x <= right; ++x)
                ink += (image.pixel(x, y) & 0xFFFFFF) != White ? 1 : 0;
        return ink;
    };
    EXPECT_GT(inkIn(45, 21, 155, 39), 10);   // top flange
    EXPECT_GT(inkIn(161, 45, 179, 155), 10); // right flange
    EXPECT_GT(inkIn(45, 161, 155, 179), 10); // bottom flange
    EXPECT_GT(inkIn(21, 45, 39, 155), 10);   // left flange
    EXPECT_EQ(0, inkIn(41, 41, 159, 159));   // nothing inside the shape
    // Nothing beyond the flanges' outer edges (pixels 20 and 180).
    EXPECT_EQ(0, inkIn(0, 0, 199, 19) + inkIn(0, 181, 199, 199));
    EXPECT_EQ(0, inkIn(0, 0, 19, 199) + inkIn(181, 0, 199, 199));
}

// Records the text calls that DrawPolygon makes, with fixed text metrics.
class TTextRecorder : public ICanvas {
public:
    struct TText {
        std::int64_t X;
        std::int64_t Y;
        std::string Text;
        int Escapement;
    };

    void SetPenMode(TPenMode) override {}
    void SetPenColor(TColor) override {}
    void SetPenStyle(TPenStyle) override {}
    void MoveTo(std::int64_t, std::int64_t) override {}
    void LineTo(std::int64_t, std::int64_t) override {}
    void FrameRect(std::int64_t, std::int64_t, std::int64_t, std::int64_t) override {}
    void FillRect(std::int64_t, std::int64_t, std::int64_t, std::int64_t, TColor) override {}
    std::int64_t TextWidth(std::string_view text) override {
        return 3 * static_cast<std::int64_t>(text.size());
    }
    std::int64_t TextHeight(std::string_view) override { return 4; }
    void TextOut(std::int64_t x, std::int64_t y, std::string_view text) override {
        Texts.push_back({x, y, std::string(text), Escapement});
    }
    int FontEscapement() const override { return Escapement; }
    void SetFontEscapement(int tenthsOfDegree) override { Escapement = tenthsOfDegree; }

    int Escapement = 55;
    std::vector<TText> Texts;
};

// The 20 mm square at (10, 10), drawn at 1 pixel per mm with text cells 4
// pixels high and 3 per byte: the side at `where` (0 top, 1 right, 2 bottom,
// 3 left) named "ab", in a 5 mm flange or without one, in either vertex order.
TPolygon SquareWithNamedSide(int where, bool flanged, bool reversed) {
    if (!reversed)
        return WithFlange(Square(20, {10, 10}), where, flanged ? 5 : 0, RightAngle, RightAngle,
                          "ab");
    // From the bottom-left corner: the top side is side 2 of this order, the
    // right one side 1, the bottom one side 0 and the left one side 3.
    const TPolygon square = Shape({{10, 30}, {30, 30}, {30, 10}, {10, 10}});
    return WithFlange(square, (6 - where) % 4, flanged ? 5 : 0, RightAngle, RightAngle, "ab");
}

// Each name's cell is upright (a turn of 0 or a quarter counter-clockwise),
// centred on its side and clear of the side's line: in the flange, or inside
// the square with a gap of a quarter of the cell's height (1 pixel).
TEST(DrawPolygon, NamesStandUprightCentredAndClearOfTheirSide) {
    const struct {
        const char* What;
        int Where;
        bool Flanged;
        std::int64_t X, Y; // the cell's top-left corner as written
        int Escapement;
    } cases[] = {
        {"top flange, cell y 6..10", 0, true, 17, 6, 0},
        {"right flange, read upward, cell x 30..34", 1, true, 30, 23, 900},
        {"bottom flange, cell y 30..34", 2, true, 17, 30, 0},
        {"left flange, cell x 6..10", 3, true, 6, 23, 900},
        {"top side, cell y 11..15", 0, false, 17, 11, 0},
        {"right side, cell x 25..29", 1, false, 25, 23, 900},
        {"bottom side, cell y 25..29", 2, false, 17, 25, 0},
        {"left side, cell x 11..15", 3, false, 11, 23, 900},
    };
    for (const auto& c : cases) {
        for (const bool reversed : {false, true}) {
            SCOPED_TRACE(std::string(c.What) + (reversed ? ", counter-clockwise" : ""));
            TTextRecorder recorder;
            DrawPolygon(recorder, SquareWithNamedSide(c.Where, c.Flanged, reversed), -1, -1, 1, 1,
                        dmPrint);
            ASSERT_EQ(1u, recorder.Texts.size());
            EXPECT_EQ("ab", recorder.Texts[0].Text);
            EXPECT_EQ(c.X, recorder.Texts[0].X);
            EXPECT_EQ(c.Y, recorder.Texts[0].Y);
            EXPECT_EQ(c.Escapement, recorder.Texts[0].Escapement);
            EXPECT_EQ(55, recorder.Escapement) << "the font's turn is given back";
        }
    }

    // Unnamed flanges write nothing, and the screen writes no names at all.
    TTextRecorder unnamed;
    DrawPolygon(unnamed, WithFlange(Square(20, {10, 10}), 3, 5), -1, -1, 1, 1, dmPrint);
    EXPECT_TRUE(unnamed.Texts.empty());
    for (const TDrawMode mode : {dmNormal, dmSelected, dmXor, dmErase, dmOpen}) {
        TTextRecorder screen;
        DrawPolygon(screen, SquareWithNamedSide(0, false, false), -1, -1, 1, 1, mode);
        EXPECT_TRUE(screen.Texts.empty()) << mode;
    }
}

TEST(DrawPolygon, PrintWritesTheNamesOfSidesWithoutFlangesInsideTheShape) {
    // Scale 4: the 30 mm square spans pixels 40..160; no side has a flange.
    TPolygon square = Shape({{10, 10}, {40, 10}, {40, 40}, {10, 40}});
    for (int side = 0; side < 4; ++side)
        square.Flanges[side].Name = "WW";
    QImage image(200, 200, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        QFont font = painter.font();
        font.setPixelSize(12);
        painter.setFont(font);
        TQPainterCanvas canvas(painter);
        DrawPolygon(canvas, square, -1, -1, 4, 4, dmPrint);
    }
    const auto inkIn = [&image](int left, int top, int right, int bottom) {
        int ink = 0;
        for (int y = top; y <= bottom; ++y)
            for (int x = left; x <= right; ++x)
                ink += (image.pixel(x, y) & 0xFFFFFF) != White ? 1 : 0;
        return ink;
    };
    EXPECT_GT(inkIn(45, 41, 155, 70), 10);   // below the top side
    EXPECT_GT(inkIn(130, 45, 159, 155), 10); // left of the right side
    EXPECT_GT(inkIn(45, 130, 155, 159), 10); // above the bottom side
    EXPECT_GT(inkIn(41, 45, 70, 155), 10);   // right of the left side
    // Only the outline lies on the sides' lines; nothing outside the square.
    const int outline = 4 * 120;
    EXPECT_EQ(outline, inkIn(40, 40, 160, 40) + inkIn(40, 160, 160, 160) + inkIn(40, 41, 40, 159) +
                           inkIn(160, 41, 160, 159));
    EXPECT_EQ(0, inkIn(0, 0, 199, 39) + inkIn(0, 161, 199, 199));
    EXPECT_EQ(0, inkIn(0, 0, 39, 199) + inkIn(161, 0, 199, 199));
    EXPECT_EQ(0, inkIn(71, 71, 129, 129)) << "the middle stays clear";
}

TEST(DrawPolygon, ANameSuffixIsWrittenWithTheNameAsOneCentredText) {
    TPolygon square = WithFlange(Square(20, {10, 10}), 0, 5, RightAngle, RightAngle, "ab");
    square = WithFlange(square, 1, 5, RightAngle, RightAngle, "cd");
    const std::vector<std::string> suffixes = {"\x81\xa8"
                                               "3"}; // "→3"; side 1 has none
    TTextRecorder recorder;
    DrawPolygon(recorder, square, -1, -1, 1, 1, dmPrint, suffixes);
    ASSERT_EQ(2u, recorder.Texts.size());
    // Five bytes, 15 pixels wide on the 20 mm side: it starts 2.5 mm in.
    EXPECT_EQ("ab\x81\xa8"
              "3",
              recorder.Texts[0].Text);
    EXPECT_EQ(12, recorder.Texts[0].X);
    EXPECT_EQ(6, recorder.Texts[0].Y);
    EXPECT_EQ("cd", recorder.Texts[1].Text);

    // Screen modes write no names, suffixes or not.
    TTextRecorder screen;
    DrawPolygon(screen, square, -1, -1, 1, 1, dmNormal, suffixes);
    EXPECT_TRUE(screen.Texts.empty());

    // A page hands shape i the suffixes of entry i; shapes beyond the list get none,
    // and selected shapes print without names.
    const TPolygonTbl page = {square, square, square};
    const std::vector<std::vector<std::string>> perShape = {{},
                                                            {"", "\x81\xa8"
                                                                 "2"}};
    TTextRecorder printed;
    DrawPolygonTbl(printed, page, -1, 1, 1, TDaInt{0}, dmPrint, dmSelected, perShape);
    std::vector<std::string> texts;
    for (const TTextRecorder::TText& text : printed.Texts)
        texts.push_back(text.Text);
    EXPECT_EQ(texts, (std::vector<std::string>{"ab",
                                               "cd\x81\xa8"
                                               "2",
                                               "ab", "cd"}));
}

} // namespace
