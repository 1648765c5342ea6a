// The interior angle dialog of the shape editor, "内角設定".
#pragma once

#include "numeric_dlg.h"

class QLineEdit;

class TNSetPointAngleDlg : public TNumericDlg {
    Q_OBJECT

public:
    explicit TNSetPointAngleDlg(QWidget* parent = nullptr);

    // Fills the field with the angle (radians), shown in degrees.
    void SetAngle(long double angle);
    // The angle typed in degrees, in radians.
    long double Angle() const;

private:
    QLineEdit* Edit1 = nullptr;
};
