#include "events/ReceptionEvent.h"

#include <ostream>

#include "objects/TextWriters.h"

ReceptionEvent::ReceptionEvent() : Component(kTypeId)
{
}

void ReceptionEvent::Init()
{
    typeId = kTypeId;
}

void ReceptionEvent::Update(float dt)
{
    (void)dt;
}

std::shared_ptr<Component> ReceptionEvent::Clone() const
{
    return std::make_shared<ReceptionEvent>(*this);
}

void ReceptionEvent::Serialize(std::ostream& stream) const
{
    WriteString(stream, GetTypeName());
}

void ReceptionEvent::Deserialize(std::istream& stream)
{
    (void)stream;
}
