#include "gameplay/Cheats.h"

#include <ostream>

#include "engine/InputSystem.h"
#include "engine/KeyTable.h"
#include "events/IdenticalRoomEvent.h"
#include "events/StoryActs.h"
#include "gameplay/GameController.h"
#include "gameplay/LookUp.h"
#include "gameplay/PlayerBehaviour.h"
#include "objects/GameObject.h"
#include "objects/TextWriters.h"
#include "objects/Transform.h"

namespace {
constexpr int kEqualsKey = 90;  // virtual key 0xBB
constexpr int kMinusKey = 91;   // virtual key 0xBD
constexpr int kRunKey = Framework::Keys::A + ('P' - 'A');

// Digits 1 to 9 in key order, then the places they lead to.
const char* const kTeleportTargets[] = {
    "Entrance1-2link", "Exit1-3alink", "Entrance1-4link", "Entrance1-5link", "LeverMove",
    "Exit2-0link",     "Exit2-7link",  "Entrance2-9link", "Entrance2-2link",
};

bool KeyDown(int key)
{
    return gInputSystem && gInputSystem->IsKeyDown(key);
}
}  // namespace

Cheats::Cheats() : Component(kTypeId)
{
}

void Cheats::Init()
{
    typeId = kTypeId;
    player = FindRequired(GetTypeName(), "Player");
    controller = FindRequiredComponent<GameController>(GetTypeName(), "GameController", "GameController");
}

void Cheats::Update(float dt)
{
    (void)dt;
    HandleTeleportKeys();
    HandleToggleKey();
}

void Cheats::HandleTeleportKeys()
{
    for (int digit = 1; digit <= 9; ++digit) {
        if (KeyDown(Framework::Keys::Digit0 + digit)) {
            TeleportTo(kTeleportTargets[digit - 1]);
            return;
        }
    }
    if (KeyDown(Framework::Keys::Digit0))
        Kill();
    else if (KeyDown(kMinusKey))
        SolveMirrorRoom();
    else if (KeyDown(kEqualsKey))
        Shake();
}

void Cheats::HandleToggleKey()
{
    if (!KeyDown(kRunKey) || !player)
        return;
    const std::shared_ptr<PlayerBehaviour> behaviour = player->GetComponent<PlayerBehaviour>();
    if (!behaviour) {
        ReportMissing(GetTypeName(), "PlayerBehaviour on \"Player\"");
        return;
    }
    runToggle = !runToggle;
    behaviour->canRun = runToggle;
}

void Cheats::TeleportTo(const std::string& targetName)
{
    const std::shared_ptr<Transform> target = FindRequiredComponent<Transform>(GetTypeName(), targetName, "Transform");
    const std::shared_ptr<Transform> body = player ? player->GetComponent<Transform>() : nullptr;
    if (!target || !body)
        return;
    const Vector3 place = target->GetPosition();
    body->SetPosition(Vector2(place.x, place.y));
}

void Cheats::Kill()
{
    if (controller)
        controller->Die();
}

void Cheats::SolveMirrorRoom()
{
    const std::shared_ptr<IdenticalRoomEvent> room =
        FindRequiredComponent<IdenticalRoomEvent>(GetTypeName(), "SymmetryTable", "IdenticalRoomEvent");
    if (room)
        room->completed = true;
}

void Cheats::Shake()
{
    StoryActs::Shake(controller, 1.0f, 1.0f);
}

std::shared_ptr<Component> Cheats::Clone() const
{
    return std::make_shared<Cheats>(*this);
}

void Cheats::Serialize(std::ostream& stream) const
{
    WriteString(stream, GetTypeName());
}

void Cheats::Deserialize(std::istream& stream)
{
    (void)stream;
}
