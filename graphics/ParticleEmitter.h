#pragma once

#include <array>
#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

#include "engine/Vector2.h"
#include "engine/Vector3.h"
#include "objects/Component.h"

// One pooled particle; the graphics system draws the live ones.
struct Particle
{
    Vector3 position{0.0f, 0.0f, 0.0f};  // world position, z stays 0
    Vector3 scale{1.0f, 1.0f, 0.0f};     // quad size in world units (x, y)
    Vector2 velocity{0.0f, 0.0f};        // movement per frame
    Vector3 color{1.0f, 1.0f, 1.0f};     // 0..1
    float alpha = 1.0f;
    float rotation = 0.0f;               // the draw takes it as radians
    float age = 0.0f;                    // seconds since emission
    float lifetime = 0.0f;               // seconds it lives
    bool alive = false;
    Vector3 colorStep{0.0f, 0.0f, 0.0f}; // change of color per second
    float alphaStep = 0.0f;              // change of alpha per second
};

// Sprays short-lived textured quads from the area its object's Transform covers.
class ParticleEmitter : public Component
{
public:
    static constexpr int kTypeId = 32;
    static constexpr int kPoolSize = 10000;

    enum Shape { HorLine = 0, VerLine = 1, Rectangle = 2, Circle = 3 };

    ParticleEmitter();

    static std::string GetTypeName() { return "ParticleEmitter"; }

    // Takes the area from the owner's Transform and loads the particle texture.
    void Init() override;
    // Emits, moves, fades and ages; nothing at all while playState is false.
    void Update(float dt) override;
    std::string GetName() const override { return GetTypeName(); }
    std::shared_ptr<Component> Clone() const override;
    void Serialize(std::ostream& stream) const override;
    void Deserialize(std::istream& stream) override;
    void Inspector(int id) override;

    // One particle into the free slot of highest index among the slots in use, if any.
    void EmitParticle();
    // Kills every particle of the slots in use and puts them back to their start values.
    void ResetParticles();
    std::string GetTextureName() const { return particleTextureName; }

    // Number of pool slots in use: maxParticle bounded to 0..kPoolSize.
    int SlotCount() const;
    // area = the owner's Transform rectangle (left, bottom, right, top); kept without one.
    void ComputeArea();

    std::vector<Particle> particles;  // the pool, kPoolSize, never resized
    std::array<float, 4> area{0.0f, 0.0f, 0.0f, 0.0f};  // left, bottom, right, top
    Vector3 initVelocity{0.0f, 0.0f, 0.0f};
    Vector3 initScale{8.0f, 8.0f, 0.0f};
    std::string particleTextureName;
    Vector3 initColor{255.0f, 255.0f, 255.0f};  // 0..255
    Vector3 finalColor{0.0f, 0.0f, 0.0f};       // 0..255
    int emissionRate = 10;                      // per frame at most
    int maxParticle = 100;                      // live cap and slots in use, 0..kPoolSize
    int aliveCount = 0;
    Vector2 velocityVar{0.0f, 0.0f};
    Vector2 scaleVar{0.0f, 0.0f};
    float emissionVar = 0.0f;  // stored and edited only
    float lifetimeVar = 0.0f;  // stored and edited only
    float initAlpha = 1.0f;
    float finalAlpha = 0.0f;
    float initParticleLifetime = 5.0f;
    int shape = HorLine;
    float shapeCircleRadius = 5.0f;
    bool randomRotate = false;
    bool playState = false;
    bool lightAffected = true;  // not stored
};
