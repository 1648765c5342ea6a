// Angles: pi, and the conversions between the radians the program and its
// files hold and the degrees that dialogs, status texts and exports show.
#pragma once

#include <numbers>

inline constexpr long double Pi = std::numbers::pi_v<long double>;

constexpr long double DegToRad(long double degrees) {
    return degrees / 180 * Pi;
}

constexpr long double RadToDeg(long double radians) {
    return radians / Pi * 180;
}
