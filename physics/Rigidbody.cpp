#include "physics/Rigidbody.h"

#include <istream>
#include <ostream>

#include <imgui.h>

#include "editor/FieldOwner.h"
#include "editor/ValueFields.h"
#include "engine/FrameSteps.h"
#include "engine/LoggingSystem.h"
#include "objects/GameObject.h"
#include "objects/TextWriters.h"
#include "objects/Transform.h"

// The vertical axis moves a fixed share of the velocity for each frame's worth of time (the
// share was set for 60 frames a second), not velocity * dt. The sideways axis moves velocity * dt;
// both count a stalled frame as a few frames at most, so that a stall cannot carry a body over a
// trigger or a door.
static constexpr float kVerticalStepPerFrame = 0.02f;

Rigidbody::Rigidbody(float mass_) : Component(kTypeId), mass(mass_), inverseMass(0.0f)
{
    SetMass(mass_);
}

void Rigidbody::SetMass(float value)
{
    mass = value;
    inverseMass = mass != 0.0f ? 1.0f / mass : 0.0f;
}

void Rigidbody::Init()
{
    typeId = kTypeId;
    // Its object may be another one now.
    lookedForTransform = false;
}

Vector2 Rigidbody::StepFor(const Vector2& velocity, float dt)
{
    const float frames = Framework::FramesWorth(dt);
    return Vector2(velocity.x * frames / Framework::kRuleFramesPerSecond, velocity.y * kVerticalStepPerFrame * frames);
}

void Rigidbody::Update(float dt)
{
    // Most bodies are walls that never move: once their Transform has been looked for (and a
    // missing one reported), a still body has nothing to do.
    if (velocity.x == 0.0f && velocity.y == 0.0f && lookedForTransform)
        return;
    lookedForTransform = true;
    Transform* transform = owner ? owner->FindComponent<Transform>() : nullptr;
    if (!transform)
    {
        if (!reportedNoTransform)
            Framework::ReportError("Rigidbody on \"" + (owner ? owner->name : std::string("(no object)")) +
                                   "\" has no Transform; it does not move");
        reportedNoTransform = true;
        return;
    }

    const float oldX = transform->position.x;
    const float oldY = transform->position.y;
    // Written directly: the children are carried below, by this step's delta only.
    const Vector2 step = StepFor(velocity, dt);
    transform->position.x = oldX + step.x;
    transform->position.y = oldY + step.y;

    if (owner->children.empty())
        return;
    const Vector2 delta(transform->position.x - oldX, transform->position.y - oldY);
    for (const std::shared_ptr<GameObject>& child : owner->children)
    {
        std::shared_ptr<Transform> childTransform = child ? child->GetComponent<Transform>() : nullptr;
        if (!childTransform)
            continue;
        const Vector3 p = childTransform->GetPosition();
        childTransform->SetPosition(Vector2(p.x + delta.x, p.y + delta.y));
    }
}

std::shared_ptr<Component> Rigidbody::Clone() const
{
    auto copy = std::make_shared<Rigidbody>(*this);
    copy->lookedForTransform = false;
    return copy;
}

void Rigidbody::Serialize(std::ostream& stream) const
{
    WriteString(stream, GetTypeName());
    WriteString(stream, "mass");
    WriteFloat(stream, mass);
    WriteString(stream, "Gravity");
    stream << (gravity ? 1 : 0) << '\n';
}

void Rigidbody::Deserialize(std::istream& stream)
{
    std::string key;
    float readMass = mass;
    int flag = 0;
    if (!(stream >> key >> readMass))
        return;
    SetMass(readMass);
    if (!(stream >> key >> flag))
        return;
    gravity = flag != 0;
    // A loaded body starts at rest: the velocity is not stored.
    velocity = Vector2();
}

void Rigidbody::Inspector(int id)
{
    if (!FieldOwner::PanelHeader("Rigidbody"))
        return;
    ImGui::Spacing();
    ImGui::Text("Rigidbody ID #%d", id);
    ImGui::Spacing();
    ImGui::PushItemWidth(0.7f * ImGui::GetContentRegionAvailWidth());
    float editedMass = mass;
    if (ValueFields::InputFloat("Mass", &editedMass, 0.0f, 0.0f, "%.1f"))
        SetMass(editedMass);
    ImGui::Checkbox("Gravity", &gravity);
    ImGui::PopItemWidth();
    ImGui::Spacing();
}
