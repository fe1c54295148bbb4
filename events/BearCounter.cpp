#include "events/BearCounter.h"

#include <ostream>

#include "objects/TextWriters.h"

BearCounter::BearCounter() : Component(kTypeId)
{
}

void BearCounter::Init()
{
    typeId = kTypeId;
}

void BearCounter::Update(float dt)
{
    (void)dt;
}

std::shared_ptr<Component> BearCounter::Clone() const
{
    return std::make_shared<BearCounter>(*this);
}

void BearCounter::Serialize(std::ostream& stream) const
{
    WriteString(stream, GetTypeName());
}

void BearCounter::Deserialize(std::istream& stream)
{
    (void)stream;
}
