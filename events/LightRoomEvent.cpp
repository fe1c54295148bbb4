#include "events/LightRoomEvent.h"

#include <ostream>

#include "objects/TextWriters.h"

LightRoomEvent::LightRoomEvent() : Component(kTypeId)
{
}

void LightRoomEvent::Init()
{
    typeId = kTypeId;
}

void LightRoomEvent::Update(float dt)
{
    (void)dt;
}

std::shared_ptr<Component> LightRoomEvent::Clone() const
{
    return std::make_shared<LightRoomEvent>(*this);
}

void LightRoomEvent::Serialize(std::ostream& stream) const
{
    WriteString(stream, GetTypeName());
}

void LightRoomEvent::Deserialize(std::istream& stream)
{
    (void)stream;
}
