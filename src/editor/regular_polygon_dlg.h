// The regular polygon dialog of the shape editor, "正多角形": the number of
// sides, a size that is either the side length or the radius of the circle
// through the vertices, and the first side's slope in degrees counter-clockwise
// as seen. It keeps its texts between uses.
#pragma once

#include "geometry/regular_polygon.h"
#include "numeric_dlg.h"

class QLineEdit;
class QRadioButton;

class TRegularPolygonDlg : public TNumericDlg {
    Q_OBJECT

public:
    // Offers a hexagon of 20 mm sides with its first side level.
    explicit TRegularPolygonDlg(QWidget* parent = nullptr);

    // What was typed; a count of sides that is not a whole number reads as 0,
    // which no polygon has.
    TRegularPolygonParams Params() const;

private:
    QLineEdit* Edit1 = nullptr; // sides
    QLineEdit* Edit2 = nullptr; // size, mm
    QLineEdit* Edit3 = nullptr; // slope, degrees
    QRadioButton* SideRadio = nullptr;
    QRadioButton* RadiusRadio = nullptr;
};
