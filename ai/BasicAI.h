#pragma once

#include <iosfwd>
#include <memory>
#include <string>

#include "ai/EnemyAIBase.h"

class BasicAI : public EnemyAIBase
{
public:
    static constexpr int kTypeId = 8;

    BasicAI();

    static std::string GetTypeName() { return "BasicAI"; }

    void Init() override;
    void Update(float dt) override;
    std::string GetName() const override { return GetTypeName(); }
    std::shared_ptr<Component> Clone() const override;
    void Serialize(std::ostream& stream) const override;
    void Deserialize(std::istream& stream) override;
};
