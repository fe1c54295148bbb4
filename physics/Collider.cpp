#include "physics/Collider.h"

#include <istream>
#include <ostream>

#include <imgui.h>

#include "editor/FieldOwner.h"
#include "editor/ValueFields.h"
#include "engine/LoggingSystem.h"
#include "graphics/DebugDraw.h"
#include "objects/GameObject.h"
#include "objects/TextWriters.h"
#include "objects/Transform.h"

Collider::Collider() : Component(kTypeId)
{
}

Collider::Collider(const Vector2& size)
    : Component(kTypeId), scale(size.x, size.y, 1.0f), lineColor(0.0f, 0.0f, 0.0f)
{
}

bool Collider::ReadPosition(Vector3& position)
{
    const Transform* transform = owner ? owner->FindComponent<Transform>() : nullptr;
    if (!transform)
    {
        if (!reportedNoTransform)
            Framework::ReportError("Collider on \"" + (owner ? owner->name : std::string("(no object)")) +
                                   "\" has no Transform; its box stays as it was");
        reportedNoTransform = true;
        return false;
    }
    position = transform->GetPosition();
    return true;
}

void Collider::Init()
{
    typeId = kTypeId;
    Vector3 p;
    if (!ReadPosition(p))
        return;
    min = Vector3(p.x - scale.x * 0.5f, p.y - scale.y * 0.5f, 1.0f);
    max = Vector3(p.x + scale.x * 0.5f, p.y + scale.y * 0.5f, 1.0f);
}

void Collider::Update(float dt)
{
    (void)dt;
    Vector3 p;
    if (!ReadPosition(p))
        return;
    Follow(p);
}

void Collider::Follow(const Vector3& p)
{
    min = Vector3(p.x - scale.x * 0.5f, p.y - scale.y * 0.5f, 1.0f) + offset;
    max = Vector3(p.x + scale.x * 0.5f, p.y + scale.y * 0.5f, 1.0f) + offset;
    UpdateDebugLines();
}

void Collider::UpdateDebugLines()
{
    if (!outlineShown.value_or(showCollider) || !gDebugDraw)
        return;
    // Drawn during the scene update, so the outline lands on top of this frame's sprites.
    gDebugDraw->DrawBox(min, max, Vector3(lineColor.x / 255.0f, lineColor.y / 255.0f, lineColor.z / 255.0f));
    gDebugDraw->Clear();
}

std::shared_ptr<Component> Collider::Clone() const
{
    return std::make_shared<Collider>(*this);
}

void Collider::Serialize(std::ostream& stream) const
{
    WriteString(stream, GetTypeName());
    WriteString(stream, "Scale");
    WriteVec3(stream, scale);
    WriteString(stream, "Offset");
    WriteVec3(stream, offset);
    WriteString(stream, "ShowCollider");
    stream << (showCollider ? 1 : 0) << '\n';
    WriteString(stream, "LineColor");
    WriteVec3(stream, lineColor);
    WriteString(stream, "Active");
    stream << (active ? 1 : 0) << '\n';
}

void Collider::Deserialize(std::istream& stream)
{
    std::string key;
    int flag = 0;
    stream >> key >> scale.x >> scale.y >> scale.z;
    stream >> key >> offset.x >> offset.y >> offset.z;
    stream >> key >> flag;
    showCollider = flag != 0;
    stream >> key >> lineColor.x >> lineColor.y >> lineColor.z;
    flag = 0;
    stream >> key >> flag;
    active = flag != 0;
}

void Collider::Inspector(int id)
{
    if (!FieldOwner::PanelHeader("Collider"))
        return;
    ImGui::Spacing();
    ImGui::Text("Collider ID #%d", id);
    ImGui::Spacing();
    ImGui::PushItemWidth(0.7f * ImGui::GetContentRegionAvailWidth());
    float size[2] = {scale.x, scale.y};
    if (ValueFields::InputFloat2("Collider Scale ", size, "%.1f"))
    {
        scale.x = size[0];
        scale.y = size[1];
    }
    float shift[2] = {offset.x, offset.y};
    if (ValueFields::InputFloat2("Collider Offset ", shift, "%.1f"))
        offset = Vector3(shift[0], shift[1], 0.0f);
    ImGui::Checkbox("Show Debug Line", &showCollider);
    float color[3] = {lineColor.x, lineColor.y, lineColor.z};
    if (ValueFields::InputFloat3("Debug Lines Color", color, "%.1f"))
        lineColor = Vector3(color[0], color[1], color[2]);
    ImGui::Checkbox("Collider Active", &active);
    ImGui::PopItemWidth();
    ImGui::Spacing();
}
