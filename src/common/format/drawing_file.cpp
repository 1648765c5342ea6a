// Writing and reading the drawing file as a whole text. A file is read whole
// or not at all: any page or block that fails to read fails the load, so a
// partly read drawing is never shown or saved over the file.
#include "format/drawing_file.h"

#include "format/drawing_reader.h"
#include "format/drawing_writer.h"
#include "format/text_lines.h"

#include <utility>

bool DrawingToText(const TZvDat& drawing, std::string& bytes) {
    std::string text;
    const TDrawingWriteResult written =
        WriteDrawingText(drawing, [&text](std::string_view piece, double) {
            text += piece;
            return true;
        });
    bytes.clear();
    if (written.End != TDrawingWriteEnd::Written)
        return false;
    bytes = std::move(text);
    return true;
}

// The counts are checked against the text before its end-of-file mark, the
// whole of what can be read.
TDrawingReadResult TextToDrawing(std::string_view bytes, TZvDat& drawing) {
    TDrawingReader reader(TextBeforeEndOfFileMark(bytes).size());
    reader.Take(bytes);
    return reader.Finish(drawing);
}
