// Today's drawing file writer and reader: number fields through
// std::to_chars and std::from_chars on long double, names copied per line.
#include "baseline_format.h"

#include "format/number_field.h"
#include "format/shape_text.h"
#include "format/text_lines.h"
#include "geometry/shift_jis.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <system_error>
#include <utility>

namespace baseline {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
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
            AppendRightAligned(text, std::string_view(digits, end - digits), NumberFieldWidth);
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

namespace {

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

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
    return baseline::TryTextToFloat(text, value) ? value : defaultValue;
}

namespace {

constexpr std::string_view LineEnd = "\r\n";
constexpr std::array<std::size_t, 5> NumberFieldColumns = {0, 17, 34, 51, 68};
constexpr std::size_t NameColumn = 85;
constexpr std::size_t BendLineIndexWidth = 4;
constexpr std::size_t BendLineBytes = 2 * BendLineIndexWidth + 1;

bool IsWritableName(std::string_view name) {
    return name.find('\r') == std::string_view::npos &&
           name.find(EndOfFileMark) == std::string_view::npos;
}

bool AppendVertexLine(std::string& text, const TPointF& apex, const TFlange& flange) {
    const std::string name = CutShiftJis(flange.Name, FlangeNameMaxBytes);
    if (!IsWritableName(name))
        return false;
    for (const long double value : {apex.X, apex.Y, flange.Width, flange.Angle1, flange.Angle2}) {
        if (!baseline::AppendNumberField(text, value))
            return false;
        text += ' ';
    }
    text += name;
    text += LineEnd;
    return true;
}

bool AppendBendLines(std::string& text, const TDaBendLine& bendLines) {
    baseline::AppendInteger(text, static_cast<std::int64_t>(bendLines.size()));
    text += LineEnd;
    for (const TBendLine& bendLine : bendLines) {
        if (!baseline::AppendIntegerField(text, bendLine.Apex1, BendLineIndexWidth))
            return false;
        text += ' ';
        if (!baseline::AppendIntegerField(text, bendLine.Apex2, BendLineIndexWidth))
            return false;
        text += LineEnd;
    }
    return true;
}

bool AppendPolygonBlock(std::string& text, const TPolygon& polygon) {
    text += PolygonMagicLine;
    text += LineEnd;
    baseline::AppendInteger(text, static_cast<std::int64_t>(polygon.Apexes.size()));
    text += LineEnd;
    // A side without a flange record is written as one without a flange.
    const TFlange noFlange;
    for (std::size_t i = 0; i < polygon.Apexes.size(); ++i) {
        const TFlange& flange = i < polygon.Flanges.size() ? polygon.Flanges[i] : noFlange;
        if (!baseline::AppendVertexLine(text, polygon.Apexes[i], flange))
            return false;
    }
    for (const TDaBendLine& bendLines : polygon.BendLines)
        if (!baseline::AppendBendLines(text, bendLines))
            return false;
    return true;
}

bool ReadVertexLine(std::string_view line, TPointF& apex, TFlange& flange) {
    if (line.size() < VertexLineMinBytes)
        return false;
    std::array<long double, NumberFieldColumns.size()> values{};
    for (std::size_t i = 0; i < values.size(); ++i)
        if (!baseline::TryTextToFloat(line.substr(NumberFieldColumns[i], NumberFieldWidth),
                                      values[i]))
            return false;
    apex = TPointF{values[0], values[1]};
    flange = TFlange{values[2], values[3], values[4],
                     CutShiftJis(line.substr(NameColumn), FlangeNameMaxBytes)};
    return true;
}

TTextReadResult ReadBendLines(TTextLines& lines, TDaBendLine& bendLines) {
    const std::int32_t count = baseline::LenientInteger(lines.Next());
    if (count < 0)
        return TTextReadResult::RangeError;
    if (static_cast<std::size_t>(count) > lines.RemainingBytes() / BendLineBytes)
        return TTextReadResult::Malformed;
    bendLines.reserve(count);
    for (std::int32_t i = 0; i < count; ++i) {
        const std::string_view line = lines.Next();
        if (line.size() != BendLineBytes)
            return TTextReadResult::Malformed;
        bendLines.push_back(MakeBendLine(
            baseline::LenientInteger(line.substr(0, BendLineIndexWidth)),
            baseline::LenientInteger(line.substr(BendLineIndexWidth + 1, BendLineIndexWidth))));
    }
    return TTextReadResult::Ok;
}

TLineEnd ClipboardLineEnd(std::string_view text) {
    return text.find('\r') == std::string_view::npos ? TLineEnd::Lf : TLineEnd::Cr;
}

} // namespace

bool PolygonToText(const TPolygon& polygon, std::string& text) {
    std::string block;
    const bool written = baseline::AppendPolygonBlock(block, polygon);
    text = written ? std::move(block) : std::string();
    return written;
}

TTextReadResult ReadPolygonBlock(TTextLines& lines, TPolygon& polygon) {
    if (lines.Next() != PolygonMagicLine)
        return TTextReadResult::Malformed;
    const std::int32_t apexCount = baseline::LenientInteger(lines.Next());
    if (apexCount < 3 ||
        static_cast<std::size_t>(apexCount) > lines.RemainingBytes() / VertexLineMinBytes)
        return TTextReadResult::Malformed;

    TPolygon read;
    read.Apexes.resize(apexCount);
    read.Flanges.resize(apexCount);
    for (std::int32_t i = 0; i < apexCount; ++i)
        if (!baseline::ReadVertexLine(lines.Next(), read.Apexes[i], read.Flanges[i]))
            return TTextReadResult::Malformed;
    for (TDaBendLine& bendLines : read.BendLines) {
        const TTextReadResult result = baseline::ReadBendLines(lines, bendLines);
        if (result != TTextReadResult::Ok)
            return result;
    }
    polygon = std::move(read);
    return TTextReadResult::Ok;
}

TTextReadResult TextToPolygon(std::string_view text, TPolygon& polygon) {
    text = TextBeforeEndOfFileMark(text);
    TTextLines lines(text, ClipboardLineEnd(text));
    return baseline::ReadPolygonBlock(lines, polygon);
}

namespace {

bool AppendPage(std::string& bytes, const TPolygonTbl& page) {
    baseline::AppendInteger(bytes, static_cast<std::int64_t>(page.size()));
    bytes += LineEnd;
    std::string block;
    for (const TPolygon& polygon : page) {
        if (!baseline::PolygonToText(polygon, block))
            return false;
        bytes += block;
        bytes += LineEnd;
    }
    return true;
}

TDrawingReadResult ToDrawingResult(TTextReadResult result) {
    switch (result) {
    case TTextReadResult::Ok:
        return TDrawingReadResult::Ok;
    case TTextReadResult::RangeError:
        return TDrawingReadResult::RangeError;
    case TTextReadResult::Malformed:
        break;
    }
    return TDrawingReadResult::Malformed;
}

TTextReadResult ReadFileBlock(std::string_view text, TTextLines& lines, TPolygon& polygon) {
    const std::size_t start = lines.Position();
    std::size_t end = start;
    while (!lines.AtEnd()) {
        const std::string_view line = lines.Next();
        if (line.empty())
            break;
        end = static_cast<std::size_t>(line.data() - text.data()) + line.size();
    }
    TTextLines blockLines(text.substr(start, end - start), TLineEnd::Cr);
    return baseline::ReadPolygonBlock(blockLines, polygon);
}

TTextReadResult ReadPage(std::string_view text, TTextLines& lines, TPolygonTbl& page) {
    // Every page has its count line; a file that ends before it was cut short.
    if (lines.AtEnd())
        return TTextReadResult::Malformed;
    const std::int32_t count = baseline::LenientInteger(lines.Next());
    if (count <= 0)
        return TTextReadResult::Ok;
    if (static_cast<std::size_t>(count) > lines.RemainingBytes() / PolygonBlockMinBytes)
        return TTextReadResult::Malformed;
    page.resize(count);
    for (TPolygon& polygon : page) {
        const TTextReadResult result = baseline::ReadFileBlock(text, lines, polygon);
        if (result != TTextReadResult::Ok)
            return result;
    }
    return TTextReadResult::Ok;
}

} // namespace

bool DrawingToText(const TZvDat& drawing, std::string& bytes) {
    const TZvDat oneEmptyPage(1);
    const TZvDat& pages = drawing.empty() ? oneEmptyPage : drawing;
    std::string text;
    baseline::AppendInteger(text, static_cast<std::int64_t>(pages.size()));
    text += LineEnd;
    for (const TPolygonTbl& page : pages) {
        if (!baseline::AppendPage(text, page)) {
            bytes.clear();
            return false;
        }
    }
    bytes = std::move(text);
    return true;
}

TDrawingReadResult TextToDrawing(std::string_view bytes, TZvDat& drawing) {
    const std::string_view text = TextBeforeEndOfFileMark(bytes);
    TTextLines lines(text, TLineEnd::Cr);
    const std::int32_t pageCount = baseline::LenientInteger(lines.Next());
    if (pageCount <= 0) {
        drawing = TZvDat(1);
        return TDrawingReadResult::Ok;
    }
    // Each page needs at least one byte for its count line.
    if (static_cast<std::size_t>(pageCount) > lines.RemainingBytes())
        return TDrawingReadResult::Malformed;

    // Pages are added as they are read, so memory grows with the file's
    // content rather than with the count it claims.
    TZvDat read;
    for (std::int32_t i = 0; i < pageCount; ++i) {
        const TTextReadResult result = baseline::ReadPage(text, lines, read.emplace_back());
        if (result != TTextReadResult::Ok)
            return ToDrawingResult(result);
    }
    drawing = std::move(read);
    return TDrawingReadResult::Ok;
}

} // namespace baseline
