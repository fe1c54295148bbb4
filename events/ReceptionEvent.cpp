#include "events/ReceptionEvent.h"

#include <istream>
#include <ostream>

#include "audio/Audio.h"
#include "events/StoryActs.h"
#include "gameplay/GameController.h"
#include "gameplay/InteractEvent.h"
#include "gameplay/PlayerBehaviour.h"
#include "graphics/LightPacking.h"
#include "graphics/LightSource.h"
#include "objects/GameObject.h"
#include "objects/TextWriters.h"

using namespace StoryActs;

ReceptionEvent::ReceptionEvent() : StoryEvent(kTypeId)
{
}

void ReceptionEvent::Init()
{
    typeId = kTypeId;
    FindStoryCollaborators();
    receptionTable = Find("ReceptionTable");
    falseWall = Find("FalseWall2");
    spotlight = Find("Spotlight1");
    SetLight(spotlight, false);
    lockedLines = {{"This door is locked too... huh?", true, 0}};
    noteLines = {{"What is this?", true, 0}};
    stillLockedLines = {{"The door is still locked.", true, 0}};
}

void ReceptionEvent::UpdateStory(float dt)
{
    (void)dt;
    if (completed) {
        if (!completionApplied) {
            completionApplied = true;
            SetFrame(receptionTable, 1);
            Hide(falseWall);
            SetLight(spotlight, true);
        }
        return;
    }
    if (!active)
        return;

    if (UpdatePrompt() && InteractPressed()) {
        PlaySound(GetOwner() ? GetOwner()->GetComponent<Audio>() : nullptr);
        Say(firstTalkDone ? stillLockedLines : lockedLines);
        firstTalkDone = true;
    }

    if (!firstTalkDone || noteShown || !PlayerFree())
        return;
    noteShown = true;
    SetFrame(receptionTable, 1);
    if (const std::shared_ptr<InteractEvent> examine =
            receptionTable ? receptionTable->GetComponent<InteractEvent>() : nullptr)
        examine->SetText("Who wrote this...");
    Hide(falseWall);
    SetLight(spotlight, true);
    if (playerBehaviour)
        playerBehaviour->SetIdleFrame(PlayerBehaviour::kLeft, true);
    Say(noteLines);
    ClearPrompt();
    if (!SoundPlaying(spotlight))
        PlaySound(spotlight);
    completed = true;
}

std::shared_ptr<Component> ReceptionEvent::Clone() const
{
    return std::make_shared<ReceptionEvent>(*this);
}

void ReceptionEvent::Serialize(std::ostream& stream) const
{
    WriteString(stream, GetTypeName());
    WriteFlag(stream, "Completed", completed);
}

void ReceptionEvent::Deserialize(std::istream& stream)
{
    ReadFlag(stream, completed);
}
