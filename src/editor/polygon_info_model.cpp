// The shape information monitor's rows: the texts of each vertex's figures
// and of its side's name, made when the view shows them.
#include "polygon_info_model.h"

#include "editing/shape_info.h"
#include "shift_jis_codec.h"

#include <algorithm>

namespace {

const QString Headers[TPolygonInfoModel::ColumnCount] = {
    QStringLiteral("座標"),     QStringLiteral("内角"), QStringLiteral("辺の長さ"),
    QStringLiteral("辺の傾き"), QStringLiteral("糊代"), QStringLiteral("名称")};

// QString::asprintf formats in the C locale: the decimal mark is always ".".
QString ColumnText(const TVertexInfo& info, int column) {
    switch (column) {
    case 0:
        return QString::asprintf("%6.1f/%6.1f", static_cast<double>(info.Point.X),
                                 static_cast<double>(info.Point.Y));
    case 1:
        return QString::asprintf("%6.2f", static_cast<double>(info.InteriorAngle));
    case 2:
        return QString::asprintf("%6.1f", static_cast<double>(info.SideLength));
    case 3:
        return QString::asprintf("%7.2f", static_cast<double>(info.SideSlope));
    case 4:
        return QString::asprintf("%.0f:%.0f:%.0f", static_cast<double>(info.FlangeWidth),
                                 static_cast<double>(info.FlangeAngle1),
                                 static_cast<double>(info.FlangeAngle2));
    default:
        return {};
    }
}

} // namespace

// Rows come and go at the end, so the view keeps its place in those that stay.
void TPolygonInfoModel::SetPolygon(const TPolygon& polygon) {
    const int rows = static_cast<int>(polygon.Apexes.size());
    if (rows < FRows) {
        beginRemoveRows({}, rows, FRows - 1);
        FRows = rows;
        endRemoveRows();
    } else if (rows > FRows) {
        beginInsertRows({}, FRows, rows - 1);
        FRows = rows;
        endInsertRows();
    }
    if (rows < 2) {
        FMeasuredRows = std::min(FMeasuredRows, rows);
        return;
    }
    FMeasured = polygon;
    FClockwise = IsClockwiseOutline(polygon.Apexes);
    FMeasuredRows = rows;
    emit dataChanged(index(0, 0), index(rows - 1, ColumnCount - 1), {Qt::DisplayRole});
}

int TPolygonInfoModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : FRows;
}

int TPolygonInfoModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant TPolygonInfoModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid())
        return {};
    return CellText(index.row(), index.column());
}

QVariant TPolygonInfoModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || section < 0)
        return {};
    if (orientation == Qt::Horizontal)
        return section < ColumnCount ? Headers[section] : QVariant();
    return QString::asprintf("%3d", section + 1);
}

QString TPolygonInfoModel::CellText(int row, int column) const {
    if (row < 0 || row >= FMeasuredRows || column < 0 || column >= ColumnCount)
        return {};
    // The side's joint mark, whether or not the side has a flange.
    if (column == NameColumn)
        return IsIndexOf(FMeasured.Flanges, row) ? ShiftJisToUnicode(FMeasured.Flanges[row].Name)
                                                 : QString();
    return ColumnText(VertexInfoAt(FMeasured, FClockwise, row), column);
}
