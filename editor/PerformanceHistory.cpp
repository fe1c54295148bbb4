#include "editor/PerformanceHistory.h"

#include <algorithm>
#include <cstdio>

bool PerformanceHistory::Advance(float dt, const std::array<float, kSeries - 1>& systemTimes)
{
    timer += dt;
    if (!(timer > kInterval))
        return false;
    timer = 0.0f;
    char text[64];
    std::snprintf(text, sizeof text, "FPS: %f", dt > 0.0f ? 1.0f / dt : 0.0f);
    fpsText = text;
    for (auto& series : history)
        std::rotate(series.begin(), series.begin() + 1, series.end());
    history[0][kSamples - 1] = dt;
    for (int i = 1; i < kSeries; ++i)
        history[static_cast<size_t>(i)][kSamples - 1] = systemTimes[static_cast<size_t>(i - 1)];
    return true;
}
