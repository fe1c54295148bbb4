#pragma once

#include <iosfwd>
#include <memory>
#include <string>

#include "objects/Component.h"

// Carries the per-object "Casts Shadow" option; stored and edited, read by nothing else.
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
    void Inspector(int id) override;

    bool castsShadow = false;
};
