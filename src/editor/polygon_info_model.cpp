// The shape information monitor's rows: the texts of each vertex's figures
// and of its side's name, made when the view shows them.
#include "polygon_info_model.h"

#include "editing/shape_info.h"
#include "shift_jis_codec.h"

#include "ui_text.h"

#include <algorithm>

namespace {

// Looked up when shown, after the translation is installed.
const char* const Headers[TPolygonInfoModel::ColumnCount] = {
    QT_TRANSLATE_NOOP("TPolygonInfoModel", "座標"),
    QT_TRANSLATE_NOOP("TPolygonInfoModel", "内角"),
    QT_TRANSLATE_NOOP("TPolygonInfoModel", "辺の長さ"),
    QT_TRANSLATE_NOOP("TPolygonInfoModel", "辺の傾き"),
    QT_TRANSLATE_NOOP("TPolygonInfoModel", "糊代"),
    QT_TRANSLATE_NOOP("TPolygonInfoModel", "名称")};

// FixedText ignores the locale: the decimal mark is always ".". The widths are
// those of the usual formats; more decimals make a text longer, never cut it.
QString ColumnText(const TVertexInfo& info, int column, const TShownDecimals& decimals) {
    const auto number = [&decimals](long double value, int usual, int width = 0) {
        return QString::fromStdString(decimals.Text(value, usual, width));
    };
    switch (column) {
    case 0:
        return number(info.Point.X, 1, 6) + QLatin1Char('/') + number(info.Point.Y, 1, 6);
    case 1:
        return number(info.InteriorAngle, 2, 6);
    case 2:
        return number(info.SideLength, 1, 6);
    case 3:
        return number(info.SideSlope, 2, 7);
    case 4:
        return number(info.FlangeWidth, 0) + QLatin1Char(':') + number(info.FlangeAngle1, 0) +
               QLatin1Char(':') + number(info.FlangeAngle2, 0);
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

void TPolygonInfoModel::SetDecimals(const TShownDecimals& decimals) {
    if (decimals == FDecimals)
        return;
    FDecimals = decimals;
    if (FMeasuredRows > 0)
        emit dataChanged(index(0, 0), index(FMeasuredRows - 1, ColumnCount - 1), {Qt::DisplayRole});
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
        return section < ColumnCount ? UiText("TPolygonInfoModel", Headers[section]) : QVariant();
    return QString::asprintf("%3d", section + 1);
}

QString TPolygonInfoModel::CellText(int row, int column) const {
    if (row < 0 || row >= FMeasuredRows || column < 0 || column >= ColumnCount)
        return {};
    // The side's joint mark, whether or not the side has a flange.
    if (column == NameColumn)
        return IsIndexOf(FMeasured.Flanges, row) ? ShiftJisToUnicode(FMeasured.Flanges[row].Name)
                                                 : QString();
    return ColumnText(VertexInfoAt(FMeasured, FClockwise, row), column, FDecimals);
}
