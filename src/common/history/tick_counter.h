// The millisecond tick counter that time-stamps history entries, behind an
// interface so that tests can set the time.
#pragma once

#include <cstdint>

class ITickCounter {
public:
    virtual ~ITickCounter() = default;

    // Milliseconds since an arbitrary fixed start, wrapping at 2^32; only
    // differences taken in unsigned 32-bit arithmetic are meaningful.
    virtual std::uint32_t Now() = 0;
};
