#include "gameplay/PlayerBehaviour.h"

#include <ostream>

#include "objects/TextWriters.h"

PlayerBehaviour::PlayerBehaviour() : Component(kTypeId)
{
}

void PlayerBehaviour::Init()
{
    typeId = kTypeId;
}

void PlayerBehaviour::Update(float dt)
{
    (void)dt;
}

std::shared_ptr<Component> PlayerBehaviour::Clone() const
{
    return std::make_shared<PlayerBehaviour>(*this);
}

void PlayerBehaviour::Serialize(std::ostream& stream) const
{
    WriteString(stream, GetTypeName());
}

void PlayerBehaviour::Deserialize(std::istream& stream)
{
    (void)stream;
}
