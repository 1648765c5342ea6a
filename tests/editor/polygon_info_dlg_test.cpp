// Tests of the shape information monitor: its texts per vertex, its rows as
// the vertex count changes, the frames of the selected rows as drawn, and the
// settings it keeps.
#include "polygon_info_dlg.h"

#include "common/shape_builders.h"
#include "format/ini_file.h"
#include "settings_file.h"

#include <QApplication>
#include <QHeaderView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>
#include <numbers>

namespace {

constexpr long double Pi = std::numbers::pi_v<long double>;

class PolygonInfoDlgTest : public testing::Test {
protected:
    QTemporaryDir Dir;
    std::unique_ptr<TPolygonInfoDlg> Monitor =
        std::make_unique<TPolygonInfoDlg>(Dir.filePath(QStringLiteral("zelvo.ini")));

    QTableWidget* Grid() const {
        return Monitor->findChild<QTableWidget*>(QStringLiteral("StringGrid1"));
    }
    QString Cell(int row, int column) const {
        const QTableWidgetItem* item = Grid()->item(row, column);
        return item == nullptr ? QString() : item->text();
    }
    QString RowNumber(int row) const { return Grid()->verticalHeaderItem(row)->text(); }
};

} // namespace

TEST_F(PolygonInfoDlgTest, TriangleRowsShowTheFormattedFigures) {
    TPolygon triangle = Shape({{0, 0}, {10, 0}, {0, 10}});
    triangle.Flanges[0] = MakeFlange("A", 5, Pi / 4, Pi / 4);
    Monitor->Update(triangle, -1, -1);

    EXPECT_EQ(Monitor->windowTitle(), QStringLiteral("図形情報"));
    ASSERT_EQ(Grid()->rowCount(), 3);
    ASSERT_EQ(Grid()->columnCount(), 5);
    const QStringList headers = {"座標", "内角", "辺の長さ", "辺の傾き", "糊代"};
    for (int column = 0; column < 5; ++column)
        EXPECT_EQ(Grid()->horizontalHeaderItem(column)->text(), headers[column]);
    EXPECT_EQ(RowNumber(0), QStringLiteral("  1"));
    EXPECT_EQ(Cell(0, 0), QStringLiteral("   0.0/   0.0"));
    EXPECT_EQ(Cell(0, 1), QStringLiteral(" 90.00"));
    EXPECT_EQ(Cell(0, 2), QStringLiteral("  10.0"));
    EXPECT_EQ(Cell(0, 3), QStringLiteral("   0.00"));
    EXPECT_EQ(Cell(0, 4), QStringLiteral("5:45:45"));
    EXPECT_EQ(Cell(1, 2), QStringLiteral("  14.1"));
    EXPECT_EQ(Cell(1, 3), QStringLiteral("-135.00"));
    EXPECT_EQ(Cell(1, 4), QStringLiteral("0:0:0"));
}

TEST_F(PolygonInfoDlgTest, RowsFollowTheVertexCountAndOneVertexKeepsTheTexts) {
    Monitor->Update(Shape({{0, 0}, {10, 0}, {10, 10}, {5, 15}, {0, 10}}), -1, -1);
    ASSERT_EQ(Grid()->rowCount(), 5);
    Monitor->Update(Square(20), -1, -1);
    ASSERT_EQ(Grid()->rowCount(), 4);
    EXPECT_EQ(RowNumber(3), QStringLiteral("  4"));
    EXPECT_EQ(Cell(1, 0), QStringLiteral("  20.0/   0.0"));

    Monitor->Update(Shape({{7, 7}}), -1, -1);
    ASSERT_EQ(Grid()->rowCount(), 1);
    EXPECT_EQ(Cell(0, 0), QStringLiteral("   0.0/   0.0"))
        << "nothing to measure, nothing rewritten";
}

TEST_F(PolygonInfoDlgTest, ColumnsStartWideEnoughForTheirTexts) {
    Monitor->Update(Shape({{-123.4L, 567.8L}, {10, 0}, {0, 10}}), -1, -1);
    const QFontMetrics metrics(Monitor->font());
    for (int column = 0; column < 5; ++column)
        EXPECT_GT(Grid()->columnWidth(column), metrics.horizontalAdvance(Cell(0, column)) + 2)
            << column;
}

TEST_F(PolygonInfoDlgTest, SelectedRowsAreFramedInTheSlotColours) {
    Monitor->Update(Shape({{0, 0}, {10, 0}, {10, 10}, {5, 15}, {0, 10}}), 2, 3);
    Monitor->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Monitor.get()));
    const QImage image = Grid()->viewport()->grab().toImage();
    const auto frameColour = [&](int row, int column) {
        const QRect cell = Grid()->visualItemRect(Grid()->item(row, column));
        return image.pixelColor(cell.left() + 1, cell.center().y());
    };
    for (int column = 0; column < 5; ++column) {
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
    Grid()->scrollToItem(Grid()->item(299, 0));
    QApplication::processEvents();
    const QImage scrolled = Grid()->viewport()->grab().toImage();
    const QRect cell = Grid()->visualItemRect(Grid()->item(299, 0));
    EXPECT_EQ(scrolled.pixelColor(cell.left() + 1, cell.center().y()), QColor(0, 255, 0));
}

TEST_F(PolygonInfoDlgTest, BoundsAndColumnWidthsAreKeptInTheSettings) {
    const QString path = Dir.filePath(QStringLiteral("zelvo.ini"));
    Monitor->setGeometry(50, 60, 400, 300);
    Grid()->setColumnWidth(0, 120);
    Grid()->setColumnWidth(4, 70);
    Monitor.reset();
    const TIniFile stored = LoadSettings(path);
    EXPECT_EQ(stored.ReadInteger("TPolygonInfoDlg", "Left", 0), 50);
    EXPECT_EQ(stored.ReadInteger("TPolygonInfoDlg", "Width", 0), 400);
    EXPECT_EQ(stored.ReadInteger("TPolygonInfoDlg", "ColWidth1", 0), 120);
    EXPECT_GE(stored.ReadInteger("TPolygonInfoDlg", "ColWidth2", 0), 35);
    EXPECT_EQ(stored.ReadInteger("TPolygonInfoDlg", "ColWidth5", 0), 70);

    Monitor = std::make_unique<TPolygonInfoDlg>(path);
    EXPECT_EQ(Monitor->geometry(), QRect(50, 60, 400, 300));
    EXPECT_EQ(Grid()->columnWidth(0), 120);
    EXPECT_EQ(Grid()->columnWidth(4), 70);
}
