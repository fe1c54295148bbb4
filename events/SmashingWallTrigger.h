#pragma once

#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

#include "events/StoryEvent.h"

class GameObject;

// The crushing-wall room: two walls slide together over a trail. The father lays the nurse
// clothes on the trail (the walls crush them and reopen, and a pipe drops), then lays the pipe
// across it, and the walls stop against the pipe. Walls that meet on the player kill him.
class SmashingWallTrigger : public StoryEvent
{
public:
    static constexpr int kTypeId = 29;

    SmashingWallTrigger();

    static std::string GetTypeName() { return "SmashingWallTrigger"; }

    void Init() override;
    std::string GetName() const override { return GetTypeName(); }
    std::shared_ptr<Component> Clone() const override;
    void Serialize(std::ostream& stream) const override;
    void Deserialize(std::istream& stream) override;

    bool SmashDollPicked = false;
    bool PipeCanPick = false;
    bool PipePicked = false;
    bool EntranceOnce = false;
    bool completed = false;
    float wallSpeed = 70.0f;
    bool trapSprung = false;
    bool pipePlaced = false;
    bool clothesJamming = false;
    float reopenTimer = 7.0f;
    bool clothesPlaced = false;
    bool reopenRunning = false;
    bool cueFlag = false;
    bool clothesCueGiven = false;
    bool triggerSoundPlayed = false;
    bool safeShown = false;
    bool deathStarted = false;
    // Which question is open: 0 none, 1 the pipe, 2 the clothes, 3 placing the pipe.
    int pendingQuestion = 0;

private:
    void UpdateStory(float dt) override;
    void StopWalls();
    void CloseWalls();
    void Interact();
    void Answer();
    void ClothesStage();
    void Reopen(float dt);
    void FinalClosing();

    std::shared_ptr<GameObject> playerSprite, wallLeft, wallRight, colliderLeft, colliderRight, trapTrigger;
    std::shared_ptr<GameObject> playerStop, getSmash, item, itemIcon, pipe, pipeSource;
    std::vector<DialogueLine> placeClothesLines, fishyLines, jamLines, loosePipeLines, pickPipeLines,
        placePipeLines, trailLines, pickedClothesLines, safeLines;
};
