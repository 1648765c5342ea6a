// Text widths on paper from a Qt font's metrics, for fitting names into their
// flanges.
#pragma once

#include "drawing/name_fit.h"

#include <QFont>
#include <QFontMetricsF>

class TQtTextMeasure : public ITextMeasure {
public:
    // Measures in font's family and style, whatever its size.
    explicit TQtTextMeasure(const QFont& font);

    long double WidthMm(std::string_view text, long double height) const override;

private:
    QFont FFont;
    QFontMetricsF FMetrics;
};
