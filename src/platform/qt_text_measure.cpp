// Measuring text at a large size and scaling the width to the height asked:
// widths grow with the height, and a large size keeps the rounding of
// glyph advances far below what paper shows.
#include "qt_text_measure.h"

#include "shift_jis_codec.h"

#include <string>

namespace {

constexpr int MeasurePixels = 1000;

QFont MeasuringFont(QFont font) {
    font.setPixelSize(MeasurePixels);
    return font;
}

} // namespace

TQtTextMeasure::TQtTextMeasure(const QFont& font) : FFont(MeasuringFont(font)), FMetrics(FFont) {}

long double TQtTextMeasure::WidthMm(std::string_view text, long double height) const {
    const qreal width = FMetrics.horizontalAdvance(ShiftJisToUnicode(std::string(text)));
    return static_cast<long double>(width) / MeasurePixels * height;
}
