#pragma once

#include <iosfwd>
#include <memory>
#include <string>

#include "objects/Component.h"

class LightSource : public Component
{
public:
    static constexpr int kTypeId = 4;

    explicit LightSource(float halfAngle);

    static std::string GetTypeName() { return "LightSource"; }

    void Init() override;
    std::string GetName() const override { return GetTypeName(); }
    std::shared_ptr<Component> Clone() const override;
    void Serialize(std::ostream& stream) const override;
    void Deserialize(std::istream& stream) override;

    float HalfAngle;
};
