#include "events/PaintTrigger.h"

#include <istream>
#include <ostream>

#include "events/PortraitEvent.h"
#include "objects/GameObject.h"
#include "objects/TextWriters.h"

namespace {
// The painting's own script may not offer Complete in every build of the story rooms: the
// call is made when it exists, and the trigger is spent either way.
template <class Portrait>
auto CompletePortrait(Portrait& portrait, int) -> decltype(portrait.Complete(), void())
{
    portrait.Complete();
}
template <class Portrait>
void CompletePortrait(Portrait&, long)
{
}
}  // namespace

PaintTrigger::PaintTrigger() : StoryEvent(kTypeId)
{
}

void PaintTrigger::Init()
{
    typeId = kTypeId;
    FindStoryCollaborators();
    portraitObject = Find("Portrait");
}

void PaintTrigger::Update(float dt)
{
    (void)dt;
    if (completed || !PlayerOverlaps())
        return;
    completed = true;
    if (const std::shared_ptr<PortraitEvent> portrait = FindComponent<PortraitEvent>("Portrait", "PortraitEvent"))
        CompletePortrait(*portrait, 0);
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
