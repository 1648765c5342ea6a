// The export dialog: the page choice and a note on the file types.
#include "export_dlg.h"

#include "dialog_parts.h"
#include "screen_centre.h"

#include "ui_text.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

TExportDlg::TExportDlg(QWidget* parent) : QDialog(parent) {
    SetFixedDialogFrame(*this, "ExportDlg", UiText("TExportDlg", "エクスポート"));
    createControls();
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

void TExportDlg::createControls() {
    CurrentPageRb = new QRadioButton(UiText("TExportDlg", "現在のページ"));
    CurrentPageRb->setObjectName(QStringLiteral("CurrentPageRb"));
    AllPagesRb = new QRadioButton(UiText("TExportDlg", "全てのページ"));
    AllPagesRb->setObjectName(QStringLiteral("AllPagesRb"));
    auto* group = new QGroupBox(UiText("TExportDlg", "書き出すページ"));
    auto* choices = new QVBoxLayout(group);
    choices->addWidget(CurrentPageRb);
    choices->addWidget(AllPagesRb);

    auto* note =
        new QLabel(UiText("TExportDlg", "形式は次に保存するファイルの種類で選びます:\n"
                                        "SVG・DXF (切断機用、実寸)、PDF (色分け、印刷の校正つき)"));
    note->setObjectName(QStringLiteral("NoteLbl"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(note);
    layout->addWidget(OkCancelButtons(OKBtn, CancelBtn));
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

bool TExportDlg::ChoosePages(TExportPages& pages) {
    (pages == TExportPages::All ? AllPagesRb : CurrentPageRb)->setChecked(true);
    if (exec() != QDialog::Accepted)
        return false;
    pages = AllPagesRb->isChecked() ? TExportPages::All : TExportPages::Current;
    return true;
}

void TExportDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    CentreOnScreen(*this);
}
