#pragma once

#include <iosfwd>
#include <memory>
#include <string>

#include "objects/Component.h"

class LightPuzzle : public Component
{
public:
    static constexpr int kTypeId = 31;

    LightPuzzle();

    static std::string GetTypeName() { return "LightPuzzle"; }

    void Init() override;
    void Update(float dt) override;
    std::string GetName() const override { return GetTypeName(); }
    std::shared_ptr<Component> Clone() const override;
    void Serialize(std::ostream& stream) const override;
    void Deserialize(std::istream& stream) override;
};
