// Writing and reading the number fields of the text formats. Fixed-point
// numbers are written from their exact binary value with integer arithmetic,
// digit for digit as printf writes them; none of it depends on the locale.
#include "format/number_field.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <system_error>

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The limit has 16 digits before the decimal point; every number below it has
// at most 15.
bool IsBelowLimit(std::string_view written) {
    if (!written.empty() && written.front() == '-')
        written.remove_prefix(1);
    return written.substr(0, written.find('.')).size() < 16;
}

void AppendRightAligned(std::string& text, std::string_view digits, std::size_t width) {
    text.append(width - digits.size(), ' ');
    text.append(digits);
}

using TWide = unsigned __int128;

// A finite value as sign * Mantissa * 2^-Shift, exactly. Values below the
// number field limit always have Shift >= 14.
struct TBinaryValue {
    bool Negative = false;
    std::uint64_t Mantissa = 0;
    int Shift = 0;
};

// Read straight from the bits where long double is the 80-bit extended format,
// whose significand holds all 64 bits, else with frexp.
TBinaryValue BinaryValueOf(long double value) {
    TBinaryValue binary;
    binary.Negative = std::signbit(value);
    if constexpr (std::numeric_limits<long double>::digits == 64 &&
                  std::numeric_limits<long double>::max_exponent == 16384) {
        unsigned char bytes[sizeof(long double)];
        std::memcpy(bytes, &value, sizeof value);
        std::memcpy(&binary.Mantissa, bytes, 8);
        const int biased = (bytes[8] | bytes[9] << 8) & 0x7FFF;
        // A biased exponent of 0 holds the values below the normal range.
        binary.Shift = 16383 + 63 - (biased == 0 ? 1 : biased);
        return binary;
    }
    int exponent = 0;
    const long double fraction = std::frexp(std::fabs(value), &exponent);
    // The fraction holds at most 64 significant bits, so this is exact.
    binary.Mantissa = static_cast<std::uint64_t>(std::ldexp(fraction, 64));
    binary.Shift = 64 - exponent;
    return binary;
}

constexpr std::uint64_t PowerOfTen(int exponent) {
    std::uint64_t power = 1;
    for (int i = 0; i < exponent; ++i)
        power *= 10;
    return power;
}

// The value with `decimals` decimals as printf's "%.*Lf" writes it, from the
// exact binary value: its whole part, and its fraction scaled to an integer
// and rounded to the nearest, halves to even. A fraction that rounds up to a
// whole unit carries into the whole part.
struct TFixedParts {
    std::uint64_t Whole = 0;
    std::uint64_t Fraction = 0;
};

TFixedParts FixedPartsOf(const TBinaryValue& binary, int decimals) {
    TFixedParts parts;
    std::uint64_t fractionBits = binary.Mantissa;
    if (binary.Shift < 64) {
        parts.Whole = binary.Mantissa >> binary.Shift;
        fractionBits = binary.Mantissa & ((std::uint64_t{1} << binary.Shift) - 1);
    }
    const std::uint64_t unit = PowerOfTen(decimals);
    if (binary.Shift >= 128)
        return parts; // below one half of the last decimal
    const TWide product = TWide{fractionBits} * unit;
    const TWide scaled = product >> binary.Shift;
    const TWide remainder = product - (scaled << binary.Shift);
    const TWide half = TWide{1} << (binary.Shift - 1);
    // With decimals the scaled fraction's parity is the whole number's, as
    // the unit is even; without, the whole part's.
    const bool odd = decimals > 0 ? (scaled & 1) != 0 : (parts.Whole & 1) != 0;
    const bool up = remainder > half || (remainder == half && odd);
    parts.Fraction = static_cast<std::uint64_t>(scaled) + (up ? 1 : 0);
    if (parts.Fraction == unit) {
        ++parts.Whole;
        parts.Fraction = 0;
    }
    return parts;
}

// Writes the value with `decimals` decimals into a buffer of NumberFieldWidth
// bytes; returns its length, or 0 when it needs more.
std::size_t FixedDigits(const TBinaryValue& binary, int decimals, char* out) {
    const TFixedParts parts = FixedPartsOf(binary, decimals);
    char wholeDigits[24];
    const std::size_t wholeLength = static_cast<std::size_t>(
        std::to_chars(wholeDigits, wholeDigits + sizeof wholeDigits, parts.Whole).ptr -
        wholeDigits);
    const std::size_t length = (binary.Negative ? 1 : 0) + wholeLength +
                               (decimals > 0 ? 1 + static_cast<std::size_t>(decimals) : 0);
    if (length > NumberFieldWidth)
        return 0;
    char* p = out;
    if (binary.Negative)
        *p++ = '-';
    p = std::copy(wholeDigits, wholeDigits + wholeLength, p);
    if (decimals > 0) {
        *p++ = '.';
        std::uint64_t rest = parts.Fraction;
        for (int i = decimals - 1; i >= 0; --i) {
            p[i] = static_cast<char>('0' + rest % 10);
            rest /= 10;
        }
    }
    return length;
}

} // namespace

bool AppendNumberField(std::string& text, long double value) {
    if (!std::isfinite(value) || std::fabs(value) >= NumberFieldLimit)
        return false;
    const TBinaryValue binary = BinaryValueOf(value);
    char digits[NumberFieldWidth];
    for (int decimals = NumberFieldDecimals; decimals >= 0; --decimals) {
        const std::size_t length = FixedDigits(binary, decimals, digits);
        if (length > 0) {
            const std::string_view written(digits, length);
            // Rounding may carry a value just below the limit up to it, and a
            // number of the limit would not read back.
            if (!IsBelowLimit(written))
                return false;
            AppendRightAligned(text, written, NumberFieldWidth);
            return true;
        }
    }
    return false;
}

bool AppendIntegerField(std::string& text, std::int32_t value, std::size_t width) {
    char digits[16];
    const auto [end, error] = std::to_chars(digits, digits + sizeof digits, value);
    const std::size_t length = end - digits;
    if (error != std::errc{} || length > width)
        return false;
    AppendRightAligned(text, std::string_view(digits, length), width);
    return true;
}

void AppendInteger(std::string& text, std::int64_t value) {
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    text.append(digits, end);
}

std::string DecimalText(long double value, int maxDecimals) {
    if (!std::isfinite(value))
        return {};
    // Enough for the 4933 digits before the point of the largest long double.
    char digits[5000];
    const auto [end, error] =
        std::to_chars(digits, digits + sizeof digits, value, std::chars_format::fixed, maxDecimals);
    if (error != std::errc{})
        return {};
    std::string text(digits, end);
    if (text.find('.') != std::string::npos) {
        text.erase(text.find_last_not_of('0') + 1);
        if (text.back() == '.')
            text.pop_back();
    }
    if (text == "-0")
        text = "0";
    return text;
}

std::string FixedText(long double value, int decimals, int width) {
    // Enough for the 4933 digits before the point of the largest long double.
    char digits[5000];
    const auto [end, error] =
        std::to_chars(digits, digits + sizeof digits, value, std::chars_format::fixed, decimals);
    std::string text = error == std::errc{} ? std::string(digits, end) : std::string();
    if (text.size() < static_cast<std::size_t>(std::max(width, 0)))
        text.insert(0, static_cast<std::size_t>(width) - text.size(), ' ');
    return text;
}

std::int32_t LenientInteger(std::string_view text) {
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    // from_chars takes "-" but not "+"; a "+" must be followed by a digit so
    // that "+-1" stays malformed.
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
        if (text.empty() || !IsDigit(text.front()))
            return 0;
    }
    std::int32_t value = 0;
    const char* const last = text.data() + text.size();
    const auto [end, error] = std::from_chars(text.data(), last, value);
    if (error != std::errc{} || end != last)
        return 0;
    return value;
}
