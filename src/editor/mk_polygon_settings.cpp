// Reading and writing the shape editor's settings section.
#include "mk_polygon_settings.h"

#include "drawing/view_scale.h"
#include "format/text_to_float.h"
#include "geometry/angles.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

namespace {

long double ReadFloat(const TIniFile& settings, std::string_view key, long double defaultValue) {
    long double value = 0;
    const std::string text = settings.ReadString(MkPolygonSection, key, "");
    return TryTextToFloat(text, value) ? value : defaultValue;
}

bool IsFlangeAngle(long double angle) {
    return angle > 0 && angle <= Pi / 2;
}

// std::to_chars ignores the locale and its shortest form reads back exactly.
void WriteFloat(TIniFile& settings, std::string_view key, long double value) {
    char digits[64];
    const auto [end, error] = std::to_chars(digits, digits + sizeof digits, value);
    if (error != std::errc())
        return;
    settings.WriteString(MkPolygonSection, key, std::string_view(digits, end - digits));
}

} // namespace

TMkPolygonSettings ReadMkPolygonSettings(const TIniFile& settings, int currentWindowState,
                                         int defaultWidth) {
    TMkPolygonSettings values;
    TWindowPlacement defaults = values.Window;
    defaults.WindowState = currentWindowState;
    defaults.Width = std::max(defaults.Width, defaultWidth);
    values.Window = ReadWindowPlacement(settings, MkPolygonSection, defaults);
    values.Zoom = ZoomFromStored(settings.ReadInteger(MkPolygonSection, "Zoom", 10000));

    const long double width = ReadFloat(settings, "FlangeWidth", values.FlangeWidth);
    if (width >= 0)
        values.FlangeWidth = width;
    const long double angle1 = ReadFloat(settings, "FlangeAngle1", values.FlangeAngle1);
    if (IsFlangeAngle(angle1))
        values.FlangeAngle1 = angle1;
    const long double angle2 = ReadFloat(settings, "FlangeAngle2", values.FlangeAngle2);
    if (IsFlangeAngle(angle2))
        values.FlangeAngle2 = angle2;
    values.Decimals =
        ShownDecimalsFromStored(settings.ReadInteger(MkPolygonSection, "Decimals", UsualDecimals));
    return values;
}

void WriteMkPolygonSettings(TIniFile& settings, const TMkPolygonSettings& values) {
    WriteWindowPlacement(settings, MkPolygonSection, values.Window);
    settings.WriteInteger(MkPolygonSection, "Zoom", ZoomToStored(values.Zoom));
    WriteFloat(settings, "FlangeWidth", values.FlangeWidth);
    WriteFloat(settings, "FlangeAngle1", values.FlangeAngle1);
    WriteFloat(settings, "FlangeAngle2", values.FlangeAngle2);
    settings.WriteInteger(MkPolygonSection, "Decimals", values.Decimals.Chosen);
}
