#include "events/FamilyTreeRoomEvent.h"

#include <ostream>

#include "objects/TextWriters.h"

FamilyTreeRoomEvent::FamilyTreeRoomEvent() : Component(kTypeId)
{
}

void FamilyTreeRoomEvent::Init()
{
    typeId = kTypeId;
}

void FamilyTreeRoomEvent::Update(float dt)
{
    (void)dt;
}

std::shared_ptr<Component> FamilyTreeRoomEvent::Clone() const
{
    return std::make_shared<FamilyTreeRoomEvent>(*this);
}

void FamilyTreeRoomEvent::Serialize(std::ostream& stream) const
{
    WriteString(stream, GetTypeName());
}

void FamilyTreeRoomEvent::Deserialize(std::istream& stream)
{
    (void)stream;
}
