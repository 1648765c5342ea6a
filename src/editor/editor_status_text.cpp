// Formatting the editor's status texts. The numbers are FixedText's, which
// ignores the locale, so the decimal mark is "." whatever the user's locale.
#include "editor_status_text.h"

#include "geometry/angles.h"
#include "shift_jis_codec.h"
#include "ui_text.h"

namespace {

QString Number(const TShownDecimals& decimals, long double value, int usual) {
    return QString::fromStdString(decimals.Text(value, usual));
}

} // namespace

QString PositionStatusText(const TPointF& position, const TShownDecimals& decimals) {
    return QStringLiteral("X:") + Number(decimals, position.X, 1) + QStringLiteral(" Y:") +
           Number(decimals, position.Y, 1);
}

QString DrawLengthStatusText(long double length, const TShownDecimals& decimals) {
    return QStringLiteral(" R:") + Number(decimals, length, 1);
}

QString DragLengthsStatusText(long double length1, long double length2,
                              const TShownDecimals& decimals) {
    return QStringLiteral(" R1:") + Number(decimals, length1, 1) + QStringLiteral(" R2:") +
           Number(decimals, length2, 1);
}

QString LineStatusText(const TLineReport& report, const TShownDecimals& decimals) {
    const QString length = Number(decimals, report.Length, 2);
    const QString slope = Number(decimals, report.Slope, 1);
    if (report.Flange == nullptr)
        return UiText("TMkPolygonFm", "長さ:%1 傾き:%2").arg(length, slope);
    const TFlange& flange = *report.Flange;
    // One pass over the template, so a "%" in the flange's name stays as it is.
    return UiText("TMkPolygonFm", "長さ:%1 傾き:%2 糊代[%3]: 幅:%4 角度:%5 %6")
        .arg(length, slope, ShiftJisToUnicode(flange.Name), Number(decimals, flange.Width, 2),
             Number(decimals, RadToDeg(flange.Angle1), 2),
             Number(decimals, RadToDeg(flange.Angle2), 2));
}
