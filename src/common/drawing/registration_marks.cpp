// The registration marks of print-and-cut machines.
#include "drawing/registration_marks.h"

std::vector<TMarkPath> RegistrationMarks(long double width, long double height,
                                         long double distance) {
    const long double d = distance;
    const long double s = RegistrationSquareSide;
    const long double arm = RegistrationArm;
    return {
        {{{d, d}, {d + s, d}, {d + s, d + s}, {d, d + s}}, true},
        {{{width - d - arm, d}, {width - d, d}, {width - d, d + arm}}, false},
        {{{d, height - d - arm}, {d, height - d}, {d + arm, height - d}}, false},
    };
}
