#include "events/DollRoom.h"

#include <ostream>

#include "objects/TextWriters.h"

DollRoom::DollRoom() : Component(kTypeId)
{
}

void DollRoom::Init()
{
    typeId = kTypeId;
}

void DollRoom::Update(float dt)
{
    (void)dt;
}

std::shared_ptr<Component> DollRoom::Clone() const
{
    return std::make_shared<DollRoom>(*this);
}

void DollRoom::Serialize(std::ostream& stream) const
{
    WriteString(stream, GetTypeName());
}

void DollRoom::Deserialize(std::istream& stream)
{
    (void)stream;
}
