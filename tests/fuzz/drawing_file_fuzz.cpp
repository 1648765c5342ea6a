// Fuzzes the drawing-file reader: any bytes read without harm, and whatever
// reads is savable, and saves and reads back to one drawing that saves to the
// same bytes again.
#include "format/drawing_file.h"
#include "fuzz_check.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    TZvDat drawing;
    if (TextToDrawing(bytes, drawing) != TDrawingReadResult::Ok)
        return 0;
    FUZZ_CHECK(!drawing.empty());
    std::string saved;
    FUZZ_CHECK(DrawingToText(drawing, saved));
    TZvDat reread;
    FUZZ_CHECK(TextToDrawing(saved, reread) == TDrawingReadResult::Ok);
    std::string savedAgain;
    FUZZ_CHECK(DrawingToText(reread, savedAgain));
    FUZZ_CHECK(savedAgain == saved);
    TZvDat thirdRead;
    FUZZ_CHECK(TextToDrawing(savedAgain, thirdRead) == TDrawingReadResult::Ok);
    FUZZ_CHECK(thirdRead == reread);
    return 0;
}
