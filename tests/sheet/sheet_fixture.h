// The sheet window under test with its stand-in services and a settings file in
// a temporary folder, made and ended as the program makes and ends it:
// drawings opened from files, menu commands, the page tabs and the mouse on
// the paint surface.
#pragma once

#include "common/shape_builders.h"
#include "drawing/view_scale.h"
#include "format/drawing_file.h"
#include "format/ini_file.h"
#include "geometry/angles.h"
#include "main_fm.h"
#include "page_setup.h"
#include "page_tabs.h"
#include "recovery_copy.h"
#include "settings_file.h"
#include "sheet_test_fakes.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QMenu>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTest>
#include <chrono>
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <string_view>

// The sheet window with the gesture hooks open, so that a test can select
// shapes and hold a drag without the mouse.
class TStagedMainFm : public TMainFm {
public:
    using TMainFm::SelectPolygon;
    using TMainFm::SetDragState;
    using TMainFm::TMainFm;
};

// Settings that leave a drawing area of 170 x 257 mm on the fake printer's page.
inline constexpr std::string_view TenMillimetreMargins =
    "[Print]\nTYohaku=10\nBYohaku=10\nLYohaku=10\nRYohaku=10\n";

// What a sheet window is made with besides its settings and its page setup.
struct TSheetParts {
    IPrompt& Prompt;
    IPrinter& Printer;
    ITickCounter& Ticks;
    IClipboard& Clipboard;
    IScreenCursor& Cursor;
    TRecoveryCopy* Recovery;
    std::chrono::milliseconds RecoveryInterval;
    TSheetDialogs Dialogs;
    ILongTask* LongTask = nullptr;
};

// The sheet as the program runs it: the settings file read once, the page
// setup, the window; when it goes, the window and the page setup write their
// sections and the file is written once.
class TSheetRun {
public:
    TSheetRun(const QString& settingsPath, const TSheetParts& parts)
        : Path(settingsPath), Settings(LoadSettings(settingsPath)), Setup(parts.Printer, Settings),
          Window(TSheetServices{parts.Prompt, parts.Printer, parts.Ticks, parts.Clipboard,
                                parts.Cursor, Setup, Settings, parts.Recovery,
                                parts.RecoveryInterval, parts.LongTask},
                 parts.Dialogs) {}
    ~TSheetRun() {
        Window.WriteSettings(Settings);
        Setup.WriteSettings(Settings);
        SaveSettings(Path, Settings);
    }

    const QString Path;
    TIniFile Settings;
    TPageSetup Setup;
    TStagedMainFm Window;
};

// A running sheet, used as a pointer to its window is; it ends the run when
// it is reset, reassigned or goes.
class TSheetHandle {
public:
    TSheetHandle() = default;
    explicit TSheetHandle(std::unique_ptr<TSheetRun> run) : FRun(std::move(run)) {}

    TStagedMainFm* operator->() const { return &FRun->Window; }
    TStagedMainFm& operator*() const { return FRun->Window; }
    TStagedMainFm* get() const { return FRun ? &FRun->Window : nullptr; }
    void reset() { FRun.reset(); }
    TPageSetup& Setup() const { return FRun->Setup; }
    long double PageAreaWidth() const { return FRun->Setup.PageArea().Width; }
    long double PageAreaHeight() const { return FRun->Setup.PageArea().Height; }
    const TPrintSettings& PrintSettings() const { return FRun->Setup.Settings(); }

private:
    std::unique_ptr<TSheetRun> FRun;
};

inline void WriteFile(const QString& path, std::string_view bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

// The stand-in services and a folder for the settings and drawing files. Each
// test makes the window once it has written the settings it wants.
class SheetWindowTest : public testing::Test {
protected:
    QTemporaryDir Dir;
    TFakePrompt Prompt;
    TFakePrinter Printer;
    TFakeTicks Ticks;
    TFakeClipboard Clipboard;
    TFakeCursor Cursor;
    TFakeShapeEditor Editor;
    TRecoveryCopy* Recovery = nullptr; // none unless a test gives one
    std::chrono::milliseconds RecoveryInterval = DefaultRecoveryInterval;
    IPrinter* WindowPrinter = &Printer; // the printer the next window prints on
    TSheetDialogs Dialogs{&Editor};     // the windows the next window opens
    // Where the next window runs long work; with none, opening and saving run
    // where they are asked and a layout under the window's own progress dialog.
    ILongTask* LongTask = nullptr;
    TSheetHandle Fm;

    QString PathIn(const QString& name) const { return Dir.filePath(name); }
    QString SettingsPath() const { return PathIn(QStringLiteral("zelvo.ini")); }
    TIniFile StoredSettings() const { return LoadSettings(SettingsPath()); }

    // A window as the program makes it, reading the settings file as it is now;
    // its settings are written back when it goes.
    TSheetHandle NewWindow() {
        return TSheetHandle(std::make_unique<TSheetRun>(
            SettingsPath(), TSheetParts{Prompt, *WindowPrinter, Ticks, Clipboard, Cursor, Recovery,
                                        RecoveryInterval, Dialogs, LongTask}));
    }
    // The window before goes once the new one has read the settings, and
    // writes its own over them.
    void Start() { Fm = NewWindow(); }
    void StartShown() {
        Start();
        Fm->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(Fm.get()));
    }

    void Open(const TZvDat& drawing) {
        std::string bytes;
        ASSERT_TRUE(DrawingToText(drawing, bytes));
        const QString path = PathIn(QStringLiteral("drawing.zvt"));
        WriteFile(path, bytes);
        Prompt.FileNames.push_back(path);
        Trigger("Open1");
        ASSERT_EQ(Fm->CurrentFileName(), path);
        ASSERT_EQ(Fm->CurrentDrawing().size(), drawing.size());
    }

    // A person's commands are far more than 100 ms apart.
    void Later() { Ticks.Time += 1000; }

    QAction* Item(const char* name) const { return Fm->findChild<QAction*>(QLatin1String(name)); }
    static void Trigger(const TMainFm& fm, const char* name) {
        QAction* item = fm.findChild<QAction*>(QLatin1String(name));
        ASSERT_NE(item, nullptr) << name;
        item->trigger();
    }
    void Trigger(const char* name) { Trigger(*Fm, name); }
    void OpenEditMenu() { emit Fm->findChild<QMenu*>(QStringLiteral("EditMi1"))->aboutToShow(); }
    void CloseEditMenu() { emit Fm->findChild<QMenu*>(QStringLiteral("EditMi1"))->aboutToHide(); }

    QWidget* PaintBox() const { return Fm->findChild<QWidget*>(QStringLiteral("PaintBox1")); }
    TPageTabs* Tabs() const { return Fm->findChild<TPageTabs*>(QStringLiteral("TabControl1")); }
    static QStringList TabCaptions(const TMainFm& fm) {
        const TPageTabs* tabs = fm.findChild<TPageTabs*>(QStringLiteral("TabControl1"));
        QStringList captions;
        for (int i = 0; i < tabs->count(); ++i)
            captions << tabs->tabText(i);
        return captions;
    }
    QStringList TabCaptions() const { return TabCaptions(*Fm); }
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

// A drawing area of 170 x 257 mm at 3.5 pixels per millimetre, the window made
// and the clock at 1000.
class SheetFixture : public SheetWindowTest {
protected:
    void SetUp() override {
        WriteFile(SettingsPath(), TenMillimetreMargins);
        Ticks.Time = 1000;
        Start();
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
