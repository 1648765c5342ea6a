// The interior angle dialog: one angle in degrees.
#include "nset_point_angle_dlg.h"

#include "geometry/angles.h"
#include "ui_text.h"

#include <QLineEdit>

TNSetPointAngleDlg::TNSetPointAngleDlg(QWidget* parent)
    : TNumericDlg(UiText("TNSetPointAngleDlg", "内角設定"), parent) {
    Edit1 = AddField("Edit1", QString(), QStringLiteral("°"));
}

void TNSetPointAngleDlg::SetAngle(long double angle) {
    ShowNumber(*Edit1, RadToDeg(angle));
}

long double TNSetPointAngleDlg::Angle() const {
    return DegToRad(NumberIn(*Edit1));
}
