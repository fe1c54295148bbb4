#pragma once

#include <iosfwd>
#include <memory>
#include <string>

#include "objects/Component.h"

class GameObject;

class FamiliarDoll : public Component
{
public:
    static constexpr int kTypeId = 16;

    FamiliarDoll();

    static std::string GetTypeName() { return "FamDollTrigger"; }

    void Init() override;
    void Update(float dt) override;
    std::string GetName() const override { return GetTypeName(); }
    std::shared_ptr<Component> Clone() const override;
    void Serialize(std::ostream& stream) const override;
    void Deserialize(std::istream& stream) override;

    std::shared_ptr<GameObject> player;
    bool textHidden = false;
    float textTimer = 3.0f;
};
