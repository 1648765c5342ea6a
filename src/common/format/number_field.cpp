// Writing and reading the number fields of the text formats with std::to_chars
// and std::from_chars, which ignore the locale.
#include "format/number_field.h"

#include <charconv>
#include <cmath>
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

} // namespace

bool AppendNumberField(std::string& text, long double value) {
    if (!std::isfinite(value) || std::fabs(value) >= NumberFieldLimit)
        return false;
    // A buffer of exactly the field's width makes to_chars itself report a
    // text that would not fit.
    char digits[NumberFieldWidth];
    for (int decimals = NumberFieldDecimals; decimals >= 0; --decimals) {
        const auto [end, error] = std::to_chars(digits, digits + NumberFieldWidth, value,
                                                std::chars_format::fixed, decimals);
        if (error == std::errc{}) {
            const std::string_view written(digits, end - digits);
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
