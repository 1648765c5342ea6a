// Conversion of typed or stored text to a number, independent of the locale.
#pragma once

#include <string_view>

// True when the text spells a finite number: optional blanks, an optional
// sign, digits with an optional "." decimal point, an optional exponent,
// optional blanks. value is written only on success.
bool TryTextToFloat(std::string_view text, long double& value);

// The number the text spells, or the caller's default for any other text
// (empty text included).
long double TextToFloat(std::string_view text, long double defaultValue);
