// The shape editor under test: created with stand-in services and a settings
// file in a temporary folder, shown headless, and worked with the mouse in
// millimetres on its drawing surface.
#pragma once

#include "common/shape_builders.h"
#include "fakes/fake_page_area.h"
#include "fakes/fake_prompt.h"
#include "fakes/fake_ticks.h"
#include "format/ini_file.h"
#include "mk_polygon_fm.h"
#include "settings_file.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>
#include <gtest/gtest.h>
#include <memory>

class EditorTest : public testing::Test {
protected:
    QTemporaryDir Dir;
    TFakePrompt Prompt;
    TFakeTicks Ticks;
    TFakePageArea PageArea{TPageAreaMm{190, 277}}; // the drawing area every test shows
    TIniFile Settings; // as the program read them at start; the editor is made from them
    std::unique_ptr<TMkPolygonFm> Fm;
    QWidget* Surface = nullptr;
    QPoint CursorOnSurface; // where the system cursor stands, in surface pixels

    // The editor shows no error boxes: one shown is a fault.
    void TearDown() override {
        EXPECT_TRUE(Prompt.Errors.empty());
        EXPECT_TRUE(Prompt.Warnings.empty());
    }

    QString SettingsPath() const { return Dir.filePath(QStringLiteral("zelvo.ini")); }
    TIniFile StoredSettings() const { return LoadSettings(SettingsPath()); }
    void StoreSetting(std::string_view key, std::string_view value) {
        TIniFile settings = StoredSettings();
        settings.WriteString("TMkPolygonFm", key, value);
        ASSERT_TRUE(SaveSettings(SettingsPath(), settings));
    }

    // The editor as the program creates it, at the stored zoom (x 10000).
    // An empty zoom leaves the settings file as it is.
    TMkPolygonFm& Create(std::string_view storedZoom = {}) {
        if (!storedZoom.empty())
            StoreSetting("Zoom", storedZoom);
        Settings = StoredSettings();
        Fm = std::make_unique<TMkPolygonFm>(
            TEditorServices{Prompt, Ticks, Settings, PageArea,
                            [this] { return Surface->mapToGlobal(CursorOnSurface); }});
        Surface = Fm->findChild<QWidget*>(QStringLiteral("PaintBox1"));
        return *Fm;
    }
    // The program's end: the editor's section goes into the settings read at
    // start, the file is written once, and the editor goes.
    void EndProgram() {
        Fm->WriteSettings(Settings);
        ASSERT_TRUE(SaveSettings(SettingsPath(), Settings));
        Fm.reset();
    }
    // Created and shown, editing a new outline or the given shape.
    TMkPolygonFm& ShowNew(std::string_view storedZoom = {}) {
        Create(storedZoom).NewPolygon();
        Fm->show();
        return *Fm;
    }
    TMkPolygonFm& ShowEditing(const TPolygon& shape, std::string_view storedZoom = {}) {
        Create(storedZoom).SetPolygon(shape);
        Fm->show();
        return *Fm;
    }

    QAction* Item(const char* name) const {
        QAction* action = Fm->findChild<QAction*>(QLatin1String(name));
        EXPECT_NE(action, nullptr) << name;
        return action;
    }
    QString Panel(int index) const {
        return Fm->findChild<QLabel*>(QStringLiteral("StatusPanel%1").arg(index))->text();
    }

    // Millimetres to surface pixels at the editor's own view scale.
    QPoint Px(const TPointF& p) const {
        const long double scale = Fm->ViewScale().ScreenScale();
        return QPoint(static_cast<int>(std::lround(static_cast<double>(p.X * scale))),
                      static_cast<int>(std::lround(static_cast<double>(p.Y * scale))));
    }
    void Press(const TPointF& p, Qt::KeyboardModifiers keys = {}) {
        QTest::mousePress(Surface, Qt::LeftButton, keys, Px(p));
    }
    void Release(const TPointF& p, Qt::KeyboardModifiers keys = {}) {
        QTest::mouseRelease(Surface, Qt::LeftButton, keys, Px(p));
    }
    void Click(const TPointF& p, Qt::KeyboardModifiers keys = {}) {
        Press(p, keys);
        Release(p, keys);
    }
    // QTest moves carry no keys, so moves are sent as the window system would.
    void Move(const TPointF& p, Qt::KeyboardModifiers keys = {},
              Qt::MouseButtons held = Qt::LeftButton) {
        const QPoint pixel = Px(p);
        QMouseEvent event(QEvent::MouseMove, pixel, Surface->mapToGlobal(pixel), Qt::NoButton, held,
                          keys);
        QApplication::sendEvent(Surface, &event);
    }
    void Hover(const TPointF& p) { Move(p, {}, Qt::NoButton); }
    void Drag(const TPointF& from, const TPointF& to, Qt::KeyboardModifiers keys = {}) {
        Press(from, keys);
        Move(to, keys);
        Release(to, keys);
    }
    // Makes what follows a separate undo step.
    void Later() { Ticks.Time += 1000; }

    void Undo() { Item("Undo1")->trigger(); }
    void Redo() { Item("Repeat1")->trigger(); }
};
