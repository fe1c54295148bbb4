#include "events/LoopingHallwayEvent.h"

#include <ostream>

#include "objects/TextWriters.h"

LoopingHallwayEvent::LoopingHallwayEvent() : Component(kTypeId)
{
}

void LoopingHallwayEvent::Init()
{
    typeId = kTypeId;
}

void LoopingHallwayEvent::Update(float dt)
{
    (void)dt;
}

std::shared_ptr<Component> LoopingHallwayEvent::Clone() const
{
    return std::make_shared<LoopingHallwayEvent>(*this);
}

void LoopingHallwayEvent::Serialize(std::ostream& stream) const
{
    WriteString(stream, GetTypeName());
}

void LoopingHallwayEvent::Deserialize(std::istream& stream)
{
    (void)stream;
}
