#include "events/LightPuzzle.h"

#include <ostream>

#include "objects/TextWriters.h"

LightPuzzle::LightPuzzle() : Component(kTypeId)
{
}

void LightPuzzle::Init()
{
    typeId = kTypeId;
}

void LightPuzzle::Update(float dt)
{
    (void)dt;
}

std::shared_ptr<Component> LightPuzzle::Clone() const
{
    return std::make_shared<LightPuzzle>(*this);
}

void LightPuzzle::Serialize(std::ostream& stream) const
{
    WriteString(stream, GetTypeName());
}

void LightPuzzle::Deserialize(std::istream& stream)
{
    (void)stream;
}
