#include "events/ElevatorPuzzle.h"

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

ElevatorPuzzle::ElevatorPuzzle() : StoryEvent(kTypeId)
{
}

void ElevatorPuzzle::Init()
{
    typeId = kTypeId;
    FindStoryCollaborators();
    playerSprite = Find("PlayerSprite");
    generator = Find("GenSlot1");
    cuttersIcon = Find("Piece1Icon");
    handleIcon = Find("Piece2Icon");
    cuttersObject = Find("ShelfPiece1");
    handleObject = Find("GenPiece2");
    leftWall = Find("FalseLeftWall");
    rightWall = Find("FalseRightWall");
    backWall = Find("FalseBackWall");
    entrance = Find("Entrance1-9");
    backDoor = Find("ElevatorBackDoor");
    lift = Find("Lift");
    liftCollider = Find("LiftCollider");
    soundTrigger = Find("AudioTrigger2");
    stalker = Find("StalkerEnemy");
    liftTarget = Find("LiftTele");
    startSound = AudioOf(Find("GeneratorCollider"));
    ownerAudio = ComponentOf<Audio>(GetOwner());

    cuttersPickedLines = {DialogueLine("Picked up Chain Cutters.", false, 0)};
    handlePickedLines = {DialogueLine("Picked up Generator Handle.", false, 0)};
    shelfRemarkLines = {DialogueLine("Hmm, these chain cutters might be useful.", true, 0)};
    cuttersUsedLines = {DialogueLine("Used Chain Cutters.", false, 0),
                        DialogueLine("It's opened, but the generator... it seems the handle is missing.", false, 0)};
    generatorChainedLines = {DialogueLine("A generator... it is chained up...", true, 0),
                             DialogueLine("I wonder if there is anything around here I can use?", true, 0)};
    generatorStartedLines = {DialogueLine("Used Generator Handle.", false, 0),
                             DialogueLine("It's turned on... !!?", true, 0),
                             DialogueLine("There's something in the room!", true, 0)};
    handleMissingLines = {DialogueLine("The generator's handle is missing...", true, 0),
                          DialogueLine("Maybe there's a substitute I can find around here.", true, 0)};
}

void ElevatorPuzzle::ReadWorld()
{
    if (completed)
        return;
    const auto sprite = SpriteOf(GetOwner());
    const int frame = sprite ? sprite->startFrame : 0;
    chainCut = frame >= 1;
    generatorStarted = frame >= 2;
    if (generatorStarted) {
        liftPhase = true;
        // The room change has not happened while the way in still stands.
        roomChangePending = !IsHidden(entrance);
        return;
    }
    holdingCutters = !chainCut && IconShows(cuttersIcon, cuttersIconTexture);
    holdingHandle = !holdingCutters && IconShows(handleIcon, handleIconTexture);
    const std::shared_ptr<GameObject> cutters = Find("GenPiece1");
    if (holdingCutters || chainCut || (cutters && !IsHidden(cutters))) {
        cuttersFound = true;
        cuttersObject = cutters;
    }
}

void ElevatorPuzzle::UpdateStory(float dt)
{
    if (completed)
        return;

    if (!liftPhase) {
        if (cuttersObject && PlayerOverlaps(cuttersObject.get())) {
            UpdatePrompt(cuttersObject.get());
            if (InteractPressed()) {
                if (!cuttersFound)
                    Say(shelfRemarkLines);
                remarkPending = true;
            }
            if (remarkPending && PlayerFree()) {
                remarkPending = false;
                PickUpChainCutters();
            }
        } else if (handleObject && PlayerOverlaps(handleObject.get())) {
            UpdatePrompt(handleObject.get());
            if (InteractPressed())
                PickUpHandle();
        } else if (generator && PlayerOverlaps(generator.get())) {
            UpdatePrompt(generator.get());
            if (InteractPressed()) {
                UseGenerator();
                UpdateGeneratorFrame();
            }
        } else if (soundTrigger && PlayerOverlaps(soundTrigger.get())) {
            if (holdingHandle && !soundTriggerPlayed) {
                PlaySound(soundTrigger);
                soundTriggerPlayed = true;
            }
        } else {
            ClearPrompt();
        }
        return;
    }

    if (roomChangePending && PlayerFree())
        RearrangeRoom();
    if (lift && !roomChangePending && PlayerOverlaps(lift.get()))
        inLift = true;
    if (inLift)
        RideLift(dt);
    ClearPrompt();
}

void ElevatorPuzzle::PickUpChainCutters()
{
    PlaySound(cuttersObject);
    if (holdingHandle) {
        const Vector2 at = PlaceOf(cuttersObject);
        MoveTo(handleObject, cuttersFound ? at : Vector2(at.x, at.y - 2.0f));
        holdingHandle = false;
        HideIcon(handleIcon);
    }
    if (!cuttersFound) {
        cuttersFound = true;
        cuttersObject = Find("GenPiece1");
    }
    holdingCutters = true;
    Hide(cuttersObject);
    ShowIcon(cuttersIcon, cuttersIconTexture);
    Say(cuttersPickedLines);
}

void ElevatorPuzzle::PickUpHandle()
{
    PlaySound(handleObject);
    if (holdingCutters) {
        MoveTo(cuttersObject, PlaceOf(handleObject));
        holdingCutters = false;
        HideIcon(cuttersIcon);
    }
    holdingHandle = true;
    Hide(handleObject);
    ShowIcon(handleIcon, handleIconTexture);
    Say(handlePickedLines);
}

void ElevatorPuzzle::UseGenerator()
{
    if (holdingCutters) {
        holdingCutters = false;
        HideIcon(cuttersIcon);
        Say(cuttersUsedLines);
        chainCut = true;
        PlaySound(generator);
    } else if (holdingHandle) {
        if (chainCut) {
            liftPhase = true;
            roomChangePending = true;
            generatorStarted = true;
            holdingHandle = false;
            HideIcon(handleIcon);
            Say(generatorStartedLines);
            PlaySound(generator);
        } else {
            Say(generatorChainedLines);
        }
    } else {
        Say(chainCut ? handleMissingLines : generatorChainedLines);
    }
}

void ElevatorPuzzle::UpdateGeneratorFrame()
{
    const auto sprite = SpriteOf(GetOwner());
    if (sprite)
        sprite->SetFrame(generatorStarted ? 2 : chainCut ? 1 : 0);
}

void ElevatorPuzzle::RearrangeRoom()
{
    MoveTo(leftWall, Vector2(203.0f, -427.0f));
    MoveTo(rightWall, Vector2(245.0f, -427.0f));
    MoveTo(backWall, Vector2(224.0f, -435.4f));
    Hide(entrance);
    SetFrame(backDoor, 1);
    Hide(liftCollider);
    MoveTo(stalker, stalkerSpot);
    if (startSound && !startSound->isPlaying) {
        startSound->Play();
        Shake(gameController, 0.2f, 1.0f);
    }
    if (ownerAudio && !ownerAudio->isPlaying) {
        ownerAudio->looping = true;
        ownerAudio->Play();
    }
    SetFrame(lift, 4);
    roomChangePending = false;
}

void ElevatorPuzzle::RideLift(float dt)
{
    if (gameController && !gameController->playerLocked)
        gameController->LockPlayer(true);
    const auto sprite = SpriteOf(playerSprite);
    if (sprite && sprite->transparency > 0.0f && !teleported) {
        sprite->transparency = Framework::StepToward(sprite->transparency, 0.0f, playerFadeRate * dt);
        return;
    }
    if (!liftAnimDone) {
        const auto liftSprite = SpriteOf(lift);
        if (!liftAnimStarted) {
            if (liftSprite) {
                liftSprite->UpdateUV();
                liftSprite->animationCount = 7;
                liftSprite->animateFlag = true;
            }
            liftAnimStarted = true;
        }
        // Without a lift sprite there are no doors to wait for.
        if (!liftSprite || liftSprite->currentFrame >= 8) {
            if (liftSprite)
                liftSprite->animateFlag = false;
            liftAnimDone = true;
        }
        return;
    }
    if (!teleported) {
        if (playerBehaviour && liftTarget) {
            const Vector2 target = PlaceOf(liftTarget);
            playerBehaviour->TeleportTo(Vector3(target.x, target.y, 0.0f));
        } else if (gameController) {
            gameController->FadeInPlace(0.5f);
        }
        teleported = true;
        return;
    }
    // The black moment of the ride, or the end of a ride that found no fade to wait for.
    if (!gameController || gameController->teleportFadingIn || !gameController->teleportActive) {
        if (ownerAudio) {
            ownerAudio->fadeOutTime = 0.5f;
            ownerAudio->fadingOut = true;
        }
        if (sprite)
            sprite->transparency = 1.0f;
        if (playerBehaviour)
            playerBehaviour->FaceTowards(Vector2(0.0f, 1.0f));
        completed = true;
    }
}

std::shared_ptr<Component> ElevatorPuzzle::Clone() const
{
    return std::make_shared<ElevatorPuzzle>(*this);
}

void ElevatorPuzzle::Serialize(std::ostream& stream) const
{
    WriteString(stream, GetTypeName());
    WriteFlag(stream, "Completed", completed);
}

void ElevatorPuzzle::Deserialize(std::istream& stream)
{
    ReadFlag(stream, completed);
}
