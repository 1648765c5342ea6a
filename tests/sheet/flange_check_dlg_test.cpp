// Tests of the flange check window with the sheet window: the rows and the
// summary for hand-built drawings, the window kept current while it is open,
// where it opens, and a double-click that shows a row's shape on its page.
#include "document/flange_partner_index.h"
#include "flange_check_dlg.h"
#include "flange_check_model.h"
#include "sheet_fixture.h"
#include "window_placement.h"

#include <QAccessible>
#include <QLabel>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTableView>

#include <algorithm>
#include <random>

namespace {

constexpr long double RightAngle = Pi / 2;

TPolygon Named(TPolygon shape, int side, const std::string& name, long double width = 5) {
    shape.Flanges[side] = TFlange{width, RightAngle, RightAngle, name};
    return shape;
}

// A rectangle whose top side, side 1, is length mm long and carries name.
TPolygon TopNamed(long double length, const std::string& name, const TPointF& at = {}) {
    return Named(Rect(length, 10, at), 0, name);
}

const std::string So = "\x83\x5c"; // "ソ", its second byte the ASCII backslash

// Page 1: A, the orphan B, C, two sides of ソ and D; page 2: the C that is
// 0.02 mm longer and D; page 3: A and D again; and one flange without a name.
TZvDat CheckedDrawing() {
    TPolygon twoNames = Named(Named(Rect(30, 20, {10, 150}), 1, So), 3, So, 4);
    twoNames = Named(twoNames, 2, "", 3);
    return {{TopNamed(40, "A", {10, 10}), TopNamed(40, "B", {10, 40}), TopNamed(40, "C", {10, 70}),
             Named(Rect(20, 20, {10, 100}), 0, "D"), Rect(5, 5, {100, 100}), twoNames},
            {TopNamed(40.02L, "C", {10, 10}), Named(Rect(20, 20, {60, 10}), 2, "D")},
            {Rect(5, 5), TopNamed(40, "A", {100, 220}), Named(Rect(20, 20, {10, 10}), 3, "D")}};
}

class FlangeCheckDlgTest : public SheetFixture {
protected:
    TFlangeCheckDlg* Window() const { return Fm->findChild<TFlangeCheckDlg*>(); }
    QTableView* Grid() const {
        return Window()->findChild<QTableView*>(QStringLiteral("PartnerGrid"));
    }
    QString Label(const char* name) const {
        return Window()->findChild<QLabel*>(QLatin1String(name))->text();
    }
    QStringList Row(int row) const {
        const QAbstractItemModel* model = Grid()->model();
        QStringList cells;
        for (int column = 0; column < model->columnCount(); ++column)
            cells << model->index(row, column).data().toString();
        return cells;
    }
    QStringList Names() const {
        QStringList names;
        for (int row = 0; row < Grid()->model()->rowCount(); ++row)
            names << Row(row)[0];
        return names;
    }
    void OpenCheckWindow() {
        Trigger("FlangeCheckMi");
        ASSERT_TRUE(QTest::qWaitForWindowExposed(Window()));
    }
    // Lets the window catch up with the commands given so far.
    static void Settle() { QCoreApplication::processEvents(); }

    void DoubleClick(int row, int column) {
        const QModelIndex cell = Grid()->model()->index(row, column);
        Grid()->scrollTo(cell);
        // As the system delivers one: press, release, double-click, release.
        QWidget* viewport = Grid()->viewport();
        const QPoint at = Grid()->visualRect(cell).center();
        QTest::mousePress(viewport, Qt::LeftButton, Qt::NoModifier, at);
        QTest::mouseRelease(viewport, Qt::LeftButton, Qt::NoModifier, at);
        QTest::mouseDClick(viewport, Qt::LeftButton, Qt::NoModifier, at);
        QTest::mouseRelease(viewport, Qt::LeftButton, Qt::NoModifier, at);
    }
    QPoint ScrollPosition() const {
        const auto* box = Fm->findChild<QScrollArea*>(QStringLiteral("ScrollBox1"));
        return {box->horizontalScrollBar()->value(), box->verticalScrollBar()->value()};
    }
    // Where the view stands with pixel in its middle, as far as it can go back.
    QPoint CentredOn(QPoint pixel) const {
        const QWidget* client =
            Fm->findChild<QScrollArea*>(QStringLiteral("ScrollBox1"))->viewport();
        return {std::max(0, pixel.x() - client->width() / 2),
                std::max(0, pixel.y() - client->height() / 2)};
    }
};

} // namespace

TEST_F(FlangeCheckDlgTest, TheCommandShowsANonModalWindowWithEveryNameAndItsFindings) {
    Open(CheckedDrawing());
    EXPECT_EQ(Window()->isVisible(), false);
    OpenCheckWindow();
    EXPECT_EQ(Window()->windowTitle(), QStringLiteral("糊代の検査"));
    EXPECT_FALSE(Window()->isModal());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);

    const QAbstractItemModel* model = Grid()->model();
    EXPECT_EQ(model->headerData(1, Qt::Horizontal).toString(),
              QStringLiteral("辺1 (ページ/図形/辺)"));
    // Problems first, each group in the order of the names' first sides.
    ASSERT_EQ(model->rowCount(), 6);
    EXPECT_EQ(Row(0), (QStringList{"B", "1/2/1  40.000 mm", "", "相手がありません"}));
    EXPECT_EQ(Row(1), (QStringList{"C", "1/3/1  40.000 mm", "2/1/1  40.020 mm", "長さが違います"}));
    EXPECT_EQ(Row(2), (QStringList{"D", "1/4/1  20.000 mm", "2/2/3  20.000 mm", "3辺にあります"}));
    EXPECT_EQ(Row(3), (QStringList{"D", "1/4/1  20.000 mm", "3/3/4  20.000 mm", "3辺にあります"}));
    // A pair on two sides of one shape is a net closing on itself: fine.
    EXPECT_EQ(Row(4), (QStringList{"A", "1/1/1  40.000 mm", "3/2/1  40.000 mm", ""}));
    EXPECT_EQ(Row(5), (QStringList{"ソ", "1/6/2  20.000 mm", "1/6/4  20.000 mm", ""}));
    EXPECT_EQ(Label("SummaryLabel"), QStringLiteral("完成した接合: 2　問題のある接合: 3"));
    EXPECT_EQ(Label("UnnamedLabel"), QStringLiteral("名前のない糊代: 1"));

    // The sheet stays usable while the window is open.
    Trigger("AddNewPageMi");
    EXPECT_EQ(Fm->CurrentDrawing().size(), 4u);
    EXPECT_TRUE(Window()->isVisible());
}

TEST_F(FlangeCheckDlgTest, ItFirstOpensBesideTheSheetThenWhereItWasLeft) {
    Fm->show();
    OpenCheckWindow();
    const QRect screen = Fm->screen()->availableGeometry();
    EXPECT_EQ(
        Window()->frameGeometry().topLeft(),
        PlacedBeside(Fm->frameGeometry(), Window()->frameGeometry().size(), screen).topLeft());
    Window()->move(40, 30);
    Window()->close();
    OpenCheckWindow();
    EXPECT_EQ(Window()->pos(), QPoint(40, 30));
}

TEST_F(FlangeCheckDlgTest, WithNothingToReportItSaysSo) {
    Open({{TopNamed(40, "A"), Named(Rect(30, 10, {0, 50}), 2, "\x95\x5c")},
          {TopNamed(40.005L, "A"), Named(Rect(30, 10, {0, 50}), 0, "\x95\x5c")}});
    OpenCheckWindow();
    EXPECT_EQ(Label("SummaryLabel"), QStringLiteral("問題はありません。完成した接合: 2"));
    EXPECT_EQ(Label("UnnamedLabel"), QStringLiteral("名前のない糊代: 0"));
    EXPECT_EQ(Names(), (QStringList{"A", "表"}));
    EXPECT_EQ(Row(0)[3], QString());
}

// Joints as modellers glue them: a tab on one side of a pair is enough, and a
// net may close on itself; a pair with no tab at all has nothing to glue on.
TEST_F(FlangeCheckDlgTest, APairNeedsATabOnOneSideOnly) {
    TPolygon net = Named(Named(Rect(30, 20), 1, "3", 0), 3, "3", 4);
    Open({{Named(Rect(40, 10), 0, "1", 0), Named(Rect(40, 10, {0, 20}), 2, "2", 0), net},
          {TopNamed(40, "1"), Named(Rect(40, 10), 0, "2", 0)}});
    OpenCheckWindow();
    ASSERT_EQ(Grid()->model()->rowCount(), 3);
    EXPECT_EQ(Row(0),
              (QStringList{"2", "1/2/3  40.000 mm", "2/2/1  40.000 mm", "糊代がありません"}));
    EXPECT_EQ(Names(), (QStringList{"2", "1", "3"}));
    EXPECT_EQ(Row(2)[3], QString());
    EXPECT_EQ(Label("SummaryLabel"), QStringLiteral("完成した接合: 2　問題のある接合: 1"));
}

TEST_F(FlangeCheckDlgTest, TheWindowFollowsEveryChangeWhileItIsOpen) {
    Open(CheckedDrawing());
    OpenCheckWindow();

    // The orphan's shape edited to carry "A": A is now on three sides.
    Fm->SelectPolygon(1);
    Editor.Result = TopNamed(40, "A", {10, 40});
    Later();
    Trigger("PolygonEditMi");
    Settle();
    EXPECT_EQ(Names(), (QStringList{"A", "A", "C", "D", "D", "ソ"}));
    EXPECT_EQ(Row(0)[3], QStringLiteral("3辺にあります"));

    Later();
    Trigger("Undo1");
    Settle();
    EXPECT_EQ(Names(), (QStringList{"B", "C", "D", "D", "A", "ソ"}));

    Later();
    Fm->SelectPolygon(1);
    Trigger("PolygonDeleteMi");
    Settle();
    EXPECT_FALSE(Names().contains("B"));

    Prompt.Answers.push_back(TPromptAnswer::No); // the changes are not saved
    Trigger("New1");
    Settle();
    EXPECT_EQ(Grid()->model()->rowCount(), 0);
    EXPECT_EQ(Label("SummaryLabel"), QStringLiteral("問題はありません。"));

    Open({{TopNamed(40, "Q")}});
    Settle();
    EXPECT_EQ(Names(), QStringList{"Q"});

    // Closed, it ignores changes; shown again, it checks the drawing as it is.
    Window()->close();
    Fm->SelectPolygon(0);
    Trigger("PolygonCutMi");
    Settle();
    EXPECT_EQ(Names(), QStringList{"Q"});
    OpenCheckWindow();
    EXPECT_EQ(Grid()->model()->rowCount(), 0);
}

// The window takes only what each command changed and tells the table only
// the rows that differ; after any sequence of commands it shows what a check
// of the whole drawing shows, and it never resets the table.
TEST_F(FlangeCheckDlgTest, ItFollowsCommandsRowByRowAsAWholeCheckWould) {
    Open(CheckedDrawing());
    OpenCheckWindow();
    Grid()->selectRow(2);
    QSignalSpy resets(Grid()->model(), &QAbstractItemModel::modelReset);
    std::mt19937 random(8);
    const auto pick = [&](int count) { return static_cast<int>(random() % count); };
    for (int command = 0; command < 60; ++command) {
        Later();
        const int page = pick(static_cast<int>(Fm->CurrentDrawing().size()));
        switch (pick(5)) {
        case 0:
            Trigger(page == 0 ? "AddNewPageMi" : "DelPageMi");
            break;
        case 1:
            Trigger("Undo1");
            break;
        case 2:
            Trigger("Repeat1");
            break;
        case 3:
            Fm->SelectPolygon(0);
            Editor.Result =
                TopNamed(20 + pick(3), std::string(1, static_cast<char>('A' + pick(4))), {10, 40});
            Trigger("PolygonEditMi");
            break;
        default:
            if (Fm->CurrentPolygonIndex() >= 0)
                Trigger("PolygonDeleteMi");
            break;
        }
        Settle();
        TFlangePartnerIndex whole;
        whole.Rebuild(Fm->CurrentDrawing());
        TFlangeCheckModel expected;
        expected.Show(whole);
        ASSERT_EQ(Grid()->model()->rowCount(), expected.rowCount()) << "command " << command;
        for (int row = 0; row < expected.rowCount(); ++row)
            for (int column = 0; column < expected.columnCount(); ++column)
                ASSERT_EQ(Grid()->model()->index(row, column).data(),
                          expected.index(row, column).data())
                    << "command " << command << ", row " << row;
        ASSERT_EQ(Label("SummaryLabel"), expected.SummaryText());
        ASSERT_EQ(Label("UnnamedLabel"),
                  QStringLiteral("名前のない糊代: %1").arg(expected.UnnamedFlanges()));
    }
    EXPECT_EQ(resets.size(), 0);
}

// A change elsewhere leaves the selected row selected and in its place.
TEST_F(FlangeCheckDlgTest, AChangeElsewhereKeepsTheSelectedRow) {
    Open(CheckedDrawing());
    OpenCheckWindow();
    Grid()->selectRow(4); // A, complete
    Later();
    Fm->SelectPolygon(4); // the small unnamed square
    Trigger("PolygonDeleteMi");
    Settle();
    EXPECT_EQ(Grid()->currentIndex().row(), 4);
    EXPECT_EQ(Row(4)[0], QStringLiteral("A"));
    EXPECT_TRUE(Grid()->selectionModel()->isRowSelected(4, {}));
}

TEST_F(FlangeCheckDlgTest, ADoubleClickShowsThePageSelectsTheShapeAndCentresIt) {
    WriteFile(SettingsPath(), "[TMainFm]\nZoom=40000\n" + std::string(TenMillimetreMargins));
    StartShown();
    Open(CheckedDrawing());
    Fm->SelectPolygon(0);
    OpenCheckWindow();
    ASSERT_EQ(Row(4)[0], QStringLiteral("A"));

    // The second side of A: shape 2 of page 3, centroid (120, 225) mm, pixel (1680, 3150).
    Later();
    DoubleClick(4, 2);
    EXPECT_EQ(Fm->CurrentPage(), 2);
    EXPECT_EQ(Tabs()->currentIndex(), 2);
    EXPECT_EQ(Fm->CurrentSelection(), TDaInt{1});
    const QPoint farOff = CentredOn({1680, 3150});
    ASSERT_GT(farOff.y(), 1000);
    EXPECT_EQ(ScrollPosition(), farOff);
    EXPECT_TRUE(Window()->isVisible());

    // Any other cell of the row stands for its first side: shape 1 of page 1,
    // centroid (30, 15) mm, near the top.
    Later();
    DoubleClick(4, 0);
    EXPECT_EQ(Fm->CurrentPage(), 0);
    EXPECT_EQ(Tabs()->currentIndex(), 0);
    EXPECT_EQ(Fm->CurrentSelection(), TDaInt{0});
    EXPECT_EQ(ScrollPosition(), CentredOn({420, 210}));

    // The same page: only the selection changes, and one undo step takes it back.
    Later();
    DoubleClick(0, 3);
    EXPECT_EQ(Fm->CurrentSelection(), TDaInt{1});
    Later();
    Trigger("Undo1");
    EXPECT_EQ(Fm->CurrentSelection(), TDaInt{0});
}

// A window of its own to assistive technology, named by its caption.
TEST_F(FlangeCheckDlgTest, AssistiveTechnologySeesAWindowNamedByItsCaption) {
    OpenCheckWindow();
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(Window());
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->role(), QAccessible::Window);
    EXPECT_EQ(window->text(QAccessible::Name), QStringLiteral("糊代の検査"));
}
