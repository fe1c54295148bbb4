#pragma once

#include <iosfwd>
#include <memory>
#include <string>

#include "objects/Component.h"
#include "objects/ComponentTypes.h"

// Common base of the enemy components; holds the enemy state (an EnemyState value).
class EnemyAIBase : public Component
{
public:
    std::string GetName() const override = 0;
    std::shared_ptr<Component> Clone() const override { return nullptr; }
    void Serialize(std::ostream& stream) const override { (void)stream; }
    void Deserialize(std::istream& stream) override { (void)stream; }

    // The state chosen this frame; an enemy is idle until its first update places it.
    int mState = EnemyIdle;
    // What the enemy does outside the player's room; a new enemy paces.
    int mDefaultState = EnemyPatrol;

protected:
    explicit EnemyAIBase(int typeId_) : Component(typeId_) {}
    EnemyAIBase(const EnemyAIBase&) = default;
};
