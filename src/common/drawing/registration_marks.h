// The marks a print-and-cut machine looks for to line its cutter up with a
// printed sheet: a filled square in the top-left corner and corner marks in
// the top-right and bottom-left corners, each at a set distance from the
// paper's edges.
#pragma once

#include "geometry/polygon.h"

#include <vector>

inline constexpr long double RegistrationSquareSide = 5;
inline constexpr long double RegistrationArm = 20;
inline constexpr long double RegistrationLineWidth = 0.5L;
inline constexpr long double DefaultRegistrationDistance = 10;
inline constexpr long double MaxRegistrationDistance = 50;

// A mark: a line along Points, or the area they enclose when Filled.
struct TMarkPath {
    TDaPointF Points;
    bool Filled = false;
};

// The three marks on a paper of width x height mm, their outer corners
// distance mm from the paper's edges, in mm from the paper's top-left corner.
std::vector<TMarkPath> RegistrationMarks(long double width, long double height,
                                         long double distance);
