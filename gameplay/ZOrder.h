#pragma once

#include <iosfwd>
#include <memory>
#include <string>

#include "objects/Component.h"

class GameController;
class GameObject;
class Transform;

// A depth zone around a prop, on a child object of the prop: while the player is inside, his
// sprite is drawn just behind the prop when he is higher up the screen than the zone's own
// position and just in front of it otherwise. The zones share the controller's zOrderCount,
// so his own depth comes back only once he has left every zone.
class ZOrder : public Component
{
public:
    static constexpr int kTypeId = 37;

    ZOrder();

    static std::string GetTypeName() { return "ZOrder"; }

    void Init() override;
    void Update(float dt) override;
    std::string GetName() const override { return GetTypeName(); }
    std::shared_ptr<Component> Clone() const override;
    void Serialize(std::ostream& stream) const override;
    void Deserialize(std::istream& stream) override;

    GameObject* ownerObject = nullptr;
    std::shared_ptr<Transform> ownTransform;
    // The prop; held weakly, as every child holds its parent.
    std::weak_ptr<GameObject> parentObject;
    std::shared_ptr<Transform> parentTransform;
    std::shared_ptr<GameController> gameController;
    std::shared_ptr<GameObject> player;
    std::shared_ptr<GameObject> playerSprite;
    std::shared_ptr<Transform> playerSpriteTransform;
    float homeDepth = 0.0f;
    float depthStep = 0.01f;
    bool inside = false;
    bool placedInFront = false;
    bool placedBehind = false;

private:
    // The prop's Transform once parents are linked; empty (reported once) when there is none.
    bool FindProp();
    void Enter();
    void Leave();
    // Behind the prop above the zone's line, in front of it on or below the line; once per
    // crossing, and never undoing an order the sprite already has.
    void PlaceSprite();
};
