#pragma once

#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

#include "events/StoryEvent.h"

class GameObject;

// The light room: a switch for a spotlight over a resting enemy. Walking into the enemy's zone
// with the light off wakes him; with it on he stays. The lever ends the room.
class LightRoomEvent : public StoryEvent
{
public:
    static constexpr int kTypeId = 30;

    LightRoomEvent();

    static std::string GetTypeName() { return "LightRoomEvent"; }

    void Init() override;
    std::string GetName() const override { return GetTypeName(); }
    std::shared_ptr<Component> Clone() const override;
    void Serialize(std::ostream& stream) const override;
    void Deserialize(std::istream& stream) override;

    bool hintShown = false;
    bool switchUsable = true;
    bool spotlightOn = false;
    float steadyDelay = 0.5f;
    float steadyTimer = 0.0f;
    bool steadyHeld = false;
    bool stalkerZoneDone = false;
    bool completed = false;

private:
    void UpdateStory(float dt) override;
    void ReadWorld() override;
    void PullLever();
    void WakeStalker();

    std::shared_ptr<GameObject> lightSwitch, restingStalker, stalkerZone, spotlight, glass, leverZone;
    std::shared_ptr<GameObject> puzzleLight, puzzleDoor, puzzlePortal, hintTile;
    std::vector<DialogueLine> hintLines;
};
