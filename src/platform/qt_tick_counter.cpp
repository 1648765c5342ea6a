// The system's millisecond tick counter, read from the monotonic clock.
#include "qt_tick_counter.h"

#include <chrono>

std::uint32_t TQtTickCounter::Now() {
    using namespace std::chrono;
    const auto sinceStart = duration_cast<milliseconds>(steady_clock::now().time_since_epoch());
    // Keeping the low 32 bits is the wrap-around the history's step rule expects.
    return static_cast<std::uint32_t>(sinceStart.count());
}
