#pragma once
#include <array>
#include <string>

// The performance view's samples: every 0.05 s (strictly more) one sample of this frame's
// time and the update times of seven systems, keeping the last 60 of each, oldest first.
class PerformanceHistory {
public:
    static constexpr int kSeries = 8;
    static constexpr int kSamples = 60;
    static constexpr float kInterval = 0.05f;

    // Adds dt to the timer; takes a sample when it passes the interval. True when sampled.
    bool Advance(float dt, const std::array<float, kSeries - 1>& systemTimes);

    std::string fpsText = "FPS: ";
    float timer = 0.0f;
    std::array<std::array<float, kSamples>, kSeries> history{};
};
