#include "events/PaintTrigger.h"

#include <istream>
#include <ostream>

#include "events/PortraitEvent.h"
#include "objects/GameObject.h"
#include "objects/TextWriters.h"

PaintTrigger::PaintTrigger() : StoryEvent(kTypeId)
{
}

void PaintTrigger::Init()
{
    typeId = kTypeId;
    FindStoryCollaborators();
    portraitObject = Find("Portrait");
}

void PaintTrigger::UpdateStory(float dt)
{
    (void)dt;
    if (completed || !PlayerOverlaps())
        return;
    completed = true;
    if (const std::shared_ptr<PortraitEvent> portrait = FindComponent<PortraitEvent>("Portrait", "PortraitEvent"))
        portrait->Complete();
}

std::shared_ptr<Component> PaintTrigger::Clone() const
{
    return std::make_shared<PaintTrigger>(*this);
}

void PaintTrigger::Serialize(std::ostream& stream) const
{
    WriteString(stream, GetTypeName());
    WriteFlag(stream, "Completed", completed);
}

void PaintTrigger::Deserialize(std::istream& stream)
{
    ReadFlag(stream, completed);
}
