#pragma once

#include <iosfwd>
#include <memory>
#include <string>

#include "objects/Component.h"

class ParticleEmitter : public Component
{
public:
    static constexpr int kTypeId = 32;

    ParticleEmitter();

    static std::string GetTypeName() { return "ParticleEmitter"; }

    void Init() override;
    void Update(float dt) override;
    std::string GetName() const override { return GetTypeName(); }
    std::shared_ptr<Component> Clone() const override;
    void Serialize(std::ostream& stream) const override;
    void Deserialize(std::istream& stream) override;
};
