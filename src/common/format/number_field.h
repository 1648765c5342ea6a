// Numbers as text: the number fields of the text formats (fixed-point numbers
// in 16 columns, right-aligned integers, leniently read integers) and the
// numbers that status lines, dialogs and exports show. None of them depends on
// the C locale; the decimal mark is always ".".
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

inline constexpr std::size_t NumberFieldWidth = 16;
inline constexpr int NumberFieldDecimals = 11;
// Values of this magnitude or more are never written into a number field.
inline constexpr long double NumberFieldLimit = 1e15L;

// Appends value right-aligned in NumberFieldWidth columns, blank-padded, with
// NumberFieldDecimals decimals or, when that is too wide, with as many as fit.
// The decimals are rounded as printf rounds them. False, and nothing appended,
// for a value that is not finite, reaches NumberFieldLimit, rounds to it or
// does not fit: the readers refuse such numbers, so they are never written.
bool AppendNumberField(std::string& text, long double value);

// Appends value right-aligned in width columns, blank-padded. False, and
// nothing appended, when it needs more columns.
bool AppendIntegerField(std::string& text, std::int32_t value, std::size_t width);

// Appends value in decimal without padding.
void AppendInteger(std::string& text, std::int64_t value);

// value in decimal with at most maxDecimals decimals (rounded as printf rounds
// them), trailing zeros and a trailing "." dropped and no "-" before a zero:
// 12.5, -0.125, 3. Empty for a value that is not finite.
std::string DecimalText(long double value, int maxDecimals);

// value with exactly decimals decimals, as printf's "%*.*f" writes it in the C
// locale (rounded as printf rounds), right-aligned in width columns when it is
// shorter: FixedText(2.25, 1) is "2.2", FixedText(-5, 0, 3) is " -5".
std::string FixedText(long double value, int decimals, int width = 0);

// The integer the text spells after leading blanks (an optional sign, then
// digits and nothing else), or 0 for any other text and for a value outside
// the 32-bit range.
std::int32_t LenientInteger(std::string_view text);
