// The sheet's flange check command: the non-modal window listing the flange
// names of the drawing, told of every change the document makes, and the way
// from one of its rows to the shape on its page.
#include "main_fm.h"

#include "flange_check_dlg.h"

#include <QAction>

void TMainFm::connectFlangeCheck() {
    FlangeCheckDlg = new TFlangeCheckDlg(Document, this);
    connect(FlangeCheckMi, &QAction::triggered, this, &TMainFm::FlangeCheckMiClick);
    connect(FlangeCheckDlg, &TFlangeCheckDlg::ShapeChosen, this, &TMainFm::ShowChosenShape);
    Document.SetDrawingChangedHandler([this] { FlangeCheckDlg->DrawingChanged(); });
}

void TMainFm::FlangeCheckMiClick() {
    FlangeCheckDlg->show();
    FlangeCheckDlg->raise();
    FlangeCheckDlg->activateWindow();
}

// As a page command does, it ends a gesture first, keeping its moves; then
// the page is shown, the shape made the only selected one and centred.
void TMainFm::ShowChosenShape(int page, int index) {
    if (!IsIndexOf(Document.Drawing(), page) || !IsIndexOf(Document.Drawing()[page], index))
        return;
    EndDrag();
    if (page != Document.CurPage()) {
        ShowPage(page);
        SyncPageTabs();
    }
    Document.SelectOnly(index);
    CentreOnCurrentPolygon();
    RepaintPage();
}
