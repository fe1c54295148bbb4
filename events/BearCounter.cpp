#include "events/BearCounter.h"

#include <istream>
#include <ostream>

#include "engine/StepToward.h"
#include "events/StoryActs.h"
#include "gameplay/GameController.h"
#include "graphics/Sprite.h"
#include "objects/GameObject.h"
#include "objects/TextWriters.h"

using namespace StoryActs;

namespace {
const char* const kBearNames[BearCounter::kBears] = {"HuggleBear1L2", "HuggleBear2L2", "HuggleBear3L2",
                                                      "HuggleBear4L2"};
const char* const kSavedKeys[BearCounter::kBears] = {"Bear1Counter", "Bear2Counter", "Bear3Counter",
                                                      "Bear4Counter"};
constexpr int kSoundBear = 2;
}  // namespace

BearCounter::BearCounter() : StoryEvent(kTypeId)
{
}

void BearCounter::Init()
{
    typeId = kTypeId;
    for (int i = 0; i < kBears; ++i)
        bears[i] = Find(kBearNames[i]);
    FindStoryCollaborators();
    textOnWall = Find("TextOnWall");
    lines[0] = {{"I don't like being alone...", false, 0}};
    lines[1] = {{"...", false, 0}, {"Friend?...", false, 0}, {"F R I E N D... ? ? ?", false, 0}};
    lines[2] = {{"P L A Y  W I T H  M E", false, 0}};
    lines[3] = {{"Mom...", false, 0}, {"Mom...", false, 0}, {"Where are you...", false, 0}};
}

void BearCounter::ReadWorld()
{
    // The controller saves its own count, so a reload must not add the saved bears again;
    // it only makes sure the count is not below the bears this room has counted.
    int already = 0;
    for (bool bear : counted)
        already += bear ? 1 : 0;
    if (gameController && gameController->bearCounter < static_cast<float>(already))
        gameController->bearCounter = static_cast<float>(already);
}

void BearCounter::UpdateStory(float dt)
{
    int at = -1;
    for (int i = 0; i < kBears && at < 0; ++i)
        if (Overlap(player, bears[i]))
            at = i;
    if (at >= 0) {
        UpdatePrompt(bears[at].get());
        if (InteractPressed()) {
            Say(lines[at]);
            if (!counted[at]) {
                if (at == kSoundBear)
                    PlaySound(Find(kBearNames[kSoundBear]));
                if (gameController)
                    gameController->bearCounter += 1.0f;
                counted[at] = true;
            }
        }
    } else {
        ClearPrompt();
    }

    if (counted[kSoundBear] && !wallTextShown) {
        if (const std::shared_ptr<Sprite> sprite = SpriteOf(textOnWall)) {
            if (sprite->transparency >= 1.0f)
                wallTextShown = true;
            else
                sprite->transparency = Framework::StepToward(sprite->transparency, 1.0f, wallTextFadeSpeed * dt);
        }
    }
}

std::shared_ptr<Component> BearCounter::Clone() const
{
    return std::make_shared<BearCounter>(*this);
}

void BearCounter::Serialize(std::ostream& stream) const
{
    WriteString(stream, GetTypeName());
    WriteFlag(stream, "Completed", completed);
    for (int i = 0; i < kBears; ++i)
        WriteFlag(stream, kSavedKeys[i], counted[i]);
}

void BearCounter::Deserialize(std::istream& stream)
{
    if (!ReadFlag(stream, completed))
        return;
    for (bool& bear : counted)
        if (!ReadFlag(stream, bear))
            return;
}
