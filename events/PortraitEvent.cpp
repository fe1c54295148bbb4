#include "events/PortraitEvent.h"

#include <ostream>

#include "events/StoryActs.h"
#include "gameplay/InteractEvent.h"
#include "graphics/Sprite.h"
#include "objects/GameObject.h"
#include "objects/TextWriters.h"

using namespace StoryActs;

namespace {
void SetOwnerFrame(GameObject* owner, int frame)
{
    if (const auto sprite = SpriteOf(owner))
        sprite->SetFrame(frame);
}
}  // namespace

PortraitEvent::PortraitEvent() : StoryEvent(kTypeId)
{
}

void PortraitEvent::Init()
{
    typeId = kTypeId;
    player = Find("Player");
    portraitCollider = Find("PortraitCollider");
}

void PortraitEvent::UpdateStory(float dt)
{
    (void)dt;
    if (!completed && !triggered) {
        UpdateProximity();
    } else if (!completionSoundPlayed) {
        SetOwnerFrame(GetOwner(), 2);
        PlaySound(Find("PaintTrigger"));
        completionSoundPlayed = true;
    }
}

void PortraitEvent::UpdateProximity()
{
    if (triggered || !portraitCollider || !PlayerOverlaps(portraitCollider.get()))
        return;
    if (thresholdX > PlaceOf(player).x) {
        nearSoundPlayed = false;
        SetOwnerFrame(GetOwner(), 0);
        return;
    }
    if (!nearSoundPlayed) {
        PlaySound(portraitCollider);
        nearSoundPlayed = true;
    }
    SetOwnerFrame(GetOwner(), 1);
}

void PortraitEvent::Complete()
{
    triggered = true;
    completed = true;
    SetOwnerFrame(GetOwner(), 2);
    if (const auto examine = GetOwner() ? GetOwner()->GetComponent<InteractEvent>() : nullptr)
        examine->SetText("");
}

std::shared_ptr<Component> PortraitEvent::Clone() const
{
    return std::make_shared<PortraitEvent>(*this);
}

void PortraitEvent::Serialize(std::ostream& stream) const
{
    WriteString(stream, GetTypeName());
    WriteFlag(stream, "Completed", completed);
}

void PortraitEvent::Deserialize(std::istream& stream)
{
    ReadFlag(stream, completed);
}
