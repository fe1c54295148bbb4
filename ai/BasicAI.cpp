#include "ai/BasicAI.h"

#include <ostream>

#include "objects/TextWriters.h"

BasicAI::BasicAI() : EnemyAIBase(kTypeId)
{
}

void BasicAI::Init()
{
    typeId = kTypeId;
}

void BasicAI::Update(float dt)
{
    (void)dt;
}

std::shared_ptr<Component> BasicAI::Clone() const
{
    return std::make_shared<BasicAI>(*this);
}

void BasicAI::Serialize(std::ostream& stream) const
{
    WriteString(stream, GetTypeName());
}

void BasicAI::Deserialize(std::istream& stream)
{
    (void)stream;
}
