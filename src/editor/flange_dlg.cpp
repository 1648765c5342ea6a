// The glue flange dialog: its fields, the checks of its OK button and the
// questions asked when a name in use is picked.
#include "flange_dlg.h"

#include "editing/flange_entry.h"
#include "format/text_to_float.h"
#include "prompt.h"
#include "shift_jis_codec.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int NameMaxCharacters = 16;

QString TwoDecimals(long double value) {
    // QString::asprintf formats in the C locale: always a "." decimal mark.
    return QString::asprintf("%.2f", static_cast<double>(value));
}

// A field that is not a number reads as -1, which every check refuses.
long double NumberIn(const QLineEdit& field) {
    return TextToFloat(field.text().toStdString(), -1);
}

} // namespace

TFlangeDlg::TFlangeDlg(IPrompt& prompt, QWidget* parent) : QDialog(parent), Prompt(prompt) {
    setObjectName(QStringLiteral("TFlangeDlg"));
    setWindowFlag(Qt::MSWindowsFixedSizeDialogHint);
    createControls();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void TFlangeDlg::createControls() {
    const auto field = [this](const char* name) {
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QLatin1String(name));
        return edit;
    };
    Edit1 = field("Edit1");
    Edit2 = field("Edit2");
    Edit3 = field("Edit3");
    FlangeName = new QComboBox(this);
    FlangeName->setObjectName(QStringLiteral("FlangeName"));
    FlangeName->setEditable(true);
    FlangeName->setInsertPolicy(QComboBox::NoInsert);
    FlangeName->lineEdit()->setMaxLength(NameMaxCharacters);

    auto* fields = new QGridLayout;
    const QString labels[] = {QStringLiteral("幅"), QStringLiteral("角度１"),
                              QStringLiteral("角度２"), QStringLiteral("名称")};
    QWidget* const editors[] = {Edit1, Edit2, Edit3, FlangeName};
    for (int row = 0; row < 4; ++row) {
        auto* label = new QLabel(labels[row], this);
        label->setBuddy(editors[row]);
        fields->addWidget(label, row, 0);
        fields->addWidget(editors[row], row, 1);
    }

    Button1 = new QPushButton(QStringLiteral("糊代なし"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setAutoDefault(false);
    OkBtn = new QPushButton(QStringLiteral("OK"), this);
    OkBtn->setObjectName(QStringLiteral("OkBtn"));
    OkBtn->setDefault(true);
    CancelBtn = new QPushButton(QStringLiteral("キャンセル"), this);
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
    CancelBtn->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Button1);
    buttons->addStretch(1);
    buttons->addWidget(OkBtn);
    buttons->addWidget(CancelBtn);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(buttons);

    connect(OkBtn, &QPushButton::clicked, this, &TFlangeDlg::OkBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(Button1, &QPushButton::clicked, this, &TFlangeDlg::Button1Click);
    connect(FlangeName, &QComboBox::activated, this, &TFlangeDlg::FlangeNameClick);
}

void TFlangeDlg::SetNames(const std::vector<std::string>& names) {
    const QString text = FlangeName->currentText();
    FlangeName->clear();
    for (const std::string& name : names)
        FlangeName->addItem(ShiftJisToUnicode(name));
    FlangeName->setCurrentIndex(-1);
    FlangeName->setEditText(text);
}

void TFlangeDlg::SetOneSide(bool oneSide) {
    setWindowTitle(oneSide ? QStringLiteral("糊代設定（１辺）")
                           : QStringLiteral("糊代設定（一括）"));
    FlangeName->setEnabled(oneSide);
}

void TFlangeDlg::LoadFlange(const TFlange& flange) {
    Edit1->setText(TwoDecimals(flange.Width));
    Edit2->setText(TwoDecimals(FlangeRadiansToDegrees(flange.Angle1)));
    Edit3->setText(TwoDecimals(FlangeRadiansToDegrees(flange.Angle2)));
    FlangeName->setCurrentIndex(-1);
    FlangeName->setEditText(ShiftJisToUnicode(flange.Name));
}

// The width as typed; MakeFlange cuts the name at the last whole character
// within 16 bytes.
TFlange TFlangeDlg::ReadFlange() const {
    return MakeFlange(UnicodeToShiftJis(FlangeName->currentText()), NumberIn(*Edit1),
                      FlangeDegreesToRadians(NumberIn(*Edit2)),
                      FlangeDegreesToRadians(NumberIn(*Edit3)));
}

// Each time the dialog opens, the length of a named side is not taken until
// the user asks for it again.
void TFlangeDlg::showEvent(QShowEvent* event) {
    FLengthMatch = false;
    Edit1->setFocus();
    Edit1->selectAll();
    QDialog::showEvent(event);
}

void TFlangeDlg::OkBtnClick() {
    const TFlange flange = ReadFlange();
    switch (FirstInvalidFlangeField(flange.Width, flange.Angle1, flange.Angle2)) {
    case TFlangeField::Width:
        return Refuse(Edit1, QStringLiteral("幅設定値が異常です。"));
    case TFlangeField::Angle1:
        return Refuse(Edit2, QStringLiteral("角度１設定値が異常です。"));
    case TFlangeField::Angle2:
        return Refuse(Edit3, QStringLiteral("角度２設定値が異常です。"));
    case TFlangeField::None:
        break;
    }
    // A character the drawing file cannot hold would be stored as "?".
    if (!IsShiftJisEncodable(FlangeName->currentText()))
        return Refuse(FlangeName->lineEdit(),
                      QStringLiteral("名称に使えない文字が含まれています。"));
    accept();
}

void TFlangeDlg::Refuse(QLineEdit* field, const QString& text) {
    Prompt.ShowError(ErrorTitle, text);
    field->setFocus();
    field->selectAll();
}

void TFlangeDlg::Button1Click() {
    Edit1->setText(QStringLiteral("0"));
    Edit2->setText(QStringLiteral("0"));
    Edit3->setText(QStringLiteral("0"));
    FlangeName->setCurrentIndex(-1);
    FlangeName->setEditText(QString());
}

// A name another flange carries offers its parameters, then its side's length;
// taking the parameters presses OK for the user.
void TFlangeDlg::FlangeNameClick(int index) {
    if (FLookup == nullptr || index < 0)
        return;
    TNamedFlange found;
    if (!FLookup->FindFlange(UnicodeToShiftJis(FlangeName->itemText(index)), found))
        return;
    FFoundSideLength = found.SideLength;
    if (Prompt.AskYesNo(InfoTitle, QStringLiteral("既存の同名糊代のパラメータに合わせますか？")) !=
        TPromptAnswer::Yes)
        return;
    Edit1->setText(TwoDecimals(found.Flange.Width));
    Edit2->setText(TwoDecimals(FlangeRadiansToDegrees(found.Flange.Angle1)));
    Edit3->setText(TwoDecimals(FlangeRadiansToDegrees(found.Flange.Angle2)));
    if (Prompt.AskYesNo(InfoTitle,
                        QStringLiteral("既存の同名糊代を持つ辺の長さに合わせますか？")) ==
        TPromptAnswer::Yes)
        FLengthMatch = true;
    OkBtnClick();
}
