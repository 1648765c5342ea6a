// Tests of the shape editor window's mouse: what presses select for the menu,
// the Ctrl, Shift and side-length keys reaching the model, the status line,
// the rubber band put at the mouse after undo, the monitor, and what the
// drawing surface shows.
#include "decimal_comma_locale.h"
#include "editor_fixture.h"

#include "geometry/plane_geometry.h"

#include <QDir>
#include <QImage>
#include <numbers>

namespace {

// At a stored 20000 (200 %) a millimetre is 7 pixels, so whole millimetres
// fall on pixels; the vertex and line pick distances are 8/7 mm and the
// closing distance 10/7 mm.
constexpr std::string_view At200 = "20000";

constexpr long double HalfPi = std::numbers::pi_v<long double> / 2;
constexpr long double QuarterPi = std::numbers::pi_v<long double> / 4;

} // namespace

TEST_F(EditorTest, StatusLineShowsThePositionAndTheSideBeingDrawn) {
    TMkPolygonFm& fm = ShowNew("40000"); // 14 pixels per mm: 12.5 mm is a whole pixel
    Hover({5, 5});
    EXPECT_EQ(Panel(0), QStringLiteral("X:5.0 Y:5.0"));
    Click({12.5L, 12.5L});
    Hover({12.5L, 30});
    EXPECT_EQ(Panel(0), QStringLiteral("X:12.5 Y:30.0 R:17.5"));
    EXPECT_EQ(fm.Model().Polygon().Apexes.back(), PointF(12.5L, 30)) << "the rubber band follows";
    // The line report waits for the outline; until then panel 1 says how to draw it.
    const QString hint = QStringLiteral(
        "クリックで頂点を置きます。最後に置いた頂点をもう一度クリックすると図形を閉じます。");
    EXPECT_EQ(Panel(1), hint);
    Click({30, 12.5L});
    Click({30, 30});
    Later();
    Click({30, 30});
    EXPECT_EQ(fm.Model().Mode(), emIdle);
    EXPECT_EQ(Panel(1), QString());
    Undo();
    EXPECT_EQ(fm.Model().Mode(), emDraw);
    EXPECT_EQ(Panel(1), hint);
}

TEST_F(EditorTest, HoveringOverALineReportsItsLengthSlopeAndFlange) {
    const TPolygon shape = Shape({{20, 30}, {30, 20}, {40, 40}});
    TMkPolygonFm& fm = ShowEditing(shape, At200);
    const TDecimalCommaLocale comma;
    EXPECT_TRUE(comma.Active) << "the decimal-comma locale is not installed";

    Hover({25, 25});
    EXPECT_EQ(Panel(0), QStringLiteral("X:25.0 Y:25.0"));
    EXPECT_EQ(Panel(1), QStringLiteral("長さ:14.14 傾き:45.0"));

    TPolygon flanged = shape;
    flanged.Flanges[0] = MakeFlange("A", 5, QuarterPi, HalfPi);
    fm.SetPolygon(flanged);
    Hover({25, 25});
    EXPECT_EQ(Panel(1), QStringLiteral("長さ:14.14 傾き:45.0 糊代[A]: 幅:5.00 角度:45.00 90.00"));

    // A joint mark on a side without a flange shows in the same form.
    flanged.Flanges[0] = MakeFlange("12", 0, 0, 0);
    fm.SetPolygon(flanged);
    Hover({25, 25});
    EXPECT_EQ(Panel(1), QStringLiteral("長さ:14.14 傾き:45.0 糊代[12]: 幅:0.00 角度:0.00 0.00"));

    Hover({100, 100});
    EXPECT_EQ(Panel(1), QString());
}

TEST_F(EditorTest, PressOnAVertexPicksItForTheMenuAndTheDrag) {
    TMkPolygonFm& fm = ShowEditing(Shape({{20, 20}, {60, 20}, {60, 60}, {20, 22}}), At200);
    Press({20, 21});
    EXPECT_EQ(fm.Model().SelApex(), TSelApex({-1, 0}));
    EXPECT_EQ(fm.Model().Mode(), emDragApex);
    EXPECT_TRUE(Item("ApexDelMi")->isEnabled());
    EXPECT_TRUE(Item("NSetPp")->isEnabled());
    EXPECT_FALSE(Item("ApexInsertMi")->isEnabled());
    Release({20, 21});
    EXPECT_EQ(fm.Model().Mode(), emIdle);
}

TEST_F(EditorTest, CtrlOrShiftPressKeepsTheCurrentVertexAsTheOtherEnd) {
    TMkPolygonFm& fm = ShowEditing(Square(40, {20, 20}), At200);
    Click({20, 60});
    Click({20, 20}, Qt::ControlModifier);
    EXPECT_EQ(fm.Model().SelApex(), TSelApex({3, 0}));
    for (const char* name : {"ApexInsertMi", "FlangeMi", "ReverseMi", "NSetPa", "NSetLl"})
        EXPECT_TRUE(Item(name)->isEnabled()) << name;
    for (const char* name : {"ApexDelMi", "BendLine1Mi", "NSetPp"})
        EXPECT_FALSE(Item(name)->isEnabled()) << name;

    Click({60, 20});
    Click({20, 60}, Qt::ShiftModifier); // aligned on the diagonal through (60, 20)
    EXPECT_EQ(fm.Model().SelApex(), TSelApex({1, 3}));
    EXPECT_TRUE(Item("BendLine1Mi")->isEnabled());
    EXPECT_TRUE(Item("BendLine2Mi")->isEnabled());
    EXPECT_FALSE(Item("ApexInsertMi")->isEnabled());
}

TEST_F(EditorTest, OnlyTheLeftButtonPicks) {
    TMkPolygonFm& fm = ShowEditing(Square(40, {20, 20}), At200);
    Click({30, 20});
    EXPECT_EQ(fm.Model().SelApex(), TSelApex({1, 0})) << "a side, the nearer end current";
    Click({100, 100});
    EXPECT_EQ(fm.Model().SelApex(), NoSelApex);
    EXPECT_TRUE(Item("FlangeMi")->isEnabled()) << "the whole outline's flanges";
    EXPECT_FALSE(Item("NSetLl")->isEnabled());

    const int entries = fm.Model().History().Count();
    QTest::mousePress(Surface, Qt::RightButton, {}, Px({20, 20}));
    QTest::mouseRelease(Surface, Qt::RightButton, {}, Px({20, 20}));
    EXPECT_EQ(fm.Model().SelApex(), NoSelApex) << "only the left button picks";
    EXPECT_EQ(fm.Model().History().Count(), entries);
}

// With a screen font half as large again, the drag text of two sides still
// fits whole; the empty panel 1 keeps its 50 pixels.
TEST_F(EditorTest, StatusPanelsShowTheirWholeTextsAtLargeFonts) {
    ShowEditing(Square(40, {20, 20}), At200);
    QFont large = Fm->font();
    large.setPointSizeF(large.pointSizeF() * 1.5);
    Fm->setFont(large);
    Press({60, 20});
    Move({61.6L, 31.6L});
    Release({61.6L, 31.6L});
    QApplication::processEvents();
    const QLabel* panel0 = Fm->findChild<QLabel*>(QStringLiteral("StatusPanel0"));
    const QLabel* panel1 = Fm->findChild<QLabel*>(QStringLiteral("StatusPanel1"));
    ASSERT_TRUE(panel0->text().contains(QStringLiteral(" R2:"))) << panel0->text().toStdString();
    EXPECT_GE(panel0->contentsRect().width(),
              panel0->fontMetrics().horizontalAdvance(panel0->text()));
    EXPECT_GT(panel0->width(), 160);
    EXPECT_TRUE(panel1->text().isEmpty());
    EXPECT_EQ(panel1->width(), 50);

    // The hover report over a side is longer than 50 pixels and is shown whole.
    Hover({40, 60});
    QApplication::processEvents();
    ASSERT_TRUE(panel1->text().startsWith(QStringLiteral("長さ:"))) << panel1->text().toStdString();
    EXPECT_GE(panel1->contentsRect().width(),
              panel1->fontMetrics().horizontalAdvance(panel1->text()));
}

TEST_F(EditorTest, DragShowsTheSidesAtTheVertexAndTheMenuFollowsUndo) {
    TMkPolygonFm& fm = ShowEditing(Square(40, {20, 20}), At200);
    Press({60, 20});
    Later();
    Move({60, 25});
    EXPECT_EQ(Panel(0), QStringLiteral("X:60.0 Y:25.0 R1:40.3 R2:35.0"));
    Release({60, 25});
    EXPECT_EQ(fm.Model().Polygon().Apexes[1], PointF(60, 25));

    Undo();
    EXPECT_EQ(fm.Model().Polygon(), Square(40, {20, 20}));
    EXPECT_TRUE(Item("ApexDelMi")->isEnabled());
    Redo();
    EXPECT_EQ(fm.Model().Polygon().Apexes[1], PointF(60, 25));
    Undo();
    Undo();
    EXPECT_EQ(fm.Model().SelApex(), NoSelApex);
    EXPECT_FALSE(Item("ApexDelMi")->isEnabled()) << "the menu follows an undone selection";
}

TEST_F(EditorTest, ShiftDragAlignsWithThePressPoint) {
    TMkPolygonFm& fm = ShowEditing(Square(40, {20, 20}), At200);
    Press({60, 20});
    Move({70, 21}, Qt::ShiftModifier);
    Release({70, 21}, Qt::ShiftModifier);
    EXPECT_EQ(fm.Model().Polygon().Apexes[1], PointF(70, 20));
}

TEST_F(EditorTest, SideLengthSwitchKeepsTheSidesOfADraggedVertex) {
    TMkPolygonFm& fm = ShowEditing(Square(40, {20, 20}), At200);
    Item("FixSegLenMi")->trigger();
    ASSERT_TRUE(Item("FixSegLenMi")->isChecked());
    Drag({60, 60}, {62, 59});

    const TDaPointF& apexes = fm.Model().Polygon().Apexes;
    EXPECT_EQ(apexes[2], PointF(62, 59));
    for (int i = 0; i < 4; ++i)
        EXPECT_NEAR(static_cast<double>(PointDistance(apexes[i], apexes[(i + 1) % 4])), 40, 1e-9);
}

TEST_F(EditorTest, UndoingTheFinishBringsBackTheRubberBandAtTheMouse) {
    TMkPolygonFm& fm = ShowNew(At200);
    Click({10, 10});
    Later();
    Click({40, 10});
    Later();
    Click({40, 40});
    Later();
    Click({41, 40});
    ASSERT_EQ(fm.ApexCount(), 3);

    CursorOnSurface = Px({30, 50});
    Undo();
    EXPECT_EQ(fm.Model().Mode(), emDraw);
    EXPECT_EQ(fm.Model().Polygon().Apexes, TDaPointF({{10, 10}, {40, 10}, {40, 40}, {30, 50}}));
    Redo();
    EXPECT_EQ(fm.Model().Mode(), emIdle);
    EXPECT_EQ(fm.Model().Polygon().Apexes, TDaPointF({{10, 10}, {40, 10}, {40, 40}}));

    Undo();
    Undo(); // the third vertex placed
    EXPECT_EQ(fm.Model().Polygon().Apexes, TDaPointF({{10, 10}, {40, 10}, {30, 50}}));
    // Shift aligns with the vertex placed last again.
    Hover({60, 11});
    Press({60, 11}, Qt::ShiftModifier);
    EXPECT_EQ(fm.Model().Polygon().Apexes[2], PointF(60, 10));
}

TEST_F(EditorTest, UndoAndRedoBothRefreshTheMonitor) {
    TMkPolygonFm& fm = ShowEditing(Square(40, {20, 20}), At200);
    int refreshes = 0;
    TSelApex shown = NoSelApex;
    QObject::connect(&fm, &TMkPolygonFm::MonitorRefresh,
                     [&](const TPolygon&, int slot0, int slot1) {
                         ++refreshes;
                         shown = {slot0, slot1};
                     });
    Click({60, 20});
    EXPECT_EQ(refreshes, 0) << "the monitor is off";
    Item("PInfoMi")->trigger();
    Undo();
    EXPECT_EQ(refreshes, 1);
    EXPECT_EQ(shown, NoSelApex);
    Redo();
    EXPECT_EQ(refreshes, 2);
    EXPECT_EQ(shown, TSelApex({-1, 1}));
}

// Run as a person would look at it: a triangle drawn with the mouse and a side
// picked, grabbed from the screen and kept in the temporary folder.
TEST_F(EditorTest, SurfaceShowsTheShapeTheCentroidCrossAndTheSelectedEnds) {
    TMkPolygonFm& fm = ShowNew(At200);
    Click({20, 20});
    Click({80, 20});
    Click({50, 70});
    Click({50, 71});
    ASSERT_EQ(fm.ApexCount(), 3);
    Click({30, 20}); // side 0-1, nearer vertex 0
    ASSERT_EQ(fm.Model().SelApex(), TSelApex({1, 0}));

    const QImage image = Surface->grab().toImage();
    image.save(QDir::temp().filePath(QStringLiteral("editor.png")));
    const auto colour = [&](int x, int y) { return image.pixel(x, y) & 0xFFFFFF; };
    // Centroid (50, 36.67) mm is pixel (350, 257).
    EXPECT_EQ(colour(350, 257 - 5), 0x008000u) << "centroid cross";
    EXPECT_EQ(colour(350 + 5, 257), 0x008000u) << "centroid cross";
    EXPECT_EQ(colour(560 - 2, 140 - 2), 0xFF00FFu) << "slot 0 mark at vertex 1";
    EXPECT_EQ(colour(140 - 2, 140 - 2), 0x00FF00u) << "slot 1 mark at vertex 0";
    EXPECT_EQ(colour(300, 140), 0x000000u) << "side 0-1";
    EXPECT_EQ(colour(600, 600), 0xFFFFFFu) << "the page";
}
