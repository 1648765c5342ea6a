// Tests of the shape information monitor: its texts per vertex, its rows as
// the vertex count changes, the frames of the selected rows as drawn, its
// default widths, the settings it keeps, and its place as the editor's tool
// window that takes the mouse while the editor is modal.
#include "polygon_info_dlg.h"

#include "editor_fixture.h"
#include "format/ini_file.h"
#include "geometry/angles.h"
#include "settings_file.h"

#include <QAccessible>
#include <QApplication>
#include <QHeaderView>
#include <QScrollBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <memory>

namespace {

QTableView* GridOf(const TPolygonInfoDlg& monitor) {
    return monitor.findChild<QTableView*>(QStringLiteral("StringGrid1"));
}

class PolygonInfoDlgTest : public testing::Test {
protected:
    QTemporaryDir Dir;
    std::unique_ptr<TPolygonInfoDlg> Monitor = std::make_unique<TPolygonInfoDlg>(TIniFile{});

    QTableView* Grid() const { return GridOf(*Monitor); }
    QString Cell(int row, int column) const {
        const QAbstractItemModel* cells = Grid()->model();
        return cells->data(cells->index(row, column)).toString();
    }
    QString Header(int column) const {
        return Grid()->model()->headerData(column, Qt::Horizontal).toString();
    }
    QString RowNumber(int row) const {
        return Grid()->model()->headerData(row, Qt::Vertical).toString();
    }
    // Where a cell is drawn in the grid's viewport.
    QRect CellRect(int row, int column) const {
        return Grid()->visualRect(Grid()->model()->index(row, column));
    }
};

} // namespace

TEST_F(PolygonInfoDlgTest, TriangleRowsShowTheFormattedFigures) {
    TPolygon triangle = Shape({{0, 0}, {10, 0}, {0, 10}});
    triangle.Flanges[0] = MakeFlange("A", 5, Pi / 4, Pi / 4);
    triangle.Flanges[1] = MakeFlange("\x8a\xbf", 0, 0, 0); // a mark on a side without a flange
    Monitor->Update(triangle, -1, -1);

    EXPECT_EQ(Monitor->windowTitle(), QStringLiteral("図形情報"));
    ASSERT_EQ(Grid()->model()->rowCount(), 3);
    ASSERT_EQ(Grid()->model()->columnCount(), 6);
    const QStringList headers = {"座標", "内角", "辺の長さ", "辺の傾き", "糊代", "名称"};
    for (int column = 0; column < 6; ++column)
        EXPECT_EQ(Header(column), headers[column]);
    EXPECT_EQ(RowNumber(0), QStringLiteral("  1"));
    EXPECT_EQ(Cell(0, 0), QStringLiteral("   0.0/   0.0"));
    EXPECT_EQ(Cell(0, 1), QStringLiteral(" 90.00"));
    EXPECT_EQ(Cell(0, 2), QStringLiteral("  10.0"));
    EXPECT_EQ(Cell(0, 3), QStringLiteral("   0.00"));
    EXPECT_EQ(Cell(0, 4), QStringLiteral("5:45:45"));
    EXPECT_EQ(Cell(1, 2), QStringLiteral("  14.1"));
    EXPECT_EQ(Cell(1, 3), QStringLiteral("-135.00"));
    EXPECT_EQ(Cell(1, 4), QStringLiteral("0:0:0"));
    EXPECT_EQ(Cell(0, 5), QStringLiteral("A"));
    EXPECT_EQ(Cell(1, 5), QStringLiteral("漢")) << "the Shift-JIS mark of a bare side";
    EXPECT_EQ(Cell(2, 5), QString());
    // The same figures the other way round: the interior angle stays.
    Monitor->Update(Shape({{0, 10}, {10, 0}, {0, 0}}), -1, -1);
    EXPECT_EQ(Cell(2, 1), QStringLiteral(" 90.00"));
}

TEST_F(PolygonInfoDlgTest, RowsFollowTheVertexCountAndOneVertexKeepsTheTexts) {
    Monitor->Update(Shape({{0, 0}, {10, 0}, {10, 10}, {5, 15}, {0, 10}}), -1, -1);
    ASSERT_EQ(Grid()->model()->rowCount(), 5);
    Monitor->Update(Square(20), -1, -1);
    ASSERT_EQ(Grid()->model()->rowCount(), 4);
    EXPECT_EQ(RowNumber(3), QStringLiteral("  4"));
    EXPECT_EQ(Cell(1, 0), QStringLiteral("  20.0/   0.0"));

    Monitor->Update(Shape({{7, 7}}), -1, -1);
    ASSERT_EQ(Grid()->model()->rowCount(), 1);
    EXPECT_EQ(Cell(0, 0), QStringLiteral("   0.0/   0.0"))
        << "nothing to measure, nothing rewritten";
    // A row that went and came back has lost its texts.
    Monitor->Update(TPolygon(), -1, -1);
    Monitor->Update(Shape({{7, 7}}), -1, -1);
    EXPECT_EQ(Cell(0, 0), QString());
}

// Each column is wide enough for its longest text and its header, drawn 2
// pixels in, and the window opens wide enough to show every column whole
// beside the row numbers, with the scroll bar of a long shape.
TEST_F(PolygonInfoDlgTest, DefaultWidthsShowEveryColumnWhole) {
    const QFontMetrics metrics(Monitor->font());
    const QStringList longest = TPolygonInfoDlg::LongestColumnTexts();
    const int longestColumn[] = {0, 0, 1, 2, 3, 4, 5};
    for (int k = 0; k < longest.size(); ++k)
        EXPECT_GE(Grid()->columnWidth(longestColumn[k]), 2 + metrics.horizontalAdvance(longest[k]))
            << longest[k].toStdString();
    for (int column = 0; column < 6; ++column)
        EXPECT_GE(Grid()->columnWidth(column), 2 + metrics.horizontalAdvance(Header(column)));

    TPolygon many;
    for (int i = 0; i < 300; ++i)
        many.Apexes.push_back(PointF(-999.9L + i, 9999.9L - i));
    Monitor->Update(many, -1, -1);
    Monitor->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Monitor.get()));
    ASSERT_TRUE(Grid()->verticalScrollBar()->isVisible());
    const QHeaderView* columns = Grid()->horizontalHeader();
    EXPECT_LE(columns->sectionViewportPosition(5) + columns->sectionSize(5),
              Grid()->viewport()->width());
    EXPECT_GE(Grid()->verticalHeader()->width(), metrics.horizontalAdvance(RowNumber(299)) + 2);
}

TEST_F(PolygonInfoDlgTest, SelectedRowsAreFramedInTheSlotColours) {
    Monitor->Update(Shape({{0, 0}, {10, 0}, {10, 10}, {5, 15}, {0, 10}}), 2, 3);
    Monitor->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Monitor.get()));
    const QImage image = Grid()->viewport()->grab().toImage();
    const auto frameColour = [&](int row, int column) {
        const QRect cell = CellRect(row, column);
        return image.pixelColor(cell.left() + 1, cell.center().y());
    };
    for (int column = 0; column < 6; ++column) {
        EXPECT_EQ(frameColour(2, column), QColor(255, 0, 255)) << "row 3, column " << column;
        EXPECT_EQ(frameColour(3, column), QColor(0, 255, 0)) << "row 4, column " << column;
        EXPECT_EQ(frameColour(1, column), QColor(Qt::white)) << "row 2, column " << column;
    }
    // A vertex index above 255 is framed like any other.
    TPolygon many;
    for (int i = 0; i < 300; ++i)
        many.Apexes.push_back(PointF(i, i % 2));
    Monitor->Update(many, -1, 299);
    QApplication::processEvents(); // lays out the new rows
    Grid()->scrollTo(Grid()->model()->index(299, 0));
    QApplication::processEvents();
    const QImage scrolled = Grid()->viewport()->grab().toImage();
    const QRect cell = CellRect(299, 0);
    EXPECT_EQ(scrolled.pixelColor(cell.left() + 1, cell.center().y()), QColor(0, 255, 0));
    EXPECT_EQ(Cell(299, 0), QStringLiteral(" 299.0/   1.0"));
}

TEST_F(PolygonInfoDlgTest, BoundsAndColumnWidthsAreKeptInTheSettings) {
    const QString path = Dir.filePath(QStringLiteral("zelvo.ini"));
    Monitor->setGeometry(50, 60, 400, 300);
    Grid()->setColumnWidth(0, 120);
    Grid()->setColumnWidth(4, 70);
    // Written as the program ends: into the settings read at start, saved once.
    TIniFile atEnd = LoadSettings(path);
    Monitor->WriteSettings(atEnd);
    ASSERT_TRUE(SaveSettings(path, atEnd));
    Monitor.reset();
    const TIniFile stored = LoadSettings(path);
    EXPECT_EQ(stored.ReadInteger("TPolygonInfoDlg", "Left", 0), 50);
    EXPECT_EQ(stored.ReadInteger("TPolygonInfoDlg", "Width", 0), 400);
    EXPECT_EQ(stored.ReadInteger("TPolygonInfoDlg", "ColWidth1", 0), 120);
    EXPECT_GE(stored.ReadInteger("TPolygonInfoDlg", "ColWidth2", 0), 35);
    EXPECT_EQ(stored.ReadInteger("TPolygonInfoDlg", "ColWidth5", 0), 70);

    Monitor = std::make_unique<TPolygonInfoDlg>(stored);
    EXPECT_EQ(Monitor->geometry(), QRect(50, 60, 400, 300));
    EXPECT_EQ(Grid()->columnWidth(0), 120);
    EXPECT_EQ(Grid()->columnWidth(4), 70);
}

TEST_F(PolygonInfoDlgTest, AssistiveTechnologySeesAWindowNamedByItsCaption) {
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(Monitor.get());
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->role(), QAccessible::Window);
    EXPECT_EQ(window->text(QAccessible::Name), QStringLiteral("図形情報"));
}

// The editor is application-modal; the monitor, made with the editor as its
// parent as the program makes it, is the editor's tool window: mouse input
// reaches it through the window system while the editor's modal run lasts.
TEST_F(EditorTest, TheMonitorTakesTheMouseWhileTheEditorIsModal) {
    TMkPolygonFm& fm = Create();
    TPolygonInfoDlg monitor(Settings, &fm);
    EXPECT_TRUE(monitor.isWindow());
    EXPECT_EQ(monitor.windowFlags() & Qt::WindowType_Mask, Qt::Tool);
    TEditorDialogs dialogs;
    dialogs.Monitor = &monitor;
    fm.SetDialogs(dialogs);
    TPolygon many;
    for (int i = 0; i < 100; ++i)
        many.Apexes.push_back(PointF(i, 100 - i));
    fm.SetPolygon(many);
    Item("PInfoMi")->trigger();
    QTableView* grid = GridOf(monitor);

    bool ran = false;
    QTimer::singleShot(0, &fm, [&] {
        ran = true;
        EXPECT_EQ(QApplication::activeModalWidget(), &fm);
        ASSERT_TRUE(monitor.isVisible());
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&monitor));
        EXPECT_EQ(monitor.windowHandle()->transientParent(), fm.windowHandle());
        QWindow* window = monitor.windowHandle();

        // Drag the right edge of the first column 30 pixels to the right.
        const QHeaderView* header = grid->horizontalHeader();
        const int width = header->sectionSize(0);
        const QPoint edge = header->mapTo(
            &monitor, QPoint(header->sectionViewportPosition(0) + width - 1, header->height() / 2));
        QTest::mousePress(window, Qt::LeftButton, {}, edge);
        QTest::mouseMove(window, edge + QPoint(15, 0));
        QTest::mouseMove(window, edge + QPoint(30, 0));
        QTest::mouseRelease(window, Qt::LeftButton, {}, edge + QPoint(30, 0));
        EXPECT_EQ(header->sectionSize(0), width + 30) << "the column is resized";

        // A click low in the scroll bar's groove pages down.
        const QScrollBar* bar = grid->verticalScrollBar();
        ASSERT_TRUE(bar->isVisible());
        const QPoint groove = bar->mapTo(&monitor, QPoint(bar->width() / 2, bar->height() - 30));
        QTest::mouseClick(window, Qt::LeftButton, {}, groove);
        EXPECT_GT(bar->value(), 0) << "the rows scroll";
        fm.close();
    });
    fm.ShowModal();
    EXPECT_TRUE(ran);
    EXPECT_FALSE(monitor.isVisible()) << "closing the editor closes the monitor";
}
