#include "gameplay/ZOrder.h"

#include <ostream>

#include "gameplay/GameController.h"
#include "gameplay/LookUp.h"
#include "gameplay/PlayerReach.h"
#include "objects/GameObject.h"
#include "objects/TextWriters.h"
#include "objects/Transform.h"

ZOrder::ZOrder() : Component(kTypeId)
{
}

void ZOrder::Init()
{
    typeId = kTypeId;
    ownerObject = GetOwner();
    ownTransform = ownerObject ? ownerObject->GetComponent<Transform>() : nullptr;
    if (ownerObject && !ownTransform)
        ReportMissing(GetTypeName(), "Transform on the zone \"" + ownerObject->GetName() + "\"");
    player = FindRequired(GetTypeName(), "Player");
    playerSprite = FindRequired(GetTypeName(), "PlayerSprite");
    gameController = FindRequiredComponent<GameController>(GetTypeName(), "GameController", "GameController");
    playerSpriteTransform = FindRequiredComponent<Transform>(GetTypeName(), "PlayerSprite", "Transform");
    if (playerSpriteTransform)
        homeDepth = playerSpriteTransform->position.z;
}

void ZOrder::Update(float dt)
{
    (void)dt;
    // Every later step moves the sprite relative to the prop or counts on the shared counter.
    if (!ownTransform || !gameController || !playerSpriteTransform)
        return;
    if (!FindProp()) {
        // A prop gone while the player is inside must not hold the counter up.
        if (inside)
            Leave();
        return;
    }
    if (PlayerReach::Overlaps(ownerObject, player)) {
        Enter();
        PlaceSprite();
    } else if (inside) {
        Leave();
    }
}

bool ZOrder::FindProp()
{
    if (parentTransform && !parentObject.expired())
        return true;
    parentTransform = nullptr;
    parentObject = ownerObject->GetParent();
    if (const std::shared_ptr<GameObject> parent = parentObject.lock())
        parentTransform = parent->GetComponent<Transform>();
    if (!parentTransform)
        ReportMissing(GetTypeName(), "prop with a Transform as the parent of the zone \"" + ownerObject->GetName() + "\"");
    return parentTransform != nullptr;
}

void ZOrder::Enter()
{
    if (inside)
        return;
    ++gameController->zOrderCount;
    inside = true;
}

void ZOrder::Leave()
{
    --gameController->zOrderCount;
    if (gameController->zOrderCount <= 0) {
        playerSpriteTransform->position.z = homeDepth;
        placedInFront = false;
        placedBehind = false;
    }
    inside = false;
}

void ZOrder::PlaceSprite()
{
    Vector3& sprite = playerSpriteTransform->position;
    const float line = ownTransform->position.y;
    const float propDepth = parentTransform->position.z;
    if (sprite.y > line) {
        if (sprite.z >= propDepth && !placedBehind) {
            placedInFront = false;
            sprite.z = propDepth - depthStep;
            placedBehind = true;
        }
    } else if (propDepth >= sprite.z && !placedInFront) {
        placedBehind = false;
        sprite.z = propDepth + depthStep;
        placedInFront = true;
    }
}

std::shared_ptr<Component> ZOrder::Clone() const
{
    return std::make_shared<ZOrder>(*this);
}

void ZOrder::Serialize(std::ostream& stream) const
{
    WriteString(stream, GetTypeName());
}

void ZOrder::Deserialize(std::istream& stream)
{
    (void)stream;
}
