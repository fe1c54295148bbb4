#include "events/ElevatorPuzzle.h"

#include <ostream>

#include "objects/TextWriters.h"

ElevatorPuzzle::ElevatorPuzzle() : Component(kTypeId)
{
}

void ElevatorPuzzle::Init()
{
    typeId = kTypeId;
}

void ElevatorPuzzle::Update(float dt)
{
    (void)dt;
}

std::shared_ptr<Component> ElevatorPuzzle::Clone() const
{
    return std::make_shared<ElevatorPuzzle>(*this);
}

void ElevatorPuzzle::Serialize(std::ostream& stream) const
{
    WriteString(stream, GetTypeName());
}

void ElevatorPuzzle::Deserialize(std::istream& stream)
{
    (void)stream;
}
