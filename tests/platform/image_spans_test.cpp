// The canvas writes its pixels straight into the painter's image where that
// gives the painter's own pixels. Each case here paints the same lines and
// rectangles both ways, onto images and through widgets, and compares every
// pixel; and the cases the image writer cannot reproduce must go to the
// painter.
#include "image_spans.h"
#include "qpainter_canvas.h"

#include <QApplication>
#include <QImage>
#include <QPaintEvent>
#include <QPainter>
#include <QPixmap>
#include <QRegion>
#include <QScreen>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <utility>
#include <vector>

namespace {

// A random image, so that not-xor toggling shows on every colour and alpha.
QImage Noise(QImage::Format format, int width = 90, int height = 70) {
    QImage image(width, height, format);
    std::mt19937 random(17);
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<quint32*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const quint32 value = random();
            line[x] = format == QImage::Format_RGB32 ? value | 0xFF000000u : qPremultiply(value);
        }
    }
    return image;
}

// Lines of every slope and length in both pen modes and styles, some far
// beyond the image, and rectangles framed and filled over them.
void DrawScene(ICanvas& canvas) {
    std::mt19937 random(5);
    const auto coordinate = [&](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    const TColor colors[] = {ColorBlue, TColor{0x12, 0xA4, 0x3C}, TColor{255, 255, 255}};
    for (int i = 0; i < 160; ++i) {
        canvas.SetPenMode(i % 3 == 0 ? TPenMode::Copy : TPenMode::NotXor);
        canvas.SetPenColor(colors[i % 3]);
        canvas.SetPenStyle(i % 5 == 0 ? TPenStyle::Dotted : TPenStyle::Solid);
        const int reach = i % 7 == 0 ? 400 : 60;
        canvas.MoveTo(coordinate(-reach, reach + 90), coordinate(-reach, reach + 70));
        canvas.LineTo(coordinate(-reach, reach + 90), coordinate(-reach, reach + 70));
    }
    canvas.MoveTo(-1'000'000'000'000, 30);
    canvas.LineTo(1'000'000'000'000, 33);
    canvas.SetPenMode(TPenMode::NotXor);
    canvas.FrameRect(4, 6, 70, 50);
    canvas.FillRect(20, 25, 120, 40, TColor{200, 10, 90});
}

struct TImageCase {
    const char* Name;
    QImage::Format Format;
    QPoint Translation;
    QRegion Clip; // empty: no clip
};

// Paints the scene with the painter set up as the case says.
QImage Painted(const TImageCase& c, TSpanPath path, bool* wroteDirectly = nullptr) {
    QImage image = Noise(c.Format);
    QPainter painter(&image);
    painter.translate(c.Translation);
    if (!c.Clip.isEmpty())
        painter.setClipRegion(c.Clip);
    if (wroteDirectly != nullptr)
        *wroteDirectly = TImageSpans(painter).Usable();
    {
        TQPainterCanvas canvas(painter, path);
        DrawScene(canvas);
    }
    painter.end();
    return image;
}

TEST(ImageSpans, WritesThePaintersPixelsOnImages) {
    const QRegion twoRects = QRegion(5, 3, 40, 30) + QRegion(50, 20, 30, 45);
    const TImageCase cases[] = {
        {"plain RGB32", QImage::Format_RGB32, {}, {}},
        {"plain premultiplied", QImage::Format_ARGB32_Premultiplied, {}, {}},
        {"translated and clipped", QImage::Format_RGB32, {13, -7}, QRegion(2, 9, 61, 40)},
        {"clipped to two rectangles", QImage::Format_ARGB32_Premultiplied, {-4, 6}, twoRects},
    };
    for (const TImageCase& c : cases) {
        bool direct = false;
        const QImage written = Painted(c, TSpanPath::ImageWhenExact, &direct);
        EXPECT_TRUE(direct) << c.Name;
        EXPECT_EQ(Painted(c, TSpanPath::PainterOnly), written) << c.Name;
    }
}

TEST(ImageSpans, LeavesToThePainterWhatItCannotReproduce) {
    const std::function<void(QPainter&)> setups[] = {
        [](QPainter& painter) { painter.scale(2, 2); },
        [](QPainter& painter) { painter.rotate(30); },
        [](QPainter& painter) { painter.translate(0.5, 0); },
        [](QPainter& painter) { painter.setOpacity(0.5); },
    };
    for (const auto& setup : setups) {
        QImage image = Noise(QImage::Format_RGB32);
        QPainter painter(&image);
        setup(painter);
        EXPECT_FALSE(TImageSpans(painter).Usable());
    }
    for (const QImage::Format format : {QImage::Format_ARGB32, QImage::Format_RGB16}) {
        QImage image(20, 20, format);
        QPainter painter(&image);
        EXPECT_FALSE(TImageSpans(painter).Usable()) << format;
    }
    // A copy taken while painting keeps the pixels it had.
    QImage image = Noise(QImage::Format_RGB32);
    QPainter painter(&image);
    const QImage copy = image;
    {
        TQPainterCanvas canvas(painter);
        DrawScene(canvas);
    }
    painter.end();
    EXPECT_EQ(Noise(QImage::Format_RGB32), copy);
    EXPECT_NE(copy, image);
}

// A widget inside a window, as the sheet's surface lies inside its scroll
// area: what it paints lands in the window's image through its offset, cut
// to the part the window system asked for.
class TSceneWidget : public QWidget {
public:
    TSceneWidget(QWidget* parent, TSpanPath path) : QWidget(parent), FPath(path) {
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

    // Whether each paint could write into the window's image.
    std::vector<bool> Usable;

protected:
    void paintEvent(QPaintEvent* event) override {
        QPainter painter(this);
        painter.fillRect(event->rect(), Qt::white);
        painter.setClipRect(event->rect());
        Usable.push_back(TImageSpans(painter).Usable());
        TQPainterCanvas canvas(painter, FPath);
        DrawScene(canvas);
    }

private:
    TSpanPath FPath;
};

// The window's pixels after a full paint and a repaint of part of the
// widget, as the window system and as a grab sees them.
struct TWindowPixels {
    QImage Screen;
    QImage Grab;
    std::vector<bool> ScreenPaintsUsable;
    std::vector<bool> GrabPaintsUsable;
};

TWindowPixels PaintedWindow(TSpanPath path) {
    QWidget window;
    window.resize(160, 120);
    window.setAutoFillBackground(true);
    auto* scene = new TSceneWidget(&window, path);
    scene->setGeometry(37, 23, 90, 70);
    window.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    scene->repaint();
    scene->repaint(QRegion(10, 5, 30, 20) + QRegion(50, 40, 25, 25));
    TWindowPixels pixels;
    pixels.Screen = window.screen()->grabWindow(window.winId()).toImage();
    pixels.ScreenPaintsUsable = std::exchange(scene->Usable, {});
    pixels.Grab = window.grab().toImage();
    pixels.GrabPaintsUsable = scene->Usable;
    return pixels;
}

TEST(ImageSpans, WidgetsPaintThePaintersPixelsIntoTheirWindow) {
    const TWindowPixels written = PaintedWindow(TSpanPath::ImageWhenExact);
    const TWindowPixels painted = PaintedWindow(TSpanPath::PainterOnly);
    ASSERT_FALSE(written.Screen.isNull());
    // Both really wrote into the image, the window's and the grab's.
    EXPECT_EQ(std::vector<bool>(3, true), written.ScreenPaintsUsable);
    EXPECT_EQ(std::vector<bool>(1, true), written.GrabPaintsUsable);
    EXPECT_EQ(painted.Screen, written.Screen);
    EXPECT_EQ(painted.Grab, written.Grab);
    // The scene really reached the window: it differs from a blank one.
    QImage blank(written.Grab.size(), written.Grab.format());
    blank.fill(written.Grab.pixel(0, 0));
    EXPECT_NE(blank, written.Grab);
}

} // namespace
