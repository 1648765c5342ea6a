// Reading and writing section Print of the settings file.
#include "print_settings.h"

#include "format/int_setting.h"
#include "format/number_field.h"
#include "format/text_to_float.h"

#include <QGuiApplication>
#include <QPalette>

#include <array>
#include <cmath>

namespace {

constexpr std::string_view PrintSection = "Print";
constexpr int DefaultFontSize = 12;
// Far finer than any ruler can be read.
constexpr int ScaleDecimals = 8;
// Widths and distances to a micrometre.
constexpr int WidthDecimals = 3;

enum TFontStyleBit { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };

int ReadInt(const TIniFile& settings, std::string_view key, int defaultValue) {
    return ReadIntSetting(settings, PrintSection, key, defaultValue);
}

long double ReadScale(const TIniFile& settings, std::string_view key) {
    long double scale = 1;
    if (!TryTextToFloat(settings.ReadString(PrintSection, key, ""), scale) ||
        !IsAcceptedPrintScale(scale))
        return 1;
    return scale;
}

long double ReadNumber(const TIniFile& settings, std::string_view key, long double defaultValue) {
    long double value = defaultValue;
    if (!TryTextToFloat(settings.ReadString(PrintSection, key, ""), value) || !std::isfinite(value))
        return defaultValue;
    return value;
}

// The keys of each fold kind's style and width.
struct TFoldKeys {
    TFoldKind Kind;
    std::string_view Style;
    std::string_view Width;
};
constexpr std::array<TFoldKeys, 3> FoldKeys{{
    {TFoldKind::Set1, "FoldLine1Style", "FoldLine1Width"},
    {TFoldKind::Set2, "FoldLine2Style", "FoldLine2Width"},
    {TFoldKind::FlangeBase, "FlangeBaseStyle", "FlangeBaseWidth"},
}};

TPrintOptions ReadPrintOptions(const TIniFile& settings) {
    TPrintOptions options;
    for (const TFoldKeys& keys : FoldKeys) {
        TFoldLook& look = options.Folds.Of(keys.Kind);
        look.Style = LineStyleFromCode(ReadInt(settings, keys.Style, -1), look.Style);
        const long double width = ReadNumber(settings, keys.Width, look.Width);
        if (IsAcceptedFoldWidth(width))
            look.Width = width;
    }
    options.Tiles.Columns = AcceptedTileCount(ReadInt(settings, "TileColumns", 1));
    options.Tiles.Rows = AcceptedTileCount(ReadInt(settings, "TileRows", 1));
    options.RegistrationMarks = ReadInt(settings, "RegistrationMarks", 0) != 0;
    const long double distance =
        ReadNumber(settings, "RegistrationDistance", DefaultRegistrationDistance);
    if (distance >= 0 && distance <= MaxRegistrationDistance)
        options.RegistrationDistance = distance;
    return options;
}

void WritePrintOptions(TIniFile& settings, const TPrintOptions& options) {
    for (const TFoldKeys& keys : FoldKeys) {
        const TFoldLook& look = options.Folds.Of(keys.Kind);
        settings.WriteInteger(PrintSection, keys.Style, static_cast<int>(look.Style));
        settings.WriteString(PrintSection, keys.Width, DecimalText(look.Width, WidthDecimals));
    }
    settings.WriteInteger(PrintSection, "TileColumns", options.Tiles.Columns);
    settings.WriteInteger(PrintSection, "TileRows", options.Tiles.Rows);
    settings.WriteInteger(PrintSection, "RegistrationMarks", options.RegistrationMarks ? 1 : 0);
    settings.WriteString(PrintSection, "RegistrationDistance",
                         DecimalText(options.RegistrationDistance, WidthDecimals));
}

QFont ReadPrintFont(const TIniFile& settings) {
    QFont font(QString::fromStdString(settings.ReadString(PrintSection, "FontName", "ＭＳ 明朝")));
    const int size = ReadInt(settings, "FontSize", DefaultFontSize);
    font.setPointSize(size > 0 ? size : DefaultFontSize);
    const int style = ReadInt(settings, "FontStyle", 0);
    if (style != 0)
        ApplyFontStyleBits(font, style);
    return font;
}

} // namespace

TPrintSettings ReadPrintSettings(const TIniFile& settings) {
    TPrintSettings print;
    print.PrintPaperSize = ReadInt(settings, "PrintPaperSize", -1);
    print.PrintDir = ReadInt(settings, "PrintDir", -1);
    print.PrintPaperScale = ReadInt(settings, "PrintPaperScale", -1);
    print.TYohaku = ReadInt(settings, "TYohaku", 0);
    print.BYohaku = ReadInt(settings, "BYohaku", 0);
    print.LYohaku = ReadInt(settings, "LYohaku", 0);
    print.RYohaku = ReadInt(settings, "RYohaku", 0);
    print.PrintFont = ReadPrintFont(settings);
    const QColor windowText = QGuiApplication::palette().color(QPalette::WindowText);
    print.PrintFontColor = ColorFromStored(
        settings.ReadInteger(PrintSection, "FontColor", ColorToStored(windowText)), windowText);
    print.PrintPartnerPages = ReadInt(settings, "PrintPartnerPage", 0) != 0;
    print.PrintScaleX = ReadScale(settings, "PrintScaleX");
    print.PrintScaleY = ReadScale(settings, "PrintScaleY");
    print.Options = ReadPrintOptions(settings);
    return print;
}

void WritePrintSettings(TIniFile& settings, const TPrintSettings& print) {
    settings.WriteInteger(PrintSection, "PrintPaperSize", print.PrintPaperSize);
    settings.WriteInteger(PrintSection, "PrintDir", print.PrintDir);
    settings.WriteInteger(PrintSection, "PrintPaperScale", print.PrintPaperScale);
    settings.WriteInteger(PrintSection, "TYohaku", print.TYohaku);
    settings.WriteInteger(PrintSection, "BYohaku", print.BYohaku);
    settings.WriteInteger(PrintSection, "LYohaku", print.LYohaku);
    settings.WriteInteger(PrintSection, "RYohaku", print.RYohaku);
    settings.WriteString(PrintSection, "FontName", print.PrintFont.family().toStdString());
    settings.WriteInteger(PrintSection, "FontSize", print.PrintFont.pointSize());
    settings.WriteInteger(PrintSection, "FontColor", ColorToStored(print.PrintFontColor));
    settings.WriteInteger(PrintSection, "FontStyle", FontStyleBits(print.PrintFont));
    settings.WriteInteger(PrintSection, "PrintPartnerPage", print.PrintPartnerPages ? 1 : 0);
    settings.WriteString(PrintSection, "PrintScaleX",
                         DecimalText(print.PrintScaleX, ScaleDecimals));
    settings.WriteString(PrintSection, "PrintScaleY",
                         DecimalText(print.PrintScaleY, ScaleDecimals));
    WritePrintOptions(settings, print.Options);
}

long long ColorToStored(const QColor& color) {
    return static_cast<long long>(color.blue()) << 16 | color.green() << 8 | color.red();
}

QColor ColorFromStored(long long stored, const QColor& fallback) {
    if (stored < 0 || stored > 0xFFFFFF)
        return fallback;
    return QColor(static_cast<int>(stored & 0xFF), static_cast<int>(stored >> 8 & 0xFF),
                  static_cast<int>(stored >> 16 & 0xFF));
}

int FontStyleBits(const QFont& font) {
    return (font.bold() ? fsBold : 0) | (font.italic() ? fsItalic : 0) |
           (font.underline() ? fsUnderline : 0) | (font.strikeOut() ? fsStrikeOut : 0);
}

void ApplyFontStyleBits(QFont& font, int bits) {
    font.setBold(bits & fsBold);
    font.setItalic(bits & fsItalic);
    font.setUnderline(bits & fsUnderline);
    font.setStrikeOut(bits & fsStrikeOut);
}
