// The drawing file read as a stream of lines. It keeps every rule of reading
// the whole text: lines end at CR with one LF after it skipped, 0x1A ends the
// file, a line too long fails the text wherever it stands, each block is its
// lines up to an empty line with the lines it lacks read as empty, and counts
// are checked against the bytes left before anything is allocated.
#include "format/drawing_reader.h"

#include "format/number_field.h"
#include "format/text_lines.h"

#include <algorithm>
#include <utility>

bool TDrawingReader::Take(std::string_view chunk) {
    if (FEnded || FStage == TStage::Failed)
        return false;
    std::string_view text = TextBeforeEndOfFileMark(chunk);
    FEnded = text.size() < chunk.size();
    if (!FCarry.empty()) {
        // The carried start of a line is completed from the chunk: up to its
        // CR and the byte after it, which may be the LF of its line end.
        const std::size_t cr = text.find('\r');
        const std::size_t head =
            cr == std::string_view::npos ? text.size() : std::min(text.size(), cr + 2);
        const std::size_t carried = FCarry.size();
        FCarry.append(text.substr(0, head));
        const std::size_t used = TakeLines(FCarry, FEnded && head == text.size());
        if (used < carried)
            // Still no complete line: all of the chunk is in the carry.
            return CarryFits() && !FEnded && FStage != TStage::Failed;
        text.remove_prefix(used - carried);
        FCarry.clear();
    }
    const std::size_t used = TakeLines(text, FEnded);
    FCarry.assign(text.substr(used));
    return CarryFits() && !FEnded && FStage != TStage::Failed;
}

// A CR the carry ends in is its line's end, not a byte of the line.
bool TDrawingReader::CarryFits() {
    const bool endsInCr = !FCarry.empty() && FCarry.back() == '\r';
    return Fits(FCarry.size() - (endsInCr ? 1 : 0) + (FLfSkipped ? 1 : 0));
}

bool TDrawingReader::Fits(std::size_t bytes) {
    if (bytes <= DrawingFileMaxLineBytes)
        return true;
    Fail(TDrawingReadResult::Malformed);
    return false;
}

std::size_t TDrawingReader::TakeLines(std::string_view text, bool complete) {
    std::size_t position = 0;
    while (FStage != TStage::Failed) {
        const std::size_t cr = text.find('\r', position);
        if (cr == std::string_view::npos || (cr + 1 == text.size() && !complete))
            return position;
        std::size_t next = cr + 1;
        const bool lf = next < text.size() && text[next] == '\n';
        if (lf)
            ++next;
        if (!Fits(cr - position + (FLfSkipped ? 1 : 0)))
            return position;
        FLfSkipped = lf;
        Line(text.substr(position, cr - position), next - position);
        position = next;
    }
    return position;
}

TDrawingReadResult TDrawingReader::Finish(TZvDat& drawing) {
    if (FStage != TStage::Failed && !FCarry.empty()) {
        // Text after the last line end is the last line.
        const std::string last = std::move(FCarry);
        FCarry.clear();
        const std::size_t used = TakeLines(last, true);
        if (used < last.size() && Fits(last.size() - used + (FLfSkipped ? 1 : 0)))
            Line(std::string_view(last).substr(used), last.size() - used);
    }
    EndOfText();
    if (FStage != TStage::Done)
        return FResult;
    drawing = std::move(FDrawing);
    FDrawing.clear();
    return TDrawingReadResult::Ok;
}

void TDrawingReader::Line(std::string_view line, std::size_t consumed) {
    FOffset += consumed;
    switch (FStage) {
    case TStage::PageCount: {
        // Every drawing written starts with a count of at least one page; a
        // file that does not is some other file, which a save must not
        // replace. Each page needs at least one byte for its count line.
        const std::int32_t count = LenientInteger(line);
        if (count <= 0 || static_cast<std::size_t>(count) > std::min(MaxPageCount, Remaining())) {
            Fail(TDrawingReadResult::Malformed);
            return;
        }
        FPageCount = static_cast<std::size_t>(count);
        FDrawing.reserve(FPageCount);
        FStage = TStage::ShapeCount;
        return;
    }
    case TStage::ShapeCount: {
        // Pages are added as they are read, so memory grows with the file's
        // content rather than with the counts it claims.
        TPolygonTbl& page = FDrawing.emplace_back();
        const std::int32_t count = LenientInteger(line);
        if (count <= 0) {
            PageDone();
            return;
        }
        if (static_cast<std::size_t>(count) > Remaining() / PolygonBlockMinBytes) {
            Fail(TDrawingReadResult::Malformed);
            return;
        }
        FShapesLeft = static_cast<std::size_t>(count);
        page.reserve(FShapesLeft);
        FBlock = TPolygonBlockReader();
        FStage = TStage::Block;
        return;
    }
    case TStage::Block:
        BlockLine(line);
        return;
    case TStage::BlockRest:
        // The lines after a block's fold lines are not read; its empty line ends it.
        if (line.empty())
            BlockEnded();
        return;
    case TStage::Done:
    case TStage::Failed:
        return;
    }
}

// A block is its lines up to an empty line, which is consumed with it; the
// lines it lacks then read as empty, so that it never takes the lines of
// the next page.
void TDrawingReader::BlockLine(std::string_view line) {
    if (line.empty()) {
        FBlock.End();
        BlockEnded();
    } else if (!FBlock.Take(line, Remaining())) {
        if (FBlock.Result() != TTextReadResult::Ok)
            BlockEnded();
        else
            FStage = TStage::BlockRest;
    }
}

void TDrawingReader::BlockEnded() {
    switch (FBlock.Result()) {
    case TTextReadResult::Ok:
        break;
    case TTextReadResult::RangeError:
        Fail(TDrawingReadResult::RangeError);
        return;
    case TTextReadResult::Malformed:
        Fail(TDrawingReadResult::Malformed);
        return;
    }
    FDrawing.back().push_back(std::move(FBlock.Polygon()));
    FBlock = TPolygonBlockReader();
    if (--FShapesLeft == 0)
        PageDone();
    else
        FStage = TStage::Block;
}

void TDrawingReader::PageDone() {
    FStage = FDrawing.size() == FPageCount ? TStage::Done : TStage::ShapeCount;
}

// What the text still owes reads as nothing: a missing count line fails, a
// block cut short reads its missing lines as empty.
void TDrawingReader::EndOfText() {
    for (;;) {
        switch (FStage) {
        case TStage::PageCount:
        case TStage::ShapeCount:
            Fail(TDrawingReadResult::Malformed);
            return;
        case TStage::Block:
            FBlock.End();
            BlockEnded();
            break;
        case TStage::BlockRest:
            BlockEnded();
            break;
        case TStage::Done:
        case TStage::Failed:
            return;
        }
    }
}

void TDrawingReader::Fail(TDrawingReadResult result) {
    FResult = result;
    FStage = TStage::Failed;
    FDrawing.clear();
    FCarry.clear();
}
