#pragma once

#include <iosfwd>
#include <memory>
#include <string>

#include "objects/Component.h"

class IdenticalRoomEvent : public Component
{
public:
    static constexpr int kTypeId = 38;

    IdenticalRoomEvent();

    static std::string GetTypeName() { return "IdenticalRoomEvent"; }

    void Init() override;
    void Update(float dt) override;
    std::string GetName() const override { return GetTypeName(); }
    std::shared_ptr<Component> Clone() const override;
    void Serialize(std::ostream& stream) const override;
    void Deserialize(std::istream& stream) override;

    // The room's puzzle counts as solved.
    bool completed = false;
};
