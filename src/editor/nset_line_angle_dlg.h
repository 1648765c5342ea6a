// The side slope dialog of the shape editor, "辺の傾き設定": a direction in
// degrees counter-clockwise as seen, and whether the whole shape turns.
#pragma once

#include "numeric_dlg.h"

class QCheckBox;
class QLineEdit;

class TNSetLineAngleDlg : public TNumericDlg {
    Q_OBJECT

public:
    explicit TNSetLineAngleDlg(QWidget* parent = nullptr);

    // Fills the field with the direction (radians, positive clockwise as seen
    // like PointDirection), shown in degrees counter-clockwise as seen.
    void SetDirection(long double direction);
    // The direction typed, back in the program's radians.
    long double Direction() const;
    // "図形全体を回転": checked when the program starts, kept between uses.
    bool RotateWholeShape() const;

private:
    QLineEdit* Edit1 = nullptr;
    QCheckBox* CheckBox1 = nullptr;
};
