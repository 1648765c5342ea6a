// The flange check window "糊代の検査": a non-modal window beside the sheet
// that lists every flange name of the drawing with the sides that carry it and
// what is wrong with them, kept current while it is open.
#pragma once

#include "document/flange_partner_index.h"

#include <cstdint>

#include <QWidget>

class TSheetDocument;
class QLabel;
class QTableView;
class TFlangeCheckModel;

class TFlangeCheckDlg : public QWidget {
    Q_OBJECT

public:
    // Shows the check of document's drawing; parent is the sheet window, above
    // which it stays.
    explicit TFlangeCheckDlg(const TSheetDocument& document, QWidget* parent = nullptr);

    // The drawing has changed: while the window is shown the check takes the
    // shapes the command changed once it is over, however many changes it
    // made.
    void DrawingChanged();

signals:
    // A row was double-clicked: the shape carrying the side it names, the
    // second side's when that cell was clicked, the first side's otherwise.
    void ShapeChosen(int page, int shape);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void createControls();
    // The whole check anew, or only what changed since the last refresh.
    void Refresh(bool whole);
    // Widens the columns that the rows of changed marks need wider.
    void WidenColumns();
    void RowDoubleClicked(const QModelIndex& index);

    const TSheetDocument& FDocument;
    TFlangePartnerIndex FCheck;
    std::uint64_t FTaken = 0; // where the drawing's changes stood when last taken
    bool FRefreshPending = false;
    bool FPlaced = false;
    TFlangeCheckModel* FModel = nullptr;
    QTableView* PartnerGrid = nullptr;
    QLabel* SummaryLabel = nullptr;
    QLabel* UnnamedLabel = nullptr;
};
