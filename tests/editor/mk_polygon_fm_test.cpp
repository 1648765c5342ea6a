// Tests of the shape editor window: its menu and status line, the settings it
// keeps, showing and closing at its own zoom, and the zoom and restore
// commands.
#include "editor_fixture.h"
#include "expect_menu.h"
#include "format/text_to_float.h"
#include "geometry/angles.h"

#include <QMenu>
#include <QMenuBar>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QTimer>

namespace {

constexpr long double QuarterPi = Pi / 4;

} // namespace

TEST_F(EditorTest, WindowHasItsCaptionBoundsMenuAndStatusLine) {
    const TMkPolygonFm& fm = Create();
    EXPECT_EQ(fm.windowTitle(), QStringLiteral("MkPolygon"));
    // Wider than designed when the status line needs it.
    EXPECT_EQ(fm.geometry().topLeft(), QPoint(201, 107));
    EXPECT_GE(fm.width(), 562);
    EXPECT_EQ(fm.height(), 453);

    const QList<QAction*> bar = fm.menuBar()->actions();
    ASSERT_EQ(bar.size(), 2);
    EXPECT_EQ(bar[0]->objectName(), QStringLiteral("New1"));
    EXPECT_EQ(bar[0]->text(), QStringLiteral("&New"));
    EXPECT_EQ(bar[0]->menu(), nullptr);
    ASSERT_NE(bar[1]->menu(), nullptr);
    EXPECT_EQ(bar[1]->menu()->objectName(), QStringLiteral("NSet"));
    EXPECT_EQ(bar[1]->text(), QStringLiteral("編集(&E)"));

    ExpectMenu(bar[1]->menu(), {
                                   {"Undo1", QStringLiteral("元に戻す(&U)"), "Alt+Backspace"},
                                   {"Repeat1", QStringLiteral("やり直し"), "Shift+Alt+Backspace"},
                                   {"N4", {}, ""},
                                   {"FixSegLenMi", QStringLiteral("辺の長さ固定(&F)"), "Ctrl+F"},
                                   {"N3", {}, ""},
                                   {"ApexInsertMi", QStringLiteral("頂点増設(&I)"), "Ctrl+I"},
                                   {"ApexDelMi", QStringLiteral("頂点削除(&D)"), "Ctrl+D"},
                                   {"N6", {}, ""},
                                   {"BendLine1Mi", QStringLiteral("折り線設定-1(&J)"), "Ctrl+J"},
                                   {"BendLine2Mi", QStringLiteral("折り線設定-2(&K)"), "Ctrl+K"},
                                   {"N5", {}, ""},
                                   {"NSetPp", QStringLiteral("座標設定(&P)..."), "Ctrl+P"},
                                   {"NSetPa", QStringLiteral("内角設定(&A)..."), "Ctrl+A"},
                                   {"NSetLl", QStringLiteral("辺の長さ設定(L)..."), "Ctrl+L"},
                                   {"NSetLa", QStringLiteral("辺の傾き設定(&B)..."), "Ctrl+B"},
                                   {"FlangeMi", QStringLiteral("糊代(&G)..."), "Ctrl+G"},
                                   {"PolygonResizeMi", QStringLiteral("拡大縮小(&S)..."), "Ctrl+S"},
                                   {"ReverseMi", QStringLiteral("反転(&R)"), "Ctrl+R"},
                                   {"RegularPolygonMi", QStringLiteral("正多角形(&O)..."), ""},
                                   {"N1", {}, ""},
                                   {"Z1", QStringLiteral("ズーム(&Z)..."), "Ctrl+Z"},
                                   {"PInfoMi", QStringLiteral("図形情報モニタ(&M)..."), "Ctrl+M"},
                                   {"DecimalsMi", QStringLiteral("表示桁数(&W)..."), ""},
                                   {"N2", {}, ""},
                                   {"OrgPolygonMi", QStringLiteral("最初の状態に戻す(&Y)"), ""},
                                   {"Exit1", QStringLiteral("終了(&X)"), "Ctrl+X"},
                               });
    for (const char* name : {"FixSegLenMi", "PInfoMi"}) {
        EXPECT_TRUE(Item(name)->isCheckable()) << name;
        EXPECT_FALSE(Item(name)->isChecked()) << name;
    }
    EXPECT_FALSE(Item("Undo1")->isCheckable());

    const QLabel* panel0 = fm.findChild<QLabel*>(QStringLiteral("StatusPanel0"));
    const QLabel* panel1 = fm.findChild<QLabel*>(QStringLiteral("StatusPanel1"));
    ASSERT_NE(panel0, nullptr);
    ASSERT_NE(panel1, nullptr);
    EXPECT_EQ(panel0->parentWidget(), fm.statusBar());
    EXPECT_EQ(panel0->minimumWidth(), 160);
    EXPECT_EQ(panel1->minimumWidth(), 50);
    EXPECT_EQ(fm.statusBar()->objectName(), QStringLiteral("StatusBar1"));
}

TEST_F(EditorTest, EachRunStartsWithEmptyStatusPanels) {
    ShowNew();
    QTest::mouseMove(Surface, Px(PointF(20, 30)));
    const QLabel* panel0 = Fm->findChild<QLabel*>(QStringLiteral("StatusPanel0"));
    ASSERT_NE(panel0, nullptr);
    EXPECT_FALSE(panel0->text().isEmpty());
    Fm->close();
    Fm->SetPolygon(Square(40, {20, 20}));
    Fm->show();
    EXPECT_TRUE(panel0->text().isEmpty());
    EXPECT_TRUE(Fm->findChild<QLabel*>(QStringLiteral("StatusPanel1"))->text().isEmpty());
}

TEST_F(EditorTest, RestoreIsEnabledOnceAShapeIsHandedIn) {
    TMkPolygonFm& fm = ShowNew();
    QAction* restore = Item("OrgPolygonMi");
    EXPECT_FALSE(restore->isEnabled());
    restore->trigger();
    EXPECT_EQ(fm.Model().Mode(), emDraw) << "a disabled restore does nothing";

    fm.SetPolygon(Square(40, {20, 20}));
    EXPECT_TRUE(restore->isEnabled());
    fm.NewPolygon();
    EXPECT_TRUE(restore->isEnabled()) << "a new outline keeps the shape handed in";

    Click({30, 30});
    restore->trigger();
    EXPECT_EQ(fm.Model().Polygon(), Square(40, {20, 20}));
    EXPECT_EQ(fm.Model().History().Count(), 0);
}

// The editor keeps a view scale of its own: the sheet's zoom is not touched by
// showing, zooming or closing it.
TEST_F(EditorTest, ShowingSizesThePageAtTheEditorsOwnZoomAndStartsAnEmptyHistory) {
    StoreSetting("Zoom", "15000");
    TMkPolygonFm& fm = Create();
    EXPECT_EQ(fm.ViewScale().Zoom(), 1.5L) << "a stored 15000 opens at 150 %";
    EXPECT_EQ(fm.ViewScale().ScreenScale(), 3.5L * 1.5L);

    fm.SetPolygon(Square(40, {20, 20}));
    ASSERT_GT(fm.Model().History().Count(), 0) << "loading the shape records entries";
    fm.show();
    EXPECT_EQ(fm.Model().History().Count(), 0) << "every run starts with an empty history";
    const QSize page(static_cast<int>(std::nearbyint(190 * 5.25)),
                     static_cast<int>(std::nearbyint(277 * 5.25)));
    EXPECT_EQ(Surface->size(), page);

    // The page setup is asked again at each showing.
    Item("Exit1")->trigger();
    EXPECT_FALSE(fm.isVisible());
    PageArea.Area = TPageAreaMm{100, 200};
    fm.show();
    EXPECT_EQ(Surface->size(), QSize(525, 1050));
}

TEST_F(EditorTest, ShowModalReturnsOnceTheWindowIsClosed) {
    TMkPolygonFm& fm = Create();
    fm.NewPolygon();
    QTimer::singleShot(0, &fm, [&] {
        EXPECT_TRUE(fm.isModal());
        Click({10, 10});
        Later();
        Click({40, 10});
        Hover({40, 40});
        fm.close();
    });
    fm.ShowModal();
    EXPECT_FALSE(fm.isVisible());

    // Two vertices placed: the rubber band makes the third.
    TPolygon out;
    ASSERT_TRUE(fm.GetPolygon(out));
    EXPECT_EQ(out.Apexes, TDaPointF({{10, 10}, {40, 10}, {40, 40}}));
    EXPECT_EQ(out.Flanges.size(), 3u);
}

TEST_F(EditorTest, ShowingScrollsTheShapeIntoTheMiddle) {
    const TPolygon far = Shape({{90, 140}, {110, 140}, {110, 160}, {90, 160}});
    TMkPolygonFm& fm = ShowEditing(far, "20000");
    const QScrollArea* box = fm.findChild<QScrollArea*>(QStringLiteral("ScrollBox1"));
    const QWidget* client = box->viewport();
    // The centroid (100, 150) is at pixel (700, 1050) at 200 %.
    EXPECT_EQ(box->horizontalScrollBar()->value(), 700 - client->width() / 2);
    EXPECT_EQ(box->verticalScrollBar()->value(), 1050 - client->height() / 2);
    fm.close();

    fm.NewPolygon();
    fm.show();
    EXPECT_EQ(box->horizontalScrollBar()->value(), 0);
    EXPECT_EQ(box->verticalScrollBar()->value(), 0);
}

TEST_F(EditorTest, ZoomCommandTakesOnlyAcceptedFactorsAndResizesThePage) {
    TMkPolygonFm& fm = ShowEditing(Square(40, {20, 20}));
    Prompt.Entries = {QStringLiteral("250"), QStringLiteral("0.05"), QStringLiteral("100000"),
                      std::nullopt};
    QAction* zoom = Item("Z1");
    zoom->trigger();
    ASSERT_EQ(Prompt.InputBoxes.size(), 1u);
    EXPECT_EQ(Prompt.InputBoxes[0].OfferedText, QStringLiteral("100"));
    EXPECT_EQ(fm.ViewScale().Zoom(), 2.5L);
    const QSize page(static_cast<int>(std::nearbyint(190 * 8.75)),
                     static_cast<int>(std::nearbyint(277 * 8.75)));
    EXPECT_EQ(Surface->size(), page);

    zoom->trigger(); // 0.05 %: too small
    zoom->trigger(); // 100000 %: too large
    zoom->trigger(); // cancelled: the offered 250 again
    EXPECT_EQ(fm.ViewScale().Zoom(), 2.5L);
    EXPECT_EQ(Surface->size(), page);
    ASSERT_EQ(Prompt.InputBoxes.size(), 4u);
    EXPECT_EQ(Prompt.InputBoxes[3].OfferedText, QStringLiteral("250"));

    fm.close();
    EndProgram();
    EXPECT_EQ(StoredSettings().ReadInteger("TMkPolygonFm", "Zoom", 0), 25000);
}

TEST_F(EditorTest, SettingsSectionRoundTripsAndLeavesOtherSectionsAlone) {
    TIniFile settings;
    settings.WriteString("TMainFm", "Zoom", "12345");
    settings.WriteInteger("TMkPolygonFm", "Left", 50);
    settings.WriteInteger("TMkPolygonFm", "Top", 60);
    settings.WriteInteger("TMkPolygonFm", "Width", 700);
    settings.WriteInteger("TMkPolygonFm", "Height", 500);
    settings.WriteString("TMkPolygonFm", "FlangeWidth", "4.25");
    settings.WriteString("TMkPolygonFm", "FlangeAngle1", "0.5");
    settings.WriteString("TMkPolygonFm", "FlangeAngle2", "1.5707963267948966");
    ASSERT_TRUE(SaveSettings(SettingsPath(), settings));

    {
        const TMkPolygonFm& fm = Create();
        EXPECT_EQ(fm.geometry(), QRect(50, 60, 700, 500));
        EXPECT_EQ(fm.ViewScale().Zoom(), 1) << "no stored zoom is 100 %";
        EXPECT_EQ(fm.Model().FlangeWidth(), 4.25L);
        EXPECT_EQ(fm.Model().FlangeAngle1(), 0.5L);
        EXPECT_EQ(fm.Model().FlangeAngle2(), TextToFloat("1.5707963267948966", 0));
        EndProgram();
    }
    const TIniFile stored = StoredSettings();
    EXPECT_EQ(stored.ReadString("TMainFm", "Zoom", ""), "12345");
    EXPECT_EQ(stored.ReadInteger("TMkPolygonFm", "Left", 0), 50);
    EXPECT_EQ(stored.ReadInteger("TMkPolygonFm", "Top", 0), 60);
    EXPECT_EQ(stored.ReadInteger("TMkPolygonFm", "Width", 0), 700);
    EXPECT_EQ(stored.ReadInteger("TMkPolygonFm", "Height", 0), 500);
    EXPECT_EQ(stored.ReadInteger("TMkPolygonFm", "WindowState", -1), 0);
    EXPECT_EQ(stored.ReadInteger("TMkPolygonFm", "Zoom", 0), 10000);
    EXPECT_EQ(stored.ReadString("TMkPolygonFm", "FlangeWidth", ""), "4.25");
    EXPECT_EQ(stored.ReadString("TMkPolygonFm", "FlangeAngle1", ""), "0.5");

    // Written again, the defaults read back to the very same values.
    const TMkPolygonFm& again = Create();
    EXPECT_EQ(again.Model().FlangeAngle2(), TextToFloat("1.5707963267948966", 0));
}

TEST_F(EditorTest, UnusableStoredValuesFallBackToTheDefaults) {
    for (const char* zoom : {"0", "-5", "abc", ""}) {
        TIniFile settings;
        settings.WriteString("TMkPolygonFm", "Zoom", zoom);
        settings.WriteString("TMkPolygonFm", "FlangeWidth", "-1");
        settings.WriteString("TMkPolygonFm", "FlangeAngle1", "0");
        settings.WriteString("TMkPolygonFm", "FlangeAngle2", "nan");
        ASSERT_TRUE(SaveSettings(SettingsPath(), settings));
        const TMkPolygonFm& fm = Create();
        EXPECT_EQ(fm.ViewScale().Zoom(), 1) << zoom;
        EXPECT_EQ(fm.Model().FlangeWidth(), 3);
        EXPECT_EQ(fm.Model().FlangeAngle1(), QuarterPi);
        EXPECT_EQ(fm.Model().FlangeAngle2(), QuarterPi);
        EndProgram();
    }
    EXPECT_EQ(StoredSettings().ReadInteger("TMkPolygonFm", "Zoom", 0), 10000);
}

TEST_F(EditorTest, ShortcutsActOnlyWhenTheirItemMayAct) {
    TMkPolygonFm& fm = ShowEditing(Square(40, {20, 20}), "20000");
    fm.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&fm));
    int deletes = 0;
    QObject::connect(Item("ApexDelMi"), &QAction::triggered, [&] { ++deletes; });

    QTest::keyClick(&fm, Qt::Key_D, Qt::ControlModifier);
    EXPECT_EQ(deletes, 0) << "no vertex selected";
    QTest::mouseClick(Surface, Qt::LeftButton, {}, QPoint(140, 140));
    ASSERT_EQ(fm.Model().SelApex(), TSelApex({-1, 0}));
    QTest::keyClick(&fm, Qt::Key_D, Qt::ControlModifier);
    EXPECT_EQ(deletes, 1);

    Prompt.Entries = {QStringLiteral("300")};
    QTest::keyClick(&fm, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(fm.ViewScale().Zoom(), 3);

    QTest::keyClick(&fm, Qt::Key_F, Qt::ControlModifier);
    EXPECT_TRUE(Item("FixSegLenMi")->isChecked());
    QTest::keyClick(&fm, Qt::Key_X, Qt::ControlModifier);
    EXPECT_FALSE(fm.isVisible());
}
