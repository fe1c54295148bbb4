#include "engine/Camera.h"

#include "objects/GameObject.h"
#include "objects/ObjectList.h"
#include "objects/Transform.h"

namespace Framework {

void Camera::Update()
{
    const auto object = FindObjectByName("Camera");
    if (!object)
        return;
    const auto transform = object->GetComponent<Transform>();
    if (!transform)
        return;
    position = transform->GetPosition();
    const Vector3 scale = transform->GetScale();
    size = Vector2(scale.x, scale.y);
    rotation = transform->rotation;
    matrix = transform->GetModelMatrix();
}

void Camera::GetViewProjection()
{
    matrix = Matrix4::Translate(position.x, position.y, position.z) * Matrix4::RotateZDegrees(rotation) *
             Matrix4::Scale(size.x, size.y, 1.0f);
}

}  // namespace Framework
