#include "events/FlameRoom.h"

#include <ostream>

#include "audio/AudioSystem.h"
#include "engine/SceneSystem.h"
#include "events/StoryActs.h"
#include "gameplay/GameController.h"
#include "gameplay/PlayerBehaviour.h"
#include "graphics/Sprite.h"
#include "objects/GameObject.h"
#include "objects/TextWriters.h"

using namespace StoryActs;

namespace {
constexpr int kRightPortrait = 2;
// Wrong portraits are tested before the right one.
const int kPortraitOrder[4] = {0, 1, 3, 2};
}  // namespace

FlameRoom::FlameRoom() : StoryEvent(kTypeId)
{
}

void FlameRoom::Init()
{
    typeId = kTypeId;
    surgeon = Find("FinalSurg");
    falseWall = Find("FinalFalseWall");
    FindStoryCollaborators();
    playerSprite = FindComponent<Sprite>("PlayerSprite", "Sprite");
    surgeonTrigger = Find("TriggerSurg");
    flammableLeak = Find("FlammableLeak");
    surgeonEntrance = Find("Entrance2-11link");
    escapeDoor = Find("Entrance2-12");
    exitDoor = Find("Exit2-12");
    for (int i = 0; i < 4; ++i)
        portraits[i] = Find("PortraitL2-" + std::to_string(i + 1));
    leakLines = {{"This is... all flammable...", true, 0},
                 {"... ... ...", true, 0},
                 {"... ...", true, 0},
                 {"... This place cannot continue to exist.", true, 0},
                 {"I have to burn this place down... especially for her...", true, 0},
                 {"Use the Lighter?", false, 0}};
    surgeonLines = {{"...!!!", true, 0}};
    wallLines = {{"He is just behind this door, got to find another way out.", true, 0}};
    deadEndLines = {{"...", true, 0}, {"...", true, 0}, {"NOOO!!! This is a dead end...", true, 0}};
    lightLines = {{"...", true, 0}, {"...", true, 0}, {"Wait...", true, 0}, {"I think I see a light...", true, 0}};
}

void FlameRoom::Kill()
{
    // The death sequence is started once; its sound is not restarted on every frame.
    if (deathStarted || !gameController)
        return;
    deathStarted = true;
    gameController->Die();
}

void FlameRoom::UpdateStory(float dt)
{
    if (!fireLit) {
        if (Overlap(player, flammableLeak)) {
            UpdatePrompt(flammableLeak.get());
            if (InteractPressed()) {
                Say(leakLines, true);
                questionPending = true;
            }
        } else {
            ClearPrompt();
        }
        bool yes = false;
        if (questionPending && AnswerReady(yes)) {
            questionPending = false;
            if (yes)
                LightFire();
        }
    } else {
        const std::shared_ptr<GameObject> wallZone = FirstChild(falseWall);
        int wrong = -1;
        for (int index : kPortraitOrder)
            if (index != kRightPortrait && wrong < 0 && Overlap(player, portraits[index]))
                wrong = index;
        if (Overlap(player, wallZone)) {
            if (deadEndSeen) {
                Kill();
            } else {
                UpdatePrompt(wallZone.get());
                if (InteractPressed())
                    Say(wallLines);
            }
        } else if (wrong >= 0) {
            if (wrongPortraitActive) {
                ClearPrompt();
            } else {
                UpdatePrompt(portraits[wrong].get());
                if (InteractPressed())
                    BeginPortrait(false);
            }
        } else if (!rightPortraitActive && Overlap(player, portraits[kRightPortrait])) {
            UpdatePrompt(portraits[kRightPortrait].get());
            if (InteractPressed())
                BeginPortrait(true);
        } else {
            ClearPrompt();
        }
    }

    if (escaped) {
        bangTimer += dt;
        if (!bangSoundPlayed) {
            PlaySound(Find("Entrance2-12link"));
            bangSoundPlayed = true;
        }
        if (bangTimer >= bangInterval) {
            bangTimer = 0.0f;
            Shake(gameController, 1.0f, 1.0f);
        }
    }
    if (fireLit && Overlap(player, surgeonTrigger))
        escapeTriggered = true;
    if (escapeTriggered)
        UpdateEscape(dt);
    if (wrongPortraitActive)
        UpdatePortrait(dt, false);
    if (rightPortraitActive)
        UpdatePortrait(dt, true);
}

void FlameRoom::LightFire()
{
    if (!fireSoundPlayed) {
        PlaySound(flammableLeak);
        fireSoundPlayed = true;
    }
    if (const std::shared_ptr<Sprite> fire = SpriteOf(flammableLeak)) {
        fire->transparency = 1.0f;
        fire->animateFlag = true;
    }
    fireLit = true;
}

void FlameRoom::UpdateEscape(float dt)
{
    if (escapeStage >= 4)
        return;
    if (!escapeLocked && PlayerFree()) {
        if (gameController)
            gameController->LockPlayer(true);
        escapeLocked = true;
    }
    escapeTimer += dt;
    if (escapeTimer < stageDelay && escapeStage < 3)
        return;
    switch (escapeStage) {
    case 0:
        escapeStage = 1;
        escapeTimer = 0.0f;
        return;
    case 1:
        if (!surgeonShown) {
            MoveTo(surgeon, PositionOf(surgeonEntrance).x, PositionOf(surgeonEntrance).y);
            Say(surgeonLines);
            surgeonShown = true;
        }
        if (!PlayerFree())
            return;
        if (gameController)
            gameController->LockPlayer(true);
        escapeStage = 2;
        escapeTimer = 0.0f;
        return;
    case 2:
        if (!runStarted) {
            runStarted = true;
            if (playerBehaviour)
                playerBehaviour->SetTorchOffset(PlayerBehaviour::kRight);
            SetVelocity(player, runSpeed, 0.0f);
            if (playerSprite) {
                playerSprite->SetFrame(18);
                playerSprite->animationCount = 4;
                playerSprite->animateFlag = true;
            }
        }
        // Without the door there is nowhere to run to: the player is let go rather than kept.
        if (!escapeDoor) {
            SetVelocity(player, 0.0f, 0.0f);
            if (gameController)
                gameController->LockPlayer(false);
            escapeStage = 4;
            return;
        }
        if (!Overlap(player, escapeDoor))
            return;
        if (playerBehaviour)
            playerBehaviour->TeleportToObject("Entrance2-12link");
        escapeStage = 3;
        escapeTimer = 0.0f;
        return;
    default:
        if (gameController && !gameController->teleportFadingIn && gameController->teleportActive)
            return;
        SetVelocity(player, 0.0f, 0.0f);
        if (playerBehaviour)
            playerBehaviour->SetIdleFrame(PlayerBehaviour::kLeft, true);
        if (playerSprite)
            playerSprite->animateFlag = true;
        const Vector3 exitAt = PositionOf(exitDoor);
        if (exitDoor)
            MoveTo(falseWall, exitAt.x, exitAt.y);
        Hide(exitDoor);
        escaped = true;
        escapeStage = 4;
        escapeTimer = 0.0f;
        return;
    }
}

void FlameRoom::BeginPortrait(bool right)
{
    (right ? rightPortraitActive : wrongPortraitActive) = true;
    portraitFadeStarted = false;
    portraitDialoguePending = true;
    portraitTimer = portraitDelay;
}

void FlameRoom::StartScreenFade(bool out)
{
    if (!gameController)
        return;
    gameController->fadeDuration = 0.5f;
    gameController->fadeTimer = out ? 0.0f : 0.5f;
    (out ? gameController->fadingToBlack : gameController->fadingFromBlack) = true;
    gameController->playerLocked = out;
}

void FlameRoom::UpdatePortrait(float dt, bool right)
{
    if (!portraitFadeStarted) {
        PlaySound(portraits[0]);
        StartScreenFade(true);
        portraitFadeStarted = true;
    }
    portraitTimer -= dt;
    if (portraitTimer > 0.0f)
        return;
    if (portraitDialoguePending) {
        portraitDialoguePending = false;
        if (right) {
            Say(lightLines);
        } else if (!deadEndSeen) {
            Say(deadEndLines);
            deadEndSeen = true;
        } else {
            Kill();
        }
    }
    if (!PlayerFree() || deathStarted)
        return;
    if (!right) {
        StartScreenFade(false);
        wrongPortraitActive = false;
        return;
    }
    rightPortraitActive = false;
    if (endingRequested)
        return;
    endingRequested = true;
    if (gAudioSystem) {
        gAudioSystem->soundGroup.Stop();
        gAudioSystem->bgmGroup.Stop();
    }
    if (gSceneSystem)
        gSceneSystem->nextScene = SceneId::Ending;
}

std::shared_ptr<Component> FlameRoom::Clone() const
{
    return std::make_shared<FlameRoom>(*this);
}

void FlameRoom::Serialize(std::ostream& stream) const
{
    WriteString(stream, GetTypeName());
}

void FlameRoom::Deserialize(std::istream& stream)
{
    (void)stream;
}
