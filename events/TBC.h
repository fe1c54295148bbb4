#pragma once

#include <iosfwd>
#include <memory>
#include <string>

#include "objects/Component.h"

class TBC : public Component
{
public:
    static constexpr int kTypeId = 20;

    TBC();

    static std::string GetTypeName() { return "ToBeContinued"; }

    void Init() override;
    void Update(float dt) override;
    std::string GetName() const override { return GetTypeName(); }
    std::shared_ptr<Component> Clone() const override;
    void Serialize(std::ostream& stream) const override;
    void Deserialize(std::istream& stream) override;
};
