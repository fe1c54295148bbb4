#include "events/IdenticalRoomEvent.h"

#include <cmath>
#include <ostream>

#include "audio/Audio.h"
#include "events/StoryActs.h"
#include "gameplay/GameController.h"
#include "graphics/Sprite.h"
#include "objects/GameObject.h"
#include "objects/TextWriters.h"

using namespace StoryActs;

namespace {
const char* const kMedicineText = "There is a medicine on the ";
const char* const kMissingText = "It seem like some of the blocks are missing here.";
const char* const kOpenDoorTexture = "DoorOpenv2_1x1.png";

bool At(const std::shared_ptr<GameObject>& object, float x, float y)
{
    const Vector2 p = PlaceOf(object);
    return object && std::fabs(p.x - x) < 0.01f && std::fabs(p.y - y) < 0.01f;
}
}  // namespace

IdenticalRoomEvent::IdenticalRoomEvent() : StoryEvent(kTypeId)
{
}

void IdenticalRoomEvent::Init()
{
    typeId = kTypeId;
    FindStoryCollaborators();
    cupboardR = Find("SymmetryCupboardR");
    blockAR = Find("SymmetryBlockAR");
    blockBR = Find("SymmetryBlockBR");
    bearAreaR1 = Find("SymmetryBearAreaR1");
    bearAreaR2A = Find("SymmetryBearAreaR2A");
    bearAreaR2B = Find("SymmetryBearAreaR2B");
    bearAreaR = Find("SymmetryBearAreaR");
    piece1Icon = Find("Piece1Icon");
    piece2Icon = Find("Piece2Icon");
    curtainsL = Find("SymmetryCurtainsL");
    doorL2 = Find("SymmetryDoorL2");
    switchObject = Find("SymmetrySwitch");
    rInteract = Find("SymmetryRInteract");

    medicineLines = {DialogueLine(kMedicineText + medicineSide, true, 0), DialogueLine("Do you want to shift it?", false, 0)};
    missingBlockLines = {DialogueLine(kMissingText, true, 0)};
    placeBlockLines = {DialogueLine(kMissingText, true, 0), DialogueLine("Do you want to place the Block?", false, 0)};
    pickedUpALines = {DialogueLine("Picked up BlockA.", false, 0)};
    pickedUpBLines = {DialogueLine("Picked up BlockB.", false, 0)};
    curtainLines = {DialogueLine("This curtain seem like it is moveable...", true, 0),
                    DialogueLine("Do you want to move it?", false, 0)};
    curtainStuckLines = {DialogueLine("The curtain stuck now.", false, 0)};
    resultLines = {DialogueLine("", false, 0)};
    differenceLines = {DialogueLine("A curtain...", true, 0), DialogueLine("A bed...", true, 0),
                       DialogueLine("A machine... hmm?", true, 0), DialogueLine("The machine...", true, 0),
                       DialogueLine("It looks different compare to opposite one...?", true, 0)};
}

void IdenticalRoomEvent::ReadWorld()
{
    bearComplete = bearAreaR && !IsHidden(bearAreaR) && IsHidden(bearAreaR1);
    curtainMoved = At(curtainsL, kCurtainX, kCurtainY);
    holdingBlockA = IsHidden(blockAR) && !bearComplete && IconShows(piece1Icon, "ABlock_1x1.png");
    holdingBlockB = !holdingBlockA && IsHidden(blockBR) && !bearComplete &&
                    IconShows(piece2Icon, "BBlock_1x1.png");
    // The cupboard's frame shows the medicine's side.
    if (FrameOf(cupboardR) == 1) {
        medicineOnRight = true;
        medicineSide = "right.";
        medicineLines[0].text = kMedicineText + medicineSide;
        medicineCorrect = true;
    }
}

void IdenticalRoomEvent::LayOutSolvedRoom()
{
    medicineOnRight = true;
    medicineSide = "right.";
    medicineLines[0].text = kMedicineText + medicineSide;
    medicineCorrect = true;
    MoveTo(bearAreaR, Vector2(kBearX, kBearY));
    Hide(bearAreaR1);
    Hide(blockAR);
    Hide(blockBR);
    bearComplete = true;
    MoveTo(curtainsL, Vector2(kCurtainX, kCurtainY));
    curtainMoved = true;
    OpenDoor();
    restored = true;
}

void IdenticalRoomEvent::OpenDoor()
{
    Hide(FirstChild(doorL2));
    if (doorL2)
        doorL2->objectType = 999;
    SwapSavedTexture(doorL2, kOpenDoorTexture);
}

IdenticalRoomEvent::Zone IdenticalRoomEvent::FindZone(std::shared_ptr<GameObject>& zoneObject) const
{
    const std::pair<Zone, std::shared_ptr<GameObject>> zones[] = {
        {Zone::Cupboard, FirstChild(cupboardR)},
        {Zone::BearEmpty, bearAreaR1},
        {Zone::BearHalf, bearAreaR2A},
        {Zone::BearHalf, bearAreaR2B},
        {Zone::BearDone, bearAreaR},
        {Zone::BlockA, FirstChild(blockAR)},
        {Zone::BlockB, FirstChild(blockBR)},
        {Zone::Curtain, curtainsL},
        {Zone::Switch, switchObject},
        {Zone::Difference, rInteract},
    };
    for (const auto& [zone, object] : zones)
        if (object && PlayerOverlaps(object.get())) {
            zoneObject = object;
            return zone;
        }
    return Zone::None;
}

void IdenticalRoomEvent::UpdateStory(float dt)
{
    if (completed && !restored)
        LayOutSolvedRoom();

    std::shared_ptr<GameObject> zoneObject;
    HandleZone(FindZone(zoneObject), zoneObject);

    const bool black = gameController && gameController->teleportFadingIn;
    if (black && curtainMovePending) {
        PlaySound(curtainsL);
        MoveTo(curtainsL, Vector2(kCurtainX, kCurtainY));
        curtainMovePending = false;
    }
    if (black && placeAtR1Pending) {
        if (holdingBlockA)
            Place(bearAreaR2A, bearAreaR1, true);
        else if (holdingBlockB)
            Place(bearAreaR2B, bearAreaR1, false);
        placeAtR1Pending = false;
    }
    if (black && placeAtR2Pending) {
        if (holdingBlockA)
            Place(bearAreaR, bearAreaR2B, true);
        else if (holdingBlockB)
            Place(bearAreaR, bearAreaR2A, false);
        bearComplete = true;
        placeAtR2Pending = false;
    }
    if (switchPulled)
        CheckSolution(dt);
    if (pickupGuard && PlayerFree())
        pickupGuard = false;
}

void IdenticalRoomEvent::HandleZone(Zone zone, const std::shared_ptr<GameObject>& zoneObject)
{
    if (zone == Zone::None || (zone == Zone::Switch && switchPulled)) {
        ClearPrompt();
        return;
    }
    if (zone == Zone::Switch && completed)
        return;
    UpdatePrompt(zoneObject.get());
    const bool pressed = InteractPressed();
    const bool holding = holdingBlockA || holdingBlockB;
    switch (zone) {
    case Zone::Cupboard:
        if (pressed)
            Say(medicineLines, true);
        break;
    case Zone::BearEmpty:
    case Zone::BearHalf:
        if (pressed)
            Say(holding ? placeBlockLines : missingBlockLines, holding);
        break;
    case Zone::BearDone:
        if (pressed) {
            missingBlockLines[0].text = "The bear and the block stucked together.";
            Say(missingBlockLines);
        }
        return;
    case Zone::BlockA:
    case Zone::BlockB:
        if (pressed && !pickupGuard)
            PickUp(zone == Zone::BlockA);
        return;
    case Zone::Curtain:
        if (pressed)
            Say(curtainMoved ? curtainStuckLines : curtainLines, !curtainMoved);
        break;
    case Zone::Switch:
        if (pressed) {
            PlaySound(switchObject);
            SetFrame(switchObject, 1);
            switchPulled = true;
        }
        return;
    case Zone::Difference:
        if (pressed)
            Say(differenceLines);
        return;
    case Zone::None:
        return;
    }
    // The answer is taken once the box has closed: closing it frees the player, which would
    // otherwise undo the lock of a fade started on the answer.
    bool yes = false;
    if (PlayerFree() && AnswerReady(yes) && yes)
        ApplyYes(zone);
}

void IdenticalRoomEvent::ApplyYes(Zone zone)
{
    switch (zone) {
    case Zone::Cupboard:
        ToggleMedicine();
        break;
    case Zone::BearEmpty:
    case Zone::BearHalf:
        // Only a carried block can be placed: a reload between question and answer drops it.
        if (!holdingBlockA && !holdingBlockB)
            break;
        if (gameController)
            gameController->FadeInPlace(0.5f);
        (zone == Zone::BearEmpty ? placeAtR1Pending : placeAtR2Pending) = true;
        break;
    case Zone::Curtain:
        if (gameController)
            gameController->FadeInPlace(0.5f);
        curtainMovePending = true;
        curtainMoved = true;
        break;
    default:
        break;
    }
}

void IdenticalRoomEvent::ToggleMedicine()
{
    medicineOnRight = !medicineOnRight;
    medicineSide = medicineOnRight ? "right." : "left.";
    medicineLines[0].text = kMedicineText + medicineSide;
    PlaySound(cupboardR);
    SetFrame(cupboardR, medicineOnRight ? 1 : 0);
    medicineCorrect = medicineSide == "right.";
}

void IdenticalRoomEvent::PickUp(bool blockA)
{
    const auto& block = blockA ? blockAR : blockBR;
    const auto& other = blockA ? blockBR : blockAR;
    bool& holdingOther = blockA ? holdingBlockB : holdingBlockA;
    if (holdingOther) {
        holdingOther = false;
        MoveTo(other, PlaceOf(block));
        HideIcon(blockA ? piece2Icon : piece1Icon);
    }
    pickupGuard = true;
    Hide(block);
    ShowIcon(blockA ? piece1Icon : piece2Icon, blockA ? "ABlock_1x1.png" : "BBlock_1x1.png");
    SetSoundAndPlay(block, "item_pickup", true);
    (blockA ? holdingBlockA : holdingBlockB) = true;
    Say(blockA ? pickedUpALines : pickedUpBLines);
}

void IdenticalRoomEvent::Place(const std::shared_ptr<GameObject>& next, const std::shared_ptr<GameObject>& current,
                               bool blockA)
{
    MoveTo(next, PlaceOf(current));
    Hide(current);
    HideIcon(blockA ? piece1Icon : piece2Icon);
    SetSoundAndPlay(blockA ? blockAR : blockBR, "item_place", true);
    (blockA ? holdingBlockA : holdingBlockB) = false;
}

void IdenticalRoomEvent::CheckSolution(float dt)
{
    if (gameController)
        gameController->LockPlayer(true);
    checkTimer -= dt;
    if (checkTimer > 0.0f)
        return;
    if (medicineCorrect && bearComplete && curtainMoved) {
        PlaySound(doorL2);
        resultLines[0].text = "It sounds like a door opened.";
        Say(resultLines);
        OpenDoor();
    } else {
        resultLines[0].text = "Hmm... nothing happened.";
        Say(resultLines);
    }
    SetFrame(switchObject, 0);
    checkTimer = checkDuration;
    switchPulled = false;
    // The result line keeps the player locked until it closes, so no script takes its press.
}

std::shared_ptr<Component> IdenticalRoomEvent::Clone() const
{
    return std::make_shared<IdenticalRoomEvent>(*this);
}

void IdenticalRoomEvent::Serialize(std::ostream& stream) const
{
    WriteString(stream, GetTypeName());
    WriteFlag(stream, "Completed", completed);
}

void IdenticalRoomEvent::Deserialize(std::istream& stream)
{
    ReadFlag(stream, completed);
}
