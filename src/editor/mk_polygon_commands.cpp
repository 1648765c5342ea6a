// The shape editor's menu commands that ask with a dialog or an input box:
// the four numeric settings, the flanges, resizing, the regular polygon and
// the decimals shown, with the structural commands and the monitor switch.
// Each reads its answer, hands it to the model and shows what changed.
#include "mk_polygon_fm.h"

#include "decimals_dlg.h"
#include "dialog_runner.h"
#include "flange_dlg.h"
#include "format/text_to_float.h"
#include "nset_line_angle_dlg.h"
#include "nset_line_length_dlg.h"
#include "nset_point_angle_dlg.h"
#include "nset_point_pos_dlg.h"
#include "paint_surface.h"
#include "polygon_info_dlg.h"
#include "prompt.h"
#include "regular_polygon_dlg.h"
#include "ui_text.h"

#include <QAction>
#include <QScrollArea>

#include <algorithm>
#include <optional>

namespace {

QString ResizeCaption() {
    return UiText("TMkPolygonFm", "拡大縮小");
}
QString ResizePrompt() {
    return UiText("TMkPolygonFm", "拡大／縮小率 （％）を入力して下さい。");
}
const QString ResizeDefault = QStringLiteral("100");
QString RegularPolygonRangeText() {
    return UiText("TMkPolygonFm",
                  "角数は3から360まで、大きさは0より大きい値を入力して下さい。"
                  "図形は保存できる範囲（座標の絶対値が10の15乗未満）に収まる必要があります。");
}

} // namespace

bool TMkPolygonFm::HasNumericDialogs() const {
    return FDialogs.Runner != nullptr && FDialogs.PointPos != nullptr &&
           FDialogs.LineLength != nullptr && FDialogs.PointAngle != nullptr &&
           FDialogs.LineAngle != nullptr;
}

// The numeric settings: a command that cannot act on the selection, or while
// a gesture holds the shape, shows no dialog. Cancel changes nothing; a value
// the model refuses is dropped like any other out of its range.
void TMkPolygonFm::NSetPpClick() {
    const std::optional<TPointF> offer = FModel.ApexPositionOffer();
    if (!offer || !HasNumericDialogs())
        return;
    TNSetPointPosDlg& dialog = *FDialogs.PointPos;
    dialog.SetPoint(*offer);
    if (FDialogs.Runner->Run(dialog) &&
        FModel.SetSelectedApexPosition(dialog.Point(), KeepLengths()))
        ShapeChanged();
}

void TMkPolygonFm::NSetPaClick() {
    const std::optional<long double> offer = FModel.InteriorAngleOffer();
    if (!offer || !HasNumericDialogs())
        return;
    TNSetPointAngleDlg& dialog = *FDialogs.PointAngle;
    dialog.SetAngle(*offer);
    if (FDialogs.Runner->Run(dialog) &&
        FModel.SetSelectedInteriorAngle(dialog.Angle(), KeepLengths()))
        ShapeChanged();
}

void TMkPolygonFm::NSetLlClick() {
    const std::optional<long double> offer = FModel.SideLengthOffer();
    if (!offer || !HasNumericDialogs())
        return;
    TNSetLineLengthDlg& dialog = *FDialogs.LineLength;
    dialog.SetLength(*offer);
    if (FDialogs.Runner->Run(dialog) &&
        FModel.SetSelectedSideLength(dialog.Length(), FView.CloseDist(), KeepLengths()))
        ShapeChanged();
}

void TMkPolygonFm::NSetLaClick() {
    const std::optional<long double> offer = FModel.SideSlopeOffer();
    if (!offer || !HasNumericDialogs())
        return;
    TNSetLineAngleDlg& dialog = *FDialogs.LineAngle;
    dialog.SetDirection(*offer);
    if (FDialogs.Runner->Run(dialog) &&
        FModel.SetSelectedSideSlope(dialog.Direction(), dialog.RotateWholeShape(), KeepLengths()))
        ShapeChanged();
}

void TMkPolygonFm::ApexInsertMiClick() {
    if (!FModel.InsertApexInSide())
        return;
    UpdateMenu();
    ShapeChanged();
}

void TMkPolygonFm::ApexDelMiClick() {
    if (!FModel.DeleteSelectedApex())
        return;
    UpdateMenu();
    ShapeChanged();
}

void TMkPolygonFm::BendLine1MiClick(int lineSet) {
    if (FModel.ToggleSelectedBendLine(lineSet))
        ShapeChanged();
}

void TMkPolygonFm::ReverseMiClick() {
    if (FModel.MirrorAcrossSelectedSide())
        ShapeChanged();
}

// The box offers 100 every time. A cancelled box changes nothing; a text that
// is not a number reads as 0 %, which the factor's range turns down.
void TMkPolygonFm::PolygonResizeMiClick() {
    if (!FModel.CanResize())
        return;
    QString text = ResizeDefault;
    if (!Prompt.InputText(ResizeCaption(), ResizePrompt(), text))
        return;
    if (FModel.ResizeShape(TextToFloat(text.toStdString(), 0) / 100))
        ShapeChanged();
}

void TMkPolygonFm::FlangeMiClick() {
    const std::optional<TFlangeOffer> offer = FModel.FlangeOffer();
    if (!offer || FDialogs.Runner == nullptr || FDialogs.Flange == nullptr)
        return;
    TFlangeDlg& dialog = *FDialogs.Flange;
    dialog.SetOneSide(offer->OneSide);
    dialog.SetNames(FFlangeNames);
    dialog.SetLookup(FFlangeLookup);
    dialog.LoadFlange(offer->Flange);
    const bool accepted = FDialogs.Runner->Run(dialog);
    dialog.SetLookup(nullptr);
    if (!accepted)
        return;
    std::optional<long double> matchLength;
    if (offer->OneSide && dialog.LengthMatch())
        matchLength = dialog.FoundSideLength();
    if (FModel.ApplyFlange(dialog.ReadFlange(), matchLength, FView.CloseDist(), KeepLengths()))
        ShapeChanged();
}

// A monitor closed by its own close box stays switched on: the next click
// switches it off, the one after shows it again.
void TMkPolygonFm::PInfoMiClick(bool checked) {
    if (FDialogs.Monitor == nullptr)
        return;
    if (checked) {
        RefreshMonitor();
        FDialogs.Monitor->show();
    } else if (FDialogs.Monitor->isVisible()) {
        FDialogs.Monitor->close();
    }
}

// The polygon stands about the shape's centroid, or, for a new outline,
// about the middle of what the view shows of the page.
void TMkPolygonFm::RegularPolygonMiClick() {
    if (!FModel.CanChangeShape() || FDialogs.Runner == nullptr)
        return;
    if (!FDialogs.Runner->Run(*RegularPolygonDlg))
        return;
    if (!FModel.MakeRegularPolygon(RegularPolygonDlg->Params(), VisibleCentre())) {
        Prompt.ShowError(ErrorTitle(), RegularPolygonRangeText());
        return;
    }
    UpdateMenu();
    ShowDrawingHint();
    ShapeChanged();
}

TPointF TMkPolygonFm::VisibleCentre() const {
    const QWidget* view = ScrollBox1->viewport();
    const QPoint centre = PaintBox1->mapFrom(view, view->rect().center());
    const TPixelPoint pixel{std::clamp(centre.x(), 0, std::max(0, PaintBox1->width() - 1)),
                            std::clamp(centre.y(), 0, std::max(0, PaintBox1->height() - 1))};
    const long double scale = FView.ScreenScale();
    return DeviceToModel(pixel, scale, scale);
}

void TMkPolygonFm::DecimalsMiClick() {
    if (FDialogs.Runner == nullptr)
        return;
    DecimalsDlg->SetDecimals(FDecimals);
    if (FDialogs.Runner->Run(*DecimalsDlg))
        SetShownDecimals(DecimalsDlg->Decimals());
}

// The status line shows the new decimals from the next mouse move on.
void TMkPolygonFm::SetShownDecimals(const TShownDecimals& decimals) {
    FDecimals = decimals;
    if (FDialogs.Monitor != nullptr)
        FDialogs.Monitor->SetDecimals(decimals);
}
