// The shape information monitor: a small tool window of the shape editor that
// lists, per vertex of the shape being edited, its coordinates, its interior
// angle, the length and slope of the side that starts at it, that side's
// flange and its name (the joint mark, with a flange or without), with the
// rows of the two selected vertices framed in the colours the editor marks
// them with.
#pragma once

#include "editing/shown_decimals.h"
#include "geometry/polygon.h"

#include <QString>
#include <QStringList>
#include <QWidget>

class QTableView;
class TIniFile;
class TPolygonInfoModel;

class TPolygonInfoDlg : public QWidget {
    Q_OBJECT

public:
    // Reads its bounds, state and column widths from section
    // "TPolygonInfoDlg" of the settings the program read at start. parent is
    // the shape editor: the monitor is its tool window, stays above it and
    // takes input while the editor is modal.
    explicit TPolygonInfoDlg(const TIniFile& settings, QWidget* parent = nullptr);

    // Puts the bounds, state and column widths back into settings; the
    // program writes the file once, at its end.
    void WriteSettings(TIniFile& settings) const;

    // Remembers the two selected vertices (-1 for none) and shows the shape's
    // figures. Takes time in proportion to the vertex count: the texts are
    // made only for the rows in view, as they come into view.
    void Update(const TPolygon& polygon, int selApex0, int selApex1);

    // How many decimals the figures show, as the editor's status line does;
    // columns too narrow for them are widened.
    void SetDecimals(const TShownDecimals& decimals);

    int SelApex0() const { return FSelApex0; }
    int SelApex1() const { return FSelApex1; }

    // The longest text each column shows for a shape within the drawing
    // file's limits, header included: the default widths show them whole.
    static QStringList LongestColumnTexts(const TShownDecimals& decimals = {});

private:
    TPolygonInfoModel* FModel = nullptr;
    QTableView* StringGrid1 = nullptr;
    int FSelApex0 = -1;
    int FSelApex1 = -1;

    void createGrid();
    void FitColumnsToTheirTexts();
    // Wide enough for every column at its default width beside the row
    // numbers and a scroll bar.
    int DefaultWidth() const;
    void ReadSettings(const TIniFile& settings);
};
