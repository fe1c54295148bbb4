#include "editor/GizmoMath.h"

#include <cmath>

namespace GizmoMath {

namespace {
bool Within(float v, float low, float high)
{
    return v >= low && v <= high;
}
}  // namespace

int HitHandle(int tool, float dx, float dy)
{
    if (tool != ToolMove && tool != ToolScale && tool != ToolRotate)
        return DragNone;
    if (tool == ToolRotate)
        return std::sqrt(dx * dx + dy * dy) <= 1.0f ? DragRotate : DragNone;

    const float reach = tool == ToolMove ? 5.0f : 6.0f;
    if (Within(dx, -0.5f, 0.5f) && Within(dy, -0.5f, 0.5f))
        return tool == ToolMove ? DragFree : DragScale;
    if (Within(dx, 0.5f, reach) && Within(dy, -0.5f, 0.5f))
        return tool == ToolMove ? DragMoveX : DragScaleX;
    if (Within(dx, -0.5f, 0.5f) && Within(dy, 0.5f, reach))
        return tool == ToolMove ? DragMoveY : DragScaleY;
    return DragNone;
}

float ScaleRatio(float scaleX, float scaleY)
{
    if (scaleX == 0.0f || !std::isfinite(scaleX) || !std::isfinite(scaleY))
        return 1.0f;
    const float ratio = scaleY / scaleX;
    return std::isfinite(ratio) ? ratio : 1.0f;
}

bool PointerAngle(float dx, float dy, float& degrees)
{
    const float length = std::sqrt(dx * dx + dy * dy);
    if (!(length > 0.0f) || !std::isfinite(length))
        return false;
    float cosine = dx / length;
    cosine = cosine > 1.0f ? 1.0f : (cosine < -1.0f ? -1.0f : cosine);
    const float angle = std::acos(cosine) * 180.0f / 3.14159265358979f;
    degrees = dy > 0.0f ? angle : -angle;
    return true;
}

bool SnapStep(float target, float step, float& anchor, float& position)
{
    if (!(step > 0.0f) || !std::isfinite(target)) {
        return false;
    }
    if (target >= anchor + step) {
        anchor += step;
        position = anchor;
        return true;
    }
    if (anchor - step >= target) {
        anchor -= step;
        position = anchor;
        return true;
    }
    return false;
}

float Finite(float value, float fallback)
{
    return std::isfinite(value) ? value : fallback;
}

}  // namespace GizmoMath
