#include "events/LoopingHallwayEvent.h"

#include <istream>
#include <ostream>

#include "audio/Audio.h"
#include "events/StoryActs.h"
#include "gameplay/GameController.h"
#include "gameplay/PlayerBehaviour.h"
#include "graphics/Sprite.h"
#include "objects/GameObject.h"
#include "objects/TextWriters.h"
#include "physics/Collider.h"

using namespace StoryActs;

namespace {
constexpr int kLastLoop = 4;
const char* const kBearLines[kLastLoop] = {
    "Hello there, I don't like being alone...", "Hey, why aren't you taking me?",
    "Hey, play with me! I know lots of fun things we can do...",
    "I've got lots of friends, too... I'll introduce you!"};
}  // namespace

LoopingHallwayEvent::LoopingHallwayEvent() : StoryEvent(kTypeId)
{
}

void LoopingHallwayEvent::Init()
{
    typeId = kTypeId;
    FindStoryCollaborators();
    bear = Find("EmoBearL2");
    loopTrigger = Find("EntranceLoop");
    exitDoor = Find("Entrance2-2");
    loopStart = Find("Entrance2-1link");
    resetTrigger = Find("EntranceLoopReset");
    bearTalkLines = {{"", false, 0}};
    loop1Lines = {{"Huh?", true, 0}, {"Wait a minute...", true, 0},
                  {"The bear... the hallway... they are the same as previous one!!", true, 0},
                  {"What is going on here...", true, 0}};
    loop3Lines = {{"...", true, 0}, {"Is it you?", true, 0}, {"...", true, 0},
                  {"You better stop instantly... You don't wish to get hurt, right?", true, 0}};
    takeMeLines = {{"T A K E  M E", false, 0},
                   {"Enough of this! I'm busy here, and I'm not taking you with me!!", true, 0},
                   {"...", true, 0},
                   {"......", true, 0},
                   {"Do you want to tear it apart?", false, 0}};
    moveItLines = {{"...", true, 0}, {"......", true, 0}, {"Do you want to move it?", false, 0}};
    hallwayLines = {{"...?", true, 0}, {"What's happening in that hallway...", true, 0}};
}

void LoopingHallwayEvent::ReadWorld()
{
    if (!completed && loopTrigger && IsOutOfPlay(loopTrigger)) {
        loopCount = kLastLoop;
        bearPlaced = true;
    }
}

void LoopingHallwayEvent::UpdateStory(float dt)
{
    (void)dt;
    if (completed) {
        // The hallway music fades once; asking again every frame would restart the fade.
        if (!musicFadeRequested) {
            musicFadeRequested = true;
            if (const std::shared_ptr<Audio> music = AudioOf(Find("Entrance2-1"))) {
                music->fadeOutTime = 2.0f;
                music->fadingOut = true;
            }
        }
        return;
    }

    if (loopTeleportPending && PlayerFree()) {
        loopTeleportPending = false;
        if (loop1LinesPending && loopCount == 1) {
            Say(loop1Lines);
            loop1LinesPending = false;
        }
        if (loop3LinesPending && loopCount == 3) {
            Say(loop3Lines);
            loop3LinesPending = false;
        }
    }

    if (loopCount == kLastLoop && !bearPlaced && gameController && gameController->teleportFadingIn)
        PlaceBear();

    if (Overlap(player, loopTrigger)) {
        if (!musicStarted) {
            musicStarted = true;
            const std::shared_ptr<Audio> hallwayMusic = AudioOf(Find("Entrance2-1"));
            const std::shared_ptr<Audio> before = AudioOf(Find("Entrance2-0link"));
            if (before && before->isPlaying && hallwayMusic)
                before->CrossFadeTo(hallwayMusic, 2.0f);
            else
                PlaySound(hallwayMusic);
        }
        if (!loopTeleportPending) {
            if (loopCount < kLastLoop)
                ++loopCount;
            loopTeleportPending = true;
        }
        if (playerBehaviour && loopStart && !(gameController && gameController->teleportActive))
            playerBehaviour->TeleportTo(PositionOf(loopStart));
    } else if (Overlap(player, resetTrigger)) {
        if (hallwayLinesPending && loopCount > 1) {
            Say(hallwayLines);
            hallwayLinesPending = false;
        }
        if (loopCount != kLastLoop)
            loopCount = 0;
    } else if (Overlap(player, bear)) {
        UpdatePrompt(bear.get());
        if (InteractPressed() && !awaitMoveAnswer && !awaitTearAnswer) {
            if (loopCount < kLastLoop) {
                bearTalkLines[0].text = kBearLines[loopCount];
                Say(bearTalkLines);
            } else {
                Say(takeMeLines, true);
                awaitTearAnswer = true;
            }
        }
    } else {
        ClearPrompt();
    }

    bool yes = false;
    if (awaitTearAnswer && AnswerReady(yes)) {
        awaitTearAnswer = false;
        if (yes)
            TearBear();
        else
            askMovePending = true;
    }
    if (askMovePending && PlayerFree()) {
        askMovePending = false;
        Say(moveItLines, true);
        awaitMoveAnswer = true;
    }
    if (awaitMoveAnswer && AnswerReady(yes)) {
        awaitMoveAnswer = false;
        if (yes)
            MoveBearAside();
    }
}

void LoopingHallwayEvent::SetBlockerScale(float width, float height)
{
    const std::shared_ptr<GameObject> blocker = FirstChild(bear);
    if (const std::shared_ptr<Collider> box = blocker ? blocker->GetComponent<Collider>() : nullptr)
        box->scale = Vector3(width, height, box->scale.z);
}

void LoopingHallwayEvent::PlaceBear()
{
    bearPlaced = true;
    MoveTo(bear, -68.0f, 173.7f);
    SetBlockerScale(2.0f, 10.0f);
    OpenWay();
}

void LoopingHallwayEvent::OpenWay()
{
    MoveTo(exitDoor, -60.55f, 173.65f);
    Hide(loopTrigger);
    Hide(resetTrigger);
}

void LoopingHallwayEvent::TearBear()
{
    PlaySound(bear);
    if (const std::shared_ptr<Sprite> sprite = SpriteOf(bear)) {
        sprite->textureName = "decapitatedRegularBear_1x1.png";
        SwapPicture(bear, sprite->textureName);
    }
    const Vector3 away = PositionOf(loopTrigger);
    MoveTo(FirstChild(bear), away.x, away.y);
    OpenWay();
    completed = true;
    ClearPrompt();
    if (playerBehaviour)
        playerBehaviour->showPrompt = false;
}

void LoopingHallwayEvent::MoveBearAside()
{
    MoveTo(bear, -68.0f, 176.25f);
    SetBlockerScale(2.0f, 1.0f);
    OpenWay();
    completed = true;
    ClearPrompt();
    if (playerBehaviour)
        playerBehaviour->showPrompt = false;
}

std::shared_ptr<Component> LoopingHallwayEvent::Clone() const
{
    return std::make_shared<LoopingHallwayEvent>(*this);
}

void LoopingHallwayEvent::Serialize(std::ostream& stream) const
{
    WriteString(stream, GetTypeName());
    WriteFlag(stream, "Completed", completed);
}

void LoopingHallwayEvent::Deserialize(std::istream& stream)
{
    ReadFlag(stream, completed);
}
