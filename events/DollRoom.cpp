#include "events/DollRoom.h"

#include <ostream>

#include "audio/Audio.h"
#include "engine/Random.h"
#include "events/DollEyes.h"
#include "events/FamilyTreeRoomEvent.h"
#include "events/StoryActs.h"
#include "gameplay/GameController.h"
#include "gameplay/PlayerBehaviour.h"
#include "graphics/Sprite.h"
#include "objects/GameObject.h"
#include "objects/ObjectList.h"
#include "objects/TextWriters.h"
#include "objects/Transform.h"

using namespace StoryActs;

DollRoom::DollRoom() : StoryEvent(kTypeId)
{
}

void DollRoom::Init()
{
    typeId = kTypeId;
    FindStoryCollaborators();
    falseWall = Find("DollRoomFalseWall");
    water = Find("DollRoomWater");
    fadeSprite = FindComponent<Sprite>("FadeScreen", "Sprite");
    door = Find("DoorToDollRoom");
    spotlight = Find("Spotlight1L2");
    bearSprite = FindComponent<Sprite>("BadassBearL2", "Sprite");
    scareScreen = Find("BearScareScreen");
    torchTransform = FindComponent<Transform>("Torch", "Transform");
    playerSpriteTransform = FindComponent<Transform>("PlayerSprite", "Transform");
    deathSound = FindComponent<Audio>("DeathAudio", "Audio");
    worldMusic = FindComponent<Audio>("WorldBGM", "Audio");
    searchSound = FindComponent<Audio>("BearL2Torn6", "Audio");

    lockedLines = {DialogueLine("It's locked. The room label says 'Nursery'.", true, 0)};
    noReturnLines = {DialogueLine("I'd better not go back inside...", true, 0)};
    wallLines = {DialogueLine("... huh?", true, 0), DialogueLine("The door is locked?", true, 0)};
    escapeLines = {DialogueLine("I need to find a way out of here!", true, 0)};
    pickupLines = {DialogueLine("Picked up Water.", false, 0)};
    searchLines.clear();
    for (const char* text : {"Nothing but stuffing here!", "Nothing of use here!", "Dang! Just junk here!",
                             "Just broken doll parts here!", "There's nothing here!", "Just more broken doll parts!",
                             "Ugh! Just dismembered doll parts!", "... Found it! A key!"})
        searchLines.emplace_back(text, true, 0);
    nothingLeftLine = DialogueLine("There is nothing else to search here!", true, 0);

    keyIndex = Framework::Rand() % (8 - keyOffset);
    bearStepInterval = attackTime / 5.0f;
    searchSpots.clear();
    eyes.clear();
    for (const std::shared_ptr<GameObject>& object : gGameObjects) {
        if (!object)
            continue;
        if (object->name.find("Torn") != std::string::npos) {
            SearchSpot spot;
            spot.object = object;
            searchSpots.push_back(spot);
        }
        // The eyes are found here rather than registering themselves, so the order of Inits
        // does not matter.
        if (const auto watcher = object->GetComponent<DollEyes>())
            eyes.push_back(watcher);
    }
}

std::shared_ptr<FamilyTreeRoomEvent> DollRoom::FamilyTree() const
{
    return FindComponent<FamilyTreeRoomEvent>("FamilyTree", "FamilyTreeRoomEvent");
}

void DollRoom::SetWatching(bool watching)
{
    for (const auto& watcher : eyes)
        if (watcher)
            watcher->following = watching;
}

void DollRoom::ReadWorld()
{
    // A water already gone from the saved room was taken before the save.
    if (!completed)
        waterTaken = IsHidden(water);
}

void DollRoom::UpdateStory(float dt)
{
    if (completed) {
        if (door && UpdatePrompt(door.get()) && InteractPressed())
            Say(noReturnLines);
        return;
    }
    ClearPrompt();

    if (!waterTaken) {
        if (water && UpdatePrompt(water.get())) {
            if (InteractPressed()) {
                Hide(water);
                Say(pickupLines);
                MoveTo(falseWall, wallOpenPosition);
                if (const auto tree = FamilyTree())
                    tree->PickUpIVBag();
                waterTaken = true;
            }
        } else if (door && UpdatePrompt(door.get())) {
            if (InteractPressed()) {
                const auto tree = FamilyTree();
                if (tree && tree->nurseryKeyFound && playerBehaviour)
                    playerBehaviour->TeleportToObject("Entrance2-8link");
                else
                    Say(lockedLines);
            }
        }
    } else {
        if (falseWall && PlayerOverlaps(falseWall.get())) {
            if (!searchActive)
                UpdatePrompt(falseWall.get());
            if (InteractPressed()) {
                if (!wallTouched) {
                    Say(wallLines);
                    torchOffset = Vector2(-0.7f, -0.5f);
                    wallTouched = true;
                }
                if (hasKey) {
                    Hide(falseWall);
                    if (playerBehaviour)
                        playerBehaviour->TeleportToObject("Exit2-8link");
                    completed = true;
                    SetWatching(false);
                }
            }
        }
        if (wallTouched && !searchActive)
            UpdateTimedSequence(dt);
    }
    if (searchActive && !completed)
        UpdateSearch(dt);
}

void DollRoom::UpdateTimedSequence(float dt)
{
    if (torchTransform && playerSpriteTransform)
        torchTransform->SetPosition(Vector2(playerSpriteTransform->position.x + torchOffset.x,
                                            playerSpriteTransform->position.y + torchOffset.y));
    if (PlayerFree() && !sequenceStarted) {
        ClearPrompt();
        if (gameController)
            gameController->LockPlayer(true);
        sequenceStarted = true;
    }
    if (sequenceStarted)
        stageTimer += dt;
    const auto torch = playerBehaviour ? playerBehaviour->GetTorch() : nullptr;
    bool fired = true;
    if (stageTimer >= sparkDelay && !sparkDone) {
        if (gameController && torch)
            gameController->TorchSpark(torch, true, 0.5f, 0.25f);
        sparkDone = true;
    } else if (stageTimer >= turnDelay && sparkDone && !turnDone) {
        turnDone = true;
        if (playerBehaviour)
            playerBehaviour->SetIdleFrame(0, true);
        torchOffset = Vector2(0.7f, -0.5f);
    } else if (stageTimer >= bearDelay && turnDone && !bearShown) {
        bearShown = true;
        ShowDecapitatedBear();
        if (gameController && torch)
            gameController->TorchSpark(torch, false, 1.5f, 0.5f);
        if (fadeSprite)
            fadeSprite->transparency = 1.0f;
    } else if (stageTimer >= eyesDelay && bearShown && !eyesOn) {
        SetWatching(true);
        eyesOn = true;
    } else if (stageTimer >= lightsDelay && eyesOn && !lightsOn) {
        lightsOn = true;
        if (fadeSprite)
            fadeSprite->transparency = 0.0f;
        SetLight(spotlight, true);
    } else if (stageTimer >= messageDelay && lightsOn && !messageShown) {
        // The scene's own lock gives way to the message, which locks the player itself.
        if (gameController)
            gameController->LockPlayer(false);
        Say(escapeLines);
        messageShown = true;
    } else {
        fired = false;
    }
    if (fired) {
        stageTimer = 0.0f;
        return;
    }
    if (messageShown && PlayerFree()) {
        if (worldMusic) {
            worldMusic->volume = 0.4f;
            worldMusic->SetAudio("doll_room", false);
            worldMusic->Play();
        }
        searchActive = true;
    }
}

void DollRoom::UpdateSearch(float dt)
{
    searchTime += dt;
    if (searchTime >= bearStep * bearStepInterval) {
        if (bearSprite) {
            bearSprite->SetFrame(bearSprite->currentFrame + 1);
            if (bearSprite->currentFrame == 3 && !bearSoundPlayed) {
                PlaySound(Find("BadassBearL2"));
                bearSoundPlayed = true;
            }
        }
        ++bearStep;
    }
    for (SearchSpot& spot : searchSpots) {
        const std::shared_ptr<GameObject> area = FirstChild(spot.object);
        if (!area || !PlayerOverlaps(area.get()))
            continue;
        UpdatePrompt(area.get());
        if (InteractPressed())
            Search(spot);
        break;
    }
    if (searchTime < attackTime)
        return;
    if (!attackPending && scareTime >= 0.36f) {
        if (const auto transform = TransformOf(scareScreen))
            transform->position.z = 3.85f;
        if (const auto sprite = SpriteOf(scareScreen)) {
            sprite->transparency = 1.0f;
            sprite->animateFlag = true;
        }
        if (deathSound) {
            deathSound->audioName = "bear_attack";
            deathSound->bgmOrSfx = true;
            deathSound->volume = 0.5f;
        }
        attackPending = true;
    }
    scareTime -= dt;
    if (scareTime <= 0.0f && attackPending) {
        if (const auto transform = TransformOf(scareScreen))
            transform->position.z = 0.0f;
        if (const auto sprite = SpriteOf(scareScreen)) {
            sprite->transparency = 0.0f;
            sprite->animateFlag = false;
        }
        if (deathSound)
            deathSound->Stop();
        if (gameController)
            gameController->Die();
        attackPending = false;
    }
}

void DollRoom::Search(SearchSpot& spot)
{
    if (!spot.searched) {
        if (!keyFound && searchCount == keyIndex + keyOffset) {
            spot.line = searchLines.back();
            spot.hasKey = true;
            keyFound = true;
        } else {
            if (searchSound)
                searchSound->Play();
            // Past the seven junk lines the last one repeats.
            const int junk = static_cast<int>(searchLines.size()) - 2;
            spot.line = searchLines[static_cast<size_t>(searchCount < junk ? searchCount : junk)];
            ++searchCount;
        }
        spot.searched = true;
    }
    Say({spot.line});
    if (spot.hasKey && !hasKey) {
        if (searchSound)
            searchSound->Play();
        hasKey = true;
        spot.line = nothingLeftLine;
    }
}

void DollRoom::ShowDecapitatedBear()
{
    for (const SearchSpot& spot : searchSpots)
        SwapSavedTexture(spot.object, "decapitatedRegularBear_1x1.png");
}

std::shared_ptr<Component> DollRoom::Clone() const
{
    return std::make_shared<DollRoom>(*this);
}

void DollRoom::Serialize(std::ostream& stream) const
{
    WriteString(stream, GetTypeName());
    WriteFlag(stream, "Completed", completed);
}

void DollRoom::Deserialize(std::istream& stream)
{
    ReadFlag(stream, completed);
}
