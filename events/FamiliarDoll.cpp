#include "events/FamiliarDoll.h"

#include <ostream>

#include "events/StoryActs.h"
#include "graphics/Sprite.h"
#include "objects/GameObject.h"
#include "objects/TextWriters.h"

FamiliarDoll::FamiliarDoll() : StoryEvent(kTypeId)
{
}

void FamiliarDoll::Init()
{
    typeId = kTypeId;
    FindStoryCollaborators();
}

void FamiliarDoll::UpdateStory(float dt)
{
    if (!player)
        return;
    const bool inside = PlayerOverlaps();
    bool shownNow = false;
    for (const auto& child : player->children) {
        if (!child || child->name != "PlayerText")
            continue;
        const std::shared_ptr<Sprite> sprite = SpriteOf(child);
        if (!sprite)
            continue;
        if (inside && textTimer >= 0.0f) {
            sprite->SetFrame(kThoughtFrame);
            sprite->transparency = 1.0f;
            textTimer -= dt;
            shownNow = true;
        } else if (textShown && sprite->currentFrame == kThoughtFrame) {
            // He stepped out: the thought goes with him. The text is shared with other
            // thoughts, so one shown since in another frame is left alone.
            sprite->transparency = 0.0f;
        }
        if (textTimer <= 0.0f && !textHidden) {
            sprite->transparency = 0.0f;
            textHidden = true;
        }
    }
    textShown = shownNow && !textHidden;
}

std::shared_ptr<Component> FamiliarDoll::Clone() const
{
    return std::make_shared<FamiliarDoll>(*this);
}

void FamiliarDoll::Serialize(std::ostream& stream) const
{
    WriteString(stream, GetTypeName());
}

void FamiliarDoll::Deserialize(std::istream& stream)
{
    (void)stream;
}
