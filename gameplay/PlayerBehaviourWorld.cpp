// The player against the world: walls, doors and teleports, idle poses, the torch, footsteps.
#include <algorithm>
#include <cmath>
#include <string>
#include <string_view>

#include "audio/Audio.h"
#include "engine/InputSystem.h"
#include "engine/Random.h"
#include "gameplay/GameController.h"
#include "gameplay/LookUp.h"
#include "gameplay/ObjectParts.h"
#include "gameplay/PlayerBehaviour.h"
#include "graphics/LightPacking.h"
#include "graphics/LightSource.h"
#include "graphics/Sprite.h"
#include "objects/GameObject.h"
#include "objects/ObjectList.h"
#include "objects/Transform.h"
#include "physics/Collider.h"
#include "physics/Physics.h"
#include "physics/Rigidbody.h"

namespace {
const char* const kWho = "PlayerBehaviour";
constexpr int kBackground = 11;
constexpr int kWaypoint = 14;
// Gap left between the player and a wall he was pushed out of.
constexpr float kWallClearance = 0.05f;

struct IdlePose {
    const char* facing;
    int frame;
    int count;
    Vector2 poseOffset;   // set with the pose by walls and the idle handling
    Vector2 torchOffset;  // set by SetTorchOffset, with the torch's turn
    float torchRadians;
};

const IdlePose kPoses[4] = {
    {"UP", 48, 9, {0.7f, -0.5f}, {0.7f, -0.5f}, 3.14159265f},
    {"DOWN", 24, 9, {-0.7f, -0.5f}, {-0.7f, -0.5f}, 0.0f},
    {"LEFT", 36, 3, {-0.3f, -0.4f}, {-0.45f, -0.15f}, 4.712389f},
    {"RIGHT", 42, 3, {0.3f, -0.4f}, {0.3f, -0.4f}, 1.5707964f},
};

const IdlePose* PoseOfFacing(const std::string& facing)
{
    for (const IdlePose& pose : kPoses)
        if (facing == pose.facing)
            return &pose;
    return nullptr;
}

const IdlePose* PoseOfDirection(int direction)
{
    return direction >= 0 && direction < 4 ? &kPoses[direction] : nullptr;
}

void ShowFrame(const std::shared_ptr<GameObject>& object, int frame, int count)
{
    if (const std::shared_ptr<Sprite> sprite = SpriteOf(object)) {
        sprite->SetFrame(frame);
        sprite->animationCount = count;
    }
}

bool ActionUp(const char* action)
{
    return !gInputSystem || gInputSystem->IsActionUp(action);
}
}  // namespace

std::string PlayerBehaviour::PickFootstepName()
{
    static const char* const kSteps[6] = {"default_footstep1", "default_footstep2", "default_footstep3",
                                          "default_footstep4", "default_footstep5", "default_footstep6"};
    return kSteps[Framework::Rand() % 6];
}

void PlayerBehaviour::WallAndDoorPass(GameObject& object, const Collider* ownBox)
{
    if (!ownerObject || &object == ownerObject)
        return;
    // Only walls, doors and the nurse act here: the overlap test is spent on nothing else.
    const bool wallOrDoor = object.objectType == kBackground || object.objectType == kWaypoint;
    if (!wallOrDoor && object.name != std::string_view("Nurse"))
        return;
    // The overlap query: a Rigidbody and a Collider on both, the boxes overlapping.
    Rigidbody* body = nullptr;
    Collider* box = nullptr;
    object.FindComponents(body, box);
    if (!body || !box || !ownBox || !Framework::Physics::BoxesOverlap(*box, *ownBox))
        return;
    if (object.objectType == kBackground || object.name == std::string_view("Nurse")) {
        lastWallSide = ResolveWallCollision(object.GetComponent<Collider>());
        blockedSide = lastWallSide;
        blocked = true;
    }
    if (object.objectType == kWaypoint) {
        // A door whose far side is missing goes nowhere and must not lock the player.
        const std::string linkName = object.name + "link";
        const std::shared_ptr<GameObject> link = FindObjectByName(linkName);
        const std::shared_ptr<Transform> linkTransform = link ? link->GetComponent<Transform>() : nullptr;
        if (!linkTransform) {
            ReportMissing(kWho, "door link \"" + linkName + "\" with a Transform");
            return;
        }
        StartTeleport(Vector2(linkTransform->position.x, linkTransform->position.y));
    }
}

void PlayerBehaviour::StartTeleport(const Vector2& target)
{
    const std::shared_ptr<GameController> controller =
        gameController ? gameController->GetComponent<GameController>() : nullptr;
    if (!controller) {
        ReportMissing(kWho, "GameController to run a teleport");
        return;
    }
    if (doorAudio && !doorAudio->isPlaying)
        doorAudio->Play();
    controller->teleportActive = true;
    controller->teleportFadingOut = true;
    controller->LockPlayer(true);
    controller->teleportTarget = target;
    controller->teleportDuration = 0.5f;
    controller->teleportKeepLocked = false;
}

void PlayerBehaviour::TeleportTo(Vector3 position)
{
    StartTeleport(Vector2(position.x, position.y));
}

void PlayerBehaviour::TeleportToObject(const std::string& name)
{
    const std::shared_ptr<GameObject> target = FindObjectByName(name);
    const std::shared_ptr<Transform> transform = target ? target->GetComponent<Transform>() : nullptr;
    if (!transform) {
        ReportMissing(kWho, "teleport target \"" + name + "\" with a Transform");
        return;
    }
    StartTeleport(Vector2(transform->position.x, transform->position.y));
}

std::string PlayerBehaviour::ResolveWallCollision(const std::shared_ptr<Collider>& wall)
{
    const std::shared_ptr<Collider> own = ownerObject ? ownerObject->GetComponent<Collider>() : nullptr;
    const std::shared_ptr<Rigidbody> body = ownerObject ? ownerObject->GetComponent<Rigidbody>() : nullptr;
    const std::shared_ptr<Transform> transform = ownerObject ? ownerObject->GetComponent<Transform>() : nullptr;
    if (!wall || !own || !body || !transform)
        return "";
    const Vector3 pm = own->GetMin();
    const Vector3 pM = own->GetMax();
    const Vector3 wm = wall->GetMin();
    const Vector3 wM = wall->GetMax();
    const Vector2 v = body->velocity;
    std::string r;

    auto nudge = [&](float dx, float dy, const char* side) {
        body->velocity = Vector2(0.0f, 0.0f);
        const Vector3 p = transform->GetPosition();
        transform->SetPosition(Vector2(p.x + dx, p.y + dy));
        blocked = true;
        r = side;
    };

    // The push back is a fixed step, unless the player went deeper than it (a slow frame moves
    // him further): then he is pushed out of the wall, so he never walks through it. The depth
    // is measured from where he stands now; the box was stored before this frame's move. When
    // both sides of a case hold (a wall thinner than the player), the two steps cancel.
    const Vector3 now = transform->GetPosition() + own->offset;
    const float halfWidth = (pM.x - pm.x) * 0.5f;
    const float halfHeight = (pM.y - pm.y) * 0.5f;
    auto step = [](float fixed, float depth, bool alone) {
        return alone ? std::max(fixed, depth + kWallClearance) : fixed;
    };
    if (v.y != 0.0f && wM.x > pm.x && pM.x > wm.x) {
        const bool above = wm.y > pm.y;
        const bool below = pM.y > wM.y;
        if (above)
            nudge(0.0f, -step(0.2f, now.y + halfHeight - wm.y, !below), "U");
        if (below)
            nudge(0.0f, step(0.2f, wM.y - (now.y - halfHeight), !above), "D");
        ApplyIdlePose(facingName);
        return r;
    }
    if (v.x != 0.0f && wM.y > pm.y && pM.y > wm.y) {
        const bool right = wm.x > pm.x;
        const bool left = pM.x > wM.x;
        if (right)
            nudge(-step(0.25f, now.x + halfWidth - wm.x, !left), 0.0f, "R");
        if (left)
            nudge(step(0.25f, wM.x - (now.x - halfWidth), !right), 0.0f, "L");
        ApplyIdlePose(facingName);
        return r;
    }
    return "";
}

void PlayerBehaviour::ApplyIdlePose(const std::string& facing)
{
    const IdlePose* pose = PoseOfFacing(facing);
    if (!pose)
        return;
    ShowFrame(playerSprite, pose->frame, pose->count);
    torchOffset = pose->poseOffset;
}

void PlayerBehaviour::ReleaseBlock()
{
    if (ownerObject) {
        if (const std::shared_ptr<Rigidbody> body = ownerObject->GetComponent<Rigidbody>())
            body->velocity = Vector2(0.0f, 0.0f);
    }
    static const std::pair<const char*, const char*> kKeys[4] = {
        {"ACTION_LEFT", "L"}, {"ACTION_UP", "U"}, {"ACTION_RIGHT", "R"}, {"ACTION_DOWN", "D"}};
    for (const auto& key : kKeys) {
        if (ActionHeld(key.first) && blockedSide != key.second) {
            HandleMovementInput();
            blocked = false;
        }
    }
}

void PlayerBehaviour::LeaveWall()
{
    // Only another direction key lets go of a wall: kept past a teleport, the key he walked
    // in with would stay dead in the new room. A wall there blocks him again on its own.
    blocked = false;
    blockedSide.clear();
    lastWallSide.clear();
}

void PlayerBehaviour::UpdateAnimation(float dt)
{
    animTime += dt;
    if (animTime < 0.1f)
        return;
    const std::shared_ptr<Rigidbody> body = ownerObject ? ownerObject->GetComponent<Rigidbody>() : nullptr;
    if (body) {
        const Vector2 v = body->velocity;
        const bool stops[4] = {ActionUp("ACTION_UP") && v.y > 0.0f, ActionUp("ACTION_DOWN") && v.y < 0.0f,
                               ActionUp("ACTION_LEFT") && v.x < 0.0f, ActionUp("ACTION_RIGHT") && v.x > 0.0f};
        for (bool stop : stops) {
            if (stop) {
                body->velocity = Vector2(0.0f, 0.0f);
                ApplyIdlePose(spriteFacing);
            }
        }
    }
    if (PoseOfFacing(facingName) && spriteFacing != facingName) {
        ApplyIdlePose(facingName);
        spriteFacing = facingName;
    }
    footstepTimer = 0.0f;
}

std::string PlayerBehaviour::StopAtWall(Vector3 obstacle)
{
    const std::shared_ptr<Rigidbody> body = ownerObject ? ownerObject->GetComponent<Rigidbody>() : nullptr;
    const std::shared_ptr<Transform> transform = ownerObject ? ownerObject->GetComponent<Transform>() : nullptr;
    if (!body || !transform)
        return "";
    const Vector2 v = body->velocity;
    const Vector3 p = transform->GetPosition();
    auto stop = [&](int frame, int count, float dx, float dy) {
        body->velocity = Vector2(0.0f, 0.0f);
        ShowFrame(playerSprite, frame, count);
        transform->SetPosition(Vector2(p.x + dx, p.y + dy));
    };
    if (v.y > 0.0f) {
        if (obstacle.y > p.y)
            stop(48, 9, 0.0f, -0.15f);
        return "U";
    }
    if (v.y < 0.0f) {
        if (p.y > obstacle.y)
            stop(24, 9, 0.0f, 0.15f);
        return "D";
    }
    if (v.x > 0.0f) {
        if (obstacle.x > p.x)
            stop(42, 3, -0.15f, 0.0f);
        return "R";
    }
    if (v.x < 0.0f) {
        if (p.x > obstacle.x)
            stop(36, 3, 0.15f, 0.0f);
        return "L";
    }
    return "";
}

void PlayerBehaviour::SetIdleFrame(int direction, bool alsoTorch)
{
    const IdlePose* pose = PoseOfDirection(direction);
    if (!pose)
        return;
    ShowFrame(playerSprite, pose->frame, pose->count);
    if (alsoTorch)
        SetTorchOffset(direction);
}

void PlayerBehaviour::SetTorchOffset(int direction)
{
    const IdlePose* pose = PoseOfDirection(direction);
    if (!pose)
        return;
    torchOffset = pose->torchOffset;
    GameObject* torchOwner = torchLight ? torchLight->GetOwner() : nullptr;
    if (const std::shared_ptr<Transform> transform = torchOwner ? torchOwner->GetComponent<Transform>() : nullptr)
        transform->Rotate(pose->torchRadians);
}

void PlayerBehaviour::FaceTowards(Vector2 direction)
{
    if (std::fabs(direction.x) > std::fabs(direction.y))
        return;
    if (const std::shared_ptr<Sprite> sprite = SpriteOf(playerSprite)) {
        sprite->SetFrame(direction.y > 0.0f ? 30 : 50);
        sprite->animateFlag = false;
    }
}

void PlayerBehaviour::ToggleTorch()
{
    if (const std::shared_ptr<Sprite> sprite = SpriteOf(playerSprite))
        sprite->transparency = 0.8f;
    gLightsDirty = true;
    if (!torchLight) {
        ReportMissing(kWho, "LightSource on \"Torch\"");
        return;
    }
    torchLight->HalfAngle = 0.5235988f;
    torchLight->HardLightRatio = 0.4f;
    torchLight->MinimumBrightness = 0.0f;
    torchLight->CutoffDistance = 30.0f;
    if (GameObject* torchOwner = torchLight->GetOwner()) {
        if (const std::shared_ptr<Audio> audio = torchOwner->GetComponent<Audio>())
            audio->Play();
    }
}

void PlayerBehaviour::PlayFootstep()
{
    const std::shared_ptr<Audio> audio = ownerObject ? ownerObject->GetComponent<Audio>() : nullptr;
    if (!audio || frozen || !(footstepTimer < 0.0f))
        return;
    const std::string name = PickFootstepName();
    audio->Stop();
    audio->SetAudio(name, true);
    audio->volume = 0.1f;
    audio->Play();
    const std::shared_ptr<Sprite> sprite = SpriteOf(playerSprite);
    const float delay = sprite ? sprite->animationDelay : frameTime;
    footstepTimer = 2.0f * delay + 0.5f * delay;
}

void PlayerBehaviour::StopFootstep()
{
    const std::shared_ptr<Audio> audio = ownerObject ? ownerObject->GetComponent<Audio>() : nullptr;
    if (audio && audio->isPlaying) {
        audio->Stop();
        footstepTimer = 0.0f;
    }
}
