// The system's millisecond tick counter: milliseconds of the monotonic clock,
// cut to 32 bits so that it wraps as the platform counter does.
#pragma once

#include "history/tick_counter.h"

class TQtTickCounter : public ITickCounter {
public:
    std::uint32_t Now() override;
};
