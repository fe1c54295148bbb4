#include "events/NurseEvent.h"

#include <ostream>

#include "objects/TextWriters.h"

NurseEvent::NurseEvent() : Component(kTypeId)
{
}

void NurseEvent::Init()
{
    typeId = kTypeId;
}

void NurseEvent::Update(float dt)
{
    (void)dt;
}

std::shared_ptr<Component> NurseEvent::Clone() const
{
    return std::make_shared<NurseEvent>(*this);
}

void NurseEvent::Serialize(std::ostream& stream) const
{
    WriteString(stream, GetTypeName());
}

void NurseEvent::Deserialize(std::istream& stream)
{
    (void)stream;
}
