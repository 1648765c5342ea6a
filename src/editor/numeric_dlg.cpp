// The frame of the shape editor's numeric dialogs.
#include "numeric_dlg.h"

#include "format/number_field.h"
#include "format/text_to_float.h"
#include "geometry/angles.h"

#include "ui_text.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace {

// Wide enough for a coordinate far off the page with its two decimals.
constexpr int FieldWidth = 110;

} // namespace

TNumericDlg::TNumericDlg(const QString& caption, QWidget* parent) : QDialog(parent) {
    setWindowTitle(caption);
    FLayout = new QVBoxLayout(this);
    FLayout->setSizeConstraint(QLayout::SetFixedSize);
    FFields = new QGridLayout;
    FLayout->addLayout(FFields);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
    ok->setObjectName(QStringLiteral("OkButton"));
    ok->setText(QStringLiteral("OK"));
    ok->setDefault(true);
    QPushButton* cancel = buttons->button(QDialogButtonBox::Cancel);
    cancel->setObjectName(QStringLiteral("CancelButton"));
    cancel->setText(UiText("TNumericDlg", "キャンセル"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    FLayout->addWidget(buttons);
}

QLineEdit* TNumericDlg::AddField(const char* name, const QString& label, const QString& unit) {
    const int row = FFields->rowCount();
    auto* field = new QLineEdit;
    field->setObjectName(QLatin1String(name));
    field->setFixedWidth(FieldWidth);
    if (!label.isEmpty()) {
        auto* caption = new QLabel(label);
        caption->setBuddy(field);
        FFields->addWidget(caption, row, 0);
    }
    FFields->addWidget(field, row, 1);
    if (!unit.isEmpty())
        FFields->addWidget(new QLabel(unit), row, 2);
    if (FFirstField == nullptr)
        FFirstField = field;
    return field;
}

// Below the fields and above the buttons.
void TNumericDlg::AddRow(QWidget* widget) {
    FLayout->insertWidget(FLayout->count() - 1, widget);
}

// QString::asprintf formats in the C locale, so the mark is "." everywhere. A
// value that rounds to zero is shown without a sign: a level side reads "0.00".
void TNumericDlg::ShowNumber(QLineEdit& field, long double value) {
    QString text = QString::fromStdString(FixedText(value, 2));
    if (text == QLatin1String("-0.00"))
        text.remove(0, 1);
    field.setText(text);
}

long double TNumericDlg::NumberIn(const QLineEdit& field) {
    return TextToFloat(field.text().toStdString(), 0);
}

// Typing at once replaces the value shown. The dialog's own showing gives the
// focused field a Tab focus, which selects its text too; selecting here keeps
// that whatever the window system does when the box becomes active.
void TNumericDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (FFirstField == nullptr)
        return;
    FFirstField->setFocus(Qt::OtherFocusReason);
    FFirstField->selectAll();
}
