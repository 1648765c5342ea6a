// The decimals the editor shows, and the number text with them.
#include "editing/shown_decimals.h"

#include "format/number_field.h"

std::string TShownDecimals::Text(long double value, int usual, int width) const {
    return FixedText(value, Of(usual), width);
}

TShownDecimals ShownDecimalsFromStored(std::int64_t stored) {
    if (stored < 0 || stored > MaxShownDecimals)
        return TShownDecimals{};
    return TShownDecimals{static_cast<int>(stored)};
}
