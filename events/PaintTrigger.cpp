#include "events/PaintTrigger.h"

#include <ostream>

#include "objects/GameObject.h"
#include "objects/TextWriters.h"

PaintTrigger::PaintTrigger() : Component(kTypeId)
{
}

void PaintTrigger::Init()
{
    typeId = kTypeId;
}

void PaintTrigger::Update(float dt)
{
    (void)dt;
}

std::shared_ptr<Component> PaintTrigger::Clone() const
{
    return std::make_shared<PaintTrigger>(*this);
}

void PaintTrigger::Serialize(std::ostream& stream) const
{
    WriteString(stream, GetTypeName());
}

void PaintTrigger::Deserialize(std::istream& stream)
{
    (void)stream;
}
