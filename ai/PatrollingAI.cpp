#include "ai/PatrollingAI.h"

#include <ostream>

#include "objects/TextWriters.h"

PatrollingAI::PatrollingAI() : EnemyAIBase(kTypeId)
{
}

void PatrollingAI::Init()
{
    typeId = kTypeId;
}

void PatrollingAI::Update(float dt)
{
    (void)dt;
}

std::shared_ptr<Component> PatrollingAI::Clone() const
{
    return std::make_shared<PatrollingAI>(*this);
}

void PatrollingAI::Serialize(std::ostream& stream) const
{
    WriteString(stream, GetTypeName());
}

void PatrollingAI::Deserialize(std::istream& stream)
{
    (void)stream;
}
