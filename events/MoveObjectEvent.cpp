#include "events/MoveObjectEvent.h"

#include <ostream>

#include "objects/TextWriters.h"

MoveObjectEvent::MoveObjectEvent() : Component(kTypeId)
{
}

void MoveObjectEvent::Init()
{
    typeId = kTypeId;
}

void MoveObjectEvent::Update(float dt)
{
    (void)dt;
}

std::shared_ptr<Component> MoveObjectEvent::Clone() const
{
    return std::make_shared<MoveObjectEvent>(*this);
}

void MoveObjectEvent::Serialize(std::ostream& stream) const
{
    WriteString(stream, GetTypeName());
}

void MoveObjectEvent::Deserialize(std::istream& stream)
{
    (void)stream;
}
