// The joint marks a drawing has free, handed out one after another: for a
// command that makes many joints at once, each the next free mark the drawing
// would have after the ones before it were used.
#pragma once

#include "geometry/polygon.h"

#include <cstdint>
#include <string>
#include <vector>

class TFreeJointMarks {
public:
    // Takes note of the marks the drawing uses; the drawing may change or go
    // afterwards, so the marks can be handed out on another thread.
    explicit TFreeJointMarks(const TZvDat& drawing);

    // The smallest positive whole number that no name of the drawing reads as
    // (NumberOfName) and that was not handed out before, as text. The first
    // one is NextFreeJointMark of the drawing.
    std::string Next();

private:
    std::vector<std::uint64_t> FTaken; // the numbers the drawing's names read as, sorted
    std::size_t FPassed = 0;           // how many of them lie below FNext
    std::uint64_t FNext = 1;
};
