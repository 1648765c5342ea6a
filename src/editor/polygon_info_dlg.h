// The shape information monitor: a small window beside the shape editor that
// lists, per vertex of the shape being edited, its coordinates, its interior
// angle, the length and slope of the side that starts at it and that side's
// flange, with the rows of the two selected vertices framed in the colours the
// editor marks them with.
#pragma once

#include "geometry/polygon.h"

#include <QString>
#include <QWidget>

class QTableWidget;

class TPolygonInfoDlg : public QWidget {
    Q_OBJECT

public:
    // Reads its bounds, state and column widths from the settings file at
    // settingsPath, section "TPolygonInfoDlg"; writes them back when it goes.
    explicit TPolygonInfoDlg(const QString& settingsPath, QWidget* parent = nullptr);
    ~TPolygonInfoDlg() override;

    // Remembers the two selected vertices (-1 for none) and rewrites the grid.
    void Update(const TPolygon& polygon, int selApex0, int selApex1);

    int SelApex0() const { return FSelApex0; }
    int SelApex1() const { return FSelApex1; }

private:
    QString FSettingsPath;
    QTableWidget* StringGrid1 = nullptr;
    int FRowsBuiltFor = 0;
    int FSelApex0 = -1;
    int FSelApex1 = -1;

    void createGrid();
    void FitColumnsToTheirTexts();
    void ReadSettings();
    void WriteSettings() const;
    void SetRowCount(int apexCount);
    void SetCell(int row, int column, const QString& text);
};
