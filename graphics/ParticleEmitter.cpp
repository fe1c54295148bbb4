#include "graphics/ParticleEmitter.h"

#include <imgui.h>

#include <algorithm>
#include <cmath>
#include <istream>
#include <ostream>

#include "editor/FieldOwner.h"
#include "editor/FieldText.h"
#include "editor/ValueFields.h"
#include "engine/Random.h"
#include "graphics/GLResource.h"
#include "graphics/TextureSystem.h"
#include "objects/GameObject.h"
#include "objects/TextWriters.h"
#include "objects/Transform.h"

namespace {

// A value in 0..1 from the shared generator.
float RandomUnit()
{
    return static_cast<float>(static_cast<double>(Framework::Rand()) / 32767.0);
}

// A size r, then a sign from a second draw: + when odd, - when even.
float RandomSigned()
{
    const float size = RandomUnit();
    return (Framework::Rand() % 2 == 1) ? size : -size;
}

int ClampSlots(int count)
{
    return std::clamp(count, 0, ParticleEmitter::kPoolSize);
}

void WriteBool(std::ostream& stream, bool value)
{
    stream << (value ? 1 : 0) << '\n';
}

void WriteInt(std::ostream& stream, int value)
{
    stream << value << '\n';
}

}  // namespace

ParticleEmitter::ParticleEmitter() : Component(kTypeId), particles(kPoolSize)
{
}

void ParticleEmitter::Init()
{
    typeId = kTypeId;
    ComputeArea();
    // Loaded now so that the draw finds it cached; without a context it could not upload.
    if (!particleTextureName.empty() && gTextureSystem && GLReady())
        gTextureSystem->GetTexture(particleTextureName);
}

int ParticleEmitter::SlotCount() const
{
    return ClampSlots(maxParticle);
}

void ParticleEmitter::ComputeArea()
{
    if (owner == nullptr)
        return;
    std::shared_ptr<Transform> transform = owner->GetComponent<Transform>();
    if (!transform)
        return;
    const Vector3 p = transform->GetPosition();
    const Vector3 s = transform->GetScale();
    area[0] = p.x - s.x * 0.5f;
    area[1] = p.y - s.y * 0.5f;
    area[2] = p.x + s.x * 0.5f;
    area[3] = p.y + s.y * 0.5f;
}

void ParticleEmitter::Update(float dt)
{
    if (!playState)
        return;

    ComputeArea();

    const int slots = SlotCount();
    for (int k = 0; k < emissionRate; ++k) {
        if (aliveCount >= slots)
            break;
        EmitParticle();
    }

    for (int i = 0; i < slots; ++i) {
        Particle& p = particles[static_cast<size_t>(i)];
        if (!p.alive)
            continue;
        p.position.x += p.velocity.x;
        p.position.y += p.velocity.y;
        p.color = p.color + p.colorStep * dt;
        p.alpha += p.alphaStep * dt;
        p.age += dt;
        if (p.age > p.lifetime) {
            p.alive = false;
            --aliveCount;
        }
    }
}

void ParticleEmitter::EmitParticle()
{
    int slot = -1;
    for (int i = SlotCount() - 1; i >= 0; --i) {
        if (!particles[static_cast<size_t>(i)].alive) {
            slot = i;
            break;
        }
    }
    if (slot < 0)
        return;
    Particle& p = particles[static_cast<size_t>(slot)];

    const float left = area[0];
    const float bottom = area[1];
    const float right = area[2];
    const float top = area[3];
    switch (shape) {
    case HorLine:
        p.position = Vector3(left + RandomUnit() * (right - left), (top + bottom) * 0.5f, 0.0f);
        break;
    case VerLine:
        p.position = Vector3((right + left) * 0.5f, bottom + RandomUnit() * (top - bottom), 0.0f);
        break;
    case Rectangle: {
        const float x = left + RandomUnit() * (right - left);
        const float y = bottom + RandomUnit() * (top - bottom);
        p.position = Vector3(x, y, 0.0f);
        break;
    }
    case Circle: {
        const float angle = RandomUnit() * 360.0f * 3.1415927f / 180.0f;
        const float cx = (left + right) * 0.5f;
        const float cy = (bottom + top) * 0.5f;
        p.position = Vector3(cx + std::cos(angle) * shapeCircleRadius, cy + std::sin(angle) * shapeCircleRadius, 0.0f);
        break;
    }
    default:
        break;  // an unknown shape keeps the slot's old position
    }

    const float scaleSpread = RandomSigned();
    p.scale = initScale + Vector3(scaleVar.x * scaleSpread, scaleVar.y * scaleSpread, 0.0f);

    const float velocitySpread = RandomSigned();
    p.velocity = Vector2(initVelocity.x, initVelocity.y) +
                 Vector2(velocityVar.x * velocitySpread, velocityVar.y * velocitySpread);

    p.rotation = randomRotate ? RandomUnit() * 360.0f : 0.0f;

    const Vector3 startColor = initColor / 255.0f;
    const Vector3 endColor = finalColor / 255.0f;
    // The spread of the lifetime is one signed unit; lifetimeVar does not take part.
    p.lifetime = initParticleLifetime + RandomSigned();

    if (initParticleLifetime > 0.0f) {
        p.color = startColor;
        p.alpha = initAlpha;
        p.colorStep = (endColor - startColor) / initParticleLifetime;
        p.alphaStep = (finalAlpha - initAlpha) / initParticleLifetime;
    } else {
        // No base lifetime to fade over: the particle shows its final look at once.
        p.color = endColor;
        p.alpha = finalAlpha;
        p.colorStep = Vector3(0.0f, 0.0f, 0.0f);
        p.alphaStep = 0.0f;
    }

    p.age = 0.0f;
    p.alive = true;
    ++aliveCount;
}

void ParticleEmitter::ResetParticles()
{
    const int slots = SlotCount();
    for (int i = 0; i < slots; ++i) {
        Particle& p = particles[static_cast<size_t>(i)];
        p.position = Vector3(0.0f, 0.0f, 0.0f);
        p.scale = Vector3(1.0f, 1.0f, 0.0f);
        p.velocity = Vector2(0.0f, 0.0f);
        p.age = 0.0f;
        p.lifetime = 0.0f;
        p.alive = false;
    }
    aliveCount = 0;
}

std::shared_ptr<Component> ParticleEmitter::Clone() const
{
    return std::make_shared<ParticleEmitter>(*this);
}

void ParticleEmitter::Serialize(std::ostream& stream) const
{
    WriteString(stream, GetTypeName());
    WriteString(stream, "PlayState");
    WriteBool(stream, playState);
    WriteString(stream, "Shape");
    WriteInt(stream, shape);
    WriteString(stream, "ShapeCircleRadius");
    WriteFloat(stream, shapeCircleRadius);
    WriteString(stream, "InitVelocity");
    WriteVec3(stream, initVelocity);
    WriteString(stream, "InitScale");
    WriteVec3(stream, initScale);
    WriteString(stream, "RandomRotate");
    WriteBool(stream, randomRotate);
    WriteString(stream, "ParticleTextureName");
    WriteString(stream, ToToken(particleTextureName));
    WriteString(stream, "InitColor");
    WriteVec3(stream, initColor);
    WriteString(stream, "FinalColor");
    WriteVec3(stream, finalColor);
    WriteString(stream, "InitAlpha");
    WriteFloat(stream, initAlpha);
    WriteString(stream, "FinalAlpha");
    WriteFloat(stream, finalAlpha);
    WriteString(stream, "EmissionRate");
    WriteInt(stream, emissionRate);
    WriteString(stream, "MaxParticle");
    WriteInt(stream, SlotCount());
    WriteString(stream, "InitParticleLifetime");
    WriteFloat(stream, initParticleLifetime);
    WriteString(stream, "VelocityVar");
    WriteVec2(stream, velocityVar);
    WriteString(stream, "ScaleVar");
    WriteVec2(stream, scaleVar);
    WriteString(stream, "EmissionVar");
    WriteFloat(stream, emissionVar);
    WriteString(stream, "LifetimeVar");
    WriteFloat(stream, lifetimeVar);
}

void ParticleEmitter::Deserialize(std::istream& stream)
{
    std::string key;
    auto vec3 = [&stream](Vector3& v) { stream >> v.x >> v.y >> v.z; };
    auto vec2 = [&stream](Vector2& v) { stream >> v.x >> v.y; };

    // A failed extraction leaves the stream failed; the level reader then drops the record.
    stream >> key >> playState;
    stream >> key >> shape;
    stream >> key >> shapeCircleRadius;
    stream >> key;
    vec3(initVelocity);
    stream >> key;
    vec3(initScale);
    stream >> key >> randomRotate;
    std::string texture;
    stream >> key >> texture;
    particleTextureName = FromToken(texture);
    stream >> key;
    vec3(initColor);
    stream >> key;
    vec3(finalColor);
    stream >> key >> initAlpha;
    stream >> key >> finalAlpha;
    stream >> key >> emissionRate;
    stream >> key >> maxParticle;
    stream >> key >> initParticleLifetime;
    stream >> key;
    vec2(velocityVar);
    stream >> key;
    vec2(scaleVar);
    stream >> key >> emissionVar;
    stream >> key >> lifetimeVar;

    // More slots than the pool holds would run past its end.
    maxParticle = ClampSlots(maxParticle);

    // A loaded emitter starts with no live particles.
    for (Particle& p : particles)
        p = Particle();
    aliveCount = 0;
}

void ParticleEmitter::Inspector(int id)
{
    if (!FieldOwner::PanelHeader("Particle Emitter"))
        return;
    ImGui::Text("Particle Emitter ID #%d", id);
    ImGui::PushItemWidth(0.7f * ImGui::GetContentRegionAvail().x);

    ImGui::Checkbox("Play/Pause", &playState);
    ImGui::Text("0 - HorLine\n1 - VerLine\n2 - Rectangle\n3 - Circle");
    ValueFields::InputIntWithin("Particle Shape", &shape, HorLine, Circle, 1, 20);
    if (shape == Circle)
        ValueFields::InputFloat("Circle Radius", &shapeCircleRadius, 0.1f, 1.0f, "%.1f");

    ImGui::Text("Particle Sprite");
    ImGui::SameLine();
    const std::string label = particleTextureName.empty() ? "Choose Texture" : particleTextureName;
    if (FieldText::Button(label))
        ImGui::OpenPopup("Sprite List1");
    if (ImGui::BeginPopup("Sprite List1")) {
        if (gTextureSystem) {
            for (const std::string& name : gTextureSystem->GetTextureNames()) {
                if (FieldText::Selectable(name)) {
                    gTextureSystem->GetTexture(name);
                    particleTextureName = name;
                }
            }
        }
        ImGui::EndPopup();
    }

    float startColor[3] = {initColor.x, initColor.y, initColor.z};
    if (ValueFields::InputFloat3("Initial Color", startColor, "%.1f"))
        initColor = Vector3(startColor[0], startColor[1], startColor[2]);
    float endColor[3] = {finalColor.x, finalColor.y, finalColor.z};
    if (ValueFields::InputFloat3("End Color", endColor, "%.1f"))
        finalColor = Vector3(endColor[0], endColor[1], endColor[2]);
    ValueFields::DragFloat("Initial Alpha", &initAlpha, 0.01f, 0.0f, 1.0f, "%.2f");
    ValueFields::DragFloat("End Alpha", &finalAlpha, 0.01f, 0.0f, 1.0f, "%.2f");

    ImGui::Text("Particle Transform");
    float velocity[2] = {initVelocity.x, initVelocity.y};
    if (ValueFields::InputFloat2("Initial Velocity", velocity, "%.2f")) {
        initVelocity.x = velocity[0];
        initVelocity.y = velocity[1];
    }
    float scale[2] = {initScale.x, initScale.y};
    if (ValueFields::InputFloat2("Initial Scale", scale, "%.2f")) {
        initScale.x = scale[0];
        initScale.y = scale[1];
    }
    ImGui::Checkbox("Random Rotate", &randomRotate);

    ImGui::Text("Particle Properties");
    ValueFields::InputInt("Emission Rate", &emissionRate);
    // A new cap resets the particles once, with the number the edit ends with, never with a
    // keystroke's partial one; the field holds each as it comes, so the reset takes every slot
    // any of them opened to emission.
    int newMax = maxParticle;
    if (ValueFields::InputIntWithin("Max Particle", &newMax, 0, kPoolSize))
        maxParticle = newMax;
    ValueFields::Changes cap;
    if (ValueFields::Settled(&cap) && cap.made) {
        const int ended = maxParticle;
        const int opened = static_cast<int>(cap.highest);
        if (ended != static_cast<int>(cap.from)) {
            maxParticle = opened;
            ResetParticles();
            maxParticle = ended;
        } else {
            // The cap is back where it was: only what a partial number let in past it goes.
            for (int i = ended; i < opened; ++i) {
                Particle& p = particles[static_cast<size_t>(i)];
                if (p.alive) {
                    p.alive = false;
                    --aliveCount;
                }
            }
        }
    }
    ValueFields::InputFloat("Particle Max LifeTime", &initParticleLifetime, 0.1f, 1.0f, "%.1f");

    ImGui::Text("Properties Variance");
    float velocitySpread[2] = {velocityVar.x, velocityVar.y};
    if (ValueFields::InputFloat2("Velocity", velocitySpread, "%.2f"))
        velocityVar = Vector2(velocitySpread[0], velocitySpread[1]);
    float scaleSpread[2] = {scaleVar.x, scaleVar.y};
    if (ValueFields::InputFloat2("Scale", scaleSpread, "%.2f"))
        scaleVar = Vector2(scaleSpread[0], scaleSpread[1]);
    ValueFields::InputFloat("Emission", &emissionVar, 0.0f, 0.0f, "%.1f");
    ValueFields::InputFloat("LifeTime", &lifetimeVar, 0.0f, 0.0f, "%.1f");

    ImGui::PopItemWidth();
    ImGui::Spacing();
    if (ImGui::Button("Reset Particle"))
        ResetParticles();
}
