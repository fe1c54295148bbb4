#pragma once

#include <iosfwd>
#include <memory>
#include <string>

#include "events/StoryEvent.h"

class GameObject;

// While the player stands in its area his thought shows above him (frame 5 of "PlayerText"),
// and it goes when he steps out; after three seconds inside in all, it is hidden for good.
class FamiliarDoll : public StoryEvent
{
public:
    static constexpr int kTypeId = 16;

    FamiliarDoll();

    static std::string GetTypeName() { return "FamDollTrigger"; }

    void Init() override;
    std::string GetName() const override { return GetTypeName(); }
    std::shared_ptr<Component> Clone() const override;
    void Serialize(std::ostream& stream) const override;
    void Deserialize(std::istream& stream) override;

    bool textHidden = false;
    float textTimer = 3.0f;

private:
    static constexpr int kThoughtFrame = 5;

    // This trigger showed the thought on its last update.
    bool textShown = false;

    void UpdateStory(float dt) override;
};
