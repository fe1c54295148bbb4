#include "events/DollPickup.h"

#include <ostream>

#include "objects/TextWriters.h"

DollPickup::DollPickup() : Component(kTypeId)
{
}

void DollPickup::Init()
{
    typeId = kTypeId;
}

void DollPickup::Update(float dt)
{
    (void)dt;
}

std::shared_ptr<Component> DollPickup::Clone() const
{
    return std::make_shared<DollPickup>(*this);
}

void DollPickup::Serialize(std::ostream& stream) const
{
    WriteString(stream, GetTypeName());
}

void DollPickup::Deserialize(std::istream& stream)
{
    (void)stream;
}
