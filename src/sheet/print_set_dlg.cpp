// The print settings dialog: margins shown as "%2d" and read back leniently,
// the partner page option, and the printer setup behind "プリンタ設定".
#include "print_set_dlg.h"

#include "dialog_parts.h"
#include "format/number_field.h"
#include "printer.h"
#include "screen_centre.h"

#include "ui_text.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <utility>

namespace {

QLineEdit* MarginField(const char* name) {
    auto* field = new QLineEdit;
    field->setObjectName(QLatin1String(name));
    // Room for a few digits: margins are whole millimetres.
    field->setFixedWidth(field->fontMetrics().horizontalAdvance(QStringLiteral("0000000")));
    return field;
}

QPushButton* Button(const char* name, const QString& caption) {
    auto* button = new QPushButton(caption);
    button->setObjectName(QLatin1String(name));
    button->setAutoDefault(false);
    return button;
}

QString MarginText(int margin) {
    return QString::fromStdString(FixedText(margin, 0, 2));
}

int MarginOf(const QLineEdit* field) {
    return LenientInteger(field->text().trimmed().toStdString());
}

} // namespace

TPrintSetDlg::TPrintSetDlg(IPrinter& printer, QWidget* parent) : QDialog(parent), Printer(printer) {
    SetFixedDialogFrame(*this, "PrintSetDlg", UiText("TPrintSetDlg", "印刷設定"));
    createControls();
    connect(Button1, &QPushButton::clicked, this, &TPrintSetDlg::Button1Click);
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
}

// The margins from top to bottom of the group, the partner page option under
// it; the buttons beside them.
void TPrintSetDlg::createControls() {
    TYohakuEd = MarginField("TYohakuEd");
    LYohakuEd = MarginField("LYohakuEd");
    RYohakuEd = MarginField("RYohakuEd");
    BYohakuEd = MarginField("BYohakuEd");

    auto* group = new QGroupBox(UiText("TPrintSetDlg", "余白設定(mm)"));
    group->setObjectName(QStringLiteral("GroupBox1"));
    auto* fields = new QGridLayout(group);
    AddFieldRows(*fields, {{UiText("TPrintSetDlg", "上"), TYohakuEd},
                           {UiText("TPrintSetDlg", "左"), LYohakuEd},
                           {UiText("TPrintSetDlg", "右"), RYohakuEd},
                           {UiText("TPrintSetDlg", "下"), BYohakuEd}});

    Button1 = Button("Button1", UiText("TPrintSetDlg", "プリンタ設定"));
    OKBtn = Button("OKBtn", QStringLiteral("OK"));
    OKBtn->setDefault(true);
    Button2 = Button("Button2", UiText("TPrintSetDlg", "ｷｬﾝｾﾙ"));

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(Button1);
    buttons->addStretch(1);
    buttons->addWidget(OKBtn);
    buttons->addWidget(Button2);

    PartnerPageChk = new QCheckBox(UiText("TPrintSetDlg", "相手ページを印字"));
    PartnerPageChk->setObjectName(QStringLiteral("PartnerPageChk"));
    auto* options = new QVBoxLayout;
    options->addWidget(group);
    options->addWidget(PartnerPageChk);

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(options);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TPrintSetDlg::LoadMargins(const TPageMargins& margins) {
    TYohakuEd->setText(MarginText(margins.Top));
    BYohakuEd->setText(MarginText(margins.Bottom));
    RYohakuEd->setText(MarginText(margins.Right));
    LYohakuEd->setText(MarginText(margins.Left));
}

bool TPrintSetDlg::ShowModal() {
    TYohakuEd->setFocus();
    return exec() == QDialog::Accepted;
}

TPageMargins TPrintSetDlg::ReadMargins() const {
    return {MarginOf(TYohakuEd), MarginOf(BYohakuEd), MarginOf(LYohakuEd), MarginOf(RYohakuEd)};
}

void TPrintSetDlg::LoadPartnerPages(bool print) {
    PartnerPageChk->setChecked(print);
}

bool TPrintSetDlg::ReadPartnerPages() const {
    return PartnerPageChk->isChecked();
}

void TPrintSetDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    CentreOnScreen(*this);
}

void TPrintSetDlg::Button1Click() {
    Printer.Setup(this);
}
