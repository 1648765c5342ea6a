// The side length dialog: one length in millimetres.
#include "nset_line_length_dlg.h"

#include "ui_text.h"

#include <QLineEdit>

TNSetLineLengthDlg::TNSetLineLengthDlg(QWidget* parent)
    : TNumericDlg(UiText("TNSetLineLengthDlg", "辺の長さ設定"), parent) {
    Edit1 = AddField("Edit1", QString(), QStringLiteral("mm"));
}

void TNSetLineLengthDlg::SetLength(long double length) {
    ShowNumber(*Edit1, length);
}

long double TNSetLineLengthDlg::Length() const {
    return NumberIn(*Edit1);
}
