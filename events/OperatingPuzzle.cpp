#include "events/OperatingPuzzle.h"

#include <ostream>

#include "objects/TextWriters.h"

OperatingPuzzle::OperatingPuzzle() : Component(kTypeId)
{
}

void OperatingPuzzle::Init()
{
    typeId = kTypeId;
}

void OperatingPuzzle::Update(float dt)
{
    (void)dt;
}

std::shared_ptr<Component> OperatingPuzzle::Clone() const
{
    return std::make_shared<OperatingPuzzle>(*this);
}

void OperatingPuzzle::Serialize(std::ostream& stream) const
{
    WriteString(stream, GetTypeName());
}

void OperatingPuzzle::Deserialize(std::istream& stream)
{
    (void)stream;
}
