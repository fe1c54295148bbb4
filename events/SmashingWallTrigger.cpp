#include "events/SmashingWallTrigger.h"

#include <istream>
#include <ostream>

#include "events/StoryActs.h"
#include "gameplay/GameController.h"
#include "graphics/Sprite.h"
#include "objects/GameObject.h"
#include "objects/TextWriters.h"
#include "objects/Transform.h"
#include "physics/Collider.h"

using namespace StoryActs;

namespace {
enum Question { kNone = 0, kPickPipe = 1, kPlaceClothes = 2, kPlacePipe = 3 };
}

SmashingWallTrigger::SmashingWallTrigger() : StoryEvent(kTypeId)
{
}

void SmashingWallTrigger::Init()
{
    typeId = kTypeId;
    FindStoryCollaborators();
    playerSprite = Find("PlayerSprite");
    wallLeft = Find("SmashingWallL");
    wallRight = Find("SmashingWallR");
    colliderLeft = Find("SmashingColliderL");
    colliderRight = Find("SmashingColliderR");
    trapTrigger = Find("SmashingTrigger");
    playerStop = Find("SmashPlayerStop");
    getSmash = Find("SmashGetSmash");
    item = Find("SmashingItem");
    pipe = Find("SmashingPipe");
    pipeSource = Find("InteractablePipes");
    itemIcon = Find("Piece1Icon");

    placeClothesLines = {{"This trail is suspicious...", true, 0}, {"Do you want to place the Nurse Clothes?", true, 0}};
    fishyLines = {{"This room seems fishy...", true, 0}};
    jamLines = {{"Seems like I need something to jam the walls...", true, 0},
                {"I think I heard something fell at the back.", true, 0}};
    loosePipeLines = {{"This pipe looks loose...", true, 0}};
    pickPipeLines = {{"Do you want to pick up the Pipe?", false, 0}};
    placePipeLines = {{"Do you want to place the Pipe?", false, 0}};
    trailLines = {{"This trail is suspicious...", true, 0}};
    pickedClothesLines = {{"Picked up Nurse Clothes.", false, 0}};
    safeLines = {{"I think I'm safe now...", true, 0}};

    if (!completed) {
        if (SmashDollPicked)
            ShowIcon(itemIcon, "nurseClothesSlant.png");
        if (PipePicked)
            ShowIcon(itemIcon, "Pipe.png");
    }
}

void SmashingWallTrigger::StopWalls()
{
    SetVelocity(wallLeft, 0.0f, 0.0f);
    SetVelocity(wallRight, 0.0f, 0.0f);
}

void SmashingWallTrigger::CloseWalls()
{
    SetVelocity(wallLeft, wallSpeed, 0.0f);
    SetVelocity(wallRight, -wallSpeed, 0.0f);
}

void SmashingWallTrigger::UpdateStory(float dt)
{
    if (completed)
        return;

    const bool wallsMet = Overlap(colliderLeft, colliderRight);
    if (wallsMet && (Overlap(player, colliderLeft) || Overlap(player, colliderRight))) {
        StopWalls();
        if (!deathStarted && gameController) {
            gameController->Die();
            deathStarted = true;
        }
    }

    if (!EntranceOnce && PlayerFree() && Overlap(player, playerStop)) {
        Say(fishyLines);
        EntranceOnce = true;
    }

    Interact();

    if (Overlap(player, getSmash))
        trapSprung = true;
    if (clothesPlaced && clothesJamming)
        ClothesStage();
    if (reopenRunning && reopenTimer > 0.0f)
        Reopen(dt);
    if (trapSprung)
        FinalClosing();
}

void SmashingWallTrigger::Interact()
{
    // A placed pipe belongs to the walls now: it cannot be asked for again.
    if (!pipePlaced && Overlap(player, pipe)) {
        UpdatePrompt(pipe.get());
        if (InteractPressed()) {
            if (PipeCanPick) {
                Say(pickPipeLines, true);
                pendingQuestion = kPickPipe;
            } else {
                Say(loosePipeLines);
            }
        }
        Answer();
        return;
    }
    if (Overlap(player, item)) {
        UpdatePrompt(item.get());
        if (InteractPressed()) {
            PlaySound(item);
            Hide(item);
            ShowIcon(itemIcon, "nurseClothesSlant.png");
            Say(pickedClothesLines);
            SmashDollPicked = true;
        }
        return;
    }
    if (!clothesPlaced && !trapSprung && !clothesJamming && Overlap(player, trapTrigger)) {
        UpdatePrompt(trapTrigger.get());
        if (InteractPressed()) {
            if (PipePicked) {
                Say(placePipeLines, true);
                pendingQuestion = kPlacePipe;
            } else if (SmashDollPicked) {
                Say(placeClothesLines, true);
                pendingQuestion = kPlaceClothes;
            } else {
                Say(trailLines);
            }
        }
        Answer();
        return;
    }
    ClearPrompt();
    // A question answered away from its zone still closes, so none is left pending.
    Answer();
}

void SmashingWallTrigger::Answer()
{
    bool yes = false;
    if (pendingQuestion == kNone || !AnswerReady(yes))
        return;
    const int question = pendingQuestion;
    pendingQuestion = kNone;
    if (!yes)
        return;
    if (question == kPickPipe) {
        Hide(pipe);
        ShowIcon(itemIcon, "Pipe.png");
        PlaySound(pipe);
        PipePicked = true;
    } else if (question == kPlacePipe) {
        const Vector3 at = PositionOf(trapTrigger);
        if (const std::shared_ptr<Transform> transform = pipe ? pipe->GetComponent<Transform>() : nullptr) {
            transform->SetRotation(90.0f);
            transform->SetPosition(Vector2(at.x, at.y));
            transform->position.z = 1.5f;
        }
        if (const std::shared_ptr<Collider> box = pipe ? pipe->GetComponent<Collider>() : nullptr)
            box->scale = Vector3(7.0f, 3.0f, box->scale.z);
        HideIcon(itemIcon);
        pipePlaced = true;
        trapSprung = true;
    } else if (question == kPlaceClothes) {
        HideIcon(itemIcon);
        if (!triggerSoundPlayed) {
            PlaySound(trapTrigger);
            triggerSoundPlayed = true;
        }
        clothesPlaced = true;
        clothesJamming = true;
        SmashDollPicked = false;
    }
}

void SmashingWallTrigger::ClothesStage()
{
    const std::shared_ptr<Sprite> sprite = SpriteOf(playerSprite);
    if (!playerStop || !Overlap(player, playerStop)) {
        if (gameController)
            gameController->LockPlayer(true);
        SetVelocity(player, 0.0f, 3.0f);
        if (sprite) {
            sprite->animateFlag = true;
            if (sprite->startFrame != 0) {
                sprite->SetFrame(0);
                sprite->animationCount = 4;
            }
        }
        if (!cueFlag) {
            const Vector3 at = PositionOf(trapTrigger);
            MoveTo(item, at.x, at.y);
            if (const std::shared_ptr<Transform> transform = item ? item->GetComponent<Transform>() : nullptr)
                transform->position.z = at.z + 1.0f;
            cueFlag = true;
        }
        // Without a safe spot in the level there is nowhere to walk to: crush at once.
        if (playerStop)
            return;
    }
    cueFlag = false;
    SetVelocity(player, 0.0f, 0.0f);
    if (sprite && sprite->startFrame != 24) {
        sprite->SetFrame(24);
        sprite->animationCount = 0;
    }
    if (!clothesCueGiven) {
        PlaySound(wallLeft);
        Shake(gameController, 1.0f, 2.0f);
        clothesCueGiven = true;
    }
    if (colliderLeft && colliderRight && !Overlap(colliderLeft, colliderRight)) {
        CloseWalls();
        return;
    }
    StopWalls();
    Hide(item);
    clothesJamming = false;
    reopenRunning = true;
}

void SmashingWallTrigger::Reopen(float dt)
{
    reopenTimer -= dt;
    if (reopenTimer < 6.0f) {
        SetVelocity(wallLeft, -wallSpeed / 10.0f, 0.0f);
        SetVelocity(wallRight, wallSpeed / 10.0f, 0.0f);
    }
    if (reopenTimer > 0.0f)
        return;
    StopWalls();
    if (gameController)
        gameController->LockPlayer(false);
    if (const std::shared_ptr<Sprite> sprite = SpriteOf(playerSprite))
        sprite->animationCount = 9;
    PipeCanPick = true;
    clothesPlaced = false;
    reopenRunning = false;
    clothesJamming = false;
    SetFrame(pipeSource, 1);
    PlaySound(pipeSource);
    MoveTo(pipe, 322.0f, -239.5f);
    if (const std::shared_ptr<Transform> transform = pipe ? pipe->GetComponent<Transform>() : nullptr)
        transform->SetScale(Vector2(2.0f, 6.0f));
    SetAlpha(pipe, 1.0f);
    if (const std::shared_ptr<Collider> box = pipe ? pipe->GetComponent<Collider>() : nullptr)
        box->scale = Vector3(6.0f, 3.0f, box->scale.z);
    Say(jamLines);
}

void SmashingWallTrigger::FinalClosing()
{
    if (!cueFlag) {
        PlaySound(wallLeft);
        Shake(gameController, 1.0f, 2.0f);
        cueFlag = true;
    }
    if (Overlap(pipe, colliderRight) && Overlap(pipe, colliderLeft)) {
        if (!safeShown) {
            Say(safeLines);
            safeShown = true;
        }
        StopWalls();
        ClearPrompt();
        completed = true;
        return;
    }
    if (Overlap(colliderLeft, colliderRight))
        StopWalls();
    else
        CloseWalls();
}

std::shared_ptr<Component> SmashingWallTrigger::Clone() const
{
    return std::make_shared<SmashingWallTrigger>(*this);
}

void SmashingWallTrigger::Serialize(std::ostream& stream) const
{
    WriteString(stream, GetTypeName());
    WriteFlag(stream, "SmashDollPicked", SmashDollPicked);
    WriteFlag(stream, "PipeCanPick", PipeCanPick);
    WriteFlag(stream, "PipePicked", PipePicked);
    WriteFlag(stream, "EntranceOnce", EntranceOnce);
    WriteFlag(stream, "Completed", completed);
}

void SmashingWallTrigger::Deserialize(std::istream& stream)
{
    bool* fields[] = {&SmashDollPicked, &PipeCanPick, &PipePicked, &EntranceOnce, &completed};
    for (bool* field : fields)
        if (!ReadFlag(stream, *field))
            return;
}
