// The sheet and the real shape editor together: a shape drawn in the editor
// comes back onto the page under the pointer, an edit comes back in place as
// one undo step, and the editor's zoom never reaches the sheet.
#include "sheet_fixture.h"

#include "drawing/page_area.h"
#include "geometry/plane_geometry.h"
#include "mk_polygon_fm.h"

#include <QTimer>
#include <functional>

namespace {

// The editor is made before the sheet, which is given it, as the program does;
// the sheet goes first. The fixture is the page the editor shows: the sheet's
// page setup, asked each time the editor is shown.
class SheetWithEditorTest : public SheetWindowTest, public IPageArea {
protected:
    std::unique_ptr<TMkPolygonFm> RealEditor;

    TPageAreaMm PageArea() const override { return Fm.Setup().PageArea(); }

    void SetUp() override { StartWithEditor(TenMillimetreMargins); }
    void TearDown() override { Fm.reset(); }

    void StartWithEditor(std::string_view settings) {
        WriteFile(SettingsPath(), settings);
        Ticks.Time = 1000;
        RealEditor = std::make_unique<TMkPolygonFm>(
            TEditorServices{Prompt, Ticks, LoadSettings(SettingsPath()), *this});
        Dialogs.Editor = RealEditor.get();
        Start();
    }

    // Runs a sheet command that opens the editor; the person's work in the
    // editor happens once its window is up, then it is closed with 終了(&X).
    void RunEditor(const char* command, const std::function<void(QWidget&)>& work) {
        QTimer::singleShot(0, [this, work] {
            QWidget* surface = RealEditor->findChild<QWidget*>(QStringLiteral("PaintBox1"));
            ASSERT_NE(surface, nullptr);
            work(*surface);
            RealEditor->findChild<QAction*>(QStringLiteral("Exit1"))->trigger();
        });
        Trigger(command);
        EXPECT_FALSE(RealEditor->isVisible());
    }
    static void ClickMm(QWidget& surface, long double x, long double y) {
        QTest::mouseClick(&surface, Qt::LeftButton, {}, At(x, y));
    }
};

TEST_F(SheetWithEditorTest, DrawnShapeIsPlacedUnderThePointerAndDroppedByAClick) {
    PutPointerAt(At(80, 90));
    RunEditor("MkNewPolygonMi", [](QWidget& surface) {
        ClickMm(surface, 10, 10);
        ClickMm(surface, 40, 10);
        ClickMm(surface, 10, 40);
        ClickMm(surface, 10.5L, 40.5L); // near the vertex placed last: finished
    });

    ASSERT_EQ(Fm->CurrentDrawing()[0].size(), 1u);
    const TPolygon& placed = ShapeAt(0);
    ASSERT_EQ(placed.Apexes.size(), 3u);
    EXPECT_EQ(placed.Flanges.size(), 3u);
    EXPECT_EQ(Fm->CurrentDragState(), dsMove);
    EXPECT_TRUE(Fm->IsModified());
    // Its centroid, snapped to the millimetre grid through its first vertex,
    // lies under the pointer; the sides are as drawn.
    TPointF centroid;
    ASSERT_GT(PolygonCentroid(placed.Apexes, centroid), 0);
    EXPECT_NEAR(static_cast<double>(centroid.X), 80, 0.6);
    EXPECT_NEAR(static_cast<double>(centroid.Y), 90, 0.6);
    EXPECT_NEAR(static_cast<double>(PointDistance(placed.Apexes[0], placed.Apexes[1])), 30, 1e-9);

    // The shape follows the pointer until the next press drops it there.
    const TPointF before = placed.Apexes[0];
    Later();
    MoveTo(At(90, 90), Qt::NoButton);
    Press(At(90, 90));
    Release(At(90, 90));
    EXPECT_EQ(Fm->CurrentDragState(), dsIdle);
    EXPECT_NEAR(static_cast<double>(ShapeAt(0).Apexes[0].X - before.X), 10, 1e-9);
    EXPECT_EQ(Fm->CurrentSelection(), TDaInt{0});
}

TEST_F(SheetWithEditorTest, EditedShapeComesBackInPlaceAsOneUndoStep) {
    TZvDat drawing(1);
    drawing[0].push_back(Square(20, PointF(30, 30)));
    Open(drawing);
    Fm->SelectPolygon(0);
    const TPolygon original = ShapeAt(0);

    Later();
    RunEditor("PolygonEditMi", [](QWidget& surface) {
        // Drag vertex 1 (50, 30) of the square 6 mm to the right.
        QTest::mousePress(&surface, Qt::LeftButton, {}, At(50, 30));
        QTest::mouseMove(&surface, At(52, 30));
        QTest::mouseMove(&surface, At(56, 30));
        QTest::mouseRelease(&surface, Qt::LeftButton, {}, At(56, 30));
    });

    EXPECT_NEAR(static_cast<double>(ShapeAt(0).Apexes[1].X), 56, 1e-9);
    EXPECT_EQ(ShapeAt(0).Apexes[0], original.Apexes[0]);
    EXPECT_TRUE(Fm->IsModified());
    EXPECT_EQ(Fm->CurrentSelection(), TDaInt{0});

    Later();
    Trigger("Undo1");
    EXPECT_EQ(ShapeAt(0), original);
    Later();
    Trigger("Repeat1");
    EXPECT_NEAR(static_cast<double>(ShapeAt(0).Apexes[1].X), 56, 1e-9);
}

// While the editor shows a shape at 200 %, a repaint of the sheet still
// paints at the sheet's own 100 %, into its surface of the same size.
TEST_F(SheetWithEditorTest, TheSheetPaintsAtItsOwnScaleWhileTheEditorIsShown) {
    Fm.reset();
    StartWithEditor(std::string(TenMillimetreMargins) + "[TMkPolygonFm]\nZoom=20000\n");
    TZvDat drawing(1);
    drawing[0].push_back(Square(20, PointF(30, 30)));
    Open(drawing);
    Fm->SelectPolygon(0);
    const QSize surfaceSize = PaintBox()->size();

    QImage sheet;
    long double editorZoom = 0;
    RunEditor("PolygonEditMi", [&](QWidget&) {
        editorZoom = RealEditor->ViewScale().Zoom();
        sheet = Surface();
    });
    EXPECT_EQ(editorZoom, 2) << "the editor showed its own zoom";
    ASSERT_EQ(sheet.size(), surfaceSize);
    EXPECT_NE(sheet.pixelColor(At(30, 30)), QColor(Qt::white)) << "the corner at 100 %";
    EXPECT_NE(sheet.pixelColor(At(40, 30)), QColor(Qt::white)) << "the top side at 100 %";
    EXPECT_EQ(sheet.pixelColor(At(60, 60)), QColor(Qt::white)) << "where 200 % would put it";
    EXPECT_EQ(Fm->Zoom(), 1);
}

TEST_F(SheetWithEditorTest, ShapeOfTwoVerticesOrFewerNeverReachesThePage) {
    PutPointerAt(At(80, 90));
    RunEditor("MkNewPolygonMi", [](QWidget& surface) { ClickMm(surface, 10, 10); });
    EXPECT_TRUE(Fm->CurrentDrawing()[0].empty());
    EXPECT_EQ(Fm->CurrentDragState(), dsIdle);
    EXPECT_FALSE(Fm->IsModified());
}

} // namespace
