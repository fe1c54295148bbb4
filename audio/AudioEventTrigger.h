#pragma once

#include <iosfwd>
#include <memory>
#include <string>

#include "objects/Component.h"

class Audio;
class GameObject;

// A sound area: the player walking into the owner's box starts the owner's Audio; walking out
// stops a looping sound and re-arms the area, while a one-shot stays played.
class AudioEventTrigger : public Component
{
public:
    static constexpr int kTypeId = 14;

    AudioEventTrigger();

    static std::string GetTypeName() { return "AudioTrigger"; }

    // Finds the owner's Audio and the object named "Player".
    void Init() override;
    void Update(float dt) override;
    std::string GetName() const override { return GetTypeName(); }
    std::shared_ptr<Component> Clone() const override;
    // The block is the type-name line alone.
    void Serialize(std::ostream& stream) const override;
    void Deserialize(std::istream& stream) override;

    bool inside = false;
    std::shared_ptr<Audio> audio;
    // Weak: the trigger may sit on the player itself, and a strong hold would keep the player
    // and its components alive after every scene unload.
    std::weak_ptr<GameObject> player;

private:
    // Looks the collaborators up again while they are missing; the player, or empty (logged
    // once) while either is still missing.
    std::shared_ptr<GameObject> FindCollaborators();

    bool reportedMissing = false;
};
