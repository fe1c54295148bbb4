#pragma once

#include <iosfwd>
#include <memory>
#include <string>

#include "engine/Vector3.h"
#include "objects/Component.h"

class GameObject;

class DollEyes : public Component
{
public:
    static constexpr int kTypeId = 34;

    DollEyes();

    static std::string GetTypeName() { return "DollEyes"; }

    void Init() override;
    void Update(float dt) override;
    std::string GetName() const override { return GetTypeName(); }
    std::shared_ptr<Component> Clone() const override;
    void Serialize(std::ostream& stream) const override;
    void Deserialize(std::istream& stream) override;

    Vector3 startPosition;
    bool following = false;
    float radius = 0.1f;
    std::shared_ptr<GameObject> player;
    std::shared_ptr<GameObject> bear;
};
