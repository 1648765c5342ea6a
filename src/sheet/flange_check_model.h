// The table of the flange check window: one row for each joint mark and each
// side of it after the first, problems first, with the texts its cells show,
// the side each cell stands for, and the line that counts the joints. It
// follows the check's marks row by row: rows that did not change are left as
// they are, so the view keeps its place and its selection.
#pragma once

#include "document/flange_partner_index.h"

#include <QAbstractTableModel>

#include <vector>

class TFlangeCheckModel : public QAbstractTableModel {
public:
    enum TColumn { ColName, ColFirstSide, ColSecondSide, ColFindings, ColumnCount };

    explicit TFlangeCheckModel(QObject* parent = nullptr);

    // Shows the marks of the check as they are now. The rows point into the
    // check's entries, which must stay as long as the rows show them.
    void Show(TFlangePartnerIndex& check);
    // The rows of marks the check made anew since the rows before were shown,
    // in increasing order: those whose texts may be new.
    const std::vector<int>& FreshRows() const { return FFreshRows; }
    // How many joints are complete and how many have findings.
    QString SummaryText() const;
    int UnnamedFlanges() const { return FUnnamed; }

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
    // A mark's first side against one of its others; an orphan's row has none.
    struct TRow {
        const TFlangeNameSides* Name = nullptr;
        std::size_t Second = 0; // index into the mark's sides; 0 for none
        bool operator==(const TRow&) const = default;
    };

    QString CellText(const TRow& row, int column) const;
    void ShowRows(std::vector<TRow> rows);

    std::vector<TRow> FRows;
    std::vector<int> FFreshRows;
    int FComplete = 0;
    int FWithFindings = 0;
    int FUnnamed = 0;
};
