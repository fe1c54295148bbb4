#include "events/LightRoomEvent.h"

#include <cmath>
#include <istream>
#include <ostream>

#include "ai/BasicAI.h"
#include "events/StoryActs.h"
#include "gameplay/GameController.h"
#include "gameplay/InteractEvent.h"
#include "graphics/LightPacking.h"
#include "graphics/LightSource.h"
#include "graphics/Sprite.h"
#include "objects/GameObject.h"
#include "objects/TextWriters.h"

using namespace StoryActs;

namespace {
const Vector2 kStalkerWake(210.0f, -585.0f);
const Vector2 kStalkerChildDrop(250.0f, -525.0f);
const Vector2 kDoorOpen(190.0f, -532.9f);
}  // namespace

LightRoomEvent::LightRoomEvent() : StoryEvent(kTypeId)
{
}

void LightRoomEvent::Init()
{
    typeId = kTypeId;
    FindStoryCollaborators();
    lightSwitch = Find("LightRoomSwitch");
    restingStalker = Find("StalkerEnemyResting");
    spotlight = Find("LightRoomSpotlight");
    stalkerZone = Find("LightRoomCollider");
    glass = Find("LightRoomGlass");
    leverZone = FirstChild(Find("LightRoomLever"));
    puzzleLight = Find("LightPuzzle1-4");
    puzzleDoor = Find("LightPuzzleDoor1");
    puzzlePortal = Find("LightPuzzlePortal1");
    hintTile = Find("Stalker2grid0x12");
    if (!completed)
        SetFrame(puzzlePortal, 1);
    hintLines = {{"It seem like there is a switch nearby.", true, 0}};
}

void LightRoomEvent::ReadWorld()
{
    // The switch's state and the enemy's fate are not saved: the switch's frame tells the one,
    // and the other the start position that waking gives the enemy, which its own block keeps
    // wherever he has walked since.
    if (completed)
        return;
    const std::shared_ptr<Sprite> sprite = SpriteOf(lightSwitch);
    spotlightOn = sprite && sprite->startFrame == 1;
    const std::shared_ptr<BasicAI> ai = restingStalker ? restingStalker->GetComponent<BasicAI>() : nullptr;
    const Vector2 home = ai ? ai->StartPosition : Vector2(PositionOf(restingStalker).x, PositionOf(restingStalker).y);
    if (restingStalker && std::fabs(home.x - kStalkerWake.x) < 0.01f && std::fabs(home.y - kStalkerWake.y) < 0.01f) {
        stalkerZoneDone = true;
        switchUsable = false;
    }
}

void LightRoomEvent::UpdateStory(float dt)
{
    if (completed)
        return;
    steadyTimer += dt;

    if (!hintShown && PlayerFree() && Overlap(player, hintTile)) {
        Say(hintLines);
        hintShown = true;
    }

    // The controller is told once to hold the spotlight steady, not again every frame.
    if (spotlightOn && !steadyHeld && steadyTimer > steadyDelay && gameController) {
        if (const std::shared_ptr<LightSource> light = LightOf(spotlight))
            gameController->TorchSpark(light, false, 1.5f, 0.5f);
        steadyHeld = true;
    }

    if (Overlap(player, lightSwitch)) {
        if (switchUsable) {
            UpdatePrompt(lightSwitch.get());
            if (InteractPressed()) {
                spotlightOn = !spotlightOn;
                steadyHeld = false;
                PlaySound(lightSwitch);
                PlaySound(spotlight);
                SetLight(spotlight, spotlightOn);
                SetFrame(lightSwitch, spotlightOn ? 1 : 0);
            }
        }
    } else if (Overlap(player, leverZone)) {
        UpdatePrompt(leverZone.get());
        if (InteractPressed())
            PullLever();
    } else {
        ClearPrompt();
    }

    if (!completed && !stalkerZoneDone && Overlap(player, stalkerZone)) {
        if (spotlightOn) {
            if (const std::shared_ptr<LightSource> light = LightOf(spotlight))
                if (gameController)
                    gameController->TorchSpark(light, true, 0.3f, 0.2f);
            steadyTimer = 0.0f;
            steadyHeld = false;
        } else {
            WakeStalker();
        }
        switchUsable = false;
        stalkerZoneDone = true;
    }
}

void LightRoomEvent::WakeStalker()
{
    if (!restingStalker)
        return;
    if (const std::shared_ptr<BasicAI> ai = restingStalker->GetComponent<BasicAI>())
        ai->StartPosition = kStalkerWake;
    if (const std::shared_ptr<Sprite> sprite = SpriteOf(restingStalker))
        sprite->animateFlag = true;
    MoveTo(restingStalker, kStalkerWake);
    if (const std::shared_ptr<GameObject> child = FirstChild(restingStalker)) {
        MoveTo(child, kStalkerChildDrop);
        child->DetachFromParent();
    }
    PlaySound(restingStalker);
}

void LightRoomEvent::PullLever()
{
    PlaySound(leverZone);
    if (leverZone)
        SetFrame(leverZone->GetParent(), 1);
    SetLight(puzzleLight, true);
    MoveTo(puzzleDoor, kDoorOpen);
    PlaySound(puzzleDoor);
    SetFrame(puzzlePortal, 0);
    if (spotlightOn) {
        SetLight(spotlight, false);
        PlaySound(spotlight);
    }
    SetFrame(glass, 1);
    if (const std::shared_ptr<InteractEvent> examine = glass ? glass->GetComponent<InteractEvent>() : nullptr)
        examine->SetText("Is that the surgeon from earlier...?");
    completed = true;
    ClearPrompt();
}

std::shared_ptr<Component> LightRoomEvent::Clone() const
{
    return std::make_shared<LightRoomEvent>(*this);
}

void LightRoomEvent::Serialize(std::ostream& stream) const
{
    WriteString(stream, GetTypeName());
    WriteFlag(stream, "Completed", completed);
}

void LightRoomEvent::Deserialize(std::istream& stream)
{
    ReadFlag(stream, completed);
}
