// Today's shape information monitor's grid, texts and frames (its settings
// left out: they play no part in a refresh).
#include "baseline_polygon_info_dlg.h"

#include "editing/shape_info.h"
#include "geometry/hit_test.h"
#include "geometry/plane_geometry.h"

#include <QHeaderView>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <array>
#include <numbers>

namespace baseline {
namespace {

constexpr int DataColumns = 5;
constexpr int DefaultColumnWidth = 35;
constexpr int DefaultRowHeight = 18;

const QColor Slot0Colour(255, 0, 255);
const QColor Slot1Colour(0, 255, 0);

long double Degrees(long double radians) {
    return radians / std::numbers::pi_v<long double> * 180;
}

std::vector<TVertexInfo> ShapeInfo(const TPolygon& polygon) {
    const TDaPointF& apexes = polygon.Apexes;
    const int n = static_cast<int>(apexes.size());
    std::vector<TVertexInfo> rows;
    if (n < 2)
        return rows;
    rows.reserve(apexes.size());
    for (int i = 0; i < n; ++i) {
        const TPointF& next = apexes[(i + 1) % n];
        TVertexInfo row;
        row.Point = apexes[i];
        row.InteriorAngle = Degrees(ApexAngle(apexes, i));
        row.SideLength = PointDistance(apexes[i], next);
        row.SideSlope = SlopeDegrees(apexes[i], next);
        if (IsIndexOf(polygon.Flanges, i)) {
            const TFlange& flange = polygon.Flanges[i];
            row.FlangeWidth = flange.Width;
            row.FlangeAngle1 = Degrees(flange.Angle1);
            row.FlangeAngle2 = Degrees(flange.Angle2);
        }
        rows.push_back(row);
    }
    return rows;
}

class TInfoCellDelegate : public QStyledItemDelegate {
public:
    TInfoCellDelegate(const TPolygonInfoDlg& monitor, QObject* parent)
        : QStyledItemDelegate(parent), FMonitor(monitor) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const QRect cell = option.rect;
        painter->save();
        painter->fillRect(cell, Qt::white);
        painter->setPen(Qt::black);
        painter->setFont(option.font);
        const QRect text = cell.adjusted(2, 2, 0, 0);
        painter->drawText(text, Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip,
                          index.data().toString());
        const int apex = index.row();
        const QColor* frame = apex == FMonitor.SelApex0()   ? &Slot0Colour
                              : apex == FMonitor.SelApex1() ? &Slot1Colour
                                                            : nullptr;
        if (frame != nullptr) {
            painter->setPen(*frame);
            painter->setBrush(Qt::NoBrush);
            painter->drawRect(cell.adjusted(1, 1, -2, -2));
        }
        painter->restore();
    }

private:
    const TPolygonInfoDlg& FMonitor;
};

QString CoordinatesText(const TPointF& point) {
    return QString::asprintf("%6.1f/%6.1f", static_cast<double>(point.X),
                             static_cast<double>(point.Y));
}

std::array<QString, DataColumns> RowTexts(const TVertexInfo& info) {
    return {CoordinatesText(info.Point),
            QString::asprintf("%6.2f", static_cast<double>(info.InteriorAngle)),
            QString::asprintf("%6.1f", static_cast<double>(info.SideLength)),
            QString::asprintf("%7.2f", static_cast<double>(info.SideSlope)),
            QString::asprintf("%.0f:%.0f:%.0f", static_cast<double>(info.FlangeWidth),
                              static_cast<double>(info.FlangeAngle1),
                              static_cast<double>(info.FlangeAngle2))};
}

} // namespace

TPolygonInfoDlg::TPolygonInfoDlg(QWidget* parent) : QWidget(parent, Qt::Tool) {
    setWindowTitle(QStringLiteral("図形情報"));
    QFont font(QStringLiteral("ＭＳ ゴシック"));
    font.setPixelSize(13);
    setFont(font);
    createGrid();
    resize(321, 241);
}

void TPolygonInfoDlg::createGrid() {
    StringGrid1 = new QTableWidget(0, DataColumns, this);
    StringGrid1->setHorizontalHeaderLabels({QStringLiteral("座標"), QStringLiteral("内角"),
                                            QStringLiteral("辺の長さ"), QStringLiteral("辺の傾き"),
                                            QStringLiteral("糊代")});
    StringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    StringGrid1->setSelectionMode(QAbstractItemView::NoSelection);
    StringGrid1->setFocusPolicy(Qt::NoFocus);
    StringGrid1->setShowGrid(true);
    StringGrid1->setItemDelegate(new TInfoCellDelegate(*this, StringGrid1));
    QHeaderView* columns = StringGrid1->horizontalHeader();
    columns->setSectionResizeMode(QHeaderView::Interactive);
    columns->setDefaultSectionSize(DefaultColumnWidth);
    columns->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    QHeaderView* rows = StringGrid1->verticalHeader();
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setDefaultSectionSize(DefaultRowHeight);
    rows->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    FitColumnsToTheirTexts();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(StringGrid1);
}

void TPolygonInfoDlg::FitColumnsToTheirTexts() {
    const QString samples[DataColumns] = {QStringLiteral(" 000.0/ 000.0"), QStringLiteral("000.00"),
                                          QStringLiteral("0000.0"), QStringLiteral("-000.00"),
                                          QStringLiteral("00:00:00")};
    const QFontMetrics metrics(font());
    for (int column = 0; column < DataColumns; ++column) {
        const QString header = StringGrid1->horizontalHeaderItem(column)->text();
        const int text =
            std::max(metrics.horizontalAdvance(samples[column]), metrics.horizontalAdvance(header));
        StringGrid1->setColumnWidth(column, std::max(DefaultColumnWidth, text + 8));
    }
}

void TPolygonInfoDlg::Update(const TPolygon& polygon, int selApex0, int selApex1) {
    FSelApex0 = selApex0;
    FSelApex1 = selApex1;
    const int apexCount = static_cast<int>(polygon.Apexes.size());
    if (apexCount != FRowsBuiltFor)
        SetRowCount(apexCount);
    const std::vector<TVertexInfo> rows = baseline::ShapeInfo(polygon);
    for (std::size_t row = 0; row < rows.size(); ++row) {
        const std::array<QString, DataColumns> texts = RowTexts(rows[row]);
        for (int column = 0; column < DataColumns; ++column)
            SetCell(static_cast<int>(row), column, texts[column]);
    }
    StringGrid1->viewport()->update();
}

void TPolygonInfoDlg::SetRowCount(int apexCount) {
    FRowsBuiltFor = apexCount;
    StringGrid1->setRowCount(apexCount);
    QStringList numbers;
    for (int row = 1; row <= apexCount; ++row)
        numbers << QString::asprintf("%3d", row);
    StringGrid1->setVerticalHeaderLabels(numbers);
}

void TPolygonInfoDlg::SetCell(int row, int column, const QString& text) {
    QTableWidgetItem* item = StringGrid1->item(row, column);
    if (item == nullptr)
        StringGrid1->setItem(row, column, new QTableWidgetItem(text));
    else
        item->setText(text);
}

} // namespace baseline
