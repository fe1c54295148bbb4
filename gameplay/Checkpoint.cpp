#include "gameplay/Checkpoint.h"

#include <ostream>

#include "gameplay/GameController.h"
#include "objects/GameObject.h"
#include "objects/TextWriters.h"

Checkpoint::Checkpoint() : Component(kTypeId)
{
}

void Checkpoint::Init()
{
    typeId = kTypeId;
}

void Checkpoint::Update(float dt)
{
    (void)dt;
}

std::shared_ptr<Component> Checkpoint::Clone() const
{
    return std::make_shared<Checkpoint>(*this);
}

void Checkpoint::Serialize(std::ostream& stream) const
{
    WriteString(stream, GetTypeName());
}

void Checkpoint::Deserialize(std::istream& stream)
{
    (void)stream;
}
