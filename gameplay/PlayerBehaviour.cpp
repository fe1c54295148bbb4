#include "gameplay/PlayerBehaviour.h"

#include <istream>
#include <ostream>

#include "audio/Audio.h"
#include "engine/InputSystem.h"
#include "engine/Random.h"
#include "engine/WindowSystem.h"
#include "gameplay/GameController.h"
#include "gameplay/LookUp.h"
#include "gameplay/ObjectParts.h"
#include "graphics/LightPacking.h"
#include "graphics/LightSource.h"
#include "graphics/Sprite.h"
#include "objects/GameObject.h"
#include "objects/ListPrefetch.h"
#include "objects/ObjectList.h"
#include "objects/TextWriters.h"
#include "objects/Transform.h"
#include "physics/Collider.h"
#include "physics/Physics.h"
#include "physics/Rigidbody.h"

namespace {
const char* const kWho = "PlayerBehaviour";
// The torch's beam leaves the one holding it in the dark: a dim circle round it shows him
// (and whatever clings to him) wherever he stands, and little of the floor.
constexpr float kTorchGlowRadius = 2.4f;
constexpr float kTorchGlowLevel = 0.45f;

std::shared_ptr<Collider> ZoneCollider(const char* name)
{
    return FindRequiredComponent<Collider>(kWho, name, "Collider");
}
}  // namespace

PlayerBehaviour::PlayerBehaviour() : Component(kTypeId)
{
}

void PlayerBehaviour::Init()
{
    typeId = kTypeId;
    ownerObject = GetOwner();
    upZone = ZoneCollider("DirectionUp");
    downZone = ZoneCollider("DirectionDown");
    leftZone = ZoneCollider("DirectionLeft");
    rightZone = ZoneCollider("DirectionRight");
    if (const std::shared_ptr<GameObject> torch = FindRequired(kWho, "Torch")) {
        torchLight = torch->GetComponent<LightSource>();
        torchTransform = torch->GetComponent<Transform>();
        if (torchLight) {
            torchLight->GlowRadius = kTorchGlowRadius;
            torchLight->GlowLevel = kTorchGlowLevel;
        }
    }
    gameController = FindRequired(kWho, "GameController");
    camera = FindRequired(kWho, "Camera");
    // The last of a name wins, as a scan of the whole list finds it.
    for (const std::shared_ptr<GameObject>& object : gGameObjects) {
        if (!object)
            continue;
        if (object->name == "PlayerSprite")
            playerSprite = object;
        else if (object->name == "PlayerE")
            interactPrompt = object;
        else if (object->name == "DoorAudio")
            doorAudio = object->GetComponent<Audio>();
    }
    if (!playerSprite)
        ReportMissing(kWho, "object \"PlayerSprite\"");
    if (!interactPrompt)
        ReportMissing(kWho, "object \"PlayerE\"");
    if (!doorAudio)
        ReportMissing(kWho, "Audio on \"DoorAudio\"");

    const std::shared_ptr<Sprite> sprite = SpriteOf(playerSprite);
    if (sprite)
        sprite->animationDelay = 0.18f;
    speed = 5.0f;
    animTime = 0.0f;
    frozen = false;
    blocked = false;
    torchOffset = Vector2(-0.7f, -0.5f);
    walkSpeed = speed;
    frameTime = sprite ? sprite->animationDelay : 0.18f;
    footstepTimer = frameTime + frameTime + frameTime * 0.5f;
}

void PlayerBehaviour::Update(float dt)
{
    if (frozen) {
        FootstepForScriptedMotion(dt);
    } else {
        footstepTimer -= dt;
        const std::shared_ptr<Sprite> sprite = SpriteOf(playerSprite);
        const bool wantsRun = ActionHeld("ACTION_RUN") && canRun;
        if (wantsRun && speed != runSpeed) {
            if (sprite && walkSpeed != 0.0f)
                sprite->animationDelay = frameTime / (runSpeed / walkSpeed);
            footstepTimer = 0.0f;
            speed = runSpeed;
        } else if (!wantsRun && speed != walkSpeed) {
            if (sprite)
                sprite->animationDelay = frameTime;
            speed = walkSpeed;
        }

        const std::shared_ptr<GameController> controller =
            gameController ? gameController->GetComponent<GameController>() : nullptr;
        const std::shared_ptr<Transform> ownTransform = ownerObject ? ownerObject->GetComponent<Transform>() : nullptr;
        const Collider* ownBox = ownerObject && ownerObject->FindComponent<Rigidbody>()
                                     ? ownerObject->FindComponent<Collider>()
                                     : nullptr;
        // By index: a door may change what the list holds only through later frames, but a
        // component appending objects must not invalidate the walk.
        for (std::size_t i = 0; i < gGameObjects.size(); ++i) {
            PrefetchListAhead(gGameObjects, i);
            GameObject* object = gGameObjects[i].get();
            if (!object)
                continue;
            if (!frozen && !(controller && controller->shaking) && ownTransform &&
                object->name == std::string_view("Camera")) {
                if (const std::shared_ptr<Transform> cameraTransform = object->GetComponent<Transform>())
                    cameraTransform->SetPosition(Vector2(ownTransform->position.x, ownTransform->position.y));
            }
            WallAndDoorPass(*object, ownBox);
        }

        UpdateFacing();

        if (!blocked)
            HandleMovementInput();
        UpdateAnimation(dt);
        if (blocked)
            ReleaseBlock();
    }
    PlacePrompt();
    PlaceTorch();
}

void PlayerBehaviour::UpdateFacing()
{
    if (!gInputSystem)
        return;
    const std::shared_ptr<Transform> cameraTransform = camera ? camera->GetComponent<Transform>() : nullptr;
    const std::shared_ptr<GameObject> player = FindObjectByName("Player");
    const std::shared_ptr<Transform> playerTransform = player ? player->GetComponent<Transform>() : nullptr;
    if (!cameraTransform || !playerTransform)
        return;
    const float width = gWindowSystem ? static_cast<float>(gWindowSystem->width) : 1920.0f;
    const float height = gWindowSystem ? static_cast<float>(gWindowSystem->height) : 1080.0f;
    const Vector3 scale = cameraTransform->GetScale();
    // A zero zoom would make the offset infinite: such a camera shows nothing to point at anyway.
    if (scale.x == 0.0f || scale.y == 0.0f)
        return;
    const float mx = (static_cast<float>(gInputSystem->mouseX) - width * 0.5f) / scale.x;
    const float my = -((static_cast<float>(gInputSystem->mouseY) - height * 0.5f) / scale.y);
    const float px = playerTransform->position.x + mx;
    const float py = playerTransform->position.y + my;

    const std::pair<const std::shared_ptr<Collider>*, const char*> zones[] = {
        {&upZone, "UP"}, {&downZone, "DOWN"}, {&leftZone, "LEFT"}, {&rightZone, "RIGHT"}};
    for (const auto& zone : zones) {
        const std::shared_ptr<Collider>& collider = *zone.first;
        if (!collider)
            continue;
        const Vector3 lo = collider->GetMin();
        const Vector3 hi = collider->GetMax();
        if (lo.x <= px && px <= hi.x && lo.y <= py && py <= hi.y)
            facingName = zone.second;
    }
}

void PlayerBehaviour::PlacePrompt()
{
    if (showPrompt == promptVisible)
        return;
    promptVisible = showPrompt;
    if (const std::shared_ptr<Sprite> sprite = SpriteOf(interactPrompt))
        sprite->transparency = showPrompt ? 1.0f : 0.0f;
}

void PlayerBehaviour::PlaceTorch()
{
    if (!torchTransform || !playerSprite)
        return;
    if (const std::shared_ptr<Transform> spriteTransform = playerSprite->GetComponent<Transform>())
        torchTransform->SetPosition(Vector2(spriteTransform->position.x + torchOffset.x,
                                            spriteTransform->position.y + torchOffset.y));
}

void PlayerBehaviour::HandleMovementInput()
{
    if (frozen)
        return;
    const std::shared_ptr<Sprite> sprite = SpriteOf(playerSprite);
    const std::shared_ptr<Rigidbody> body = ownerObject ? ownerObject->GetComponent<Rigidbody>() : nullptr;
    int s = sprite ? sprite->startFrame : 0;

    struct Cell {
        int frame;
        bool setsOffset;
        Vector2 offset;
    };
    // Start frame and torch offset by key (rows) and mouse facing (columns UP, DOWN, LEFT, RIGHT).
    static const Cell kTable[4][4] = {
        {{6, true, {0.7f, -0.5f}}, {0, true, {-0.7f, -0.5f}}, {96, false, {}}, {90, false, {}}},
        {{6, true, {0.7f, -0.5f}}, {0, true, {-0.7f, -0.5f}}, {84, true, {-0.3f, -0.4f}}, {78, false, {}}},
        {{102, true, {-0.3f, -0.4f}}, {108, true, {-0.3f, -0.4f}}, {12, true, {-0.3f, -0.4f}}, {18, true, {0.3f, -0.4f}}},
        {{114, true, {0.3f, -0.4f}}, {120, true, {0.3f, -0.4f}}, {12, true, {-0.3f, -0.4f}}, {18, true, {0.3f, -0.4f}}},
    };
    static const char* const kActions[4] = {"ACTION_UP", "ACTION_DOWN", "ACTION_LEFT", "ACTION_RIGHT"};
    static const char* const kFacings[4] = {"UP", "DOWN", "LEFT", "RIGHT"};

    for (int key = 0; key < 4; ++key) {
        if (!ActionHeld(kActions[key]))
            continue;
        moveDirection = key;
        animTime = 0.0f;
        if (body) {
            const Vector2 velocities[4] = {{0.0f, speed}, {0.0f, -speed}, {-speed, 0.0f}, {speed, 0.0f}};
            body->velocity = velocities[key];
        }
        if (sprite)
            sprite->animateFlag = true;
        for (int facing = 0; facing < 4; ++facing) {
            if (facingName != kFacings[facing])
                continue;
            const Cell& cell = kTable[key][facing];
            if (s != cell.frame) {
                s = cell.frame;
                if (cell.setsOffset)
                    torchOffset = cell.offset;
            }
        }
        PlayFootstep();
    }

    if (sprite && s != sprite->startFrame) {
        const int columns = sprite->numColumns > 0 ? sprite->numColumns : 1;
        sprite->startFrame = s;
        sprite->row = s / columns;
        sprite->column = s % columns;
        sprite->currentFrame = s;
        sprite->UpdateUV();
        sprite->animationCount = 4;
    }

    if (!ActionHeld("ACTION_UP") && !ActionHeld("ACTION_DOWN") && !ActionHeld("ACTION_LEFT") &&
        !ActionHeld("ACTION_RIGHT")) {
        StopFootstep();
        footstepTimer = 0.0f;
    }
}

void PlayerBehaviour::SetFrozen(bool freeze)
{
    frozen = freeze;
    const std::shared_ptr<Sprite> sprite = SpriteOf(playerSprite);
    if (freeze) {
        if (sprite)
            sprite->animateFlag = false;
        if (ownerObject) {
            if (const std::shared_ptr<Rigidbody> body = ownerObject->GetComponent<Rigidbody>())
                body->velocity = Vector2(0.0f, 0.0f);
        }
    } else {
        SetIdleFrame(moveDirection, false);
        if (sprite)
            sprite->animateFlag = true;
    }
}

void PlayerBehaviour::FootstepForScriptedMotion(float dt)
{
    const std::shared_ptr<Sprite> sprite = SpriteOf(playerSprite);
    if (!sprite || !sprite->animateFlag)
        return;
    footstepTimer -= dt;
    const std::shared_ptr<Rigidbody> body = ownerObject ? ownerObject->GetComponent<Rigidbody>() : nullptr;
    const bool moving = body && (body->velocity.x != 0.0f || body->velocity.y != 0.0f);
    if (!moving || !(footstepTimer < 0.0f))
        return;
    const std::shared_ptr<Audio> audio = ownerObject ? ownerObject->GetComponent<Audio>() : nullptr;
    const std::string name = PickFootstepName();
    if (audio) {
        audio->SetAudio(name, true);
        audio->Play();
    }
    const float delay = sprite->animationDelay;
    footstepTimer = 2.0f * delay + 0.5f * delay;
}

std::shared_ptr<Component> PlayerBehaviour::Clone() const
{
    return std::make_shared<PlayerBehaviour>(*this);
}

void PlayerBehaviour::Serialize(std::ostream& stream) const
{
    WriteString(stream, GetTypeName());
    WriteString(stream, "velocity");
    WriteFloat(stream, speed);
}

void PlayerBehaviour::Deserialize(std::istream& stream)
{
    std::string key;
    stream >> key >> speed;
}
