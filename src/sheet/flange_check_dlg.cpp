// The flange check window: the table of names and their sides, the summary
// under it, the check run again after the drawing changes, and the shape of a
// double-clicked row handed to the sheet.
#include "flange_check_dlg.h"

#include "document/sheet_document.h"
#include "flange_check_model.h"
#include "window_accessible.h"
#include "window_placement.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QScreen>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>
#include <vector>

namespace {

const QString UnnamedFlangesText = QStringLiteral("名前のない糊代: %1");

constexpr QSize DefaultSize(640, 320);

} // namespace

TFlangeCheckDlg::TFlangeCheckDlg(const TSheetDocument& document, QWidget* parent)
    : QWidget(parent, Qt::Tool), FDocument(document) {
    setObjectName(QStringLiteral("TFlangeCheckDlg"));
    setWindowTitle(QStringLiteral("糊代の検査"));
    ExposeAsWindow(*this);
    createControls();
    resize(DefaultSize);
}

void TFlangeCheckDlg::createControls() {
    FModel = new TFlangeCheckModel(this);
    PartnerGrid = new QTableView;
    PartnerGrid->setObjectName(QStringLiteral("PartnerGrid"));
    PartnerGrid->setModel(FModel);
    PartnerGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    PartnerGrid->setSelectionBehavior(QAbstractItemView::SelectRows);
    PartnerGrid->setSelectionMode(QAbstractItemView::SingleSelection);
    PartnerGrid->setWordWrap(false);
    // Rows of one height let the view skip measuring a large drawing's rows.
    PartnerGrid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    PartnerGrid->horizontalHeader()->setStretchLastSection(true);
    connect(PartnerGrid, &QTableView::doubleClicked, this, &TFlangeCheckDlg::RowDoubleClicked);

    SummaryLabel = new QLabel;
    SummaryLabel->setObjectName(QStringLiteral("SummaryLabel"));
    UnnamedLabel = new QLabel;
    UnnamedLabel->setObjectName(QStringLiteral("UnnamedLabel"));
    auto* summary = new QHBoxLayout;
    summary->addWidget(SummaryLabel, 1);
    summary->addWidget(UnnamedLabel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(PartnerGrid, 1);
    layout->addLayout(summary);
}

// A command can change the drawing several times (opening a file resets it
// first); the check runs once, after it.
void TFlangeCheckDlg::DrawingChanged() {
    if (!isVisible() || FRefreshPending)
        return;
    FRefreshPending = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            FRefreshPending = false;
            if (isVisible())
                Refresh(false);
        },
        Qt::QueuedConnection);
}

// The model tells the view only the rows that changed, so the row in view
// stays where it is and stays selected while it is there. A whole check fits
// the columns to the rows around the view; after a change only the rows of
// changed marks are measured, and a column only widens for them: measuring
// a thousand rows after every command would cost more than the change.
void TFlangeCheckDlg::Refresh(bool whole) {
    std::vector<TShapeSlot> changed;
    const bool rebuilt = whole || !FDocument.Changes().ChangedSince(FTaken, changed);
    if (rebuilt)
        FCheck.Rebuild(FDocument.Drawing());
    else
        FCheck.Apply(FDocument.Drawing(), changed);
    FTaken = FDocument.Changes().Now();
    FModel->Show(FCheck);
    // The findings column takes what room is left.
    if (rebuilt) {
        for (int column = 0; column < TFlangeCheckModel::ColFindings; ++column)
            PartnerGrid->resizeColumnToContents(column);
    } else {
        WidenColumns();
    }

    SummaryLabel->setText(FModel->SummaryText());
    UnnamedLabel->setText(UnnamedFlangesText.arg(FModel->UnnamedFlanges()));
}

void TFlangeCheckDlg::WidenColumns() {
    constexpr std::size_t MostRowsMeasured = 200;
    const std::vector<int>& rows = FModel->FreshRows();
    const int grid = PartnerGrid->showGrid() ? 1 : 0;
    for (int column = 0; column < TFlangeCheckModel::ColFindings; ++column) {
        int width = PartnerGrid->columnWidth(column);
        for (std::size_t k = 0; k < std::min(rows.size(), MostRowsMeasured); ++k)
            width = std::max(width,
                             PartnerGrid->sizeHintForIndex(FModel->index(rows[k], column)).width() +
                                 grid);
        if (width > PartnerGrid->columnWidth(column))
            PartnerGrid->setColumnWidth(column, width);
    }
}

// The first time it comes up beside the sheet, not over the page it points
// into; after that it opens where the user left it.
void TFlangeCheckDlg::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!FPlaced && parentWidget() != nullptr) {
        FPlaced = true;
        const QWidget& sheet = *parentWidget()->window();
        move(PlacedBeside(sheet.frameGeometry(), frameGeometry().size(),
                          sheet.screen()->availableGeometry())
                 .topLeft());
    }
    Refresh(true);
}

void TFlangeCheckDlg::RowDoubleClicked(const QModelIndex& index) {
    if (!index.isValid())
        return;
    const TNamedSide& side = FModel->SideAt(index);
    emit ShapeChosen(side.Page, side.Shape);
}
