#pragma once

#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

#include "events/StoryEvent.h"

// The mirror room: the right side is made to match the left (the medicine shifted right, both
// blocks placed on the bear spot, the curtain moved), then the switch is pulled; after the
// countdown the door of the left room opens, or nothing happens.
class IdenticalRoomEvent : public StoryEvent
{
public:
    static constexpr int kTypeId = 38;

    IdenticalRoomEvent();

    static std::string GetTypeName() { return "IdenticalRoomEvent"; }

    void Init() override;
    std::string GetName() const override { return GetTypeName(); }
    std::shared_ptr<Component> Clone() const override;
    void Serialize(std::ostream& stream) const override;
    void Deserialize(std::istream& stream) override;

    // Where the finished bear spot and the moved curtain stand.
    static constexpr float kBearX = -237.4f;
    static constexpr float kBearY = 72.8f;
    static constexpr float kCurtainX = -265.0f;
    static constexpr float kCurtainY = 64.27f;

    std::vector<DialogueLine> medicineLines;
    std::vector<DialogueLine> missingBlockLines;
    std::vector<DialogueLine> placeBlockLines;
    std::vector<DialogueLine> pickedUpALines;
    std::vector<DialogueLine> pickedUpBLines;
    std::vector<DialogueLine> curtainLines;
    std::vector<DialogueLine> curtainStuckLines;
    std::vector<DialogueLine> resultLines;
    std::vector<DialogueLine> differenceLines;

    std::shared_ptr<GameObject> cupboardR;
    std::shared_ptr<GameObject> blockAR;
    std::shared_ptr<GameObject> blockBR;
    std::shared_ptr<GameObject> bearAreaR1;
    std::shared_ptr<GameObject> bearAreaR2A;
    std::shared_ptr<GameObject> bearAreaR2B;
    std::shared_ptr<GameObject> bearAreaR;
    std::shared_ptr<GameObject> piece1Icon;
    std::shared_ptr<GameObject> piece2Icon;
    std::shared_ptr<GameObject> curtainsL;
    std::shared_ptr<GameObject> doorL2;
    std::shared_ptr<GameObject> switchObject;
    std::shared_ptr<GameObject> rInteract;

    std::string medicineSide = "left.";
    bool medicineOnRight = false;
    bool holdingBlockA = false;
    bool holdingBlockB = false;
    bool medicineCorrect = false;
    bool bearComplete = false;
    bool curtainMoved = false;
    bool switchPulled = false;
    bool curtainMovePending = false;
    bool placeAtR1Pending = false;
    bool placeAtR2Pending = false;
    bool restored = false;
    // The room's puzzle counts as solved (saved; the cheats set it too).
    bool completed = false;
    bool pickupGuard = false;
    float checkDuration = 18.0f;
    float checkTimer = 18.0f;

private:
    void UpdateStory(float dt) override;
    enum class Zone { None, Cupboard, BearEmpty, BearHalf, BearDone, BlockA, BlockB, Curtain, Switch, Difference };
    Zone FindZone(std::shared_ptr<GameObject>& zoneObject) const;
    // What a save keeps of the room: the spot's looks, the curtain, the carried icon, the cupboard.
    void ReadWorld() override;
    void LayOutSolvedRoom();
    void HandleZone(Zone zone, const std::shared_ptr<GameObject>& zoneObject);
    void ApplyYes(Zone zone);
    void ToggleMedicine();
    void PickUp(bool blockA);
    void Place(const std::shared_ptr<GameObject>& next, const std::shared_ptr<GameObject>& current, bool blockA);
    void OpenDoor();
    void CheckSolution(float dt);
};
