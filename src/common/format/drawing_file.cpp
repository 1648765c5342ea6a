// Writing and reading the drawing file. A file is read whole or not at all:
// any page or block that fails to read fails the load, so a partly read
// drawing is never shown or saved over the file.
#include "format/drawing_file.h"

#include "format/number_field.h"
#include "format/shape_text.h"
#include "format/text_lines.h"

#include <algorithm>
#include <cstdint>
#include <utility>

namespace {

constexpr std::string_view LineEnd = "\r\n";

bool AppendPage(std::string& bytes, const TPolygonTbl& page) {
    AppendInteger(bytes, static_cast<std::int64_t>(page.size()));
    bytes += LineEnd;
    std::string block;
    for (const TPolygon& polygon : page) {
        if (!PolygonToText(polygon, block))
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

// A block is its lines up to an empty line or the end of the file; the empty
// line is consumed. The block is read on its own, so a block missing its last
// lines reads them as empty instead of taking the lines of the next page.
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
    return ReadPolygonBlock(blockLines, polygon);
}

TTextReadResult ReadPage(std::string_view text, TTextLines& lines, TPolygonTbl& page) {
    // Every page has its count line; a file that ends before it was cut short.
    if (lines.AtEnd())
        return TTextReadResult::Malformed;
    const std::int32_t count = LenientInteger(lines.Next());
    if (count <= 0)
        return TTextReadResult::Ok;
    if (static_cast<std::size_t>(count) > lines.RemainingBytes() / PolygonBlockMinBytes)
        return TTextReadResult::Malformed;
    page.resize(count);
    for (TPolygon& polygon : page) {
        const TTextReadResult result = ReadFileBlock(text, lines, polygon);
        if (result != TTextReadResult::Ok)
            return result;
    }
    return TTextReadResult::Ok;
}

} // namespace

bool DrawingToText(const TZvDat& drawing, std::string& bytes) {
    const TZvDat oneEmptyPage(1);
    const TZvDat& pages = drawing.empty() ? oneEmptyPage : drawing;
    bytes.clear();
    if (pages.size() > MaxPageCount)
        return false;
    std::string text;
    AppendInteger(text, static_cast<std::int64_t>(pages.size()));
    text += LineEnd;
    for (const TPolygonTbl& page : pages) {
        if (!AppendPage(text, page)) {
            bytes.clear();
            return false;
        }
    }
    bytes = std::move(text);
    return true;
}

std::string_view TDrawingFileScanner::Take(std::string_view chunk) {
    if (FEnded || FRefused)
        return {};
    const std::string_view text = TextBeforeEndOfFileMark(chunk);
    FEnded = text.size() < chunk.size();
    std::size_t start = 0;
    for (std::size_t end = text.find('\r'); end != std::string_view::npos;
         end = text.find('\r', start)) {
        if (FLineBytes + (end - start) > DrawingFileMaxLineBytes)
            FRefused = true;
        FLineBytes = 0;
        start = end + 1;
    }
    FLineBytes += text.size() - start;
    if (FLineBytes > DrawingFileMaxLineBytes)
        FRefused = true;
    return text;
}

TDrawingReadResult TextToDrawing(std::string_view bytes, TZvDat& drawing) {
    TDrawingFileScanner scanner;
    const std::string_view text = scanner.Take(bytes);
    if (scanner.Refused())
        return TDrawingReadResult::Malformed;
    TTextLines lines(text, TLineEnd::Cr);
    // Every drawing written starts with a count of at least one page; a file
    // that does not is some other file, which a later save must not replace.
    const std::int32_t pageCount = LenientInteger(lines.Next());
    if (pageCount <= 0)
        return TDrawingReadResult::Malformed;
    // Each page needs at least one byte for its count line.
    if (static_cast<std::size_t>(pageCount) > std::min(MaxPageCount, lines.RemainingBytes()))
        return TDrawingReadResult::Malformed;

    // Pages are added as they are read, so memory grows with the file's
    // content rather than with the count it claims.
    TZvDat read;
    for (std::int32_t i = 0; i < pageCount; ++i) {
        const TTextReadResult result = ReadPage(text, lines, read.emplace_back());
        if (result != TTextReadResult::Ok)
            return ToDrawingResult(result);
    }
    drawing = std::move(read);
    return TDrawingReadResult::Ok;
}
