#pragma once
#include <chrono>

namespace Framework {

// Each timed system brackets its Update with Restart ... Mark, Measure; since start equals end
// after Measure, elapsed runs from the end of the previous update to the end of this one.
struct SystemTimer {
    using Clock = std::chrono::steady_clock;

    Clock::time_point start = Clock::now();
    Clock::time_point end = start;
    float elapsed = 0.0f;

    void Restart() { start = end; }
    void Mark() { end = Clock::now(); }
    void Measure()
    {
        end = Clock::now();
        const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(end - start).count();
        elapsed = static_cast<float>(ns) / 1000000000.0f;
        start = end;
    }
};

}  // namespace Framework
