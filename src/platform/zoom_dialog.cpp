// The zoom input box: "拡大縮小", asking for a percentage.
#include "zoom_dialog.h"

#include "drawing/view_scale.h"

#include "ui_text.h"

long double ZoomDialog(IPrompt& prompt, long double zoom) {
    QString text = QString::number(ZoomPercentText(zoom));
    prompt.InputText(UiText("TZoomDialog", "拡大縮小"),
                     UiText("TZoomDialog", "表示倍率（％）を入力して下さい。"), text);
    return ZoomFromPercentText(text.toStdString(), zoom);
}
