#include "events/SurgeonChase.h"

#include <algorithm>
#include <istream>
#include <ostream>

#include "audio/Audio.h"
#include "engine/FrameSteps.h"
#include "events/ReceptionEvent.h"
#include "events/StoryActs.h"
#include "gameplay/GameController.h"
#include "gameplay/PlayerBehaviour.h"
#include "gameplay/ShownPictures.h"
#include "graphics/Sprite.h"
#include "objects/GameObject.h"
#include "objects/ObjectList.h"
#include "objects/TextWriters.h"
#include "physics/Collider.h"

using namespace StoryActs;

namespace {
// The route's marks, in the order the legs use them.
enum Mark { kExit13, kEntrance12, kExit12, kColl3, kEntrance11a, kExit11a, kReception3, kEntrance14, kExit18a };
const char* const kMarkNames[9] = {"Exit1-3link",      "Entrance1-2link", "Exit1-2link",
                                   "SurgColl3",        "Entrance1-1alink", "Exit1-1alink",
                                   "Reception3Collider", "Entrance1-4link", "Exit1-8alink"};
constexpr float kPanOutSpeed = 5.0f;
constexpr float kPanBackSpeed = 20.0f;
constexpr float kPanDelay = 1.0f;
constexpr float kSpawnDelay = 0.25f;
constexpr float kPanBackDelay = 0.5f;
// Ending stage times from the escape, and the shake times from the sound's start.
const float kEndingTimes[5] = {0.5f, 1.5f, 3.5f, 12.5f, 13.5f};
const float kShakeTimes[3] = {0.2f, 2.0f, 3.5f};
constexpr float kBackAwaySpeed = 0.7f;
}  // namespace

SurgeonChase::SurgeonChase() : StoryEvent(kTypeId)
{
}

void SurgeonChase::Init()
{
    typeId = kTypeId;
    self = OwnerHandle();
    surgeonSprite = Find("SurgeonSprite");
    surgeonCollider = Find("SurgeonCollider");
    FindStoryCollaborators();
    camera = Find("Camera");
    softToy = Find("SoftToy");
    playerSprite = Find("PlayerSprite");
    torch = Find("Torch");
    surgFalseWall = Find("SurgFalseWall");
    zone1 = Find("SurgColl1");
    zone2 = Find("SurgColl2");
    blockZone = Find("SurgBlockColl");
    spawn = Find("SurgSpawn");
    panMark = Find("SurgChasePan");
    for (int i = 0; i < 9; ++i)
        route[i] = Find(kMarkNames[i]);
    surgAudio = AudioOf(Find("SurgAudio"));
    doorAudio = AudioOf(Find("DoorAudio"));
    chaseMusic = AudioOf(Find("ReceptionRubble1"));
    receptionDoor = Find("ReceptionDoor3");
    chaseDoor = Find("ChaseDoor3");
    escapeTarget = Find("Entrance1-8alink");
    notes = Find("ExperimentNotes");
    jammedDoor = Find("SurgChaseCollider");
    receptionTrigger = route[kReception3];
    jammedLines = {{"The door is jammed...", true, 0}};
    deadEndLines = {{"That way is a dead end!", true, 0}};
    goneLines = {{"... ... ...", true, 0}, {"... ...", true, 0}, {"... is he gone?", true, 0}};
}

void SurgeonChase::ReadWorld()
{
    // The door opening is not saved as such; a wall found without its collider tells that
    // the chase had opened the way, and the door's look and the desk follow again.
    const std::shared_ptr<GameObject> wall = Find("FalseWallSurg");
    if (!completed && wall && !wall->GetComponent<Collider>())
        OpenDoor();
}

void SurgeonChase::UpdateStory(float dt)
{
    if (completed) {
        UpdateAfter();
        return;
    }

    if (chaseRunning) {
        if (!surgeonPaused && !PlayerFree()) {
            savedVelocity = VelocityOf(self);
            SetVelocity(self, 0.0f, 0.0f);
            if (const std::shared_ptr<Sprite> sprite = SpriteOf(surgeonSprite))
                sprite->animateFlag = false;
            surgeonPaused = true;
        } else if (surgeonPaused && PlayerFree()) {
            SetVelocity(self, savedVelocity.x, savedVelocity.y);
            if (const std::shared_ptr<Sprite> sprite = SpriteOf(surgeonSprite))
                sprite->animateFlag = true;
            surgeonPaused = false;
        }
    }

    if (dollTriggered && !introStarted && !escapeStarted && (Overlap(player, zone1) || Overlap(player, zone2))) {
        if (gameController) {
            gameController->LockPlayer(true);
            gameController->FadeOutBGM(1.0f);
        }
        introStarted = true;
        stageTimer = 0.0f;
        cameraStart = PositionOf(camera);
        softToyStart = PositionOf(softToy);
        PlaySound(panMark);
    }
    // The intro plays once: after the route's end it does not open again.
    if (introStarted && !chaseBegun && !escapeStarted)
        UpdateIntro(dt);

    if (chaseBegun && !escapeStarted && Overlap(player, blockZone)) {
        const Vector3 at = PositionOf(player);
        // Pushed back as fast as he walks into it, whatever the frame rate.
        MoveTo(player, at.x, at.y + 0.1f * Framework::FramesWorth(dt));
        if (PlayerFree())
            Say(deadEndLines);
    }

    if (chaseRunning && PlayerFree()) {
        if (!doorOpened)
            OpenDoor();
        UpdateChase(dt);
    }

    if (!escapeStarted) {
        if (Overlap(player, chaseDoor)) {
            UpdatePrompt(chaseDoor.get());
            if (InteractPressed()) {
                SetVelocity(self, 0.0f, 0.0f);
                chaseRunning = false;
                if (gameController)
                    gameController->FadeTeleport(PlaceOf(escapeTarget), true, 0.5f);
                escapeStarted = true;
                stageTimer = 0.0f;
                ClearPrompt();
            }
        } else {
            ClearPrompt();
        }
        return;
    }
    UpdateEnding(dt);
}

void SurgeonChase::UpdateAfter()
{
    if (Overlap(player, chaseDoor)) {
        UpdatePrompt(chaseDoor.get());
        if (InteractPressed()) {
            PlaySound(doorAudio);
            if (gameController && escapeTarget)
                gameController->FadeTeleport(PlaceOf(escapeTarget), false, 0.5f);
        }
    } else if (Overlap(player, notes)) {
        UpdatePrompt(notes.get());
        if (!notesShowing && InteractPressed()) {
            const std::shared_ptr<Audio> sound = AudioOf(notes);
            PlaySound(sound);
            Hide(notes);
            if (gameController)
                gameController->ShowImage(shownpictures::kExperimentReport.sheet, 0, 0, shownpictures::kExperimentReport.scale,
                                          50.0f, sound, "", 0.5f);
            notesShowing = true;
        }
    } else if (Overlap(player, jammedDoor)) {
        UpdatePrompt(jammedDoor.get());
        if (InteractPressed())
            Say(jammedLines);
    } else {
        ClearPrompt();
    }
    if (notesShowing && PlayerFree())
        notesShowing = false;
}

void SurgeonChase::UpdateIntro(float dt)
{
    stageTimer += dt;
    if (!panDone) {
        if (stageTimer < kPanDelay)
            return;
        const Vector3 mark = PositionOf(panMark);
        const Vector3 at = PositionOf(camera);
        const float step = kPanOutSpeed * dt;
        // Each leg's last step stops on the mark, however long the frame.
        if (panMark && camera && mark.x > at.x) {
            PanViewToward(camera, softToy, Vector2(mark.x, at.y), step);
        } else if (panMark && camera && mark.y > at.y) {
            PanViewToward(camera, softToy, Vector2(at.x, mark.y), step);
        } else {
            panDone = true;
            stageTimer = 0.0f;
        }
        return;
    }
    if (!surgeonSpawned) {
        if (stageTimer < kSpawnDelay)
            return;
        StopSound(panMark);
        if (spawn)
            MoveTo(self, PositionOf(spawn).x, PositionOf(spawn).y);
        SetFrame(surgeonSprite, 0);
        PlaySound(surgeonCollider);
        surgeonSpawned = true;
        stageTimer = 0.0f;
        return;
    }
    if (stageTimer < kPanBackDelay)
        return;
    const Vector3 at = PositionOf(camera);
    const float step = kPanBackSpeed * dt;
    if (camera && at.x > cameraStart.x) {
        PanViewToward(camera, softToy, Vector2(cameraStart.x, at.y), step);
        return;
    }
    if (camera && at.y > cameraStart.y) {
        PanViewToward(camera, softToy, Vector2(at.x, cameraStart.y), step);
        return;
    }
    if (gameController)
        gameController->LockPlayer(false);
    MoveTo(camera, cameraStart.x, cameraStart.y);
    MoveTo(softToy, softToyStart.x, softToyStart.y);
    chaseBegun = true;
    chaseRunning = true;
    stageTimer = 0.0f;
    gChaseActive = true;
    PlaySound(chaseMusic);
}

void SurgeonChase::OpenDoor()
{
    doorOpened = true;
    if (const std::shared_ptr<ReceptionEvent> reception =
            receptionTrigger ? receptionTrigger->GetComponent<ReceptionEvent>() : nullptr)
        reception->active = false;
    SwapPicture(receptionDoor, "DoorOpenFully_1x1.png");
    const std::shared_ptr<GameObject> wall = Find("FalseWallSurg");
    if (const std::shared_ptr<Collider> box = wall ? wall->GetComponent<Collider>() : nullptr)
        wall->RemoveComponent(box);
}

void SurgeonChase::DoorJump(const std::shared_ptr<GameObject>& target)
{
    const Vector3 to = PositionOf(target);
    MoveTo(self, to.x, to.y);
    PlaySound(AudioOf(self));
}

void SurgeonChase::UpdateChase(float dt)
{
    if (!caught && PlayerFree() && Overlap(surgeonCollider, player)) {
        caught = true;
        if (chaseMusic)
            chaseMusic->Stop();
        if (gameController)
            gameController->Die();
    }
    const float v = chaseSpeed;
    const std::shared_ptr<Sprite> sprite = SpriteOf(surgeonSprite);
    auto frame = [&sprite](int n) {
        if (sprite)
            sprite->SetFrame(n);
    };
    // A leg whose mark is missing is passed over, so the surgeon never runs on for ever. He turns
    // exactly on each mark, taking the next leg in the same frame; the door marks only have to
    // be passed, as he jumps through them.
    for (bool advanced = true; advanced && routeLeg < 6;) {
        advanced = false;
        const Vector3 at = PositionOf(self);
        switch (routeLeg) {
        case 0: {
            const Vector3 mark = PositionOf(route[kExit13]);
            if (route[kExit13] && at.y > mark.y) {
                if (sprite)
                    sprite->animateFlag = true;
                advanced = WalkTo(self, Vector2(at.x, mark.y), v, dt);
            } else if (route[kExit13] && at.x > mark.x) {
                if (!leftTurnMade)
                    frame(15);
                leftTurnMade = true;
                advanced = WalkTo(self, Vector2(mark.x, at.y), v, dt);
            } else {
                frame(5);
                SetVelocity(self, 0.0f, v);
                routeLeg = 1;
                advanced = true;
            }
            break;
        }
        case 1:
            if (!route[kEntrance12] || at.y > PositionOf(route[kEntrance12]).y) {
                DoorJump(route[kExit12]);
                nextTurn = PositionOf(route[kColl3]).y;
                routeLeg = 2;
                advanced = true;
            }
            break;
        case 2:
            if (WalkTo(self, Vector2(at.x, nextTurn), v, dt)) {
                SetVelocity(self, v, 0.0f);
                frame(10);
                routeLeg = 3;
                advanced = true;
            }
            break;
        case 3:
            if (!turnMade) {
                if (!route[kEntrance11a] || WalkTo(self, Vector2(PositionOf(route[kEntrance11a]).x, at.y), v, dt)) {
                    SetVelocity(self, 0.0f, v);
                    frame(5);
                    turnMade = true;
                    advanced = true;
                }
            } else if (!route[kEntrance11a] || at.y > PositionOf(route[kEntrance11a]).y) {
                DoorJump(route[kExit11a]);
                nextTurn = PositionOf(route[kReception3]).y;
                turnMade = false;
                routeLeg = 4;
                advanced = true;
            }
            break;
        case 4:
            if (at.y > nextTurn) {
                DoorJump(route[kEntrance14]);
                nextTurn = PositionOf(route[kExit18a]).y;
                routeLeg = 5;
                advanced = true;
            }
            break;
        case 5:
            if (!turnMade) {
                if (!route[kExit18a] || WalkTo(self, Vector2(at.x, nextTurn), v, dt)) {
                    SetVelocity(self, v, 0.0f);
                    frame(10);
                    turnMade = true;
                    nextTurn = PositionOf(route[kExit18a]).x;
                    advanced = true;
                }
            } else if (!route[kExit18a] || WalkTo(self, Vector2(nextTurn, at.y), v, dt)) {
                SetVelocity(self, 0.0f, 0.0f);
                if (sprite)
                    sprite->animateFlag = false;
                frame(5);
                routeLeg = 6;
                // The surgeon waits at the route's end; he still catches a player who comes to him.
            }
            break;
        default:
            break;
        }
    }
}

void SurgeonChase::UpdateEnding(float dt)
{
    if (goneStarted) {
        if (!PlayerFree())
            return;
        Hide(surgFalseWall);
        gChaseActive = false;
        if (gameController)
            gameController->RestartBGM();
        completed = true;
        return;
    }
    if (const std::shared_ptr<GameObject> at = playerSprite)
        MoveTo(torch, PositionOf(at).x - 0.7f, PositionOf(at).y - 0.5f);
    if (gameController && !gameController->playerLocked) {
        gameController->LockPlayer(true);
        return;
    }
    stageTimer += dt;
    if (chaseMusic) {
        if (chaseMusic->volume > 0.0f)
            chaseMusic->volume = std::max(0.0f, chaseMusic->volume - 100.0f * dt);
        else
            chaseMusic->Stop();
    }
    const std::shared_ptr<Sprite> sprite = SpriteOf(playerSprite);
    if (endingStage < 5 && stageTimer >= kEndingTimes[endingStage]) {
        switch (endingStage) {
        case 0:
            if (sprite) {
                sprite->SetFrame(0);
                sprite->animateFlag = false;
            }
            Hide(self);
            break;
        case 1:
            if (playerBehaviour)
                playerBehaviour->SetIdleFrame(PlayerBehaviour::kDown, true);
            SetVelocity(player, 0.0f, kBackAwaySpeed);
            if (sprite) {
                sprite->animationCount = 4;
                sprite->animateFlag = true;
            }
            PlaySound(surgAudio);
            break;
        case 2:
            SetVelocity(player, 0.0f, 0.0f);
            if (sprite) {
                sprite->SetFrame(0);
                sprite->animateFlag = false;
            }
            break;
        case 3:
            if (surgAudio)
                surgAudio->Stop();
            break;
        default:
            Say(goneLines);
            goneStarted = true;
            break;
        }
        ++endingStage;
    }
    if (shakesDone < 3 && surgAudio && surgAudio->isPlaying) {
        shakeClock += dt;
        if (shakeClock >= kShakeTimes[shakesDone]) {
            Shake(gameController, 0.5f, 1.0f);
            ++shakesDone;
        }
    }
}

std::shared_ptr<Component> SurgeonChase::Clone() const
{
    return std::make_shared<SurgeonChase>(*this);
}

void SurgeonChase::Serialize(std::ostream& stream) const
{
    WriteString(stream, GetTypeName());
    WriteFlag(stream, "Completed", completed);
    WriteFlag(stream, "DollTriggered", dollTriggered);
}

void SurgeonChase::Deserialize(std::istream& stream)
{
    if (ReadFlag(stream, completed))
        ReadFlag(stream, dollTriggered);
}
