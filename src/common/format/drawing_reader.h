// Reading a drawing file's text as it comes, a chunk at a time, each line
// parsed as it arrives: what is held is the drawing read so far and at most
// one line of text, so a file of hundreds of megabytes is never held whole.
#pragma once

#include "format/drawing_file.h"
#include "format/shape_text.h"
#include "geometry/polygon.h"

#include <cstddef>
#include <string>
#include <string_view>

class TDrawingReader {
public:
    // totalBytes: how long the text is at most (a file's size, say), which
    // bounds every count the text claims before anything is allocated for it.
    explicit TDrawingReader(std::size_t totalBytes) : FTotal(totalBytes) {}

    // Takes the next chunk of the text. False once no more is wanted: the
    // end-of-file mark has come, or the text cannot be a drawing.
    bool Take(std::string_view chunk);
    // The text has ended: the outcome, as TextToDrawing gives it for the whole
    // text, and on Ok the drawing read. On failure drawing is left as it was.
    TDrawingReadResult Finish(TZvDat& drawing);

private:
    enum class TStage { PageCount, ShapeCount, Block, BlockRest, Done, Failed };

    // Takes the complete lines of text and returns the bytes they filled; a
    // line whose CR is the last byte waits for the next byte, which may be
    // the LF of its line end, unless the text is complete.
    std::size_t TakeLines(std::string_view text, bool complete);
    // Lines longer than DrawingFileMaxLineBytes make the text no drawing;
    // bytes counts the line and the LF skipped before it, as the scanner of
    // drawing files counts the bytes between CRs.
    bool Fits(std::size_t bytes);
    bool CarryFits();
    void Line(std::string_view line, std::size_t consumed);
    void BlockLine(std::string_view line);
    void BlockEnded();
    void PageDone();
    void EndOfText();
    void Fail(TDrawingReadResult result);
    std::size_t Remaining() const { return FOffset < FTotal ? FTotal - FOffset : 0; }

    std::size_t FTotal;
    std::size_t FOffset = 0; // the bytes of the lines taken, line ends included
    std::string FCarry;      // the start of a line the last chunk ended in
    bool FLfSkipped = false; // the LF of the last line's end came before the carry
    bool FEnded = false;     // the end-of-file mark has come
    TStage FStage = TStage::PageCount;
    TDrawingReadResult FResult = TDrawingReadResult::Malformed;
    std::size_t FPageCount = 0;
    std::size_t FShapesLeft = 0;
    TPolygonBlockReader FBlock;
    TZvDat FDrawing;
};
