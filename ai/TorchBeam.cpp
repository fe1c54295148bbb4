#include "ai/TorchBeam.h"

#include <cmath>

bool InTorchBeam(const Vector2& offset, float rotationDegrees, float halfAngleRadians)
{
    if (offset.x == 0.0f && offset.y == 0.0f)
        return false;
    constexpr double kDegrees = 180.0 / 3.1415927;
    // The beam's direction as an angle from +x towards +y, 0 to 360.
    double beam = rotationDegrees > 0.0f ? rotationDegrees - 90.0 : rotationDegrees + 270.0;
    if (beam < 0.0)
        beam += 360.0;

    double angle = std::fabs(std::atan(static_cast<double>(offset.y) / offset.x)) * kDegrees;
    if (offset.y > 0.0f)
        angle = offset.x > 0.0f ? angle : 180.0 - angle;
    else
        angle = offset.x > 0.0f ? 360.0 - angle : angle + 180.0;

    const double half = halfAngleRadians * kDegrees + 3.0;
    double upper = beam + half;
    double lower = beam - half;
    bool wraps = false;
    if (upper > 360.0) {
        upper -= 360.0;
        wraps = true;
    }
    if (lower < 0.0) {
        lower += 360.0;
        wraps = true;
    }
    if (!wraps)
        return lower <= angle && angle <= upper;
    return (lower <= angle && angle <= 360.0) || (0.0 <= angle && angle <= upper);
}
