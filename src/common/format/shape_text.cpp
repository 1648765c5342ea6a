// Writing and reading the shape text block. Every count is checked against the
// text left before anything is allocated, so hostile text cannot make the
// reader allocate more than the text itself could describe. The reader takes
// one line at a time, so that a file reader can pass lines on as it reads.
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

bool AppendPolygonBlock(std::string& text, const TPolygon& polygon) {
    AppendBlockHead(text, polygon.Apexes.size());
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

// Text from the clipboard ends its lines at CR LF, as a block we wrote does,
// unless it has no CR at all; then its lines can only have ended at LF. A CR
// or LF alone, and the end-of-file mark, are bytes of their line.
TLineEnd ClipboardLineEnd(std::string_view text) {
    return text.find('\r') == std::string_view::npos ? TLineEnd::Lf : TLineEnd::CrLf;
}

} // namespace

void AppendBlockHead(std::string& text, std::size_t apexCount) {
    text += PolygonMagicLine;
    text += LineEnd;
    AppendInteger(text, static_cast<std::int64_t>(apexCount));
    text += LineEnd;
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

bool PolygonToText(const TPolygon& polygon, std::string& text) {
    std::string block;
    const bool written = AppendPolygonBlock(block, polygon);
    text = written ? std::move(block) : std::string();
    return written;
}

// The whole text is at hand, so the counts are bounded by what it holds;
// lines past its end read as empty.
TTextReadResult ReadPolygonBlock(TTextLines& lines, TPolygon& polygon) {
    TPolygonBlockReader reader;
    for (bool more = true; more;) {
        const std::string_view line = lines.Next();
        more = reader.Take(line, lines.RemainingBytes());
    }
    if (reader.Result() == TTextReadResult::Ok)
        polygon = std::move(reader.Polygon());
    return reader.Result();
}

bool TPolygonBlockReader::Take(std::string_view line, std::size_t remainingBytes) {
    switch (FStage) {
    case TStage::Magic:
        if (line != PolygonMagicLine)
            Fail(TTextReadResult::Malformed);
        else
            FStage = TStage::ApexCount;
        break;
    case TStage::ApexCount: {
        const std::int32_t count = LenientInteger(line);
        if (count < 3 || static_cast<std::size_t>(count) > remainingBytes / VertexLineMinBytes) {
            Fail(TTextReadResult::Malformed);
            break;
        }
        FExpected = static_cast<std::size_t>(count);
        FPolygon.Apexes.reserve(FExpected);
        FPolygon.Flanges.reserve(FExpected);
        FStage = TStage::Apexes;
        break;
    }
    case TStage::Apexes: {
        TPointF& apex = FPolygon.Apexes.emplace_back();
        TFlange& flange = FPolygon.Flanges.emplace_back();
        if (!ReadVertexLine(line, apex, flange))
            Fail(TTextReadResult::Malformed);
        else if (--FExpected == 0)
            FStage = TStage::BendCount;
        break;
    }
    case TStage::BendCount: {
        const std::int32_t count = LenientInteger(line);
        if (count < 0) {
            Fail(TTextReadResult::RangeError);
            break;
        }
        if (static_cast<std::size_t>(count) > remainingBytes / BendLineBytes) {
            Fail(TTextReadResult::Malformed);
            break;
        }
        FExpected = static_cast<std::size_t>(count);
        FPolygon.BendLines[FBendSet].reserve(FExpected);
        FStage = TStage::BendLines;
        break;
    }
    case TStage::BendLines:
        if (line.size() != BendLineBytes) {
            Fail(TTextReadResult::Malformed);
            break;
        }
        FPolygon.BendLines[FBendSet].push_back(
            MakeBendLine(LenientInteger(line.substr(0, BendLineIndexWidth)),
                         LenientInteger(line.substr(BendLineIndexWidth + 1, BendLineIndexWidth))));
        --FExpected;
        break;
    case TStage::Done:
        return false;
    }
    // A set is complete once its last line is read, also one of no lines.
    while (FStage == TStage::BendLines && FExpected == 0) {
        ++FBendSet;
        FStage = FBendSet < FPolygon.BendLines.size() ? TStage::BendCount : TStage::Done;
    }
    if (FStage == TStage::Done && FBendSet == FPolygon.BendLines.size())
        FResult = TTextReadResult::Ok;
    return FStage != TStage::Done;
}

void TPolygonBlockReader::End() {
    while (Take({}, 0)) {
    }
}

void TPolygonBlockReader::Fail(TTextReadResult result) {
    FResult = result;
    FStage = TStage::Done;
    FPolygon = TPolygon();
}

TTextReadResult TextToPolygon(std::string_view text, TPolygon& polygon) {
    TTextLines lines(text, ClipboardLineEnd(text));
    return ReadPolygonBlock(lines, polygon);
}
