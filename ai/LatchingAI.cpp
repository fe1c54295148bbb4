#include "ai/LatchingAI.h"

#include <ostream>

#include "objects/GameObject.h"
#include "objects/TextWriters.h"

LatchingAI::LatchingAI() : EnemyAIBase(kTypeId)
{
}

void LatchingAI::Init()
{
    typeId = kTypeId;
}

void LatchingAI::Update(float dt)
{
    (void)dt;
}

std::shared_ptr<Component> LatchingAI::Clone() const
{
    return std::make_shared<LatchingAI>(*this);
}

void LatchingAI::Serialize(std::ostream& stream) const
{
    WriteString(stream, GetTypeName());
}

void LatchingAI::Deserialize(std::istream& stream)
{
    (void)stream;
}
