// A tick counter for tests: it stands still until the test moves it.
#pragma once

#include "history/tick_counter.h"

class TFakeTicks : public ITickCounter {
public:
    explicit TFakeTicks(std::uint32_t start = 0) : Time(start) {}

    std::uint32_t Time;
    std::uint32_t Now() override { return Time; }
};
