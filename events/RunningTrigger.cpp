#include "events/RunningTrigger.h"

#include <ostream>

#include "objects/TextWriters.h"

RunningTrigger::RunningTrigger() : Component(kTypeId)
{
}

void RunningTrigger::Init()
{
    typeId = kTypeId;
}

void RunningTrigger::Update(float dt)
{
    (void)dt;
}

std::shared_ptr<Component> RunningTrigger::Clone() const
{
    return std::make_shared<RunningTrigger>(*this);
}

void RunningTrigger::Serialize(std::ostream& stream) const
{
    WriteString(stream, GetTypeName());
}

void RunningTrigger::Deserialize(std::istream& stream)
{
    (void)stream;
}
