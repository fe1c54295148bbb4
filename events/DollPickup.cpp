#include "events/DollPickup.h"

#include <algorithm>
#include <istream>
#include <ostream>

#include "audio/Audio.h"
#include "events/StoryActs.h"
#include "events/SurgeonChase.h"
#include "gameplay/GameController.h"
#include "gameplay/PlayerBehaviour.h"
#include "graphics/LightPacking.h"
#include "graphics/LightSource.h"
#include "graphics/Sprite.h"
#include "objects/GameObject.h"
#include "objects/TextWriters.h"
#include "objects/Transform.h"

using namespace StoryActs;

namespace {
// Out of play by its x, but not at the hidden place itself.
constexpr float kPutAwayX = kHidden;
constexpr float kPutAwayY = 1000.0f;
constexpr float kFadeOutEnd = 1.0f;
constexpr float kWalkStart = 2.0f;
constexpr float kWalkEnd = 4.0f;
constexpr float kGirlFadeEnd = 7.0f;
constexpr float kGirlStageEnd = 7.5f;
constexpr float kCameraSpeed = 7.0f;
constexpr float kCameraWait = 3.0f;
constexpr float kReturnWait = 1.0f;
constexpr float kKnifeRise = 1.0f;
constexpr float kKnifeSpeed = 3.0f;
constexpr float kSurgeonFadeRate = 3.0f;

void PutAway(const std::shared_ptr<GameObject>& object)
{
    MoveTo(object, kPutAwayX, kPutAwayY);
}
}  // namespace

DollPickup::DollPickup() : StoryEvent(kTypeId)
{
}

void DollPickup::Init()
{
    typeId = kTypeId;
    knifeEnemy = Find("KnifeEnemy");
    surgeonSprite = Find("SurgeonSprite");
    camera = Find("Camera");
    dollTrigger = Find("DollTrigger");
    dollTextCollider = Find("DollTextCollider");
    FindStoryCollaborators();
    playerSprite = Find("PlayerSprite");
    torch = Find("Torch");
    controllerObject = Find("GameController");
    doll = Find("Doll");
    softToy = Find("SoftToy");
    girl = Find("Girl");
    teddy = Find("Teddy");
    knifeStart = PlaceOf(Find("Entrance1-3link"));
    savepoint = Find("Savepoint1");
    newSaveSpawn = Find("NewSaveSpawn");
    receptionTable = Find("ReceptionTable");
    rubble1 = Find("ReceptionRubble1");
    rubble2 = Find("ReceptionRubble2");
    teddyHead = Find("TeddyHead");
    teddyBody = Find("TeddyBod");
    exitDoor = Find("Exit1-3a");
    entranceDoor = Find("Entrance1-3a");
    roomAudio = Find("RoomAudio");
    shelves = Find("OperationShelves");
    operationRubble = Find("OperationRubble");
    familiarLines = {{"That looks familiar...", true, 0}};
    pickupLines = {{"This... was my daughter's favourite doll...", true, 0}, {"Picked up Old Doll.", false, 0}};
    whatLines = {{"What... was that?", true, 0}};
}

void DollPickup::HideObjects()
{
    Hide(shelves);
    MoveTo(operationRubble, rubblePosition);
}

void DollPickup::ApplyFinishedRoom()
{
    HideObjects();
    PutAway(doll);
    SetAlpha(teddyHead, 1.0f);
    SetAlpha(teddyBody, 1.0f);
    SetFrame(receptionTable, 2);
    MoveTo(rubble1, rubble1Position);
    MoveTo(rubble2, rubble2Position);
}

void DollPickup::UpdateStory(float dt)
{
    if (completed) {
        if (!completedApplied) {
            completedApplied = true;
            ApplyFinishedRoom();
        }
        return;
    }

    if (!familiarShown) {
        if (Overlap(player, dollTextCollider)) {
            Say(familiarLines);
            familiarShown = true;
            if (gameController)
                gameController->CrossFadeBGM(AudioOf(girl), 1.0f);
            girlMusicOn = true;
        }
    } else if (!dollPicked) {
        if (!girlMusicOn && Overlap(player, exitDoor)) {
            if (const std::shared_ptr<Audio> music = AudioOf(controllerObject))
                music->CrossFadeTo(AudioOf(girl), 1.0f);
            girlMusicOn = true;
        } else if (girlMusicOn && Overlap(player, entranceDoor)) {
            if (const std::shared_ptr<Audio> music = AudioOf(girl))
                music->CrossFadeTo(AudioOf(controllerObject), 1.0f);
            girlMusicOn = false;
        }
    }

    if (!dollPicked && Overlap(player, doll)) {
        UpdatePrompt(doll.get());
        if (InteractPressed())
            PickUpDoll();
    } else {
        ClearPrompt();
    }

    if (!rumbleStarted && dollPicked && Overlap(player, roomAudio)) {
        StopSound(girl);
        PlaySound(roomAudio);
        if (gameController)
            gameController->LockPlayer(true);
        rumbleStarted = true;
        HideObjects();
    }

    if (!secondShakeDone && rumbleStarted && SoundPlaying(roomAudio)) {
        rumbleTimer += dt;
        if (rumbleTimer >= 2.9f && !firstShakeDone) {
            firstShakeDone = true;
            Shake(gameController, 1.25f, 1.0f);
        } else if (rumbleTimer >= 4.7f && !secondShakeDone) {
            secondShakeDone = true;
            Shake(gameController, 2.0f, 2.0f);
        }
    }

    if (rumbleStarted && !whatShown) {
        stageTimer += dt;
        if (stageTimer >= whatDelay) {
            Say(whatLines);
            if (const std::shared_ptr<Audio> sound = AudioOf(doll))
                sound->CrossFadeTo(AudioOf(controllerObject), 1.0f);
            whatShown = true;
            stageTimer = 0.0f;
        }
    }

    if (!surgeonStarted && dollPicked && whatShown && !visionStarted && PlayerFree() &&
        Overlap(player, dollTrigger)) {
        if (gameController)
            gameController->LockPlayer(true);
        if (const std::shared_ptr<Sprite> sprite = SpriteOf(playerSprite))
            sprite->animateFlag = true;
        SetVelocity(player, playerBehaviour ? -playerBehaviour->speed : -5.0f, 0.0f);
        visionStarted = true;
        stageTimer = 0.0f;
    }
    if (visionStarted)
        UpdateGirlScene(dt);
}

void DollPickup::PickUpDoll()
{
    if (player)
        for (const auto& child : player->children)
            if (child && child->name == "SoftToy")
                SetAlpha(child, 1.0f);
    PutAway(doll);
    PutAway(teddy);
    PlaySound(doll);
    dollPicked = true;
    ClearPrompt();
    Say(pickupLines);
}

void DollPickup::UpdateGirlScene(float dt)
{
    stageTimer += dt;
    const float t = stageTimer;
    const std::shared_ptr<Sprite> sprite = SpriteOf(playerSprite);
    const std::shared_ptr<LightSource> light = LightOf(torch);
    if (t < kFadeOutEnd) {
        if (sprite)
            sprite->transparency = std::max(0.0f, sprite->transparency - dt * kFadeOutEnd);
    } else if (t >= kWalkStart && t < kWalkEnd) {
        if (const std::shared_ptr<Transform> transform = player ? player->GetComponent<Transform>() : nullptr)
            transform->SetPosition(Vector2(transform->position.x + walkSpeed * dt, transform->position.y));
    } else if (t >= kWalkEnd && t < kGirlStageEnd) {
        const float alpha = AlphaOf(girl);
        if (alpha < girlTargetAlpha) {
            SetAlpha(girl, std::min(girlTargetAlpha,
                                    alpha + 1.0f / (kGirlFadeEnd - kWalkEnd) * dt * girlTargetAlpha));
        } else if (!teleportRequested) {
            // Asked once: a repeated request would restart the door sound on every frame.
            teleportRequested = true;
            const Vector2 target = PlaceOf(Find("Entrance1-3alink"));
            if (gameController)
                gameController->FadeTeleport(target, false, teleportFadeTime);
            PlaySound(dollTrigger);
        }
    }
    // The end of the fade-out runs once, whatever the frame length, by the time it is due.
    if (!fadeOutDone && (t >= kFadeOutEnd || (sprite && sprite->transparency <= 0.01f))) {
        fadeOutDone = true;
        SetVelocity(player, 0.0f, 0.0f);
        if (sprite)
            sprite->animateFlag = false;
        if (light) {
            savedMinBrightness = light->MinimumBrightness;
            light->HalfAngle = 0.0f;
            light->MinimumBrightness = 0.0f;
            gLightsDirty = true;
        }
        MoveTo(savepoint, PositionOf(newSaveSpawn).x, PositionOf(newSaveSpawn).y);
    }
    if (t > kGirlFadeEnd + teleportFadeTime && !surgeonStarted) {
        if (sprite)
            sprite->transparency = 0.5f;
        if (light) {
            light->HalfAngle = 0.523599f;
            light->MinimumBrightness = savedMinBrightness;
            gLightsDirty = true;
        }
        PutAway(dollTrigger);
        PutAway(girl);
        surgeonStarted = true;
        MoveTo(knifeEnemy, knifeStart);
        if (const std::shared_ptr<Sprite> surgeon = SpriteOf(surgeonSprite)) {
            surgeon->SetFrame(5);
            surgeon->animateFlag = false;
        }
        knifeGoal = PositionOf(knifeEnemy).y + kKnifeRise;
        sceneTimer = 0.0f;
    }
    if (surgeonStarted)
        UpdateSurgeonScene(dt);
}

void DollPickup::UpdateSurgeonScene(float dt)
{
    if (sceneFinished)
        return;
    const float step = kCameraSpeed * dt;
    if (!knifeWalking) {
        if (!surgeonLocked && PlayerFree()) {
            surgeonLocked = true;
            if (playerBehaviour)
                playerBehaviour->SetIdleFrame(PlayerBehaviour::kLeft, true);
            if (gameController)
                gameController->LockPlayer(true);
            const Vector3 at = PositionOf(player);
            cameraTarget = Vector2(at.x + cameraOffset.x, at.y + cameraOffset.y);
        }
        sceneTimer += dt;
        if (sceneTimer <= kCameraWait || !surgeonLocked)
            return;
        // Each leg's last step stops on its mark, however long the frame.
        const Vector3 at = PositionOf(camera);
        if (camera && at.x > cameraTarget.x) {
            PanViewToward(camera, softToy, Vector2(cameraTarget.x, at.y), step);
        } else if (camera && at.y < cameraTarget.y) {
            PanViewToward(camera, softToy, Vector2(at.x, cameraTarget.y), step);
        } else {
            knifeWalking = true;
            sceneTimer = 0.0f;
            if (const std::shared_ptr<Sprite> surgeon = SpriteOf(surgeonSprite))
                surgeon->animateFlag = true;
            SetVelocity(knifeEnemy, 0.0f, kKnifeSpeed);
        }
        return;
    }
    if (knifeEnemy && !WalkTo(knifeEnemy, Vector2(PositionOf(knifeEnemy).x, knifeGoal), kKnifeSpeed, dt))
        return;
    SetVelocity(knifeEnemy, 0.0f, 0.0f);
    sceneTimer += dt;
    if (const std::shared_ptr<Sprite> surgeon = SpriteOf(surgeonSprite))
        surgeon->transparency = std::max(0.0f, surgeon->transparency - kSurgeonFadeRate * dt);
    if (sceneTimer < kReturnWait)
        return;
    const Vector3 at = PositionOf(camera);
    const Vector3 me = PositionOf(player);
    if (camera && at.y > me.y)
        PanViewToward(camera, softToy, Vector2(at.x, me.y), step);
    else if (camera && me.x > at.x)
        PanViewToward(camera, softToy, Vector2(me.x, at.y), step);
    else
        Finish();
}

void DollPickup::Finish()
{
    if (gameController)
        gameController->LockPlayer(false);
    sceneFinished = true;
    SetVelocity(knifeEnemy, 0.0f, 0.0f);
    if (const std::shared_ptr<Sprite> surgeon = SpriteOf(surgeonSprite)) {
        surgeon->transparency = 1.0f;
        surgeon->SetFrame(0);
        surgeon->animateFlag = false;
    }
    PutAway(knifeEnemy);
    if (const std::shared_ptr<SurgeonChase> chase = knifeEnemy ? knifeEnemy->GetComponent<SurgeonChase>() : nullptr)
        chase->dollTriggered = true;
    completed = true;
    completedApplied = true;
    ApplyFinishedRoom();
}

std::shared_ptr<Component> DollPickup::Clone() const
{
    return std::make_shared<DollPickup>(*this);
}

void DollPickup::Serialize(std::ostream& stream) const
{
    WriteString(stream, GetTypeName());
    WriteFlag(stream, "Completed", completed);
}

void DollPickup::Deserialize(std::istream& stream)
{
    ReadFlag(stream, completed);
}
