#pragma once

#include <iosfwd>
#include <memory>
#include <string>

#include "engine/Matrix4.h"
#include "engine/Vector2.h"
#include "engine/Vector3.h"
#include "objects/Component.h"

// Places an object: position (z is the drawing depth), scale (z stored, matrices use 1),
// rotation in degrees. The setters carry the object's children along; writing the
// fields directly does not.
class Transform : public Component
{
public:
    static constexpr int kTypeId = 0;

    Transform(float x, float y, float z, float scaleX, float scaleY);
    Transform(const Transform&) = default;

    static std::string GetTypeName() { return "Transform"; }

    void Init() override;
    // Turns towards the mouse while mouseTracking is set, then rebuilds modelMatrix.
    void Update(float dt) override;
    std::string GetName() const override { return GetTypeName(); }
    std::shared_ptr<Component> Clone() const override;
    void Serialize(std::ostream& stream) const override;
    void Deserialize(std::istream& stream) override;
    void Inspector(int id) override;

    Vector3 GetPosition() const { return position; }
    Vector3 GetScale() const { return scale; }
    // Children move by the same offset.
    void SetPosition(const Vector2& p);
    // Children's scales change by the same amount (added, not multiplied).
    void SetScale(const Vector2& s);
    // Degrees. Children take the same angle and turn about this object.
    void SetRotation(float degrees);
    // Radians; otherwise as SetRotation.
    void Rotate(float radians);

    Matrix4 GetModelMatrix() const { return modelMatrix; }
    // The camera object (type 10) gets its view matrix; every other object its model matrix.
    Matrix4 GetMatrix() const;

    Vector3 position;
    Vector3 scale;
    float rotation = 0.0f;
    Matrix4 modelMatrix;
    bool mouseTracking = false;
    Vector2 mousePosition;

private:
    // Rebuilds modelMatrix unless position, rotation and scale are bit for bit those it was
    // last built from (most objects never move, and the product is the same every time).
    void RebuildModelMatrix();
    float builtFrom[7] = {};
    bool built = false;
    void TrackMouse();
    // Calls visit on the Transform of each of the owner's children, in order; a child
    // without one is passed over.
    template <class Visit>
    void ForEachChildTransform(Visit visit);
    // Turns every child about this object by deltaDegrees after giving it its new angle.
    template <class SetChildAngle>
    void TurnChildren(float deltaDegrees, SetChildAngle setChildAngle);
};
