#pragma once

#include <iosfwd>
#include <memory>
#include <string>

#include "objects/Component.h"

class GameController;
class GameObject;

// Developer keys, read every frame while input is enabled: 1 to 9 put the player on fixed
// places of the level, 0 kills him, minus solves the mirror room, equals shakes the camera
// and P flips running on every frame it is held. A key whose target is missing does nothing.
class Cheats : public Component
{
public:
    static constexpr int kTypeId = 12;

    Cheats();

    static std::string GetTypeName() { return "Cheats"; }

    void Init() override;
    void Update(float dt) override;
    std::string GetName() const override { return GetTypeName(); }
    std::shared_ptr<Component> Clone() const override;
    void Serialize(std::ostream& stream) const override;
    void Deserialize(std::istream& stream) override;

    // The first held key of the table acts; the others wait for a later frame.
    void HandleTeleportKeys();
    void HandleToggleKey();

    // What P last gave to the player's canRun.
    bool runToggle = false;
    std::shared_ptr<GameObject> player;
    std::shared_ptr<GameController> controller;

private:
    void TeleportTo(const std::string& targetName);
    void SolveMirrorRoom();
    void Shake();
    void Kill();
};
