#pragma once

#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

#include "events/StoryEvent.h"

class GameObject;

// The hallway that repeats: each entry into its end sends the player back to its start and
// counts a loop. After four loops a bear blocks the way until the father tears it apart or
// moves it aside.
class LoopingHallwayEvent : public StoryEvent
{
public:
    static constexpr int kTypeId = 39;

    LoopingHallwayEvent();

    static std::string GetTypeName() { return "LoopingHallwayEvent"; }

    void Init() override;
    std::string GetName() const override { return GetTypeName(); }
    std::shared_ptr<Component> Clone() const override;
    void Serialize(std::ostream& stream) const override;
    void Deserialize(std::istream& stream) override;

    int loopCount = 0;
    bool awaitTearAnswer = false;
    bool awaitMoveAnswer = false;
    bool loop1LinesPending = true;
    bool loop3LinesPending = true;
    bool hallwayLinesPending = true;
    bool loopTeleportPending = false;
    bool completed = false;
    bool bearPlaced = false;
    bool askMovePending = false;
    bool musicStarted = false;
    bool musicFadeRequested = false;

private:
    void UpdateStory(float dt) override;
    // Only "Completed" is saved: a game saved with the bear already in the way finds the loop
    // triggers gone, so the count is taken back to the last lap from the world.
    void ReadWorld() override;
    void PlaceBear();
    void OpenWay();
    void TearBear();
    void MoveBearAside();
    void SetBlockerScale(float width, float height);

    std::shared_ptr<GameObject> bear, loopTrigger, exitDoor, loopStart, resetTrigger;
    std::vector<DialogueLine> bearTalkLines, loop1Lines, loop3Lines, takeMeLines, moveItLines, hallwayLines;
};
