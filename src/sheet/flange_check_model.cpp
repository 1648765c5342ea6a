// The flange check table: rows built from the check's marks, the names in
// Unicode, each side as page/shape/side numbered from 1 with its length, the
// findings in words, and the count of complete joints and of joints with
// findings.
#include "flange_check_model.h"

#include "shift_jis_codec.h"

#include <QStringList>

#include <algorithm>
#include <array>
#include <utility>

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

// Marks with findings come first, each group in the order of the marks'
// first sides.
void TFlangeCheckModel::Show(TFlangePartnerIndex& check) {
    // The entries the rows shown until now point into stay until they are
    // replaced.
    const std::vector<TFlangePartnerIndex::TEntry> retired = check.TakeRetired();
    std::vector<const TFlangeNameSides*> fresh = check.TakeFresh();
    std::sort(fresh.begin(), fresh.end());
    FFreshRows.clear();
    std::vector<TRow> rows;
    rows.reserve(FRows.size());
    for (const int group : {0, 1}) {
        for (const TFlangePartnerIndex::TOrdered& ordered : check.Group(group)) {
            const TFlangeNameSides* entry = ordered.Entry.get();
            if (!fresh.empty() && std::binary_search(fresh.begin(), fresh.end(), entry))
                for (std::size_t k = 0; k < std::max<std::size_t>(1, entry->Sides.size() - 1); ++k)
                    FFreshRows.push_back(static_cast<int>(rows.size() + k));
            if (entry->Sides.size() < 2)
                rows.push_back({entry, 0});
            for (std::size_t second = 1; second < entry->Sides.size(); ++second)
                rows.push_back({entry, second});
        }
    }
    FWithFindings = static_cast<int>(check.Group(0).size());
    FComplete = static_cast<int>(check.Group(1).size());
    FUnnamed = check.UnnamedFlanges();
    ShowRows(std::move(rows));
}

// A changed mark is a new entry, so rows that point to the same entry show
// the same texts: only the stretch between the rows alike at the start and
// at the end is told to the view, as rows changed, added or removed.
void TFlangeCheckModel::ShowRows(std::vector<TRow> rows) {
    const std::size_t oldCount = FRows.size();
    const std::size_t newCount = rows.size();
    std::size_t first = 0;
    while (first < oldCount && first < newCount && FRows[first] == rows[first])
        ++first;
    std::size_t last = 0; // rows alike at the end
    while (last < oldCount - first && last < newCount - first &&
           FRows[oldCount - 1 - last] == rows[newCount - 1 - last])
        ++last;
    const std::size_t oldSpan = oldCount - first - last;
    const std::size_t newSpan = newCount - first - last;
    const std::size_t common = std::min(oldSpan, newSpan);
    for (std::size_t k = 0; k < common; ++k)
        FRows[first + k] = rows[first + k];
    if (common > 0)
        emit dataChanged(index(static_cast<int>(first), 0),
                         index(static_cast<int>(first + common - 1), ColumnCount - 1));
    const int from = static_cast<int>(first + common);
    if (newSpan > oldSpan) {
        beginInsertRows({}, from, static_cast<int>(first + newSpan - 1));
        FRows.insert(FRows.begin() + from, rows.begin() + from,
                     rows.begin() + static_cast<std::ptrdiff_t>(first + newSpan));
        endInsertRows();
    } else if (oldSpan > newSpan) {
        beginRemoveRows({}, from, static_cast<int>(first + oldSpan - 1));
        FRows.erase(FRows.begin() + from,
                    FRows.begin() + static_cast<std::ptrdiff_t>(first + oldSpan));
        endRemoveRows();
    }
}

// With nothing to report the line says so, and how many joints are complete
// when there are any.
QString TFlangeCheckModel::SummaryText() const {
    const int complete = FComplete;
    const int withFindings = FWithFindings;
    if (withFindings == 0)
        return complete == 0 ? QStringLiteral("問題はありません。")
                             : QStringLiteral("問題はありません。完成した接合: %1").arg(complete);
    return QStringLiteral("完成した接合: %1　問題のある接合: %2").arg(complete).arg(withFindings);
}

const TNamedSide& TFlangeCheckModel::SideAt(const QModelIndex& index) const {
    const TRow& row = FRows[static_cast<std::size_t>(index.row())];
    const std::vector<TNamedSide>& sides = row.Name->Sides;
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
    const TFlangeNameSides& name = *row.Name;
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
