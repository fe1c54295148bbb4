#include "ai/BearAI.h"

#include <ostream>

#include "objects/TextWriters.h"

BearAI::BearAI() : EnemyAIBase(kTypeId)
{
}

void BearAI::Init()
{
    typeId = kTypeId;
}

void BearAI::Update(float dt)
{
    (void)dt;
}

std::shared_ptr<Component> BearAI::Clone() const
{
    return std::make_shared<BearAI>(*this);
}

void BearAI::Serialize(std::ostream& stream) const
{
    WriteString(stream, GetTypeName());
}

void BearAI::Deserialize(std::istream& stream)
{
    (void)stream;
}
