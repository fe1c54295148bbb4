#pragma once

#include <iosfwd>
#include <memory>
#include <string>

#include "engine/Vector2.h"
#include "objects/Component.h"

// Moves its owner (and the owner's children) by a velocity every frame; also what admits an
// object to the overlap query. Mass and gravity are kept for the editor and the files only.
class Rigidbody : public Component
{
public:
    static constexpr int kTypeId = 3;

    explicit Rigidbody(float mass_);

    static std::string GetTypeName() { return "Rigidbody"; }

    void Init() override;
    // x moves by velocity x * dt; y by velocity y * 0.02 for each frame's worth of dt (capped).
    void Update(float dt) override;
    std::string GetName() const override { return GetTypeName(); }
    std::shared_ptr<Component> Clone() const override;
    void Serialize(std::ostream& stream) const override;
    void Deserialize(std::istream& stream) override;
    void Inspector(int id) override;

    void SetVelocity(const Vector2& v) { velocity = v; }
    // How far a body at this velocity moves in a frame of dt, by the rule Update follows.
    static Vector2 StepFor(const Vector2& velocity, float dt);

    float mass;
    float inverseMass;
    bool gravity = false;
    Vector2 velocity;

private:
    void SetMass(float value);

    bool reportedNoTransform = false;
    bool lookedForTransform = false;
};
