#pragma once

#include <iosfwd>
#include <memory>
#include <string>

#include "engine/Vector2.h"
#include "engine/Vector3.h"
#include "objects/Component.h"

class Audio;
class Collider;
class GameObject;
class LightSource;
class Transform;

// The father: walks and runs on the bound keys along one axis at a time, turns toward the
// mouse, is stopped by walls, goes through doors, keeps the torch beside him and the camera on
// him, plays footsteps and shows the interact prompt an interactable asks for. The game
// controller freezes him through SetFrozen; story scripts move him through the teleports.
class PlayerBehaviour : public Component
{
public:
    static constexpr int kTypeId = 7;

    // Direction codes.
    static constexpr int kUp = 0;
    static constexpr int kDown = 1;
    static constexpr int kLeft = 2;
    static constexpr int kRight = 3;

    PlayerBehaviour();

    static std::string GetTypeName() { return "PlayerBehaviour"; }

    void Init() override;
    void Update(float dt) override;
    std::string GetName() const override { return GetTypeName(); }
    std::shared_ptr<Component> Clone() const override;
    void Serialize(std::ostream& stream) const override;
    void Deserialize(std::istream& stream) override;

    std::shared_ptr<LightSource> GetTorch() const { return torchLight; }
    void SetFrozen(bool freeze);
    void HandleMovementInput();
    void UpdateAnimation(float dt);
    // Stops the player at the wall with this box; the side letter, or "" when none applies.
    std::string ResolveWallCollision(const std::shared_ptr<Collider>& wall);
    void PlayFootstep();
    void StopFootstep();
    void SetIdleFrame(int direction, bool alsoTorch);
    void SetTorchOffset(int direction);
    void FaceTowards(Vector2 direction);
    void ToggleTorch();
    std::string StopAtWall(Vector3 obstacle);
    // Forgets the wall that stopped him: a teleport takes him away from it.
    void LeaveWall();
    // Fade-teleports, as a door does.
    void TeleportTo(Vector3 position);
    void TeleportToObject(const std::string& name);

    GameObject* ownerObject = nullptr;
    std::shared_ptr<GameObject> playerSprite;
    std::shared_ptr<GameObject> interactPrompt;
    std::shared_ptr<GameObject> gameController;
    std::shared_ptr<GameObject> camera;
    std::shared_ptr<Collider> upZone;
    std::shared_ptr<Collider> leftZone;
    std::shared_ptr<Collider> rightZone;
    std::shared_ptr<Collider> downZone;
    std::shared_ptr<LightSource> torchLight;
    std::shared_ptr<Transform> torchTransform;
    std::shared_ptr<Audio> doorAudio;
    std::string blockedSide;
    std::string lastWallSide;
    // Down until the first movement key: freeing the player shows this idle pose.
    int moveDirection = kDown;
    float speed = 5.0f;
    float animTime = 0.0f;
    float walkSpeed = 5.0f;
    float runSpeed = 8.0f;
    float frameTime = 0.18f;
    bool canRun = false;
    bool showPrompt = false;
    bool promptVisible = false;
    bool frozen = false;
    bool blocked = false;
    std::string facingName;
    std::string spriteFacing;
    Vector2 torchOffset;
    float footstepTimer = 0.0f;

private:
    // One of the six footstep sounds, drawn from the shared random sequence.
    static std::string PickFootstepName();
    // The door: sound, then the fade-teleport request toward target.
    void StartTeleport(const Vector2& target);
    // ownBox: the player's Collider when he has a Rigidbody too (what the overlap asks), else null.
    void WallAndDoorPass(GameObject& object, const Collider* ownBox);
    void UpdateFacing();
    void ApplyIdlePose(const std::string& facing);
    void ReleaseBlock();
    void FootstepForScriptedMotion(float dt);
    void PlacePrompt();
    void PlaceTorch();
};
