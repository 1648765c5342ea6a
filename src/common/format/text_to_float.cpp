// Conversion of typed or stored text to a number. The decimal mark is always
// ".", whatever locale the program runs in.
#include "format/text_to_float.h"

#include <charconv>
#include <cstdint>
#include <system_error>

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// The parts of an unsigned decimal number as written: "12.50e-3" has the
// integer digits "12", the fraction digits "50" and the exponent -3.
struct TDecimalText {
    std::string_view IntegerDigits;
    std::string_view FractionDigits;
    std::int64_t Exponent = 0;
};

std::string_view TakeDigits(std::string_view& text) {
    std::size_t count = 0;
    while (count < text.size() && IsDigit(text[count]))
        ++count;
    const std::string_view digits = text.substr(0, count);
    text.remove_prefix(count);
    return digits;
}

// Exponents this large already put any number far outside the long double
// range; holding them here keeps the arithmetic from overflowing.
constexpr std::int64_t ExponentCap = 1'000'000'000;

std::int64_t CappedValue(std::string_view digits) {
    std::int64_t value = 0;
    for (const char c : digits) {
        value = value * 10 + (c - '0');
        if (value > ExponentCap)
            return ExponentCap;
    }
    return value;
}

// Accepts digits with an optional "." (at least one digit in all) and an
// optional exponent of "e" or "E", an optional sign and digits; nothing else.
bool ParseDecimalText(std::string_view text, TDecimalText& parts) {
    parts.IntegerDigits = TakeDigits(text);
    if (!text.empty() && text.front() == '.') {
        text.remove_prefix(1);
        parts.FractionDigits = TakeDigits(text);
    }
    if (parts.IntegerDigits.empty() && parts.FractionDigits.empty())
        return false;
    if (!text.empty() && (text.front() == 'e' || text.front() == 'E')) {
        text.remove_prefix(1);
        bool negative = false;
        if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
            negative = text.front() == '-';
            text.remove_prefix(1);
        }
        const std::string_view digits = TakeDigits(text);
        if (digits.empty())
            return false;
        parts.Exponent = negative ? -CappedValue(digits) : CappedValue(digits);
    }
    return text.empty();
}

// The power of ten of the first significant digit; only asked of a number
// with a non-zero digit.
std::int64_t LeadingPowerOfTen(const TDecimalText& parts) {
    const std::size_t firstNonZero = parts.IntegerDigits.find_first_not_of('0');
    if (firstNonZero != std::string_view::npos)
        return parts.Exponent +
               static_cast<std::int64_t>(parts.IntegerDigits.size() - 1 - firstNonZero);
    const std::size_t inFraction = parts.FractionDigits.find_first_not_of('0');
    return parts.Exponent - static_cast<std::int64_t>(inFraction) - 1;
}

} // namespace

bool TryTextToFloat(std::string_view text, long double& value) {
    text = TrimBlanks(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    TDecimalText parts;
    if (!ParseDecimalText(text, parts))
        return false;

    long double magnitude = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), magnitude);
    if (end != text.data() + text.size())
        return false;
    if (error == std::errc::result_out_of_range) {
        // Too small to hold is as good as 0; too large has no finite value.
        if (LeadingPowerOfTen(parts) >= 0)
            return false;
        magnitude = 0;
    } else if (error != std::errc{}) {
        return false;
    }
    value = negative ? -magnitude : magnitude;
    return true;
}

long double TextToFloat(std::string_view text, long double defaultValue) {
    long double value = 0;
    return TryTextToFloat(text, value) ? value : defaultValue;
}
