// Today's flange check table as it stands: the whole report taken anew and
// the table reset after every change.
#pragma once

#include "document/flange_partners.h"

#include <QAbstractTableModel>

#include <vector>

namespace today {

class TFlangeCheckModel : public QAbstractTableModel {
public:
    enum TColumn { ColName, ColFirstSide, ColSecondSide, ColFindings, ColumnCount };

    explicit TFlangeCheckModel(QObject* parent = nullptr);

    void SetReport(TFlangePartnerReport report);
    const TFlangePartnerReport& Report() const { return FReport; }
    // How many joints are complete and how many have findings.
    QString SummaryText() const;

    // The side the cell at index (a cell of the table) stands for: the row's
    // second side in its column when the row has one, its first side anywhere
    // else.
    const TNamedSide& SideAt(const QModelIndex& index) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    // A name's first side against one of its others; an orphan's row has none.
    struct TRow {
        std::size_t Name = 0;
        std::size_t Second = 0; // index into the name's sides; 0 for none
    };

    QString CellText(const TRow& row, int column) const;

    TFlangePartnerReport FReport;
    std::vector<TRow> FRows;
};

} // namespace today
