// The regular polygon dialog: three fields and the choice of what the size is.
#include "regular_polygon_dlg.h"

#include "ui_text.h"

#include <QButtonGroup>
#include <QLineEdit>
#include <QRadioButton>

#include <cmath>

TRegularPolygonDlg::TRegularPolygonDlg(QWidget* parent)
    : TNumericDlg(UiText("TRegularPolygonDlg", "正多角形"), parent) {
    const TRegularPolygonParams offered;
    Edit1 = AddField("Edit1", UiText("TRegularPolygonDlg", "角数 (3～360)"), QString());
    Edit2 = AddField("Edit2", UiText("TRegularPolygonDlg", "大きさ"), QStringLiteral("mm"));
    Edit3 = AddField("Edit3", UiText("TRegularPolygonDlg", "最初の辺の傾き"), QStringLiteral("°"));
    Edit1->setText(QString::number(offered.Sides));
    ShowNumber(*Edit2, offered.Size);
    ShowNumber(*Edit3, offered.SlopeDegrees);

    SideRadio = new QRadioButton(UiText("TRegularPolygonDlg", "大きさは辺の長さ"));
    SideRadio->setObjectName(QStringLiteral("SideRadio"));
    RadiusRadio = new QRadioButton(UiText("TRegularPolygonDlg", "大きさは外接円の半径"));
    RadiusRadio->setObjectName(QStringLiteral("RadiusRadio"));
    SideRadio->setChecked(true);
    auto* sizeIs = new QButtonGroup(this);
    sizeIs->addButton(SideRadio);
    sizeIs->addButton(RadiusRadio);
    AddRow(SideRadio);
    AddRow(RadiusRadio);
}

TRegularPolygonParams TRegularPolygonDlg::Params() const {
    TRegularPolygonParams params;
    const long double sides = NumberIn(*Edit1);
    params.Sides = sides == std::floor(sides) && std::fabs(sides) <= MaxRegularSides
                       ? static_cast<int>(sides)
                       : 0;
    params.Size = NumberIn(*Edit2);
    params.SizeIs =
        RadiusRadio->isChecked() ? TRegularSize::Circumradius : TRegularSize::SideLength;
    params.SlopeDegrees = NumberIn(*Edit3);
    return params;
}
