#pragma once

#include <iosfwd>
#include <memory>
#include <string>

#include "ai/EnemyAIBase.h"

class GameObject;

class LatchingAI : public EnemyAIBase
{
public:
    static constexpr int kTypeId = 9;

    LatchingAI();

    static std::string GetTypeName() { return "LatchingAI"; }

    void Init() override;
    void Update(float dt) override;
    std::string GetName() const override { return GetTypeName(); }
    std::shared_ptr<Component> Clone() const override;
    void Serialize(std::ostream& stream) const override;
    void Deserialize(std::istream& stream) override;

    bool Latched = false;
    std::shared_ptr<GameObject> mPlayer;
    float TimeToShake = 10.0f;
    float Timer = 0.0f;
    int MashCount = 0;
    int BreakFreeCount = 10;
    bool mDead = false;
};
