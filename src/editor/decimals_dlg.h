// The dialog in which the shape editor is told how many decimals its status
// line and the information monitor show: the usual formats, or a count from 0
// to 9 for every number.
#pragma once

#include "editing/shown_decimals.h"
#include "numeric_dlg.h"

class QComboBox;

class TDecimalsDlg : public TNumericDlg {
    Q_OBJECT

public:
    explicit TDecimalsDlg(QWidget* parent = nullptr);

    void SetDecimals(const TShownDecimals& decimals);
    TShownDecimals Decimals() const;

private:
    QComboBox* ComboBox1 = nullptr; // "標準", then 0 to 9
};
