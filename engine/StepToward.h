#pragma once

#include "engine/Vector2.h"

// A motion toward a place by speed x frame time lands on the place itself in the frame its step
// reaches it, however long that frame was: never past it (a long frame would otherwise carry it
// over, and a moving back and forth never settle) and never short of it.
namespace Framework {

// value moved toward target by step (a length; zero, negative or not a number moves nothing),
// and target itself once the step reaches it, so that arrival may be tested with ==.
float StepToward(float value, float target, float step);
// The same along the straight line between two places.
Vector2 StepToward(const Vector2& from, const Vector2& to, float step);

}  // namespace Framework
