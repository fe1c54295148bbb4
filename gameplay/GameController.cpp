#include "gameplay/GameController.h"

#include <ostream>

#include "objects/TextWriters.h"

GameController::GameController() : Component(kTypeId)
{
}

void GameController::Init()
{
    typeId = kTypeId;
}

void GameController::Update(float dt)
{
    (void)dt;
}

std::shared_ptr<Component> GameController::Clone() const
{
    return std::make_shared<GameController>(*this);
}

void GameController::Serialize(std::ostream& stream) const
{
    WriteString(stream, GetTypeName());
}

void GameController::Deserialize(std::istream& stream)
{
    (void)stream;
}
