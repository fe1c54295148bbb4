#pragma once
#include <memory>

#include "engine/Matrix4.h"
#include "engine/Vector2.h"
#include "engine/Vector3.h"

namespace Framework {

// The global camera record: a copy of the placement of the object named "Camera", taken when a
// scene starts; afterwards only the editor moves and zooms it.
class Camera {
public:
    // Copies position, scale (as size), rotation and model matrix from the first object named
    // "Camera"; leaves everything as it is when there is none or it has no Transform.
    void Update();
    // Rebuilds matrix = Translate(position) x RotateZDegrees(rotation) x Scale(size, 1).
    void GetViewProjection();
    Vector3 GetPosition() const { return position; }
    Vector2 GetSize() const { return size; }
    Matrix4 GetViewMatrix() const { return matrix; }

    Vector3 position;
    Vector2 size;
    float rotation = 0.0f;
    Matrix4 matrix;
};

}  // namespace Framework

extern std::shared_ptr<Framework::Camera> gCamera;
