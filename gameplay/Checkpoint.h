#pragma once

#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

#include "gameplay/DialogueLine.h"
#include "objects/Component.h"

class GameController;
class GameObject;

class Checkpoint : public Component
{
public:
    static constexpr int kTypeId = 26;

    Checkpoint();

    static std::string GetTypeName() { return "Checkpoint"; }

    void Init() override;
    void Update(float dt) override;
    std::string GetName() const override { return GetTypeName(); }
    std::shared_ptr<Component> Clone() const override;
    void Serialize(std::ostream& stream) const override;
    void Deserialize(std::istream& stream) override;

    std::vector<DialogueLine> lines;
    int portraitFrame = 0;
    std::shared_ptr<GameController> gameController;
    std::shared_ptr<GameObject> player;
    bool promptShown = false;
    bool used = false;
};
