#pragma once

#include <iosfwd>
#include <memory>
#include <string>

#include "engine/Vector3.h"
#include "engine/Vector4.h"
#include "graphics/LightPacking.h"
#include "objects/Component.h"

// Makes its object emit light. The graphics system packs every enabled light, in list order,
// into the lit program's "LightBlock" each frame with its object's model matrix. Code that
// writes a field directly sets gLightsDirty as well.
class LightSource : public Component
{
public:
    static constexpr int kTypeId = 4;

    explicit LightSource(float halfAngle);

    static std::string GetTypeName() { return "LightSource"; }

    void Init() override;
    std::string GetName() const override { return GetTypeName(); }
    std::shared_ptr<Component> Clone() const override;
    void Serialize(std::ostream& stream) const override;
    void Deserialize(std::istream& stream) override;
    void Inspector(int id) override;

    // r, g, b on a 0..255 scale; sets gLightsDirty.
    void SetColour(const Vector3& rgb255);
    // r, g, b on a 0..1 scale.
    Vector3 GetColour() const;
    // The parameter part of the light's block entry, from Angle to MinimumBrightness.
    LightParams GetParams() const;

    // The parameter part, in the order of a block entry.
    float Angle = 0.0f;  // the object's rotation in radians, written by the draw
    float CutoffDistance = 200.0f;
    float HalfAngle;  // radians
    float HardLightRatio = 0.1f;
    Vector4 Colour{1.0f, 1.0f, 1.0f, 1.0f};
    Vector3 Position{0.0f, 0.0f, 0.0f};  // z: 1 spot light, 0 point light
    float MinimumBrightness = 0.1f;
    bool Enabled = true;

    // A dim circle of light round the light itself, whichever way its cone points: a torch
    // shows the one who holds it. Radius in the light's units (0: none) and its level at the
    // centre as a share of Colour. Set by gameplay code; not saved.
    float GlowRadius = 0.0f;
    float GlowLevel = 0.0f;

    // Set once the draw has reported that this light's object has no Transform.
    bool reportedMissingTransform = false;
};
