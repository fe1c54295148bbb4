#include "events/TBC.h"

#include <ostream>

#include "audio/Audio.h"
#include "engine/StepToward.h"
#include "events/StoryActs.h"
#include "gameplay/GameController.h"
#include "gameplay/PlayerBehaviour.h"
#include "graphics/Sprite.h"
#include "objects/GameObject.h"
#include "objects/TextWriters.h"

using namespace StoryActs;

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

void TBC::UpdateStory(float dt)
{
    if (completed) {
        if (trapDoorOpen)
            SetFrame(trapDoor, 3);
        if (exit && leverTarget && gameController && PlayerOverlaps(exit.get()) && PlayerFree())
            gameController->FadeTeleport(PlaceOf(leverTarget), false, 0.5f);
        return;
    }

    if (!leverPulled && UpdatePrompt()) {
        if (InteractPressed()) {
            if (playerBehaviour)
                playerBehaviour->FaceTowards(Vector2(1.0f, 0.0f));
            leverPulled = true;
            if (const auto sprite = SpriteOf(trapDoor)) {
                sprite->animateFlag = true;
                sprite->animationCount = 4;
                sprite->animationDelay = 0.7f;
            }
            if (gameController)
                gameController->LockPlayer(true);
            Shake(gameController, 3.0f, 1.0f);
            PlaySound(trapDoor);
            SetFrame(lever, 1);
            PlaySound(lever);
        }
    } else {
        ClearPrompt();
    }

    if (!leverPulled)
        return;
    const auto doorSprite = SpriteOf(trapDoor);
    // Without a trap-door sprite there is nothing to wait for.
    if (!trapDoorSettled && (!doorSprite || doorSprite->currentFrame >= 3)) {
        if (doorSprite)
            doorSprite->animateFlag = false;
        trapDoorSettled = true;
    }
    if (!trapDoorSettled)
        return;
    const auto doorAudio = AudioOf(trapDoor);
    const float volume = doorAudio ? doorAudio->volume : 0.0f;
    const auto leverAudio = AudioOf(lever);
    if (volume < creakBelow && leverAudio && !leverAudio->isPlaying)
        leverAudio->Play();
    if (volume > 0.0f) {
        doorAudio->volume = Framework::StepToward(volume, 0.0f, fadeRate * dt);
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
