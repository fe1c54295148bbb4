#pragma once

#include <iosfwd>
#include <memory>
#include <string>

#include "events/StoryEvent.h"

// The painting on "Portrait": calm (frame 0), turned toward the player while he stands in
// its area right of a line (frame 1, a sound once per crossing), completed for good (frame 2,
// a sound) once the paint trigger calls Complete.
class PortraitEvent : public StoryEvent
{
public:
    static constexpr int kTypeId = 24;

    PortraitEvent();

    static std::string GetTypeName() { return "PortraitEvent"; }

    void Init() override;
    std::string GetName() const override { return GetTypeName(); }
    std::shared_ptr<Component> Clone() const override;
    void Serialize(std::ostream& stream) const override;
    void Deserialize(std::istream& stream) override;

    void Complete();
    void UpdateProximity();

    bool completed = false;
    bool completionSoundPlayed = false;
    bool nearSoundPlayed = false;
    bool triggered = false;
    float thresholdX = 332.5f;
    std::shared_ptr<GameObject> portraitCollider;

private:
    void UpdateStory(float dt) override;
};
