#pragma once

#include <iosfwd>
#include <memory>
#include <string>

#include "events/StoryEvent.h"

// The lever room: pulling the lever opens the trap door (animation, sound, camera shake, the
// player held still until the trap door's sound has faded); from then on the exit under it
// fades the player to "LeverMove".
class TBC : public StoryEvent
{
public:
    static constexpr int kTypeId = 20;

    TBC();

    static std::string GetTypeName() { return "ToBeContinued"; }

    void Init() override;
    std::string GetName() const override { return GetTypeName(); }
    std::shared_ptr<Component> Clone() const override;
    void Serialize(std::ostream& stream) const override;
    void Deserialize(std::istream& stream) override;

    bool completed = false;
    bool trapDoorOpen = false;
    bool leverPulled = false;
    bool trapDoorSettled = false;
    // The trap door's sound fades by this many volume units a second, on the 0..1 scale.
    float fadeRate = 1.0f;
    // Below this volume the lever's creak is repeated while the trap door's sound fades.
    float creakBelow = 0.8f;

    std::shared_ptr<GameObject> leverTarget;
    std::shared_ptr<GameObject> lever;
    std::shared_ptr<GameObject> trapDoor;
    std::shared_ptr<GameObject> exit;

private:
    void UpdateStory(float dt) override;
};
