#pragma once

#include <iosfwd>
#include <memory>
#include <string>

#include "engine/Vector3.h"
#include "events/StoryEvent.h"

class GameObject;

// A doll's pupil: while following, it stands a short way from its resting place on the side
// towards the player. The doll room switches all pupils on and off together.
class DollEyes : public StoryEvent
{
public:
    static constexpr int kTypeId = 34;

    DollEyes();

    static std::string GetTypeName() { return "DollEyes"; }

    void Init() override;
    std::string GetName() const override { return GetTypeName(); }
    std::shared_ptr<Component> Clone() const override;
    void Serialize(std::ostream& stream) const override;
    void Deserialize(std::istream& stream) override;

    Vector3 startPosition;
    bool following = false;
    float radius = 0.1f;
    std::shared_ptr<GameObject> bear;

private:
    void UpdateStory(float dt) override;
};
