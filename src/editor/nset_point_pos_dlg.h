// The vertex coordinates dialog of the shape editor, "座標設定".
#pragma once

#include "geometry/polygon.h"
#include "numeric_dlg.h"

class QLineEdit;

class TNSetPointPosDlg : public TNumericDlg {
    Q_OBJECT

public:
    explicit TNSetPointPosDlg(QWidget* parent = nullptr);

    // Fills both fields with the point, in millimetres.
    void SetPoint(const TPointF& point);
    // The point typed into the fields.
    TPointF Point() const;

private:
    QLineEdit* Edit1 = nullptr; // X
    QLineEdit* Edit2 = nullptr; // Y
};
