#pragma once

#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

#include "events/StoryEvent.h"

class GameObject;

// Four toy bears that speak when the player interacts with them; each one counts once towards
// the game controller's bear count, and the third one brings the writing on the wall.
class BearCounter : public StoryEvent
{
public:
    static constexpr int kTypeId = 36;
    static constexpr int kBears = 4;

    BearCounter();

    static std::string GetTypeName() { return "BearCounter"; }

    void Init() override;
    std::string GetName() const override { return GetTypeName(); }
    std::shared_ptr<Component> Clone() const override;
    void Serialize(std::ostream& stream) const override;
    void Deserialize(std::istream& stream) override;

    bool completed = false;
    bool counted[kBears] = {false, false, false, false};
    bool wallTextShown = false;
    float wallTextFadeSpeed = 3.0f;

private:
    void ReadWorld() override;
    void UpdateStory(float dt) override;
    std::shared_ptr<GameObject> bears[kBears];
    std::shared_ptr<GameObject> textOnWall;
    std::vector<DialogueLine> lines[kBears];
};
