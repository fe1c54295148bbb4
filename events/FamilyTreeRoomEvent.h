#pragma once

#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

#include "engine/Vector2.h"
#include "events/StoryEvent.h"

class Sprite;
class Transform;

// The family-tree room: two bags of water poured on the tree (a yes/no question) make it grow
// two stages each; the first watering gives the Nursery key, the second the chemical-room key,
// a lighter and the wedding ring (a short picture sequence), which finishes the room. It also
// keeps the door locked from the other side until the second light board is solved, and the
// chemical-room door once the room is finished.
class FamilyTreeRoomEvent : public StoryEvent
{
public:
    static constexpr int kTypeId = 33;

    FamilyTreeRoomEvent();

    static std::string GetTypeName() { return "FamilyTreeRoomEvent"; }

    void Init() override;
    std::string GetName() const override { return GetTypeName(); }
    std::shared_ptr<Component> Clone() const override;
    void Serialize(std::ostream& stream) const override;
    void Deserialize(std::istream& stream) override;

    // The first bag (the doll room hands it over through this as well).
    void PickUpIVBag();

    std::vector<DialogueLine> waterLines;
    std::vector<DialogueLine> treeLines;
    std::vector<DialogueLine> doorLines;
    std::vector<DialogueLine> questionLines;
    std::vector<DialogueLine> nurseryKeyLines;
    std::vector<DialogueLine> chemicalKeyLines;
    std::vector<DialogueLine> lighterLines;
    std::vector<DialogueLine> ringDropLines;
    std::vector<DialogueLine> ringLines;
    std::vector<std::string> ringImages;

    Vector2 savepointPosition{-170.9f, 70.3f};
    int waterCount = 0;
    float growthFadeSpeed = 1.0f;
    bool hasWater1 = false;
    bool hasWater2 = false;
    bool pickupPending = false;
    bool growing = false;
    bool growthFramePrepared = false;
    bool restored = false;
    bool completed = false;
    bool resultRunning = false;
    bool keyLinesShown = false;
    bool lighterShown = false;
    bool ringDropShown = false;
    bool ringFound = false;
    bool nurseryKeyFound = false;
    bool treeDone = false;
    bool ringSequenceStarted = false;
    bool ringLinesShown = false;
    bool keepPlayerLocked = false;
    // The growth itself (not a dialogue) holds the player; its end lets him go.
    bool lockedForGrowth = false;
    bool finalDoorUnlocked = false;
    int ringImageIndex = 0;
    float ringFadeSpeed = 0.8f;

    std::shared_ptr<Transform> savepoint;
    std::shared_ptr<GameObject> cutscene1;
    std::shared_ptr<GameObject> cutscene2;
    std::shared_ptr<GameObject> dollRoomWater;
    std::shared_ptr<GameObject> symmetryWater;
    std::shared_ptr<GameObject> familyTree;
    std::shared_ptr<GameObject> piece1Icon;
    std::shared_ptr<GameObject> piece2Icon;
    std::shared_ptr<GameObject> finalPuzzleDoor;
    std::shared_ptr<GameObject> finalPuzzlePortal;
    std::shared_ptr<GameObject> finalPuzzleTrigger;
    std::shared_ptr<GameObject> lightPuzzleBoard;
    std::shared_ptr<GameObject> chemicalDoor;
    std::shared_ptr<Sprite> treeGrowth;

private:
    void UpdateStory(float dt) override;
    // True when the rest of the frame is the finished room's.
    bool RestoreAndFinish(float dt);
    void UpdateZones();
    void UpdateFinalDoor();
    void PickUpIVBag2();
    void Pour(bool& hasWater, const std::shared_ptr<GameObject>& icon);
    void GrowTree(float dt);
    void UpdateWatering(float dt);
    void PlayRingSequence(float dt);
    void Show(const std::vector<DialogueLine>& lines);
};
