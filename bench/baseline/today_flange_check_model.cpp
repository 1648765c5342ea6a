// Today's flange check table, as it stands.
#include "today_flange_check_model.h"

#include "shift_jis_codec.h"

#include <QStringList>

#include <array>
#include <utility>

namespace today {

namespace {

const std::array<QString, TFlangeCheckModel::ColumnCount> Headers = {
    QStringLiteral("名前"), QStringLiteral("辺1 (ページ/図形/辺)"),
    QStringLiteral("辺2 (ページ/図形/辺)"), QStringLiteral("問題")};

// QString::asprintf formats in the C locale: the decimal mark is always ".".
QString SideText(const TNamedSide& side) {
    return QString::asprintf("%d/%d/%d  %.3f mm", side.Page + 1, side.Shape + 1, side.Side + 1,
                             static_cast<double>(side.Length));
}

QString FindingsText(const TFlangeNameSides& name) {
    QStringList texts;
    if (name.Findings & pfNoPartner)
        texts << QStringLiteral("相手がありません");
    if (name.Findings & pfTooManySides)
        texts << QStringLiteral("%1辺にあります").arg(name.Sides.size());
    if (name.Findings & pfLengthMismatch)
        texts << QStringLiteral("長さが違います");
    if (name.Findings & pfNoTab)
        texts << QStringLiteral("糊代がありません");
    return texts.join(QStringLiteral("、"));
}

} // namespace

TFlangeCheckModel::TFlangeCheckModel(QObject* parent) : QAbstractTableModel(parent) {}

// Names with findings come first, each group in the order of the names'
// first sides.
void TFlangeCheckModel::SetReport(TFlangePartnerReport report) {
    beginResetModel();
    FReport = std::move(report);
    FRows.clear();
    for (const bool withFindings : {true, false}) {
        for (std::size_t name = 0; name < FReport.Names.size(); ++name) {
            const TFlangeNameSides& entry = FReport.Names[name];
            if ((entry.Findings != 0) != withFindings)
                continue;
            if (entry.Sides.size() < 2)
                FRows.push_back({name, 0});
            for (std::size_t second = 1; second < entry.Sides.size(); ++second)
                FRows.push_back({name, second});
        }
    }
    endResetModel();
}

// With nothing to report the line says so, and how many joints are complete
// when there are any.
QString TFlangeCheckModel::SummaryText() const {
    const int complete = CompleteJoints(FReport);
    const int withFindings = JointsWithFindings(FReport);
    if (withFindings == 0)
        return complete == 0 ? QStringLiteral("問題はありません。")
                             : QStringLiteral("問題はありません。完成した接合: %1").arg(complete);
    return QStringLiteral("完成した接合: %1　問題のある接合: %2").arg(complete).arg(withFindings);
}

const TNamedSide& TFlangeCheckModel::SideAt(const QModelIndex& index) const {
    const TRow& row = FRows[static_cast<std::size_t>(index.row())];
    const std::vector<TNamedSide>& sides = FReport.Names[row.Name].Sides;
    return index.column() == ColSecondSide && row.Second > 0 ? sides[row.Second] : sides.front();
}

int TFlangeCheckModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(FRows.size());
}

int TFlangeCheckModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant TFlangeCheckModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= rowCount())
        return {};
    return CellText(FRows[static_cast<std::size_t>(index.row())], index.column());
}

QString TFlangeCheckModel::CellText(const TRow& row, int column) const {
    const TFlangeNameSides& name = FReport.Names[row.Name];
    switch (column) {
    case ColName:
        return ShiftJisToUnicode(name.Name);
    case ColFirstSide:
        return SideText(name.Sides.front());
    case ColSecondSide:
        return row.Second > 0 ? SideText(name.Sides[row.Second]) : QString();
    case ColFindings:
        return FindingsText(name);
    default:
        return {};
    }
}

QVariant TFlangeCheckModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section < 0 ||
        section >= ColumnCount)
        return QAbstractTableModel::headerData(section, orientation, role);
    return Headers[static_cast<std::size_t>(section)];
}

} // namespace today
