// The decimals dialog: one list, the usual formats first.
#include "decimals_dlg.h"

#include "ui_text.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QWidget>

TDecimalsDlg::TDecimalsDlg(QWidget* parent)
    : TNumericDlg(UiText("TDecimalsDlg", "表示桁数"), parent) {
    ComboBox1 = new QComboBox;
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->addItem(UiText("TDecimalsDlg", "標準"));
    for (int decimals = 0; decimals <= MaxShownDecimals; ++decimals)
        ComboBox1->addItem(QString::number(decimals));
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* label = new QLabel(UiText("TDecimalsDlg", "小数点以下の桁数"));
    label->setBuddy(ComboBox1);
    layout->addWidget(label);
    layout->addWidget(ComboBox1);
    AddRow(row);
}

// The list holds the usual formats at 0 and count d at d + 1.
void TDecimalsDlg::SetDecimals(const TShownDecimals& decimals) {
    ComboBox1->setCurrentIndex(decimals.Chosen == UsualDecimals ? 0 : decimals.Chosen + 1);
    ComboBox1->setFocus();
}

TShownDecimals TDecimalsDlg::Decimals() const {
    const int index = ComboBox1->currentIndex();
    return index <= 0 ? TShownDecimals{} : TShownDecimals{index - 1};
}
