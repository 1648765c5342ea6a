// The shape text block: one shape as lines of text, used in drawing files and
// on the clipboard. Text is bytes; flange names stay Shift-JIS.
#pragma once

#include "format/text_lines.h"
#include "geometry/polygon.h"

#include <cstddef>
#include <string>
#include <string_view>

inline constexpr std::string_view PolygonMagicLine = "Mirovelantiska PolygonDat";

// A vertex line holds five number fields and their blanks before the name.
inline constexpr std::size_t VertexLineMinBytes = 85;
// The shortest text that can read as a block: the magic line, "3" and three
// vertex lines, with a one-byte line end after all but the last.
inline constexpr std::size_t PolygonBlockMinBytes =
    PolygonMagicLine.size() + 1 + 3 * VertexLineMinBytes + 4;

enum class TTextReadResult {
    Ok,
    Malformed,  // not a readable block
    RangeError, // a negative fold-line count ("範囲チェックエラー")
};

// The block of the shape, every line ending in CR LF. Fails (returns false,
// leaves text empty) when a number, a fold-line index or a flange name cannot
// be written so that it reads back: a coordinate of 1e15 mm or more, an index
// outside -999 ... 9999, a name holding CR or the end-of-file mark.
bool PolygonToText(const TPolygon& polygon, std::string& text);

// Reads one block from clipboard text. Lines end as in a file (at CR, with one
// LF after it skipped) and the text ends at EndOfFileMark; a text without any
// CR, as copied from an editor that ends lines with LF only, is split at LF
// instead. The shape is changed only when the result is Ok.
TTextReadResult TextToPolygon(std::string_view text, TPolygon& polygon);

// Reads one block from the lines given, as the drawing file reader does. The
// shape is changed only when the result is Ok.
TTextReadResult ReadPolygonBlock(TTextLines& lines, TPolygon& polygon);

// Reads one block a line at a time as the lines arrive, so that a block of a
// million vertices is never held as text.
class TPolygonBlockReader {
public:
    // Takes the block's next line; remainingBytes is the number of bytes of
    // text after it that may belong to the block, which bounds every count
    // the block claims before anything is allocated for it. True while the
    // block needs more lines.
    bool Take(std::string_view line, std::size_t remainingBytes);
    // The block has no more lines: those it still needs read as empty lines.
    void End();
    bool Done() const { return FStage == TStage::Done; }
    // Ok once the block has been read whole (Done); Malformed until then.
    TTextReadResult Result() const { return FResult; }
    // The shape read, once the result is Ok.
    TPolygon& Polygon() { return FPolygon; }

private:
    enum class TStage { Magic, ApexCount, Apexes, BendCount, BendLines, Done };
    void Fail(TTextReadResult result);

    TStage FStage = TStage::Magic;
    TTextReadResult FResult = TTextReadResult::Malformed;
    std::size_t FExpected = 0; // vertex or fold-line lines still to come
    std::size_t FBendSet = 0;
    TPolygon FPolygon;
};

// The writer's pieces, for writers that pass a long block on a line at a
// time: the magic line and the vertex count, one vertex line, and one
// fold-line set. Each fails where PolygonToText does, leaving text to be
// thrown away.
void AppendBlockHead(std::string& text, std::size_t apexCount);
bool AppendVertexLine(std::string& text, const TPointF& apex, const TFlange& flange);
bool AppendBendLines(std::string& text, const TDaBendLine& bendLines);
