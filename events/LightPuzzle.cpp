#include "events/LightPuzzle.h"

#include <cmath>
#include <ostream>

#include "audio/Audio.h"
#include "engine/InputSystem.h"
#include "engine/KeyTable.h"
#include "engine/StepToward.h"
#include "events/StoryActs.h"
#include "gameplay/GameController.h"
#include "graphics/LightPacking.h"
#include "graphics/LightSource.h"
#include "graphics/Sprite.h"
#include "objects/GameObject.h"
#include "objects/TextWriters.h"
#include "objects/Transform.h"
#include "physics/Rigidbody.h"

using namespace StoryActs;

namespace {
const char* const kRingTexture = "WeddingRing_1x3.png";
constexpr float kNear = 0.08f;

bool Near(const Vector2& a, const Vector2& b)
{
    return std::fabs(a.x - b.x) < kNear && std::fabs(a.y - b.y) < kNear;
}

float Distance(const std::shared_ptr<GameObject>& a, const std::shared_ptr<GameObject>& b)
{
    const auto ta = TransformOf(a);
    const auto tb = TransformOf(b);
    if (!ta || !tb)
        return 1e9f;
    const Vector3 d(ta->position.x - tb->position.x, ta->position.y - tb->position.y,
                    ta->position.z - tb->position.z);
    return std::sqrt(d.x * d.x + d.y * d.y + d.z * d.z);
}
}  // namespace

LightPuzzle::LightPuzzle() : StoryEvent(kTypeId)
{
}

void LightPuzzle::Init()
{
    typeId = kTypeId;
    FindStoryCollaborators();
    playerSprite = Find("PlayerSprite");
    camera = Find("Camera");
    ringIcon = Find("RingIcon");
    piece1Icon = Find("Piece1Icon");
    piece2Icon = Find("Piece2Icon");
    slot3Icon = Find("Slot3Icon");
    softToy = Find("SoftToy");
    paper1 = Find("LightPuzzlePaper");
    door = Find("LightPuzzleDoor");
    doorCollider = Find("LightPuzzleDoorCollider");
    portal2 = Find("LightPuzzlePortal2");
    chasePoint1 = Find("Exit1-9b");
    knifeEnemy = Find("KnifeEnemy");
    surgeonSprite = Find("SurgeonSprite");
    elevatorDoorCollider = Find("ElevatorDoorCollider");
    elevatorRoomDoor = Find("ElevatorRoomDoor");
    fourthLight = Find("LightPuzzle1-4");
    ringItem = Find("LightPuzzle2Item");

    const Vector3 red(200, 0, 0), yellow(200, 200, 0), green(0, 200, 0), blue(0, 0, 200);
    Board& first = boards[0];
    first.board = Find("LightPuzzleBoard");
    first.exit = Find("Exit1-9c");
    first.colours = {red, yellow, green};
    Board& second = boards[1];
    second.board = Find("LightPuzzleBoard2");
    second.exit = Find("Exit2-3");
    second.colours = {red, blue, yellow, green};
    for (int b = 0; b < 2; ++b) {
        Board& board = boards[b];
        board.switches.clear();
        board.lights.clear();
        const size_t count = board.colours.size();
        for (size_t i = 0; i < count; ++i) {
            board.switches.push_back(Find("LightPuzzleSwitch" + std::to_string(b * 3 + i + 1)));
            board.lights.push_back(Find("LightPuzzle" + std::to_string(b + 1) + "-" + std::to_string(i + 1)));
        }
        board.switchTimers.assign(count, 0.0f);
    }

    clueLines1 = {DialogueLine("Traffi... ...ht... ...raf... light...", false, 0), DialogueLine("R...d ...", false, 0),
                  DialogueLine("...ell...w ...", false, 0), DialogueLine("Green ...", false, 0),
                  DialogueLine("...come and play~", false, 0), DialogueLine("R...d? ...ell...w? Green?", true, 0)};
    doorLockedLines = {DialogueLine("The door is locked...", true, 0)};
    huhLines = {DialogueLine("...Huh?", true, 0)};
    clueLines2 = {DialogueLine("RBYG", true, 0)};
    underneathLines = {DialogueLine("There's something underneath here.", true, 0)};
    rustyRingLines = {DialogueLine("...A rusty ring, I guess I'll find something to clean it with.", true, 0)};
    stuckLines = {DialogueLine("The button is stuck now.", true, 0)};

    if (completed)
        SwitchOffFirstRoom();
    if (completed2) {
        SwitchOffSecondRoom();
        ShowRingIcon();
    }
}

void LightPuzzle::SwitchOffFirstRoom()
{
    for (const auto& light : boards[0].lights)
        SetLight(light, false);
    SetLight(fourthLight, false);
}

void LightPuzzle::SwitchOffSecondRoom()
{
    for (const auto& light : boards[1].lights)
        SetLight(light, false);
}

void LightPuzzle::ShowRingIcon()
{
    ShowIcon(ringIcon, kRingTexture);
    if (const auto sprite = SpriteOf(ringIcon)) {
        sprite->SetTexture(kRingTexture);
        sprite->SetFrame(0);
    }
}

bool LightPuzzle::DeveloperKey(char letter) const
{
    return gInputSystem && gInputSystem->inputEnabled && gInputSystem->IsKeyDown(Framework::Keys::A + (letter - 'A'));
}

void LightPuzzle::UpdateStory(float dt)
{
    for (int b = 0; b < 2; ++b) {
        Board& board = boards[b];
        const bool done = b == 0 ? completed : completed2;
        if (done && !board.soundStopped && board.exit && PlayerOverlaps(board.exit.get())) {
            if (const auto audio = AudioOf(board.board))
                audio->Stop();
            board.soundStopped = true;
        }
    }
    if (!completed)
        UpdateFirstRoom(dt);
    if (completed && !completed2)
        UpdateSecondRoom(dt);
}

void LightPuzzle::PressSwitch(Board& board, size_t index)
{
    const auto light = LightOf(board.lights[index]);
    if (!light || !light->Enabled) {
        Say(stuckLines);
        return;
    }
    PlaySound(board.switches[index]);
    board.switchTimers[index] = switchCooldown;
    const Vector3 colour = light->GetColour();
    const size_t count = board.colours.size();
    for (size_t i = 0; i < count; ++i) {
        const Vector3& entry = board.colours[i];
        if (std::fabs(colour.x * 255.0f - entry.x) < 0.01f && std::fabs(colour.y * 255.0f - entry.y) < 0.01f &&
            std::fabs(colour.z * 255.0f - entry.z) < 0.01f) {
            light->SetColour(board.colours[(i + 1) % count]);
            break;
        }
    }
}

bool LightPuzzle::Solved(const Board& board) const
{
    for (size_t i = 0; i < board.colours.size(); ++i) {
        const auto light = LightOf(board.lights[i]);
        if (!light)
            return false;
        const Vector3 colour = light->GetColour();
        const Vector3& entry = board.colours[i];
        if (!(std::fabs(colour.x * 255.0f - entry.x) < 0.01f && std::fabs(colour.y * 255.0f - entry.y) < 0.01f &&
              std::fabs(colour.z * 255.0f - entry.z) < 0.01f))
            return false;
    }
    return true;
}

bool LightPuzzle::UpdateZones(int index)
{
    Board& board = boards[index];
    for (size_t i = 0; i < board.switches.size(); ++i) {
        if (!board.switches[i] || !PlayerOverlaps(board.switches[i].get()))
            continue;
        if (board.switchTimers[i] < 0.0f) {
            UpdatePrompt(board.switches[i].get());
            if (InteractPressed())
                PressSwitch(board, i);
        }
        return true;
    }
    if (board.board && PlayerOverlaps(board.board.get())) {
        if (index == 1 && ringTaken)
            return true;
        UpdatePrompt(board.board.get());
        if (!InteractPressed())
            return true;
        if (index == 0) {
            if (!board.clueRead && !timedOut) {
                if (const auto sprite = SpriteOf(portal2)) {
                    sprite->SetFrame(1);
                    sprite->animateFlag = false;
                }
                board.clueRead = true;
            }
            PlaySound(paper1);
            Say(clueLines1);
        } else {
            if (!board.clueRead && !timedOut)
                board.clueRead = true;
            if (!spotlit)
                Say(clueLines2);
            else
                itemGet = true;
        }
        return true;
    }
    if (doorCollider && PlayerOverlaps(doorCollider.get())) {
        UpdatePrompt(doorCollider.get());
        if (InteractPressed()) {
            SetSoundAndPlay(door, "door_locked", true);
            Say(doorLockedLines);
        }
        return true;
    }
    ClearPrompt();
    return false;
}

void LightPuzzle::ShutDoor(Board& board)
{
    SetSoundAndPlay(door, "door_locked", true);
    if (board.exit)
        MoveTo(door, PlaceOf(board.exit));
    board.doorShut = true;
}

void LightPuzzle::UpdateCountdown(Board& board, float dt)
{
    if (!board.soundStarted) {
        if (const auto audio = AudioOf(board.board)) {
            audio->looping = false;
            audio->Play();
        }
        board.soundStarted = true;
    }
    if (!Solved(board))
        board.timeLeft -= dt;
    if (board.timeLeft < 0.0f) {
        if (const auto audio = AudioOf(board.board))
            audio->Stop();
        timedOut = true;
    }
}

LightPuzzle::PanStep LightPuzzle::Pan(const Vector2& offset, const std::vector<std::shared_ptr<GameObject>>& carried,
                                      float dt)
{
    const auto cameraTransform = TransformOf(camera);
    if (!cameraTransform)
        return cameraAtDoor ? PanStep::Done : PanStep::Arrived;
    const Vector2 at(cameraTransform->position.x, cameraTransform->position.y);
    const Vector2 doorAt = PlaceOf(door);
    const Vector2 target(doorAt.x + offset.x, doorAt.y + offset.y);
    // Never past the goal (a long frame would otherwise swing round it for ever), and once near
    // it, on it rather than short of it.
    auto step = [&](const Vector2& toward, float speed) {
        const Vector2 to = Near(at, toward) ? toward : Framework::StepToward(at, toward, speed * dt);
        cameraTransform->SetPosition(to);
        for (const auto& object : carried) {
            const Vector2 p = PlaceOf(object);
            MoveTo(object, Vector2(p.x + (to.x - at.x), p.y + (to.y - at.y)));
        }
    };
    if (!cameraAtDoor) {
        if (Near(at, target) || !door) {
            if (door)
                step(target, panSpeed);
            cameraAtDoor = true;
            return PanStep::Arrived;
        }
        step(target, panSpeed);
        return PanStep::Moving;
    }
    returnDelay -= dt;
    if (returnDelay >= 0.0f)
        return PanStep::Returning;
    if (cameraBack)
        return PanStep::Done;
    const Vector2 playerAt = PlaceOf(player);
    step(playerAt, 2.0f * panSpeed);
    if (Near(at, playerAt))
        cameraBack = true;
    return PanStep::Returning;
}

void LightPuzzle::UpdateFirstRoom(float dt)
{
    Board& board = boards[0];
    if (DeveloperKey('J')) {
        completed = true;
        SwitchOffFirstRoom();
    }
    for (float& timer : board.switchTimers)
        timer -= dt;
    UpdateZones(0);
    if (board.clueRead) {
        if (PlayerFree() && !board.doorShut)
            ShutDoor(board);
        if (board.doorShut) {
            UpdateCountdown(board, dt);
            if (Solved(board)) {
                if (gameController)
                    gameController->LockPlayer(true);
                const PanStep pan = Pan(Vector2(0.0f, 8.0f), {softToy}, dt);
                if (pan == PanStep::Arrived) {
                    SwitchOffFirstRoom();
                    SetSoundAndPlay(door, "door_unlock", true);
                    Hide(door);
                    if (const auto sprite = SpriteOf(portal2)) {
                        sprite->SetFrame(0);
                        sprite->animateFlag = false;
                    }
                    if (!timedOut) {
                        Hide(elevatorDoorCollider);
                        SwapSavedTexture(elevatorRoomDoor, "DoorOpenv2_1x1.png");
                        if (const auto body = BodyOf(elevatorRoomDoor))
                            elevatorRoomDoor->RemoveComponent(body);
                        ClearPrompt();
                    }
                } else if (pan == PanStep::Done) {
                    if (!timedOut) {
                        completed = true;
                        ClearPrompt();
                    }
                    board.clueRead = false;
                    if (gameController)
                        gameController->LockPlayer(false);
                }
            }
        }
    }
    if (timedOut)
        UpdateChase(board, chasePoint1, 12.0f, 18, Vector2(-6.0f, 0.0f), Vector2(-5.0f, 0.0f));
}

void LightPuzzle::UpdateSecondRoom(float dt)
{
    Board& board = boards[1];
    if (DeveloperKey('K')) {
        completed2 = true;
        SwitchOffSecondRoom();
        ShowRingIcon();
    }
    for (float& timer : board.switchTimers)
        timer -= dt;
    UpdateZones(1);
    if (board.clueRead && PlayerFree() && !board.doorShut && !spotlit) {
        ShutDoor(board);
        returnDelay = 1.0f;
        cameraAtDoor = false;
        cameraBack = false;
    }
    if (board.clueRead && board.doorShut && !spotlit) {
        UpdateCountdown(board, dt);
        if (Solved(board)) {
            if (gameController)
                gameController->LockPlayer(true);
            spotlightDelay -= dt;
            if (spotlightDelay < 0.0f) {
                SwitchOffSecondRoom();
                SetSoundAndPlay(boards[0].board, "spotlight2", true);
                const std::shared_ptr<GameObject>& lamp = boards[0].lights[2];
                MoveTo(lamp, PlaceOf(board.board));
                if (const auto light = LightOf(lamp)) {
                    light->SetColour(Vector3(255, 255, 255));
                    light->CutoffDistance = 5.0f;
                    light->Enabled = true;
                }
                spotlit = true;
                board.clueRead = false;
                if (gameController)
                    gameController->LockPlayer(false);
            }
        }
    }
    if (itemGet)
        UpdateRing(dt);
    if (timedOut && ringTaken)
        UpdateChase(board, board.exit, 6.0f, 0, Vector2(0.0f, -1.0f), Vector2(0.0f, 5.0f));
}

void LightPuzzle::UpdateRing(float dt)
{
    if (!underneathShown && slideTime > 0.0f) {
        Say(underneathLines);
        underneathShown = true;
    }
    if (!ringFound && underneathShown && PlayerFree())
        boardSliding = true;
    if (boardSliding) {
        if (slideTime > 0.0f) {
            SetVelocity(player, Vector2(0.0f, 0.0f));
            SetVelocity(boards[1].board, Vector2(-0.8f, 0.0f));
            slideTime -= dt;
        }
        // At or below zero: a slide that ends exactly on zero must not stall.
        if (slideTime <= 0.0f) {
            SetVelocity(boards[1].board, Vector2(0.0f, 0.0f));
            Say(rustyRingLines);
            boardSliding = false;
            ringFound = true;
        }
    }
    if (ringFound && PlayerFree() && !ringTaken) {
        Hide(ringItem);
        ShowRingIcon();
        MoveTo(piece1Icon, PlaceOf(slot3Icon));
        MoveTo(piece2Icon, PlaceOf(slot3Icon));
        ringTaken = true;
        ringPanDelay = 1.0f;
        if (gameController)
            gameController->LockPlayer(true);
    }
    ringPanDelay -= dt;
    if (!ringTaken || ringPanDelay >= 0.0f)
        return;
    if (gameController)
        gameController->LockPlayer(true);
    const PanStep pan = Pan(Vector2(0.0f, 0.0f), {softToy, ringIcon}, dt);
    if (pan == PanStep::Arrived) {
        SetSoundAndPlay(door, "door_unlock", true);
        Hide(door);
    } else if (pan == PanStep::Done) {
        if (!timedOut)
            completed2 = true;
        ClearPrompt();
        itemGet = false;
        if (gameController)
            gameController->LockPlayer(false);
    }
}

void LightPuzzle::UpdateChase(Board& board, const std::shared_ptr<GameObject>& point, float reach, int playerFrame,
                              const Vector2& start, const Vector2& velocity)
{
    const bool second = &board == &boards[1];
    if (point && Distance(point, player) < reach) {
        if (!chaseRunning) {
            const Vector2 p = PlaceOf(point);
            MoveTo(knifeEnemy, Vector2(p.x + start.x, p.y + start.y));
            if (second)
                if (const auto transform = TransformOf(surgeonSprite))
                    transform->position.z = 2.0f;
            if (!board.chaseMusicStarted) {
                Say(huhLines);
                SetSoundAndPlay(board.board, "chase2", false);
                board.chaseMusicStarted = true;
            }
            if (const auto sprite = SpriteOf(playerSprite))
                if (sprite->startFrame != playerFrame) {
                    sprite->SetFrame(playerFrame);
                    sprite->animateFlag = false;
                }
            if (PlayerFree())
                chaseRunning = true;
        }
        if (chaseRunning) {
            if (gameController)
                gameController->LockPlayer(true);
            const int runFrame = second ? 4 : 15;
            if (const auto sprite = SpriteOf(surgeonSprite)) {
                sprite->animateFlag = true;
                if (second)
                    sprite->lightAffected = false;
                if (sprite->startFrame != runFrame) {
                    sprite->SetFrame(runFrame);
                    sprite->animationCount = 4;
                }
            }
            SetVelocity(knifeEnemy, velocity);
        }
    }
    if (knifeEnemy && !caught && PlayerOverlaps(knifeEnemy.get())) {
        if (gameController)
            gameController->Die();
        caught = true;
    }
}

std::shared_ptr<Component> LightPuzzle::Clone() const
{
    return std::make_shared<LightPuzzle>(*this);
}

void LightPuzzle::Serialize(std::ostream& stream) const
{
    WriteString(stream, GetTypeName());
    WriteFlag(stream, "Completed", completed);
    WriteFlag(stream, "Completed2", completed2);
    WriteFlag(stream, "ItemGet", itemGet);
}

void LightPuzzle::Deserialize(std::istream& stream)
{
    ReadFlag(stream, completed);
    ReadFlag(stream, completed2);
    ReadFlag(stream, itemGet);
}
