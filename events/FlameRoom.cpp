#include "events/FlameRoom.h"

#include <ostream>

#include "objects/TextWriters.h"

FlameRoom::FlameRoom() : Component(kTypeId)
{
}

void FlameRoom::Init()
{
    typeId = kTypeId;
}

void FlameRoom::Update(float dt)
{
    (void)dt;
}

std::shared_ptr<Component> FlameRoom::Clone() const
{
    return std::make_shared<FlameRoom>(*this);
}

void FlameRoom::Serialize(std::ostream& stream) const
{
    WriteString(stream, GetTypeName());
}

void FlameRoom::Deserialize(std::istream& stream)
{
    (void)stream;
}
