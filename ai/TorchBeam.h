#pragma once

#include "engine/Vector2.h"

// Whether a point lies in the torch's beam, widened by 3 degrees on each side. offset is the
// point minus the torch (x, y); the torch's rotation is in degrees (0 points down the screen's
// -y, as the player's torch turns), its half angle in radians. The torch's own spot is outside.
bool InTorchBeam(const Vector2& offset, float rotationDegrees, float halfAngleRadians);
