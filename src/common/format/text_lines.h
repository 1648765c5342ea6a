// Reading stored text line by line. The drawing file ends a line at CR and
// takes one LF after it as part of the line end; the byte 0x1A ends the file.
#pragma once

#include <cstddef>
#include <string_view>

// The byte that marks the end of a text file; nothing after it is read.
inline constexpr char EndOfFileMark = '\x1A';

// The text before the first EndOfFileMark (all of it when there is none).
std::string_view TextBeforeEndOfFileMark(std::string_view text);

enum class TLineEnd {
    Cr,   // a line ends at CR; one LF right after the CR is skipped
    Lf,   // a line ends at LF
    CrLf, // a line ends at CR LF; a CR or LF alone is part of its line
};

class TTextLines {
public:
    TTextLines(std::string_view text, TLineEnd lineEnd) : FText(text), FLineEnd(lineEnd) {}

    // The next line without its line end. Text after the last line end is the
    // last line; once the text is used up every further line is empty.
    std::string_view Next();

    bool AtEnd() const { return FPosition >= FText.size(); }
    std::size_t RemainingBytes() const { return FText.size() - FPosition; }
    // Offset in the text of the next line.
    std::size_t Position() const { return FPosition; }

private:
    std::string_view FText;
    TLineEnd FLineEnd;
    std::size_t FPosition = 0;
};
