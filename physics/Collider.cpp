#include "physics/Collider.h"

#include <iostream>

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

void Collider::Init()
{
    typeId = kTypeId;
    std::shared_ptr<Transform> transform = owner ? owner->GetComponent<Transform>() : nullptr;
    if (!transform)
    {
        if (!reportedNoTransform)
            std::cout << "Collider on \"" << (owner ? owner->name : std::string("(no object)"))
                      << "\" has no Transform; its box stays as it was\n";
        reportedNoTransform = true;
        return;
    }
    Vector3 p = transform->GetPosition();
    min = Vector3(p.x - scale.x * 0.5f, p.y - scale.y * 0.5f, 1.0f);
    max = Vector3(p.x + scale.x * 0.5f, p.y + scale.y * 0.5f, 1.0f);
}

void Collider::Update(float dt)
{
    (void)dt;
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
