// The side slope dialog: one direction in degrees and the whole-shape switch.
// The user reads angles as on paper, counter-clockwise; the program's Y grows
// downward, so its directions turn the other way and the sign flips.
#include "nset_line_angle_dlg.h"

#include "geometry/angles.h"
#include "ui_text.h"

#include <QCheckBox>
#include <QLineEdit>

TNSetLineAngleDlg::TNSetLineAngleDlg(QWidget* parent)
    : TNumericDlg(UiText("TNSetLineAngleDlg", "辺の傾き設定"), parent) {
    Edit1 = AddField("Edit1", QString(), QStringLiteral("°"));
    CheckBox1 = new QCheckBox(UiText("TNSetLineAngleDlg", "図形全体を回転"));
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    CheckBox1->setChecked(true);
    AddRow(CheckBox1);
}

void TNSetLineAngleDlg::SetDirection(long double direction) {
    ShowNumber(*Edit1, -RadToDeg(direction));
}

long double TNSetLineAngleDlg::Direction() const {
    return -DegToRad(NumberIn(*Edit1));
}

bool TNSetLineAngleDlg::RotateWholeShape() const {
    return CheckBox1->isChecked();
}
