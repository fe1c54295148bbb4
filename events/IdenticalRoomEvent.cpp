#include "events/IdenticalRoomEvent.h"

#include <ostream>

#include "objects/TextWriters.h"

IdenticalRoomEvent::IdenticalRoomEvent() : Component(kTypeId)
{
}

void IdenticalRoomEvent::Init()
{
    typeId = kTypeId;
}

void IdenticalRoomEvent::Update(float dt)
{
    (void)dt;
}

std::shared_ptr<Component> IdenticalRoomEvent::Clone() const
{
    return std::make_shared<IdenticalRoomEvent>(*this);
}

void IdenticalRoomEvent::Serialize(std::ostream& stream) const
{
    WriteString(stream, GetTypeName());
}

void IdenticalRoomEvent::Deserialize(std::istream& stream)
{
    (void)stream;
}
