// Formatting the editor's status texts. QString::asprintf formats numbers in
// the C locale, so the decimal mark is "." whatever the user's locale.
#include "editor_status_text.h"

#include "geometry/angles.h"
#include "shift_jis_codec.h"
#include "ui_text.h"

namespace {

// QString::number formats in the C locale too, whatever the user's locale.
QString Fixed(long double value, int decimals) {
    return QString::number(static_cast<double>(value), 'f', decimals);
}

} // namespace

QString PositionStatusText(const TPointF& position) {
    return QString::asprintf("X:%.1f Y:%.1f", static_cast<double>(position.X),
                             static_cast<double>(position.Y));
}

QString DrawLengthStatusText(long double length) {
    return QString::asprintf(" R:%.1f", static_cast<double>(length));
}

QString DragLengthsStatusText(long double length1, long double length2) {
    return QString::asprintf(" R1:%.1f R2:%.1f", static_cast<double>(length1),
                             static_cast<double>(length2));
}

QString LineStatusText(const TLineReport& report) {
    const QString length = Fixed(report.Length, 2);
    const QString slope = Fixed(report.Slope, 1);
    if (report.Flange == nullptr)
        return UiText("TMkPolygonFm", "長さ:%1 傾き:%2").arg(length, slope);
    const TFlange& flange = *report.Flange;
    // One pass over the template, so a "%" in the flange's name stays as it is.
    return UiText("TMkPolygonFm", "長さ:%1 傾き:%2 糊代[%3]: 幅:%4 角度:%5 %6")
        .arg(length, slope, ShiftJisToUnicode(flange.Name), Fixed(flange.Width, 2),
             Fixed(RadToDeg(flange.Angle1), 2), Fixed(RadToDeg(flange.Angle2), 2));
}
