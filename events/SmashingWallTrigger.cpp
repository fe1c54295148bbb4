#include "events/SmashingWallTrigger.h"

#include <ostream>

#include "objects/TextWriters.h"

SmashingWallTrigger::SmashingWallTrigger() : Component(kTypeId)
{
}

void SmashingWallTrigger::Init()
{
    typeId = kTypeId;
}

void SmashingWallTrigger::Update(float dt)
{
    (void)dt;
}

std::shared_ptr<Component> SmashingWallTrigger::Clone() const
{
    return std::make_shared<SmashingWallTrigger>(*this);
}

void SmashingWallTrigger::Serialize(std::ostream& stream) const
{
    WriteString(stream, GetTypeName());
}

void SmashingWallTrigger::Deserialize(std::istream& stream)
{
    (void)stream;
}
