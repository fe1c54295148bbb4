#include "gameplay/InteractEvent.h"

#include <ostream>

#include "objects/TextWriters.h"

InteractEvent::InteractEvent() : Component(kTypeId)
{
}

void InteractEvent::Init()
{
    typeId = kTypeId;
}

void InteractEvent::Update(float dt)
{
    (void)dt;
}

std::shared_ptr<Component> InteractEvent::Clone() const
{
    return std::make_shared<InteractEvent>(*this);
}

void InteractEvent::Serialize(std::ostream& stream) const
{
    WriteString(stream, GetTypeName());
}

void InteractEvent::Deserialize(std::istream& stream)
{
    (void)stream;
}
