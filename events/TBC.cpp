#include "events/TBC.h"

#include <ostream>

#include "audio/Audio.h"
#include "events/StoryObjects.h"
#include "gameplay/GameController.h"
#include "gameplay/PlayerBehaviour.h"
#include "graphics/Sprite.h"
#include "objects/GameObject.h"
#include "objects/TextWriters.h"

TBC::TBC() : StoryEvent(kTypeId)
{
}

void TBC::Init()
{
    typeId = kTypeId;
    FindStoryCollaborators();
    leverTarget = Find("LeverMove");
    lever = Find("SmashingLever");
    trapDoor = Find("TrapDoor");
    exit = Find("Entrance1-6a");
}

void TBC::Update(float dt)
{
    if (completed) {
        if (trapDoorOpen)
            story::SetFrame(trapDoor, 3);
        if (exit && leverTarget && gameController && PlayerOverlaps(exit.get()) && PlayerFree())
            gameController->FadeTeleport(story::PositionOf(leverTarget), false, 0.5f);
        return;
    }

    if (!leverPulled && UpdatePrompt()) {
        if (InteractPressed()) {
            if (playerBehaviour)
                playerBehaviour->FaceTowards(Vector2(1.0f, 0.0f));
            leverPulled = true;
            if (const auto sprite = story::SpriteOf(trapDoor)) {
                sprite->animateFlag = true;
                sprite->animationCount = 4;
                sprite->animationDelay = 0.7f;
            }
            if (gameController) {
                gameController->LockPlayer(true);
                gameController->shaking = true;
                gameController->shakeTimer = 0.0f;
                gameController->shakeDuration = 3.0f;
                gameController->shakeMagnitude = 1.0f;
            }
            story::PlayOf(trapDoor);
            story::SetFrame(lever, 1);
            story::PlayOf(lever);
        }
    } else {
        ClearPrompt();
    }

    if (!leverPulled)
        return;
    const auto doorSprite = story::SpriteOf(trapDoor);
    // Without a trap-door sprite there is nothing to wait for.
    if (!trapDoorSettled && (!doorSprite || doorSprite->currentFrame >= 3)) {
        if (doorSprite)
            doorSprite->animateFlag = false;
        trapDoorSettled = true;
    }
    if (!trapDoorSettled)
        return;
    const auto doorAudio = story::AudioOf(trapDoor);
    const float volume = doorAudio ? doorAudio->volume : 0.0f;
    const auto leverAudio = story::AudioOf(lever);
    if (volume < creakBelow && leverAudio && !leverAudio->isPlaying)
        leverAudio->Play();
    if (volume > 0.0f) {
        doorAudio->volume = volume - fadeRate * dt;
    } else {
        if (gameController)
            gameController->LockPlayer(false);
        completed = true;
        trapDoorOpen = true;
    }
}

std::shared_ptr<Component> TBC::Clone() const
{
    return std::make_shared<TBC>(*this);
}

void TBC::Serialize(std::ostream& stream) const
{
    WriteString(stream, GetTypeName());
    WriteFlag(stream, "Completed", completed);
}

void TBC::Deserialize(std::istream& stream)
{
    ReadFlag(stream, completed);
}
