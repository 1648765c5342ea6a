// The export dialog: the page choice and a note on the file types.
#include "export_dlg.h"

#include "dialog_parts.h"
#include "screen_centre.h"

#include "ui_text.h"

#include <QCheckBox>
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
    DxfR12Chk = new QCheckBox(UiText("TExportDlg", "DXF は古い R12 形式で (単位なし)"));
    DxfR12Chk->setObjectName(QStringLiteral("DxfR12Chk"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(note);
    layout->addWidget(DxfR12Chk);
    layout->addWidget(OkCancelButtons(OKBtn, CancelBtn));
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

bool TExportDlg::Choose(TExportChoice& choice) {
    (choice.Pages == TExportPages::All ? AllPagesRb : CurrentPageRb)->setChecked(true);
    DxfR12Chk->setChecked(choice.DxfR12);
    if (exec() != QDialog::Accepted)
        return false;
    choice.Pages = AllPagesRb->isChecked() ? TExportPages::All : TExportPages::Current;
    choice.DxfR12 = DxfR12Chk->isChecked();
    return true;
}

void TExportDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    CentreOnScreen(*this);
}
