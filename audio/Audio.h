#pragma once

#include <iosfwd>
#include <memory>
#include <string>

#include "objects/Component.h"

class Audio : public Component
{
public:
    static constexpr int kTypeId = 6;

    Audio();

    static std::string GetTypeName() { return "Audio"; }

    void Init() override;
    void Update(float dt) override;
    std::string GetName() const override { return GetTypeName(); }
    std::shared_ptr<Component> Clone() const override;
    void Serialize(std::ostream& stream) const override;
    void Deserialize(std::istream& stream) override;
};
