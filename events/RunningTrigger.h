#pragma once

#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

#include "engine/Vector2.h"
#include "events/StoryEvent.h"
#include "gameplay/ShownPictures.h"

class Audio;

// The running girl: taking the paper on the owner's spot shows a drawing; once it is closed
// the girl runs off to the right from "Exit1-5link", fading away, and the hole in the wall
// then offers to take the player through to "Entrance1-5link".
class RunningTrigger : public StoryEvent
{
public:
    static constexpr int kTypeId = 18;

    RunningTrigger();

    static std::string GetTypeName() { return "RunningDoll"; }

    void Init() override;
    std::string GetName() const override { return GetTypeName(); }
    std::shared_ptr<Component> Clone() const override;
    void Serialize(std::ostream& stream) const override;
    void Deserialize(std::istream& stream) override;

    void UpdateHole();

    bool completed = false;
    std::vector<DialogueLine> holeLines;
    Vector2 imageScale = shownpictures::kRunningGirlDrawing.scale;
    float girlSpeed = 6.0f;
    bool paperRead = false;
    bool girlRunning = false;
    bool girlGone = false;

    std::shared_ptr<GameObject> littleGirl;
    std::shared_ptr<GameObject> girlStart;
    std::shared_ptr<GameObject> paper;
    std::shared_ptr<GameObject> holeZone;
    std::shared_ptr<GameObject> holeTarget;
    std::shared_ptr<Audio> paperAudio;

private:
    void UpdateStory(float dt) override;
};
