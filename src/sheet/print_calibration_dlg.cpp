// The printer calibration dialog: the current factors, the button that
// prints the calibration page, and the two measured lengths, checked on OK.
#include "print_calibration_dlg.h"

#include "dialog_parts.h"
#include "format/number_field.h"
#include "format/text_to_float.h"
#include "prompt.h"
#include "screen_centre.h"

#include "ui_text.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <cmath>

namespace {

QString RangeText() {
    return UiText("TPrintCalibrationDlg", "%1の長さは %2 mm から %3 mm の間で入力してください。");
}
QString HorizontalRuler() {
    return UiText("TPrintCalibrationDlg", "横の定規");
}
QString VerticalRuler() {
    return UiText("TPrintCalibrationDlg", "縦の定規");
}

// The accepted range is shown to a tenth of a millimetre, rounded inwards so
// that every length shown is accepted.
constexpr long double ShownStep = 10;

QString FactorText(long double factor) {
    return QString::fromStdString(PrintScaleText(factor));
}

QString MmText(long double length) {
    return QString::fromStdString(DecimalText(length, 1));
}

QLineEdit* LengthField(const char* name) {
    auto* field = new QLineEdit;
    field->setObjectName(QLatin1String(name));
    field->setFixedWidth(field->fontMetrics().horizontalAdvance(QStringLiteral("000000000000")));
    return field;
}

} // namespace

TPrintCalibrationDlg::TPrintCalibrationDlg(IPrompt& prompt, QWidget* parent)
    : QDialog(parent), Prompt(prompt) {
    SetFixedDialogFrame(*this, "PrintCalibrationDlg", UiText("TPrintCalibrationDlg", "印刷の校正"));
    createControls();
    connect(PrintPageBtn, &QPushButton::clicked, this, [this] {
        if (FPrintPage)
            FPrintPage();
    });
    connect(OKBtn, &QPushButton::clicked, this, &TPrintCalibrationDlg::OKBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

void TPrintCalibrationDlg::createControls() {
    auto* steps = new QLabel(UiText("TPrintCalibrationDlg",
                                    "校正ページを印刷し、二本の定規の長さを測って入力します。\n"
                                    "以後の印刷と PDF への書き出しは、この長さが正しく"
                                    "出るように補正されます。"));
    PrintPageBtn = new QPushButton(UiText("TPrintCalibrationDlg", "校正ページを印刷..."));
    PrintPageBtn->setObjectName(QStringLiteral("PrintPageBtn"));
    PrintPageBtn->setAutoDefault(false);
    CurrentLbl = new QLabel;
    CurrentLbl->setObjectName(QStringLiteral("CurrentLbl"));

    MeasuredXEd = LengthField("MeasuredXEd");
    MeasuredYEd = LengthField("MeasuredYEd");
    auto* fields = new QGridLayout;
    AddFieldRows(*fields,
                 {{HorizontalRuler() + QStringLiteral(" (%1 mm)").arg(MmText(CalibrationRulerX)),
                   MeasuredXEd},
                  {VerticalRuler() + QStringLiteral(" (%1 mm)").arg(MmText(CalibrationRulerY)),
                   MeasuredYEd}},
                 QStringLiteral("mm"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(steps);
    layout->addWidget(PrintPageBtn, 0, Qt::AlignLeft);
    layout->addWidget(CurrentLbl);
    layout->addLayout(fields);
    layout->addWidget(OkCancelButtons(OKBtn, CancelBtn));
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

// The fields start at the rulers' own lengths, which keep the factors as they are.
bool TPrintCalibrationDlg::Calibrate(TPrintScale& scale, const std::function<void()>& printPage) {
    FScale = scale;
    FPrintPage = printPage;
    CurrentLbl->setText(UiText("TPrintCalibrationDlg", "現在の補正: 横 %1・縦 %2")
                            .arg(FactorText(scale.X), FactorText(scale.Y)));
    MeasuredXEd->setText(MmText(CalibrationRulerX));
    MeasuredYEd->setText(MmText(CalibrationRulerY));
    MeasuredXEd->setFocus();
    MeasuredXEd->selectAll();
    const bool accepted = exec() == QDialog::Accepted;
    FPrintPage = nullptr;
    if (accepted)
        scale = FScale;
    return accepted;
}

void TPrintCalibrationDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    CentreOnScreen(*this);
}

void TPrintCalibrationDlg::OKBtnClick() {
    TPrintScale scale;
    if (!ReadFactor(MeasuredXEd, HorizontalRuler(), FScale.X, CalibrationRulerX, scale.X) ||
        !ReadFactor(MeasuredYEd, VerticalRuler(), FScale.Y, CalibrationRulerY, scale.Y))
        return;
    FScale = scale;
    accept();
}

bool TPrintCalibrationDlg::ReadFactor(QLineEdit* field, const QString& ruler, long double current,
                                      long double nominal, long double& factor) {
    long double measured = 0;
    if (TryTextToFloat(field->text().toStdString(), measured) &&
        CalibratedPrintScale(current, nominal, measured, factor))
        return true;
    const TLengthRange range = AcceptedMeasurements(current, nominal);
    Prompt.ShowError(ErrorTitle(),
                     RangeText().arg(ruler, MmText(std::ceil(range.Min * ShownStep) / ShownStep),
                                     MmText(std::floor(range.Max * ShownStep) / ShownStep)));
    field->setFocus();
    field->selectAll();
    return false;
}
