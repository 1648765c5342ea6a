// The side length dialog of the shape editor, "辺の長さ設定".
#pragma once

#include "numeric_dlg.h"

class QLineEdit;

class TNSetLineLengthDlg : public TNumericDlg {
    Q_OBJECT

public:
    explicit TNSetLineLengthDlg(QWidget* parent = nullptr);

    // Fills the field with the length, in millimetres.
    void SetLength(long double length);
    // The length typed into the field.
    long double Length() const;

private:
    QLineEdit* Edit1 = nullptr;
};
