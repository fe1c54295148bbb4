#include "engine/FrameSteps.h"

#include <algorithm>
#include <cmath>

namespace Framework {

float FramesWorth(float dt)
{
    // A negative or not-a-number step moves nothing.
    if (!(dt > 0.0f))
        return 0.0f;
    return std::min(dt * kRuleFramesPerSecond, kMostFramesInOneStep);
}

int FrameStepCounter::Take(float dt)
{
    carried += FramesWorth(dt);
    // Rounded, so that frames a little shorter or longer than a sixtieth still take one step.
    const float steps = std::floor(carried + 0.5f);
    carried -= steps;
    return static_cast<int>(steps);
}

}  // namespace Framework
