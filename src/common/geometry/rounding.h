// Rounding to integers with halves to even, used for pixels, percentages and
// stored zoom values.
#pragma once

#include <cmath>
#include <cstdint>

// Nearest integer, halves to the even neighbour (the default floating-point
// rounding mode, which the program never changes). rintl rounds as nearbyintl
// does and only differs in raising the inexact flag, which nothing reads; it
// spares saving and restoring the floating-point environment on every pixel.
inline long double RoundHalfEven(long double value) {
    return std::rintl(value);
}

inline std::int64_t RoundToInt(long double value) {
    return static_cast<std::int64_t>(std::rintl(value));
}
