// Line splitting of stored text.
#include "format/text_lines.h"

std::string_view TextBeforeEndOfFileMark(std::string_view text) {
    return text.substr(0, text.find(EndOfFileMark));
}

std::string_view TTextLines::Next() {
    if (AtEnd())
        return {};
    const std::string_view lineEnd = FLineEnd == TLineEnd::Cr   ? "\r"
                                     : FLineEnd == TLineEnd::Lf ? "\n"
                                                                : "\r\n";
    const std::size_t stop = FText.find(lineEnd, FPosition);
    if (stop == std::string_view::npos) {
        const std::string_view line = FText.substr(FPosition);
        FPosition = FText.size();
        return line;
    }
    const std::string_view line = FText.substr(FPosition, stop - FPosition);
    FPosition = stop + lineEnd.size();
    if (FLineEnd == TLineEnd::Cr && FPosition < FText.size() && FText[FPosition] == '\n')
        ++FPosition;
    return line;
}
