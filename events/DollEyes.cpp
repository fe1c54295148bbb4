#include "events/DollEyes.h"

#include <cmath>
#include <ostream>

#include "events/StoryActs.h"
#include "objects/GameObject.h"
#include "objects/ObjectList.h"
#include "objects/TextWriters.h"
#include "objects/Transform.h"

DollEyes::DollEyes() : StoryEvent(kTypeId)
{
}

void DollEyes::Init()
{
    typeId = kTypeId;
    bear = Find("BadassBearL2");
    player = Find("Player");
    GameObject* owner = GetOwner();
    if (!owner)
        return;
    if (const std::shared_ptr<Transform> transform = owner->GetComponent<Transform>())
        startPosition = transform->GetPosition();
    // The doll room finds its eyes itself when it starts.
}

void DollEyes::UpdateStory(float dt)
{
    (void)dt;
    GameObject* owner = GetOwner();
    if (!following || !owner || !player)
        return;
    const std::shared_ptr<Transform> transform = owner->GetComponent<Transform>();
    if (!transform)
        return;
    const Vector3 target = StoryActs::PositionOf(player);
    const float dx = target.x - startPosition.x;
    const float dy = target.y - startPosition.y;
    const float dz = target.z - startPosition.z;
    const float length = std::sqrt(dx * dx + dy * dy + dz * dz);
    // A player standing exactly on the pupil gives no direction: the pupil stays put.
    if (!(length > 1e-6f) || !std::isfinite(length))
        return;
    transform->SetPosition(Vector2(startPosition.x + dx / length * radius, startPosition.y + dy / length * radius));
}

std::shared_ptr<Component> DollEyes::Clone() const
{
    return std::make_shared<DollEyes>(*this);
}

void DollEyes::Serialize(std::ostream& stream) const
{
    WriteString(stream, GetTypeName());
}

void DollEyes::Deserialize(std::istream& stream)
{
    (void)stream;
}
