// Conversion of typed or stored text to a number. The decimal mark is always
// ".", whatever locale the program runs in.
#include "format/text_to_float.h"

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

using TWide = unsigned __int128;

int BitLength(TWide value) {
    const auto high = static_cast<std::uint64_t>(value >> 64);
    const auto low = static_cast<std::uint64_t>(value);
    if (high != 0)
        return 128 - __builtin_clzll(high);
    return low != 0 ? 64 - __builtin_clzll(low) : 0;
}

// Whole parts of up to this many digits fit 64 bits...
constexpr int MostWholeDigits = 19;
// ...and fraction digits up to this many keep 10^k within 64 bits, and so
// every shifted numerator below within 128.
constexpr int MostFractionDigits = 18;

// Digits with an optional "." and at least one digit, nothing else, as the
// drawing file writes its numbers: the number is numerator / denominator, a
// power of ten. False for any other text, and for more digits than fit.
bool PlainDecimal(std::string_view text, TWide& numerator, std::uint64_t& denominator) {
    std::uint64_t whole = 0;
    std::uint64_t fraction = 0;
    int wholeDigits = 0;
    int fractionDigits = 0;
    bool anyDigit = false;
    std::size_t i = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i) {
        anyDigit = true;
        if (whole == 0 && text[i] == '0')
            continue;
        if (++wholeDigits > MostWholeDigits)
            return false;
        whole = whole * 10 + static_cast<unsigned>(text[i] - '0');
    }
    denominator = 1;
    if (i < text.size() && text[i] == '.') {
        for (++i; i < text.size() && IsDigit(text[i]); ++i) {
            anyDigit = true;
            if (++fractionDigits > MostFractionDigits)
                return false;
            fraction = fraction * 10 + static_cast<unsigned>(text[i] - '0');
            denominator *= 10;
        }
    }
    if (!anyDigit || i != text.size())
        return false;
    numerator = TWide{whole} * denominator + fraction;
    return true;
}

// mantissa * 2^exponent for a mantissa of exactly 64 bits, built directly
// where long double is the 80-bit extended format (whose significand holds
// those 64 bits as they are), else with ldexp.
long double FromBinary(std::uint64_t mantissa, int exponent) {
    if constexpr (std::numeric_limits<long double>::digits == 64 &&
                  std::numeric_limits<long double>::max_exponent == 16384) {
        const int biased = exponent + 63 + 16383;
        if (biased > 0 && biased < 0x7FFF) {
            unsigned char bytes[sizeof(long double)] = {};
            std::memcpy(bytes, &mantissa, 8);
            bytes[8] = static_cast<unsigned char>(biased & 0xFF);
            bytes[9] = static_cast<unsigned char>(biased >> 8);
            long double value = 0;
            std::memcpy(&value, bytes, sizeof value);
            return value;
        }
    }
    return std::ldexp(static_cast<long double>(mantissa), exponent);
}

// N / D rounded to the nearest long double, halves to even, as strtold rounds
// it: the quotient is scaled by a power of two to 64 or 65 bits, and the bits
// beyond 64 with the remainder decide the rounding. False when N is too large
// for that scaling.
bool ExactQuotient(TWide numerator, std::uint64_t denominator, long double& magnitude) {
    if (numerator == 0) {
        magnitude = 0;
        return true;
    }
    int shift = 64 + BitLength(denominator) - BitLength(numerator);
    if (shift < 0)
        return false;
    const TWide scaled = numerator << shift;
    TWide quotient = scaled / denominator;
    const TWide remainder = scaled - quotient * denominator;
    bool half = 2 * remainder > denominator;
    bool exactHalf = 2 * remainder == denominator;
    if (quotient >> 64 != 0) {
        // One bit too many: it becomes the rounding bit, the remainder sticky.
        const bool dropped = (quotient & 1) != 0;
        half = dropped && (remainder != 0);
        exactHalf = dropped && remainder == 0;
        quotient >>= 1;
        --shift;
    }
    if (half || (exactHalf && (quotient & 1) != 0))
        ++quotient;
    if (quotient >> 64 != 0) {
        quotient >>= 1;
        --shift;
    }
    magnitude = FromBinary(static_cast<std::uint64_t>(quotient), -shift);
    return true;
}

} // namespace

bool TryTextToFloat(std::string_view text, long double& value) {
    text = TrimBlanks(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    // Numbers as the drawing file writes them are divided out exactly; others
    // go to the library.
    TWide numerator = 0;
    std::uint64_t denominator = 1;
    long double exact = 0;
    if (PlainDecimal(text, numerator, denominator) &&
        ExactQuotient(numerator, denominator, exact)) {
        value = negative ? -exact : exact;
        return true;
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
