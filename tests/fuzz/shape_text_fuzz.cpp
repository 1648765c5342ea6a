// Fuzzes the shape text block as the clipboard delivers it: any text read
// without harm, and a shape that reads copies and reads back the same way.
#include "format/shape_text.h"
#include "fuzz_check.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    TPolygon shape;
    if (TextToPolygon(text, shape) != TTextReadResult::Ok)
        return 0;
    FUZZ_CHECK(shape.Flanges.size() == shape.Apexes.size());
    std::string copied;
    FUZZ_CHECK(PolygonToText(shape, copied));
    TPolygon pasted;
    FUZZ_CHECK(TextToPolygon(copied, pasted) == TTextReadResult::Ok);
    std::string copiedAgain;
    FUZZ_CHECK(PolygonToText(pasted, copiedAgain));
    FUZZ_CHECK(copiedAgain == copied);
    return 0;
}
