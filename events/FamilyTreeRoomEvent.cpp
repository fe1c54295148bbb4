#include "events/FamilyTreeRoomEvent.h"

#include <ostream>

#include "audio/Audio.h"
#include "engine/StepToward.h"
#include "events/LightPuzzle.h"
#include "events/StoryActs.h"
#include "gameplay/GameController.h"
#include "gameplay/PlayerBehaviour.h"
#include "graphics/Sprite.h"
#include "objects/GameObject.h"
#include "objects/TextWriters.h"
#include "objects/Transform.h"

using namespace StoryActs;

namespace {
const char* const kBagIcon = "IVBagIcon_1x1.png";

std::vector<DialogueLine> Lines(std::initializer_list<std::pair<const char*, bool>> lines)
{
    std::vector<DialogueLine> result;
    for (const auto& [text, portrait] : lines)
        result.emplace_back(text, portrait, 0);
    return result;
}
}  // namespace

FamilyTreeRoomEvent::FamilyTreeRoomEvent() : StoryEvent(kTypeId)
{
}

void FamilyTreeRoomEvent::Init()
{
    typeId = kTypeId;
    FindStoryCollaborators();
    dollRoomWater = Find("DollRoomWater");
    symmetryWater = Find("SymmetryWater");
    familyTree = Find("FamilyTree");
    piece1Icon = Find("Piece1Icon");
    piece2Icon = Find("Piece2Icon");
    finalPuzzleDoor = Find("FinalPuzzleDoor");
    finalPuzzlePortal = Find("FinalPuzzlePortalL2");
    finalPuzzleTrigger = Find("FinalPuzzleTrigger");
    lightPuzzleBoard = Find("LightPuzzleBoard");
    treeGrowth = FindComponent<Sprite>("TreeGrowth", "Sprite");
    chemicalDoor = Find("ChemicalDoor");
    cutscene1 = Find("Cutscene1");
    cutscene2 = Find("Cutscene2");
    savepoint = FindComponent<Transform>("Savepoint4", "Transform");

    waterLines = Lines({{"Picked up Water.", false}});
    treeLines = Lines({{"A tree... made from cupboard...", true}, {"It seem alive.", true}});
    doorLines = Lines({{"This door is locked from opposite side.", true}});
    questionLines = Lines({{"Do you want to water the tree?", false}});
    nurseryKeyLines = Lines({{"Hmm...? This is...", true},
                             {"A key? Its label says 'Nursery'.", true},
                             {"Found Key to Nursery.", false}});
    chemicalKeyLines = Lines({{"Hmm...? Another key?", true}, {"Found Key to Chermical Room.", false}});
    lighterLines = Lines({{"... Hmm? There is something else too.", true},
                          {"Found a Lighter.", false},
                          {"This could be useful.", true}});
    ringDropLines = Lines({{"Ack!", true}, {"Dropped Wedding Ring", false}});
    ringLines = Lines({{"... hmm?", true},
                       {"This ring... ", true},
                       {"It looks like my wife's... no... our wedding ring...", true},
                       {"Why is it here?", true},
                       {"...", true},
                       {"I had thrown it into the sewers when she left me...", true},
                       {"Our daughter's death had hit us hard.", true},
                       {"... she would have been 15 by now.", true},
                       {"Picked up Wedding Ring.", false}});
    ringImages = {"Ring1_1x1.png", "Ring2_1x1.png", "Ring3_1x1.png",
                  "Ring4_1x1.png", "Ring5_1x1.png", "Ring6_1x1.png"};
}

void FamilyTreeRoomEvent::Show(const std::vector<DialogueLine>& lines)
{
    Say(lines);
}

bool FamilyTreeRoomEvent::RestoreAndFinish(float dt)
{
    if (waterCount < 4) {
        if (!restored) {
            if (waterCount == 2) {
                nurseryKeyFound = true;
                SetAlpha(symmetryWater, 0.0f);
                PickUpIVBag2();
                if (savepoint)
                    savepoint->SetPosition(savepointPosition);
            }
            // Bags carried when the game was saved: taken from the room, their icon still shown.
            hasWater1 = IsHidden(dollRoomWater) && IconShows(piece1Icon, kBagIcon);
            hasWater2 = waterCount < 2 && IsHidden(symmetryWater) && IconShows(piece2Icon, kBagIcon);
            growing = true;
            restored = true;
        }
        return false;
    }
    if (!completed)
        return false;
    if (!restored) {
        SetAlpha(dollRoomWater, 0.0f);
        SetAlpha(symmetryWater, 0.0f);
        PickUpIVBag();
        nurseryKeyFound = true;
        treeDone = true;
        restored = true;
        growing = true;
    }
    GrowTree(dt);
    if (chemicalDoor && UpdatePrompt(chemicalDoor.get())) {
        if (InteractPressed() && playerBehaviour)
            playerBehaviour->TeleportToObject("Entrance2-11link");
    }
    return true;
}

void FamilyTreeRoomEvent::UpdateStory(float dt)
{
    if (RestoreAndFinish(dt))
        return;
    UpdateZones();
    if (pickupPending && PlayerFree())
        pickupPending = false;
    if (resultRunning)
        UpdateWatering(dt);
    if (growing) {
        GrowTree(dt);
        if (growing && keepPlayerLocked && PlayerFree() && gameController) {
            gameController->LockPlayer(true);
            lockedForGrowth = true;
        }
    }
}

void FamilyTreeRoomEvent::UpdateZones()
{
    if (!pickupPending && dollRoomWater && PlayerOverlaps(dollRoomWater.get())) {
        UpdatePrompt(dollRoomWater.get());
        if (InteractPressed())
            PickUpIVBag();
    } else if (!pickupPending && symmetryWater && PlayerOverlaps(symmetryWater.get())) {
        UpdatePrompt(symmetryWater.get());
        if (InteractPressed())
            PickUpIVBag2();
    } else if (familyTree && PlayerOverlaps(familyTree.get())) {
        UpdatePrompt(familyTree.get());
        if (InteractPressed()) {
            if (!hasWater1 && !hasWater2)
                Show(treeLines);
            else
                Say(questionLines, true);
        }
        bool yes = false;
        if (PlayerFree() && AnswerReady(yes) && yes) {
            Pour(hasWater1, piece1Icon);
            Pour(hasWater2, piece2Icon);
        }
    } else if (finalPuzzleDoor && PlayerOverlaps(finalPuzzleDoor.get())) {
        UpdatePrompt(finalPuzzleDoor.get());
        if (InteractPressed()) {
            Show(doorLines);
            PlaySound(finalPuzzleDoor);
        }
    } else {
        UpdateFinalDoor();
    }
}

void FamilyTreeRoomEvent::UpdateFinalDoor()
{
    const auto puzzle = lightPuzzleBoard ? lightPuzzleBoard->GetComponent<LightPuzzle>() : nullptr;
    if (!finalDoorUnlocked && puzzle && puzzle->completed2 && finalPuzzleTrigger &&
        PlayerOverlaps(finalPuzzleTrigger.get())) {
        Hide(finalPuzzleDoor);
        SetFrame(finalPuzzlePortal, 0);
        SetSoundAndPlay(finalPuzzleDoor, "door_unlock", true);
        finalDoorUnlocked = true;
        doorLines[0].text = "It sounded like a door unlocked.";
        Show(doorLines);
        return;
    }
    ClearPrompt();
}

void FamilyTreeRoomEvent::PickUpIVBag()
{
    pickupPending = true;
    Hide(dollRoomWater);
    ShowIcon(piece1Icon, kBagIcon);
    PlaySound(dollRoomWater);
    hasWater1 = true;
    if (restored)
        Show(waterLines);
}

void FamilyTreeRoomEvent::PickUpIVBag2()
{
    pickupPending = true;
    Hide(symmetryWater);
    if (waterCount < 2) {
        ShowIcon(piece2Icon, kBagIcon);
        PlaySound(symmetryWater);
        hasWater2 = true;
    }
    if (restored)
        Show(waterLines);
}

void FamilyTreeRoomEvent::Pour(bool& hasWater, const std::shared_ptr<GameObject>& icon)
{
    if (!hasWater)
        return;
    hasWater = false;
    HideIcon(icon);
    waterCount += 2;
    growing = true;
    keepPlayerLocked = true;
    if (gameController) {
        gameController->LockPlayer(true);
        // No box will free him: the end of the growth must.
        lockedForGrowth = true;
    }
}

void FamilyTreeRoomEvent::GrowTree(float dt)
{
    const auto tree = SpriteOf(familyTree);
    const int frame = tree ? tree->currentFrame : waterCount;
    if (frame >= waterCount || !tree || !treeGrowth) {
        if (treeGrowth)
            treeGrowth->transparency = 0.0f;
        if (tree)
            tree->transparency = 1.0f;
        growing = false;
        growthFramePrepared = false;
        resultRunning = true;
        keepPlayerLocked = false;
        if (lockedForGrowth && gameController && !gameController->dialogueActive)
            gameController->LockPlayer(false);
        lockedForGrowth = false;
        return;
    }
    if (!growthFramePrepared) {
        treeGrowth->SetFrame(frame + 1);
        growthFramePrepared = true;
    }
    const float a = treeGrowth->transparency;
    const float b = tree->transparency;
    if (a < 1.0f) {
        treeGrowth->transparency = Framework::StepToward(a, 1.0f, growthFadeSpeed * dt);
        tree->transparency = Framework::StepToward(b, 0.0f, growthFadeSpeed * dt);
        return;
    }
    tree->SetFrame(frame + 1);
    treeGrowth->transparency = 0.0f;
    tree->transparency = 1.0f;
    growthFramePrepared = false;
}

void FamilyTreeRoomEvent::UpdateWatering(float dt)
{
    if (waterCount == 2) {
        if (!keyLinesShown && !nurseryKeyFound && PlayerFree()) {
            Show(nurseryKeyLines);
            keyLinesShown = true;
        } else if (PlayerFree()) {
            resultRunning = false;
            keyLinesShown = false;
            nurseryKeyFound = true;
            keepPlayerLocked = false;
            if (savepoint)
                savepoint->SetPosition(savepointPosition);
        }
        return;
    }
    if (waterCount != 4)
        return;
    // Each result waits for the one before to close, so no line is lost to a replaced box.
    if (!keyLinesShown) {
        if (PlayerFree()) {
            Show(chemicalKeyLines);
            keyLinesShown = true;
        }
    } else if (!lighterShown) {
        if (PlayerFree()) {
            Show(lighterLines);
            lighterShown = true;
        }
    } else if (!ringDropShown) {
        if (PlayerFree()) {
            Show(ringDropLines);
            SwapPicture(cutscene1, ringImages[0]);
            SwapPicture(cutscene2, ringImages[1]);
            ringDropShown = true;
        }
    } else if (!ringFound) {
        if (!ringSequenceStarted && PlayerFree()) {
            if (gameController)
                gameController->LockPlayer(true);
            ringSequenceStarted = true;
            PlaySound(Find("FamilyTree"));
        }
        if (ringSequenceStarted)
            PlayRingSequence(dt);
    } else if (PlayerFree()) {
        completed = true;
        resultRunning = false;
        keyLinesShown = false;
        lighterShown = false;
        ringDropShown = false;
        treeDone = true;
        keepPlayerLocked = false;
        if (const auto audio = AudioOf(familyTree)) {
            audio->fadeOutTime = 2.0f;
            audio->fadingOut = true;
        }
        ClearPrompt();
    }
}

void FamilyTreeRoomEvent::PlayRingSequence(float dt)
{
    const int last = static_cast<int>(ringImages.size()) - 1;
    if (ringImageIndex < last) {
        const float a = AlphaOf(cutscene2);
        if (a < 1.0f) {
            SetAlpha(cutscene2, Framework::StepToward(a, 1.0f, ringFadeSpeed * dt));
            return;
        }
        if (AlphaOf(cutscene1) < 1.0f)
            SetAlpha(cutscene1, 1.0f);
        ++ringImageIndex;
        SwapPicture(cutscene1, ringImages[ringImageIndex]);
        SetAlpha(cutscene2, 0.0f);
        if (ringImageIndex < last)
            SwapPicture(cutscene2, ringImages[ringImageIndex + 1]);
        return;
    }
    // Without the pictures the sequence cannot fade: it goes straight to the lines.
    if (cutscene1 && AlphaOf(cutscene1) > 0.0f) {
        SetAlpha(cutscene1, Framework::StepToward(AlphaOf(cutscene1), 0.0f, ringFadeSpeed * dt));
        return;
    }
    if (!ringLinesShown) {
        // The sequence's own lock gives way to the lines, which lock the player themselves.
        Show(ringLines);
        ringLinesShown = true;
    } else if (PlayerFree()) {
        ringFound = true;
    }
}

std::shared_ptr<Component> FamilyTreeRoomEvent::Clone() const
{
    return std::make_shared<FamilyTreeRoomEvent>(*this);
}

void FamilyTreeRoomEvent::Serialize(std::ostream& stream) const
{
    WriteString(stream, GetTypeName());
    WriteFlag(stream, "Completed", completed);
    WriteInt(stream, "WaterCount", waterCount);
}

void FamilyTreeRoomEvent::Deserialize(std::istream& stream)
{
    ReadFlag(stream, completed);
    ReadInt(stream, waterCount);
}
