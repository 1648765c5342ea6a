// Fuzzes the number reader: any text gives a finite number or the default,
// and both entry points agree.
#include "format/text_to_float.h"
#include "fuzz_check.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    long double value = -12345;
    const bool read = TryTextToFloat(text, value);
    FUZZ_CHECK(read ? std::isfinite(value) : value == -12345);
    const long double withDefault = TextToFloat(text, -7);
    FUZZ_CHECK(read ? withDefault == value : withDefault == -7);
    return 0;
}
