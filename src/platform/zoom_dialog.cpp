// The zoom input box: "拡大縮小", asking for a percentage.
#include "zoom_dialog.h"

#include "drawing/view_scale.h"

long double ZoomDialog(IPrompt& prompt, long double zoom) {
    QString text = QString::number(ZoomPercentText(zoom));
    prompt.InputText(QStringLiteral("拡大縮小"), QStringLiteral("表示倍率（％）を入力して下さい。"),
                     text);
    return ZoomFromPercentText(text.toStdString(), zoom);
}
