#pragma once

#include <iosfwd>
#include <memory>
#include <string>

#include "events/StoryEvent.h"

class GameObject;

// A zone that finishes the painting of its room the first time the player walks into it.
class PaintTrigger : public StoryEvent
{
public:
    static constexpr int kTypeId = 19;

    PaintTrigger();

    static std::string GetTypeName() { return "PaintTrigger"; }

    void Init() override;
    std::string GetName() const override { return GetTypeName(); }
    std::shared_ptr<Component> Clone() const override;
    void Serialize(std::ostream& stream) const override;
    void Deserialize(std::istream& stream) override;

    std::shared_ptr<GameObject> portraitObject;
    bool completed = false;

private:
    void UpdateStory(float dt) override;
};
