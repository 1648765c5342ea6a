// Formatting the editor's status texts. QString::asprintf formats numbers in
// the C locale, so the decimal mark is "." whatever the user's locale.
#include "editor_status_text.h"

#include "geometry/angles.h"
#include "shift_jis_codec.h"

namespace {

double Degrees(long double radians) {
    return static_cast<double>(RadToDeg(radians));
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
    const double length = static_cast<double>(report.Length);
    const double slope = static_cast<double>(report.Slope);
    if (report.Flange == nullptr)
        return QString::asprintf("長さ:%.2f 傾き:%.1f", length, slope);
    const TFlange& flange = *report.Flange;
    // The name is Shift-JIS bytes; %s takes UTF-8.
    const QByteArray name = ShiftJisToUnicode(flange.Name).toUtf8();
    return QString::asprintf("長さ:%.2f 傾き:%.1f 糊代[%s]: 幅:%.2f 角度:%.2f %.2f", length, slope,
                             name.constData(), static_cast<double>(flange.Width),
                             Degrees(flange.Angle1), Degrees(flange.Angle2));
}
