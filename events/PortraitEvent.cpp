#include "events/PortraitEvent.h"

#include <ostream>

#include "objects/TextWriters.h"

PortraitEvent::PortraitEvent() : Component(kTypeId)
{
}

void PortraitEvent::Init()
{
    typeId = kTypeId;
}

void PortraitEvent::Update(float dt)
{
    (void)dt;
}

std::shared_ptr<Component> PortraitEvent::Clone() const
{
    return std::make_shared<PortraitEvent>(*this);
}

void PortraitEvent::Serialize(std::ostream& stream) const
{
    WriteString(stream, GetTypeName());
}

void PortraitEvent::Deserialize(std::istream& stream)
{
    (void)stream;
}
