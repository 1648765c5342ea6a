// Tests of the sheet's page view: the surface size, painting, the zoom command
// with its re-centring, page changes from the tabs, the selection helpers and
// the status line.
#include "sheet_fixture.h"

#include <QLabel>
#include <QLocale>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QWheelEvent>

namespace {

const QColor Black(0, 0, 0);
const QColor White(255, 255, 255);
const QColor Blue(0, 0, 255);
const QColor Yellow(255, 255, 0); // blue not-xor over black

constexpr long double RightAngle = Pi / 2;

// Page 1: a square and a triangle with a flange on its long side. Page 2: a
// square with a 5 mm flange above its top side and a fold line of each set.
// Page 3: a triangle.
TZvDat ThreePages() {
    TPolygon flanged = Triangle(20, {40, 10});
    flanged.Flanges[1] = MakeFlange("A", 4, RightAngle / 2, RightAngle / 2);
    TPolygon folded = Square(40, {60, 60});
    folded.Flanges[0] = MakeFlange("B", 5, RightAngle, RightAngle);
    folded.BendLines[0] = {MakeBendLine(0, 2)};
    folded.BendLines[1] = {MakeBendLine(1, 3)};
    return TZvDat{{Square(20, {10, 10}), flanged}, {folded}, {Triangle(40, {120, 150})}};
}

// The window is made by each test, on a drawing area of 170 x 257 mm unless
// the test writes other settings first.
class SheetViewTest : public SheetWindowTest {
protected:
    void SetUp() override { WriteFile(SettingsPath(), TenMillimetreMargins); }

    void Zoom(const std::optional<QString>& entry) {
        Prompt.Entries.push_back(entry);
        Trigger("Z1");
    }

    QScrollArea* ScrollBox() const {
        return Fm->findChild<QScrollArea*>(QStringLiteral("ScrollBox1"));
    }
    QString StatusText() const {
        return Fm->findChild<QStatusBar*>(QStringLiteral("StatusBar1"))
            ->findChild<QLabel*>(QStringLiteral("StatusPanel0"))
            ->text();
    }
    QPoint ScrollPosition() const {
        return {ScrollBox()->horizontalScrollBar()->value(),
                ScrollBox()->verticalScrollBar()->value()};
    }
};

} // namespace

TEST_F(SheetViewTest, SurfaceHasThePageAreaSizeAtTheCurrentScale) {
    StartShown();
    EXPECT_EQ(PaintBox()->size(), QSize(595, 900)); // 257 x 3.5 = 899.5, halves to even
    EXPECT_EQ(ScrollBox()->widget(), PaintBox());
    EXPECT_GT(Tabs()->geometry().left(), ScrollBox()->geometry().right());
    // An empty page is plain white.
    const QImage empty = Surface();
    for (int y = 0; y < empty.height(); ++y)
        for (int x = 0; x < empty.width(); ++x)
            ASSERT_EQ(empty.pixelColor(x, y), White) << x << ", " << y;

    Zoom(QStringLiteral("200"));
    EXPECT_EQ(Fm->Zoom(), 2);
    EXPECT_EQ(PaintBox()->size(), QSize(1190, 1799));

    // Without margins: 190 x 277 mm, 969.5 pixels high at 100 %.
    WriteFile(SettingsPath(), "");
    Start();
    EXPECT_EQ(PaintBox()->size(), QSize(665, 970));
}

TEST_F(SheetViewTest, ZoomCommandAppliesOnlyZoomsInsideItsRange) {
    Start();
    for (const char* entry : {"0.05", "100000", "0", "-5", "200000"}) {
        Zoom(QString::fromLatin1(entry));
        EXPECT_EQ(Fm->Zoom(), 1) << entry;
        EXPECT_EQ(PaintBox()->size(), QSize(595, 900)) << entry;
    }
    ASSERT_FALSE(Prompt.InputBoxes.empty());
    EXPECT_EQ(Prompt.InputBoxes[0].Caption, QStringLiteral("拡大縮小"));
    EXPECT_EQ(Prompt.InputBoxes[0].Prompt, QStringLiteral("表示倍率（％）を入力して下さい。"));
    EXPECT_EQ(Prompt.InputBoxes[0].OfferedText, QStringLiteral("100"));

    Zoom(QStringLiteral("0.2"));
    EXPECT_NEAR(static_cast<double>(Fm->Zoom()), 0.002, 1e-15);
    EXPECT_EQ(PaintBox()->size(), QSize(1, 2)); // 1.19 and 1.8 pixels
    Zoom(QStringLiteral("99999"));
    EXPECT_NEAR(static_cast<double>(Fm->Zoom()), 999.99, 1e-12);

    // Cancel keeps the offered whole percentage.
    WriteFile(SettingsPath(), "[TMainFm]\nZoom=12340\n" + std::string(TenMillimetreMargins));
    Start();
    Zoom(std::nullopt);
    EXPECT_EQ(Prompt.InputBoxes.back().OfferedText, QStringLiteral("123"));
    EXPECT_NEAR(static_cast<double>(Fm->Zoom()), 1.23, 1e-15);
    EXPECT_EQ(PaintBox()->size(), QSize(732, 1106)); // 731.85, 1106.385
}

TEST_F(SheetViewTest, ZoomCentresTheCurrentShape) {
    StartShown();
    const TPolygon flat = Shape({PointF(50, 50), PointF(70, 70), PointF(90, 90)});
    Open(TZvDat{{Square(6, {2, 2}), Square(10, {130, 220}), flat}});
    QScrollBar* horizontal = ScrollBox()->horizontalScrollBar();
    QScrollBar* vertical = ScrollBox()->verticalScrollBar();

    // Near the top-left corner the view cannot scroll further back than 0.
    Zoom(QStringLiteral("400"));
    horizontal->setValue(horizontal->maximum());
    vertical->setValue(vertical->maximum());
    Fm->SelectPolygon(0);
    Zoom(QStringLiteral("400"));
    EXPECT_EQ(ScrollPosition(), QPoint(0, 0));

    // Centroid (135, 225) mm is pixel (1890, 3150) at 14 pixels per mm.
    Fm->SelectPolygon(1);
    Zoom(QStringLiteral("400"));
    const QWidget* client = ScrollBox()->viewport();
    const QPoint centred(1890 - client->width() / 2, 3150 - client->height() / 2);
    ASSERT_LE(centred.x(), horizontal->maximum());
    ASSERT_LE(centred.y(), vertical->maximum());
    EXPECT_EQ(ScrollPosition(), centred);

    // A malformed entry applies the current zoom again, re-centring with it.
    horizontal->setValue(0);
    vertical->setValue(0);
    Zoom(QStringLiteral("abc"));
    EXPECT_EQ(Fm->Zoom(), 4);
    EXPECT_EQ(ScrollPosition(), centred);

    // A shape without area has no centroid: the view stays where it is.
    horizontal->setValue(100);
    vertical->setValue(200);
    Fm->SelectPolygon(2);
    Zoom(QStringLiteral("400"));
    EXPECT_EQ(ScrollPosition(), QPoint(100, 200));
}

TEST_F(SheetViewTest, EachTabShowsItsOwnPage) {
    Start();
    Open(ThreePages());
    EXPECT_EQ(Tabs()->count(), 3);
    EXPECT_EQ(Tabs()->tabText(2), QStringLiteral("3"));
    EXPECT_EQ(Tabs()->currentIndex(), 0);
    EXPECT_EQ(Fm->EditHistory().Count(), 0);

    // Pixels on page 1's square, on page 2's fold line (80, 80) mm and on the
    // outer edge of its flange (80, 55) mm, and on page 3's triangle.
    const QPoint onPage1(70, 35);
    const QPoint onPage2FoldLine(280, 280);
    const QPoint onPage2Flange(280, 192);
    const QPoint onPage3(490, 525);

    QImage surface = Surface();
    EXPECT_EQ(surface.pixelColor(onPage1), Black);
    EXPECT_EQ(surface.pixelColor(onPage2FoldLine), White);
    EXPECT_EQ(surface.pixelColor(onPage3), White);

    Tabs()->setCurrentIndex(1);
    EXPECT_EQ(Fm->CurrentPage(), 1);
    surface = Surface();
    EXPECT_EQ(surface.pixelColor(onPage1), White);
    EXPECT_EQ(surface.pixelColor(onPage2FoldLine), Black);
    EXPECT_EQ(surface.pixelColor(onPage2Flange), Black);
    EXPECT_EQ(surface.pixelColor(onPage3), White);

    Tabs()->setCurrentIndex(2);
    surface = Surface();
    EXPECT_EQ(surface.pixelColor(onPage2FoldLine), White);
    EXPECT_EQ(surface.pixelColor(onPage3), Black);
}

// Real models have tens of pages: the tabs wrap into columns within the
// window's height, a few columns in sight and the others scrolled into it,
// and the window keeps the size the user gave it.
TEST_F(SheetViewTest, ManyPagesWrapTheTabsAndNeverResizeTheWindow) {
    for (const int pageCount : {1, 18, 40, 200}) {
        StartShown();
        const QSize size = Fm->size();
        const QSize minimumSize = Fm->minimumSizeHint();
        Open(TZvDat(static_cast<std::size_t>(pageCount), TPolygonTbl{Square(10)}));
        QApplication::processEvents();
        EXPECT_EQ(Fm->size(), size) << pageCount << " pages";
        EXPECT_EQ(Fm->minimumSizeHint(), minimumSize) << pageCount << " pages";

        const QRect strip(Tabs()->mapTo(Fm.get(), QPoint(0, 0)), Tabs()->size());
        EXPECT_TRUE(Fm->rect().contains(strip)) << pageCount << " pages";
        EXPECT_LE(Tabs()->width(), TPageTabs::MaxColumnsShown * Tabs()->tabRect(0).width());
        for (int page = 0; page < pageCount; ++page) {
            // Columns beyond those in sight come into it under the wheel.
            for (int turn = 0; Tabs()->tabRect(page).isEmpty() && turn < pageCount; ++turn) {
                const QPointF at(Tabs()->width() / 2, Tabs()->height() / 2);
                QWheelEvent wheel(at, Tabs()->mapToGlobal(at), {}, {0, -120}, Qt::NoButton,
                                  Qt::NoModifier, Qt::NoScrollPhase, false);
                QApplication::sendEvent(Tabs(), &wheel);
            }
            const QRect tab = Tabs()->tabRect(page);
            ASSERT_FALSE(tab.isEmpty()) << "tab " << page + 1 << " of " << pageCount;
            ASSERT_TRUE(Tabs()->rect().contains(tab)) << "tab " << page + 1 << " of " << pageCount;
            QTest::mouseClick(Tabs(), Qt::LeftButton, {}, tab.center());
            ASSERT_EQ(Fm->CurrentPage(), page) << "tab " << page + 1 << " of " << pageCount;
        }

        Trigger("New1");
        QApplication::processEvents();
        EXPECT_EQ(Fm->size(), size) << "after New, " << pageCount << " pages";
    }
}

TEST_F(SheetViewTest, SelectedShapesAreBlueAndNotXorDuringADrag) {
    Start();
    // The top sides overlap from 20 to 30 mm; pixel (84, 35) lies on both.
    Open(TZvDat{{Square(20, {10, 10}), Square(20, {20, 10})}});
    const QPoint onBoth(84, 35);
    EXPECT_EQ(Surface().pixelColor(onBoth), Black);
    Fm->SelectPolygon(1);
    EXPECT_EQ(Surface().pixelColor(onBoth), Blue);
    Fm->SetDragState(dsMove);
    EXPECT_EQ(Surface().pixelColor(onBoth), Yellow);
    EXPECT_EQ(Surface().pixelColor(QPoint(130, 35)), Blue); // over white
}

TEST_F(SheetViewTest, PaintingAtTheHighestZoomsOnlyTouchesWhatIsShown) {
    StartShown();
    TPolygon large = Triangle(160, {5, 5});
    large.Flanges.assign(3, MakeFlange("", 3, RightAngle, RightAngle));
    Open(TZvDat{{large, Square(20, {10, 10})}});
    Zoom(QStringLiteral("99999"));
    // 170 and 257 mm at 3499.965 pixels per mm.
    ASSERT_EQ(PaintBox()->size(), QSize(594994, 899491));

    // The square's corner (10, 10) mm is pixel (35000, 35000).
    const QImage corner = PaintBox()->grab(QRect(34990, 34990, 20, 20)).toImage();
    EXPECT_EQ(corner.size(), QSize(20, 20));
    EXPECT_EQ(corner.pixelColor(10, 10), Black);
    EXPECT_EQ(corner.pixelColor(15, 10), Black);
    EXPECT_EQ(corner.pixelColor(15, 5), White);

    // The real paint path over the whole visible window, scrolled into the page.
    ScrollBox()->horizontalScrollBar()->setValue(34800);
    ScrollBox()->verticalScrollBar()->setValue(34800);
    PaintBox()->repaint();
    const QImage window = Fm->grab().toImage();
    const QPoint cornerInWindow = PaintBox()->mapTo(Fm.get(), QPoint(35000, 35000));
    EXPECT_EQ(window.pixelColor(cornerInWindow), Black);
}

TEST_F(SheetViewTest, PageChangeUnselectsAndRecordsOneStep) {
    Start();
    Open(ThreePages());
    Fm->SelectPolygon(1);
    Fm->SelectPolygon(0);
    ASSERT_EQ(Fm->CurrentSelection(), TDaInt({1, 0}));
    ASSERT_EQ(Fm->CurrentSelectionCopy().size(), 2u);
    const int before = Fm->EditHistory().Count();

    Ticks.Time = 5000;
    Tabs()->setCurrentIndex(2);
    EXPECT_EQ(Fm->CurrentPage(), 2);
    EXPECT_TRUE(Fm->CurrentSelection().empty());
    EXPECT_TRUE(Fm->CurrentSelectionCopy().empty());
    ASSERT_EQ(Fm->EditHistory().Count(), before + 3);

    // Undo walks back exactly those three entries, newest first.
    TEditHistory history = Fm->EditHistory();
    std::vector<THistoryItem> undone;
    EXPECT_EQ(history.Undo([&](const THistoryItem& item) { undone.push_back(item); }), 3);
    ASSERT_EQ(undone.size(), 3u);
    ASSERT_EQ(undone[0].Kind, pkChangePage);
    EXPECT_EQ(std::get<TPeiChangePage>(undone[0].Data).OldPage, 0);
    EXPECT_EQ(std::get<TPeiChangePage>(undone[0].Data).NewPage, 2);
    // The current shape is unselected last, so that undo selects it last.
    ASSERT_EQ(undone[1].Kind, pkUnselect);
    EXPECT_EQ(std::get<TPeiSelect>(undone[1].Data).Page, 0);
    EXPECT_EQ(std::get<TPeiSelect>(undone[1].Data).Index, 1);
    ASSERT_EQ(undone[2].Kind, pkUnselect);
    EXPECT_EQ(std::get<TPeiSelect>(undone[2].Data).Index, 0);

    Trigger("Undo1");
    EXPECT_EQ(Fm->CurrentPage(), 0);
    EXPECT_EQ(Tabs()->currentIndex(), 0);
    EXPECT_EQ(Fm->CurrentSelection(), TDaInt({1, 0}));
    EXPECT_EQ(Fm->CurrentSelectionCopy().size(), 2u);
}

TEST_F(SheetViewTest, PageCannotChangeDuringADrag) {
    Start();
    Open(ThreePages());
    Fm->SelectPolygon(0);
    const int entries = Fm->EditHistory().Count();
    Fm->SetDragState(dsRotate);

    Tabs()->setCurrentIndex(2);
    EXPECT_EQ(Tabs()->currentIndex(), 0);
    EXPECT_EQ(Fm->CurrentPage(), 0);
    EXPECT_EQ(Fm->CurrentSelection(), TDaInt({0}));
    EXPECT_EQ(Fm->EditHistory().Count(), entries);

    Fm->SetDragState(dsIdle);
    Tabs()->setCurrentIndex(2);
    EXPECT_EQ(Fm->CurrentPage(), 2);
}

TEST_F(SheetViewTest, SelectionHelpersAndDeletingAShape) {
    Start();
    const TPolygon a = Triangle(10, {10, 10});
    const TPolygon b = Square(10, {40, 10});
    const TPolygon c = Triangle(20, {70, 10});
    Open(TZvDat{{a, b, c}, {}});
    EXPECT_EQ(Fm->CurrentPolygonIndex(), -1);

    Fm->SelectPolygon(2);
    Fm->SelectPolygon(0);
    Fm->SelectPolygon(0); // already selected
    Fm->SelectPolygon(3); // no such shape
    Fm->SelectPolygon(-1);
    EXPECT_EQ(Fm->CurrentSelection(), TDaInt({2, 0}));
    EXPECT_EQ(Fm->CurrentPolygonIndex(), 0);
    EXPECT_EQ(Fm->SelPos(2), 0);
    EXPECT_EQ(Fm->SelPos(0), 1);
    EXPECT_EQ(Fm->SelPos(1), -1);
    EXPECT_EQ(Fm->CurrentSelectionCopy(), TPolygonTbl({c, a}));
    EXPECT_EQ(Fm->EditHistory().Count(), 2);

    // The copies are deep: changing the page leaves them as they were.
    Fm->PolygonAt(2)->Apexes[0].X = 99;
    EXPECT_EQ(Fm->CurrentSelectionCopy()[0], c);

    ASSERT_TRUE(Fm->DeletePolygonAt(0, 1));
    ASSERT_EQ(Fm->CurrentDrawing()[0].size(), 2u);
    EXPECT_EQ(Fm->CurrentDrawing()[0][0], a);
    EXPECT_EQ(Fm->CurrentDrawing()[0][1].Apexes[0], PointF(99, 10)); // the former last
    ASSERT_TRUE(Fm->DeletePolygonAt(0, 1));
    EXPECT_EQ(Fm->CurrentDrawing()[0], TPolygonTbl({a}));

    for (const auto& [page, index] : {std::pair{0, 1}, {0, -1}, {1, 0}, {2, 0}, {-1, 0}})
        EXPECT_FALSE(Fm->DeletePolygonAt(page, index)) << page << ", " << index;
    EXPECT_EQ(Fm->CurrentDrawing(), TZvDat({{a}, {}}));
}

TEST_F(SheetViewTest, StatusLineShowsTheMousePositionInMillimetres) {
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); // a decimal comma
    StartShown();
    QTest::mouseMove(PaintBox(), QPoint(35, 70));
    EXPECT_EQ(StatusText(), QStringLiteral("X:10.0 Y:20.0"));

    const auto moveTo = [&](QPoint pixel, Qt::KeyboardModifiers keys) {
        QMouseEvent move(QEvent::MouseMove, pixel, PaintBox()->mapToGlobal(pixel), Qt::NoButton,
                         Qt::NoButton, keys);
        QApplication::sendEvent(PaintBox(), &move);
        return StatusText();
    };
    EXPECT_EQ(moveTo({36, 71}, Qt::NoModifier), QStringLiteral("X:10.3 Y:20.3"));
    EXPECT_EQ(moveTo({36, 71}, Qt::ControlModifier), QStringLiteral("X:10.0 Y:20.0"));
    // Aligned onto the horizontal through the last press, (0, 0) so far.
    EXPECT_EQ(moveTo({35, 3}, Qt::ShiftModifier), QStringLiteral("X:10.0 Y:0.0"));
    QLocale::setDefault(previous);
}
