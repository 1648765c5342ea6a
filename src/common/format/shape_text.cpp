// Writing and reading the shape text block. Every count is checked against the
// text left before anything is allocated, so hostile text cannot make the
// reader allocate more than the text itself could describe.
#include "format/shape_text.h"

#include "format/number_field.h"
#include "format/text_to_float.h"
#include "geometry/shift_jis.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <utility>

namespace {

constexpr std::string_view LineEnd = "\r\n";
constexpr std::array<std::size_t, 5> NumberFieldColumns = {0, 17, 34, 51, 68};
constexpr std::size_t NameColumn = 85;
constexpr std::size_t BendLineIndexWidth = 4;
constexpr std::size_t BendLineBytes = 2 * BendLineIndexWidth + 1;

// A name holding CR would end its line in a file; one holding the end-of-file
// mark would end the file.
bool IsWritableName(std::string_view name) {
    return name.find('\r') == std::string_view::npos &&
           name.find(EndOfFileMark) == std::string_view::npos;
}

bool AppendVertexLine(std::string& text, const TPointF& apex, const TFlange& flange) {
    const std::string name = CutShiftJis(flange.Name, FlangeNameMaxBytes);
    if (!IsWritableName(name))
        return false;
    for (const long double value : {apex.X, apex.Y, flange.Width, flange.Angle1, flange.Angle2}) {
        if (!AppendNumberField(text, value))
            return false;
        text += ' ';
    }
    text += name;
    text += LineEnd;
    return true;
}

bool AppendBendLines(std::string& text, const TDaBendLine& bendLines) {
    AppendInteger(text, static_cast<std::int64_t>(bendLines.size()));
    text += LineEnd;
    for (const TBendLine& bendLine : bendLines) {
        if (!AppendIntegerField(text, bendLine.Apex1, BendLineIndexWidth))
            return false;
        text += ' ';
        if (!AppendIntegerField(text, bendLine.Apex2, BendLineIndexWidth))
            return false;
        text += LineEnd;
    }
    return true;
}

bool AppendPolygonBlock(std::string& text, const TPolygon& polygon) {
    text += PolygonMagicLine;
    text += LineEnd;
    AppendInteger(text, static_cast<std::int64_t>(polygon.Apexes.size()));
    text += LineEnd;
    // A side without a flange record is written as one without a flange.
    const TFlange noFlange;
    for (std::size_t i = 0; i < polygon.Apexes.size(); ++i) {
        const TFlange& flange = i < polygon.Flanges.size() ? polygon.Flanges[i] : noFlange;
        if (!AppendVertexLine(text, polygon.Apexes[i], flange))
            return false;
    }
    for (const TDaBendLine& bendLines : polygon.BendLines)
        if (!AppendBendLines(text, bendLines))
            return false;
    return true;
}

// What is read must be writable again, or a drawing that opens could not be
// saved: a number of NumberFieldLimit or more, or a name holding a byte that
// would end its line or the file, fails the line.
bool ReadVertexLine(std::string_view line, TPointF& apex, TFlange& flange) {
    if (line.size() < VertexLineMinBytes)
        return false;
    std::array<long double, NumberFieldColumns.size()> values{};
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (!TryTextToFloat(line.substr(NumberFieldColumns[i], NumberFieldWidth), values[i]) ||
            !(std::fabs(values[i]) < NumberFieldLimit))
            return false;
    }
    std::string name = CutShiftJis(line.substr(NameColumn), FlangeNameMaxBytes);
    if (!IsWritableName(name))
        return false;
    apex = TPointF{values[0], values[1]};
    flange = TFlange{values[2], values[3], values[4], std::move(name)};
    return true;
}

TTextReadResult ReadBendLines(TTextLines& lines, TDaBendLine& bendLines) {
    const std::int32_t count = LenientInteger(lines.Next());
    if (count < 0)
        return TTextReadResult::RangeError;
    if (static_cast<std::size_t>(count) > lines.RemainingBytes() / BendLineBytes)
        return TTextReadResult::Malformed;
    bendLines.reserve(count);
    for (std::int32_t i = 0; i < count; ++i) {
        const std::string_view line = lines.Next();
        if (line.size() != BendLineBytes)
            return TTextReadResult::Malformed;
        bendLines.push_back(
            MakeBendLine(LenientInteger(line.substr(0, BendLineIndexWidth)),
                         LenientInteger(line.substr(BendLineIndexWidth + 1, BendLineIndexWidth))));
    }
    return TTextReadResult::Ok;
}

// Text from the clipboard ends its lines at CR LF, as a block we wrote does,
// unless it has no CR at all; then its lines can only have ended at LF. A CR
// or LF alone, and the end-of-file mark, are bytes of their line.
TLineEnd ClipboardLineEnd(std::string_view text) {
    return text.find('\r') == std::string_view::npos ? TLineEnd::Lf : TLineEnd::CrLf;
}

} // namespace

bool PolygonToText(const TPolygon& polygon, std::string& text) {
    std::string block;
    const bool written = AppendPolygonBlock(block, polygon);
    text = written ? std::move(block) : std::string();
    return written;
}

TTextReadResult ReadPolygonBlock(TTextLines& lines, TPolygon& polygon) {
    if (lines.Next() != PolygonMagicLine)
        return TTextReadResult::Malformed;
    const std::int32_t apexCount = LenientInteger(lines.Next());
    if (apexCount < 3 ||
        static_cast<std::size_t>(apexCount) > lines.RemainingBytes() / VertexLineMinBytes)
        return TTextReadResult::Malformed;

    TPolygon read;
    read.Apexes.resize(apexCount);
    read.Flanges.resize(apexCount);
    for (std::int32_t i = 0; i < apexCount; ++i)
        if (!ReadVertexLine(lines.Next(), read.Apexes[i], read.Flanges[i]))
            return TTextReadResult::Malformed;
    for (TDaBendLine& bendLines : read.BendLines) {
        const TTextReadResult result = ReadBendLines(lines, bendLines);
        if (result != TTextReadResult::Ok)
            return result;
    }
    polygon = std::move(read);
    return TTextReadResult::Ok;
}

TTextReadResult TextToPolygon(std::string_view text, TPolygon& polygon) {
    TTextLines lines(text, ClipboardLineEnd(text));
    return ReadPolygonBlock(lines, polygon);
}
