// Rounding to integers with halves to even, used for pixels, percentages and
// stored zoom values.
#pragma once

#include <cmath>
#include <cstdint>

// Nearest integer, halves to the even neighbour (the default floating-point
// rounding mode, which the program never changes).
inline long double RoundHalfEven(long double value) {
    return std::nearbyintl(value);
}

inline std::int64_t RoundToInt(long double value) {
    return static_cast<std::int64_t>(std::nearbyintl(value));
}
