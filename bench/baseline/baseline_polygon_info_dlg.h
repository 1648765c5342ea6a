// Today's shape information monitor as it stands: a QTableWidget whose every
// cell is written on each refresh, with the figures of each row found by
// ApexAngle, which works out the outline's order again for every vertex.
#pragma once

#include "geometry/polygon.h"

#include <QString>
#include <QWidget>

class QTableWidget;

namespace baseline {

class TPolygonInfoDlg : public QWidget {
public:
    explicit TPolygonInfoDlg(QWidget* parent = nullptr);

    void Update(const TPolygon& polygon, int selApex0, int selApex1);

    int SelApex0() const { return FSelApex0; }
    int SelApex1() const { return FSelApex1; }
    QTableWidget* Grid() const { return StringGrid1; }

private:
    QTableWidget* StringGrid1 = nullptr;
    int FRowsBuiltFor = 0;
    int FSelApex0 = -1;
    int FSelApex1 = -1;

    void createGrid();
    void FitColumnsToTheirTexts();
    void SetRowCount(int apexCount);
    void SetCell(int row, int column, const QString& text);
};

} // namespace baseline
