#include "events/SurgeonChase.h"

#include <ostream>

#include "objects/TextWriters.h"

SurgeonChase::SurgeonChase() : Component(kTypeId)
{
}

void SurgeonChase::Init()
{
    typeId = kTypeId;
}

void SurgeonChase::Update(float dt)
{
    (void)dt;
}

std::shared_ptr<Component> SurgeonChase::Clone() const
{
    return std::make_shared<SurgeonChase>(*this);
}

void SurgeonChase::Serialize(std::ostream& stream) const
{
    WriteString(stream, GetTypeName());
}

void SurgeonChase::Deserialize(std::istream& stream)
{
    (void)stream;
}
