// Conversion of typed or stored text to a number, independent of the locale.
#pragma once

#include <string_view>

// The number the text spells: optional blanks, an optional sign, digits with an
// optional "." decimal point, an optional exponent, optional blanks. Anything
// else (empty text included) gives the caller's default.
long double TextToFloat(std::string_view text, long double defaultValue);
