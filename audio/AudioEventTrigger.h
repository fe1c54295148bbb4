#pragma once

#include <iosfwd>
#include <memory>
#include <string>

#include "objects/Component.h"

class Audio;
class GameObject;

class AudioEventTrigger : public Component
{
public:
    static constexpr int kTypeId = 14;

    AudioEventTrigger();

    static std::string GetTypeName() { return "AudioTrigger"; }

    void Init() override;
    void Update(float dt) override;
    std::string GetName() const override { return GetTypeName(); }
    std::shared_ptr<Component> Clone() const override;
    void Serialize(std::ostream& stream) const override;
    void Deserialize(std::istream& stream) override;

    bool inside = false;
    std::shared_ptr<Audio> audio;
    std::shared_ptr<GameObject> player;
};
