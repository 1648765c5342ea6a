// The sheet window under test with its stand-in services, a drawing opened
// from a file, and the mouse on its paint surface in millimetres.
#pragma once

#include "drawing_file.h"
#include "main_fm.h"
#include "sheet_test_fakes.h"
#include "view_scale.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QMenu>
#include <QMouseEvent>
#include <QTabBar>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <numbers>

// The sheet window with the gesture hooks open.
class TStagedMainFm : public TMainFm {
public:
    using TMainFm::SelectPolygon;
    using TMainFm::SetDragState;
    using TMainFm::TMainFm;
};

inline TPolygon Shape(const TDaPointF& apexes) {
    TPolygon shape;
    shape.Apexes = apexes;
    shape.Flanges.assign(apexes.size(), TFlange());
    return shape;
}

// Clockwise on screen, first vertex top-left.
inline TPolygon Rect(long double x, long double y, long double width, long double height) {
    return Shape(
        {PointF(x, y), PointF(x + width, y), PointF(x + width, y + height), PointF(x, y + height)});
}

inline TPolygon Square(long double x, long double y, long double size) {
    return Rect(x, y, size, size);
}

inline constexpr long double Pi = std::numbers::pi_v<long double>;

// A drawing area of 170 x 257 mm at 3.5 pixels per millimetre.
class SheetFixture : public testing::Test {
protected:
    QTemporaryDir Dir;
    TFakePrompt Prompt;
    TFakePrinter Printer;
    TFakeTicks Ticks;
    TFakeClipboard Clipboard;
    TFakeCursor Cursor;
    TFakeShapeEditor Editor;
    TViewScale View;
    std::unique_ptr<TStagedMainFm> Fm;

    void SetUp() override {
        QFile settings(Dir.filePath(QStringLiteral("zelvo.ini")));
        ASSERT_TRUE(settings.open(QIODevice::WriteOnly));
        settings.write("[Print]\nTYohaku=10\nBYohaku=10\nLYohaku=10\nRYohaku=10\n");
        settings.close();
        Ticks.Time = 1000;
        Fm = std::make_unique<TStagedMainFm>(TSheetServices{
            Prompt, View, Printer, Ticks, settings.fileName(), Clipboard, Cursor, &Editor});
    }

    void Open(const TZvDat& drawing) {
        std::string bytes;
        ASSERT_TRUE(DrawingToText(drawing, bytes));
        const QString path = Dir.filePath(QStringLiteral("drawing.zvt"));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes.data(), static_cast<qsizetype>(bytes.size()));
        file.close();
        Prompt.FileNames.push_back(path);
        Trigger("Open1");
        ASSERT_EQ(Fm->CurrentFileName(), path);
        ASSERT_EQ(Fm->CurrentDrawing().size(), drawing.size());
    }

    // A person's commands are far more than 100 ms apart.
    void Later() { Ticks.Time += 1000; }

    QAction* Item(const char* name) const { return Fm->findChild<QAction*>(QLatin1String(name)); }
    void Trigger(const char* name) {
        QAction* item = Item(name);
        ASSERT_NE(item, nullptr) << name;
        item->trigger();
    }
    void OpenEditMenu() { emit Fm->findChild<QMenu*>(QStringLiteral("EditMi1"))->aboutToShow(); }
    void CloseEditMenu() { emit Fm->findChild<QMenu*>(QStringLiteral("EditMi1"))->aboutToHide(); }

    QWidget* PaintBox() const { return Fm->findChild<QWidget*>(QStringLiteral("PaintBox1")); }
    QTabBar* Tabs() const { return Fm->findChild<QTabBar*>(QStringLiteral("TabControl1")); }
    QStringList TabCaptions() const {
        QStringList captions;
        for (int i = 0; i < Tabs()->count(); ++i)
            captions << Tabs()->tabText(i);
        return captions;
    }
    QImage Surface() const { return PaintBox()->grab().toImage(); }

    // The surface pixel of a point in millimetres.
    static QPoint At(long double x, long double y) {
        return {static_cast<int>(std::lround(static_cast<double>(x * 3.5L))),
                static_cast<int>(std::lround(static_cast<double>(y * 3.5L)))};
    }
    static TPointF MmOf(QPoint pixel) { return PointF(pixel.x() / 3.5L, pixel.y() / 3.5L); }

    void Mouse(QEvent::Type type, QPoint pixel, Qt::MouseButton button, Qt::MouseButtons buttons,
               Qt::KeyboardModifiers keys) {
        QMouseEvent event(type, pixel, PaintBox()->mapToGlobal(pixel), button, buttons, keys);
        QApplication::sendEvent(PaintBox(), &event);
    }
    void Press(QPoint pixel, Qt::KeyboardModifiers keys = Qt::NoModifier,
               Qt::MouseButton button = Qt::LeftButton) {
        Mouse(QEvent::MouseButtonPress, pixel, button, button, keys);
    }
    void MoveTo(QPoint pixel, Qt::MouseButtons buttons = Qt::LeftButton,
                Qt::KeyboardModifiers keys = Qt::NoModifier) {
        Mouse(QEvent::MouseMove, pixel, Qt::NoButton, buttons, keys);
    }
    void Release(QPoint pixel, Qt::KeyboardModifiers keys = Qt::NoModifier,
                 Qt::MouseButton button = Qt::LeftButton) {
        Mouse(QEvent::MouseButtonRelease, pixel, button, Qt::NoButton, keys);
    }
    void Click(QPoint pixel, Qt::KeyboardModifiers keys = Qt::NoModifier) {
        Press(pixel, keys);
        Release(pixel, keys);
    }
    // Press, move in even steps, release.
    void Drag(QPoint from, QPoint to, int steps = 1, Qt::KeyboardModifiers keys = Qt::NoModifier) {
        Press(from, keys);
        for (int i = 1; i <= steps; ++i)
            MoveTo(from + (to - from) * i / steps, Qt::LeftButton, keys);
        Release(to, keys);
    }

    // Where the program last sent the pointer, as a surface pixel.
    QPoint PointerSentTo() const {
        return Cursor.SentTo.empty() ? QPoint(-1, -1)
                                     : PaintBox()->mapFromGlobal(Cursor.SentTo.back());
    }
    void PutPointerAt(QPoint pixel) { Cursor.Position = PaintBox()->mapToGlobal(pixel); }

    const TPolygon& ShapeAt(int index) const {
        return Fm->CurrentDrawing()[Fm->CurrentPage()][index];
    }
};

// Vertex lists equal to within a millionth of a millimetre.
inline void ExpectNearPoints(const TDaPointF& actual, const TDaPointF& expected) {
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t i = 0; i < actual.size(); ++i) {
        EXPECT_NEAR(static_cast<double>(actual[i].X), static_cast<double>(expected[i].X), 1e-6)
            << "vertex " << i;
        EXPECT_NEAR(static_cast<double>(actual[i].Y), static_cast<double>(expected[i].Y), 1e-6)
            << "vertex " << i;
    }
}
