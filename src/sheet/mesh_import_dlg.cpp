// The 3D model import dialog: the file and its size in its own units, the
// model's size, the tab and the flat-face angle, each checked on OK.
#include "mesh_import_dlg.h"

#include "dialog_parts.h"
#include "format/number_field.h"
#include "format/text_to_float.h"
#include "geometry/angles.h"
#include "prompt.h"
#include "screen_centre.h"
#include "ui_text.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QString RangeText() {
    return UiText("TMeshImportDlg", "%1は%2で入力してください。");
}
QString SizeCaption() {
    return UiText("TMeshImportDlg", "モデルの大きさ");
}
QString TabWidthCaption() {
    return UiText("TMeshImportDlg", "糊代の幅");
}
QString TabAngle1Caption() {
    return UiText("TMeshImportDlg", "糊代の角度1");
}
QString TabAngle2Caption() {
    return UiText("TMeshImportDlg", "糊代の角度2");
}
QString FlatAngleCaption() {
    return UiText("TMeshImportDlg", "平らとみなす角度");
}
// Values are shown to a thousandth: a file's size may be of metres.
constexpr int ShownDecimals = 3;

QString NumberText(long double value) {
    return QString::fromStdString(DecimalText(value, ShownDecimals));
}

QLineEdit* NumberField(const char* name) {
    auto* field = new QLineEdit;
    field->setObjectName(QLatin1String(name));
    field->setFixedWidth(field->fontMetrics().horizontalAdvance(QStringLiteral("000000000000")));
    return field;
}

} // namespace

TMeshImportDlg::TMeshImportDlg(IPrompt& prompt, QWidget* parent) : QDialog(parent), Prompt(prompt) {
    SetFixedDialogFrame(*this, "MeshImportDlg", UiText("TMeshImportDlg", "3Dモデルの読み込み"));
    createControls();
    connect(OKBtn, &QPushButton::clicked, this, &TMeshImportDlg::OKBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

// The file above, the lengths in mm and the angles in degrees below it, the
// buttons at the bottom.
void TMeshImportDlg::createControls() {
    FileLbl = new QLabel;
    FileLbl->setObjectName(QStringLiteral("FileLbl"));
    SizeEd = NumberField("SizeEd");
    TabWidthEd = NumberField("TabWidthEd");
    TabAngle1Ed = NumberField("TabAngle1Ed");
    TabAngle2Ed = NumberField("TabAngle2Ed");
    FlatAngleEd = NumberField("FlatAngleEd");

    auto* lengths = new QGridLayout;
    AddFieldRows(*lengths,
                 {{SizeCaption() + UiText("TMeshImportDlg", "（最も長い寸法）"), SizeEd},
                  {TabWidthCaption(), TabWidthEd}},
                 QStringLiteral("mm"));
    auto* angles = new QGridLayout;
    AddFieldRows(*angles,
                 {{TabAngle1Caption(), TabAngle1Ed},
                  {TabAngle2Caption(), TabAngle2Ed},
                  {FlatAngleCaption(), FlatAngleEd}},
                 UiText("TMeshImportDlg", "度"));
    auto* flatNote = new QLabel(
        UiText("TMeshImportDlg",
               "隣り合う面の傾きの差がこの角度より小さければ、一つの平らな面にします。"));
    flatNote->setWordWrap(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(FileLbl);
    layout->addLayout(lengths);
    layout->addLayout(angles);
    layout->addWidget(flatNote);
    layout->addWidget(OkCancelButtons(OKBtn, CancelBtn));
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

bool TMeshImportDlg::AskOptions(const QString& fileName, long double fileSize,
                                TMeshImportOptions& options) {
    FOptions = options;
    FileLbl->setText(
        UiText("TMeshImportDlg", "%1\nファイルの単位を mm とすると、最も長い寸法は %2 mm です。")
            .arg(fileName, NumberText(fileSize)));
    SizeEd->setText(NumberText(options.Size));
    TabWidthEd->setText(NumberText(options.TabWidth));
    TabAngle1Ed->setText(NumberText(RadToDeg(options.TabAngle1)));
    TabAngle2Ed->setText(NumberText(RadToDeg(options.TabAngle2)));
    FlatAngleEd->setText(NumberText(RadToDeg(options.FlatAngle)));
    SizeEd->setFocus();
    SizeEd->selectAll();
    if (exec() != QDialog::Accepted)
        return false;
    options = FOptions;
    return true;
}

void TMeshImportDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    CentreOnScreen(*this);
}

void TMeshImportDlg::OKBtnClick() {
    const QString mm = UiText("TMeshImportDlg", "0 より大きく %1 mm 以下");
    const QString degrees = UiText("TMeshImportDlg", "0 より大きく 90 度以下");
    long double size = 0, width = 0, angle1 = 0, angle2 = 0, flat = 0;
    if (!ReadField(SizeEd, SizeCaption(), 0, false, MaxModelSize, mm.arg(NumberText(MaxModelSize)),
                   size) ||
        !ReadField(TabWidthEd, TabWidthCaption(), 0, false, MaxTabWidth,
                   mm.arg(NumberText(MaxTabWidth)), width) ||
        !ReadField(TabAngle1Ed, TabAngle1Caption(), 0, false, 90, degrees, angle1) ||
        !ReadField(TabAngle2Ed, TabAngle2Caption(), 0, false, 90, degrees, angle2) ||
        !ReadField(FlatAngleEd, FlatAngleCaption(), 0, true, MaxFlatAngle,
                   UiText("TMeshImportDlg", "0 度から %1 度まで").arg(NumberText(MaxFlatAngle)),
                   flat))
        return;
    FOptions.Size = size;
    FOptions.TabWidth = width;
    FOptions.TabAngle1 = DegToRad(angle1);
    FOptions.TabAngle2 = DegToRad(angle2);
    FOptions.FlatAngle = DegToRad(flat);
    accept();
}

bool TMeshImportDlg::ReadField(QLineEdit* field, const QString& caption, long double low,
                               bool lowIncluded, long double high, const QString& range,
                               long double& value) {
    if (TryTextToFloat(field->text().toStdString(), value) &&
        (lowIncluded ? value >= low : value > low) && value <= high)
        return true;
    Prompt.ShowError(ErrorTitle(), RangeText().arg(caption, range));
    field->setFocus();
    field->selectAll();
    return false;
}
