// The shape editor's habits and aids: the wheel, Ctrl and the wheel, and the
// middle button on its view; the page outlined with a light grid behind the
// shape; a default size that shows the whole status line; the monitor as its
// tool window; the regular polygon command in one undo step; and the
// decimals the status line and the monitor show, kept in the settings.
#include "editor_fixture.h"
#include "fake_dialog_runner.h"
#include "geometry/angles.h"
#include "geometry/plane_geometry.h"
#include "geometry/regular_polygon.h"
#include "polygon_info_dlg.h"

#include <QComboBox>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QTableView>
#include <QWheelEvent>
#include <QWindow>

namespace {

// At 200 % a millimetre is 7 pixels, so whole millimetres fall on pixels.
constexpr std::string_view At200 = "20000";
const TPolygon Square40 = Square(40, {20, 20}); // (20, 20) to (60, 60)

class EditorHabitsTest : public EditorTest {
protected:
    TFakeDialogRunner Dialogs;
    TPolygonInfoDlg* Monitor = nullptr; // the editor's child, as the program makes it

    void TearDown() override {
        EditorTest::TearDown();
        EXPECT_TRUE(Dialogs.Answers.empty());
    }

    TMkPolygonFm& Edit(const TPolygon& shape, std::string_view zoom = At200) {
        ShowEditing(shape, zoom);
        Monitor = new TPolygonInfoDlg(Settings, Fm.get());
        Fm->SetDialogs(TEditorDialogs{&Dialogs, nullptr, nullptr, nullptr, nullptr, Monitor});
        EXPECT_TRUE(QTest::qWaitForWindowExposed(Fm.get()));
        return *Fm;
    }

    QScrollArea* View() const { return Fm->findChild<QScrollArea*>(QStringLiteral("ScrollBox1")); }
    QPoint Scroll() const {
        return {View()->horizontalScrollBar()->value(), View()->verticalScrollBar()->value()};
    }
    void Wheel(QPoint pixel, int delta, Qt::KeyboardModifiers keys = Qt::NoModifier) {
        QWheelEvent event(pixel, Surface->mapToGlobal(pixel), QPoint(), QPoint(0, delta),
                          Qt::NoButton, keys, Qt::NoScrollPhase, false);
        QApplication::sendEvent(Surface, &event);
    }
    void Mouse(QEvent::Type type, QPoint pixel, Qt::MouseButton button, Qt::MouseButtons held) {
        QMouseEvent event(type, pixel, Surface->mapToGlobal(pixel), button, held, {});
        QApplication::sendEvent(Surface, &event);
    }
    QString MonitorCell(int row, int column) const {
        const QTableView* grid = Monitor->findChild<QTableView*>(QStringLiteral("StringGrid1"));
        return grid->model()->index(row, column).data().toString();
    }
};

TPointF Centroid(const TDaPointF& apexes) {
    TPointF centre;
    PolygonCentroid(apexes, centre);
    return centre;
}

} // namespace

TEST_F(EditorHabitsTest, WheelScrollsAndCtrlWheelZoomsAboutThePointer) {
    Edit(Square40);
    const int height = View()->viewport()->height();
    View()->verticalScrollBar()->setValue(0);
    View()->horizontalScrollBar()->setValue(0);
    Wheel(Px({30, 30}), -120);
    EXPECT_EQ(Scroll(), QPoint(0, height / 10));
    Wheel(Px({30, 30}), -120, Qt::ShiftModifier);
    EXPECT_EQ(Scroll().x(), View()->viewport()->width() / 10);

    const QPoint viewPixel = Surface->mapTo(View()->viewport(), Px({50, 45}));
    Wheel(Px({50, 45}), 120, Qt::ControlModifier);
    EXPECT_NEAR(static_cast<double>(Fm->ViewScale().Zoom()), 2.5, 1e-12);
    const QPoint nowUnder = Surface->mapFrom(View()->viewport(), viewPixel);
    const long double scale = Fm->ViewScale().ScreenScale();
    EXPECT_NEAR(nowUnder.x() / static_cast<double>(scale), 50, 1 / static_cast<double>(scale));
    EXPECT_NEAR(nowUnder.y() / static_cast<double>(scale), 45, 1 / static_cast<double>(scale));
    EXPECT_EQ(Fm->Model().Polygon(), Square40) << "the wheel never edits";
}

TEST_F(EditorHabitsTest, MiddleButtonDragsTheViewWithoutTouchingTheShape) {
    Edit(Square40);
    View()->horizontalScrollBar()->setValue(40);
    View()->verticalScrollBar()->setValue(60);
    const int entries = Fm->Model().History().Count();
    const QPoint onVertex = Px({20, 20});
    Mouse(QEvent::MouseButtonPress, onVertex, Qt::MiddleButton, Qt::MiddleButton);
    Mouse(QEvent::MouseMove, onVertex - QPoint(25, 35), Qt::NoButton, Qt::MiddleButton);
    EXPECT_EQ(Scroll(), QPoint(65, 95));
    Mouse(QEvent::MouseButtonRelease, onVertex - QPoint(25, 35), Qt::MiddleButton, Qt::NoButton);
    EXPECT_EQ(Fm->Model().SelApex(), NoSelApex);
    EXPECT_EQ(Fm->Model().History().Count(), entries);
    EXPECT_EQ(Fm->Model().Polygon(), Square40);
}

// At 100 % the grid step is 1 mm, 3.5 pixels: every tenth line (35 pixels
// apart) darker. The page's edge is framed.
TEST_F(EditorHabitsTest, PageIsOutlinedWithALightGridBehindTheShape) {
    ShowNew();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Fm.get()));
    const QImage image = Surface->grab().toImage();
    const auto colour = [&image](int x, int y) { return QColor(image.pixel(x, y)); };
    EXPECT_EQ(colour(0, 100), QColor(128, 128, 128)) << "the left edge";
    EXPECT_EQ(colour(Surface->width() - 1, 100), QColor(128, 128, 128)) << "the right edge";
    EXPECT_EQ(colour(100, Surface->height() - 1), QColor(128, 128, 128)) << "the bottom edge";
    EXPECT_EQ(colour(35, 100), QColor(205, 212, 228)) << "10 mm: a tenth line";
    EXPECT_EQ(colour(38, 100), QColor(232, 236, 244)) << "11 mm";
    EXPECT_EQ(colour(36, 100), QColor(Qt::white)) << "between the lines";
}

TEST_F(EditorHabitsTest, DefaultSizeShowsTheWholeStatusLineWhileDrawing) {
    ShowNew();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Fm.get()));
    QApplication::processEvents();
    const QLabel* hint = Fm->findChild<QLabel*>(QStringLiteral("StatusPanel1"));
    ASSERT_FALSE(hint->text().isEmpty()) << "the drawing hint";
    Hover({120, 130});
    EXPECT_GE(Fm->width(), Fm->statusBar()->sizeHint().width());
    EXPECT_GE(hint->width(), hint->sizeHint().width()) << "the hint is not cut";
    EXPECT_GT(Fm->width(), 562);
    EXPECT_EQ(Fm->geometry().topLeft(), QPoint(201, 107));
    EXPECT_EQ(Fm->height(), 453);
}

TEST_F(EditorHabitsTest, MonitorIsAToolWindowOfTheEditorBesideIt) {
    StoreSetting("Left", "0"); // room beside it on the test's screen
    Edit(Square40);
    EXPECT_TRUE(Monitor->windowFlags().testFlag(Qt::Tool));
    EXPECT_EQ(Monitor->parentWidget(), Fm.get());
    EXPECT_GT(Monitor->x(), Fm->geometry().right()) << "beside it, not over it";
    EXPECT_LE(Monitor->x(), Fm->geometry().right() + 7);
    Item("PInfoMi")->trigger();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Monitor));
    EXPECT_EQ(Monitor->windowHandle()->transientParent(), Fm->windowHandle())
        << "the window system keeps it above the editor";
}

// 24.4155 mm sides, first side at 30 degrees, about the square's centroid;
// one undo gives the square back, the shape's own history before it intact.
TEST_F(EditorHabitsTest, RegularPolygonCommandReplacesTheShapeInOneUndoStep) {
    Edit(Square40);
    Dialogs.Answers.push_back(TypeAndAccept({{"Edit1", QStringLiteral("6")},
                                             {"Edit2", QStringLiteral("24.4155")},
                                             {"Edit3", QStringLiteral("30")}}));
    Item("RegularPolygonMi")->trigger();
    const TDaPointF& apexes = Fm->Model().Polygon().Apexes;
    ASSERT_EQ(apexes.size(), 6u);
    for (std::size_t i = 0; i < 6; ++i)
        EXPECT_NEAR(static_cast<double>(PointDistance(apexes[i], apexes[(i + 1) % 6])), 24.4155,
                    1e-9);
    EXPECT_NEAR(static_cast<double>(-RadToDeg(PointDirection(apexes[0], apexes[1]))), 30, 1e-9);
    EXPECT_NEAR(static_cast<double>(Centroid(apexes).X), 40, 1e-9);
    const TPolygon hexagon = Fm->Model().Polygon();

    Later();
    Dialogs.Answers.push_back([](QDialog& dialog) {
        dialog.findChild<QRadioButton*>(QStringLiteral("RadiusRadio"))->setChecked(true);
        TypeInto(dialog, "Edit1", QStringLiteral("360"));
        TypeInto(dialog, "Edit2", QStringLiteral("30"));
        return true;
    });
    Item("RegularPolygonMi")->trigger();
    ASSERT_EQ(Fm->Model().ApexCount(), 360);
    for (const TPointF& apex : Fm->Model().Polygon().Apexes)
        EXPECT_NEAR(static_cast<double>(PointDistance(apex, {40, 40})), 30, 1e-9);

    Undo();
    EXPECT_EQ(Fm->Model().Polygon(), hexagon);
    Undo();
    EXPECT_EQ(Fm->Model().Polygon(), Square40);
    Redo();
    EXPECT_EQ(Fm->Model().Polygon(), hexagon);

    // A count out of range changes nothing and says what is taken.
    Later();
    Dialogs.Answers.push_back(TypeAndAccept({{"Edit1", QStringLiteral("400")}}));
    Item("RegularPolygonMi")->trigger();
    EXPECT_EQ(Fm->Model().Polygon(), hexagon);
    ASSERT_EQ(Prompt.Errors.size(), 1u);
    Prompt.Errors.clear();
    Dialogs.Answers.push_back(Cancel());
    Item("RegularPolygonMi")->trigger();
    EXPECT_EQ(Fm->Model().Polygon(), hexagon);
}

// Four decimals in the status line and the monitor, kept for the next run;
// the usual formats by default.
TEST_F(EditorHabitsTest, DecimalsSettingShowsTypedLengthsWholeAndIsKept) {
    Edit(Shape(RegularPolygonApexes({40, 40}, {6, 24.4155L, TRegularSize::SideLength, 30})));
    Item("PInfoMi")->trigger();
    const TDaPointF& apexes = Fm->Model().Polygon().Apexes;
    const TPointF middle = PointF((apexes[0].X + apexes[1].X) / 2, (apexes[0].Y + apexes[1].Y) / 2);
    Hover(middle);
    EXPECT_TRUE(Panel(1).startsWith(QStringLiteral("長さ:24.42 傾き:30.0")))
        << Panel(1).toStdString();
    EXPECT_EQ(MonitorCell(0, 2), QStringLiteral("  24.4"));

    Dialogs.Answers.push_back([](QDialog& dialog) {
        QComboBox* list = dialog.findChild<QComboBox*>(QStringLiteral("ComboBox1"));
        EXPECT_EQ(list->currentText(), QStringLiteral("標準"));
        list->setCurrentText(QStringLiteral("4"));
        return true;
    });
    Item("DecimalsMi")->trigger();
    Hover(middle);
    EXPECT_TRUE(Panel(1).startsWith(QStringLiteral("長さ:24.4155 傾き:30.0000")))
        << Panel(1).toStdString();
    EXPECT_TRUE(Panel(0).startsWith(QStringLiteral("X:"))) << Panel(0).toStdString();
    EXPECT_EQ(Panel(0).section(QLatin1Char(' '), 0, 0).section(QLatin1Char('.'), 1).size(), 4);
    EXPECT_EQ(MonitorCell(0, 2), QStringLiteral("24.4155"));
    EXPECT_EQ(MonitorCell(0, 3), QStringLiteral("30.0000"));

    EndProgram();
    EXPECT_EQ(StoredSettings().ReadInteger("TMkPolygonFm", "Decimals", -2), 4);
    Create();
    EXPECT_EQ(Fm->ShownDecimals().Chosen, 4);
}
