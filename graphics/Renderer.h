#pragma once

#include <iosfwd>
#include <memory>
#include <string>

#include "objects/Component.h"

class Renderer : public Component
{
public:
    static constexpr int kTypeId = 5;

    Renderer();

    static std::string GetTypeName() { return "Renderer"; }

    void Init() override;
    std::string GetName() const override { return GetTypeName(); }
    std::shared_ptr<Component> Clone() const override;
    void Serialize(std::ostream& stream) const override;
    void Deserialize(std::istream& stream) override;

    bool castsShadow = false;
};
