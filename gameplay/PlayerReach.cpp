#include "gameplay/PlayerReach.h"

#include "gameplay/GameController.h"
#include "gameplay/LookUp.h"
#include "gameplay/ObjectParts.h"
#include "gameplay/PlayerBehaviour.h"
#include "objects/GameObject.h"
#include "physics/Physics.h"

bool PlayerReach::Overlaps(const GameObject* object, const std::shared_ptr<GameObject>& player)
{
    return object && player && Framework::Physics::CheckCollision(*object, *player);
}

bool PlayerReach::UpdatePrompt(const std::string& who, const GameObject* object,
                               const std::shared_ptr<GameObject>& player, bool& promptShown)
{
    const bool overlapping = Overlaps(object, player);
    if (overlapping == promptShown)
        return overlapping;
    promptShown = overlapping;
    if (!player)
        return overlapping;
    const std::shared_ptr<PlayerBehaviour> behaviour = player->GetComponent<PlayerBehaviour>();
    if (behaviour)
        behaviour->showPrompt = overlapping;
    else
        ReportMissing(who, "PlayerBehaviour on \"" + player->GetName() + "\"");
    return overlapping;
}

bool PlayerReach::InteractPressed(const std::shared_ptr<GameController>& controller, const std::string& action)
{
    return controller && !controller->playerLocked && ActionPressed(action);
}
