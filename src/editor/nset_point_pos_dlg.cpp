// The vertex coordinates dialog: X and Y in millimetres.
#include "nset_point_pos_dlg.h"

#include "ui_text.h"

#include <QLineEdit>

TNSetPointPosDlg::TNSetPointPosDlg(QWidget* parent)
    : TNumericDlg(UiText("TNSetPointPosDlg", "座標設定"), parent) {
    Edit1 = AddField("Edit1", UiText("TNSetPointPosDlg", "Ｘ座標"), QStringLiteral("mm"));
    Edit2 = AddField("Edit2", UiText("TNSetPointPosDlg", "Ｙ座標"), QStringLiteral("mm"));
}

void TNSetPointPosDlg::SetPoint(const TPointF& point) {
    ShowNumber(*Edit1, point.X);
    ShowNumber(*Edit2, point.Y);
}

TPointF TNSetPointPosDlg::Point() const {
    return PointF(NumberIn(*Edit1), NumberIn(*Edit2));
}
