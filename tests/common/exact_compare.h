// Comparing numbers bit for bit: a cached or indexed computation must give
// exactly the numbers of the straightforward one, -0 and 0 told apart.
#pragma once

#include "geometry/polygon.h"

#include <gtest/gtest.h>

#include <cstring>
#include <limits>

inline bool SameBits(long double a, long double b) {
    constexpr std::size_t bytes =
        std::numeric_limits<long double>::digits == 64 ? 10 : sizeof(long double);
    return std::memcmp(&a, &b, bytes) == 0;
}

inline bool SameBits(const TPointF& a, const TPointF& b) {
    return SameBits(a.X, b.X) && SameBits(a.Y, b.Y);
}

inline testing::AssertionResult SamePoints(const TDaPointF& actual, const TDaPointF& expected) {
    if (actual.size() != expected.size())
        return testing::AssertionFailure()
               << actual.size() << " points instead of " << expected.size();
    for (std::size_t i = 0; i < actual.size(); ++i) {
        if (!SameBits(actual[i], expected[i]))
            return testing::AssertionFailure() << "point " << i << " differs";
    }
    return testing::AssertionSuccess();
}
