#include "engine/StepToward.h"

#include <cmath>

namespace Framework {

float StepToward(float value, float target, float step)
{
    const float remaining = target - value;
    if (!(step > 0.0f) || std::isnan(remaining))
        return value;
    if (std::fabs(remaining) <= step)
        return target;
    return remaining > 0.0f ? value + step : value - step;
}

Vector2 StepToward(const Vector2& from, const Vector2& to, float step)
{
    const float length = from.Distance(to);
    if (!(step > 0.0f) || std::isnan(length))
        return from;
    if (length <= step)
        return to;
    const float share = step / length;
    return Vector2(from.x + (to.x - from.x) * share, from.y + (to.y - from.y) * share);
}

}  // namespace Framework
