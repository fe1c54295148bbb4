#include "events/RunningTrigger.h"

#include <ostream>

#include "audio/Audio.h"
#include "engine/StepToward.h"
#include "events/StoryActs.h"
#include "gameplay/GameController.h"
#include "graphics/Sprite.h"
#include "objects/GameObject.h"
#include "objects/TextWriters.h"

using namespace StoryActs;

RunningTrigger::RunningTrigger() : StoryEvent(kTypeId)
{
}

void RunningTrigger::Init()
{
    typeId = kTypeId;
    FindStoryCollaborators();
    littleGirl = Find("LittleGirl");
    girlStart = Find("Exit1-5link");
    paper = Find("Paper");
    holeZone = Find("PaperDoorInteract");
    holeTarget = Find("Entrance1-5link");
    paperAudio = AudioOf(paper);
    holeLines = {DialogueLine("There is a hole in the wall...", true, 0), DialogueLine("Enter the hole?", false, 0)};
}

void RunningTrigger::UpdateStory(float dt)
{
    if (completed) {
        UpdateHole();
        return;
    }

    if (UpdatePrompt() && !paperRead && InteractPressed()) {
        if (paperAudio && !paperAudio->isPlaying)
            paperAudio->Play();
        Hide(paper);
        if (gameController)
            gameController->ShowImage(shownpictures::kRunningGirlDrawing.sheet, shownpictures::kRunningGirlDrawing.frame,
                                      0, imageScale, 30.0f, paperAudio, "", 0.5f);
        paperRead = true;
    }

    if (!girlRunning && paperRead && PlayerFree()) {
        Hide(paper);
        MoveTo(littleGirl, PlaceOf(girlStart));
        SetVelocity(littleGirl, Vector2(girlSpeed, 0.0f));
        if (const auto sprite = SpriteOf(littleGirl)) {
            sprite->SetFrame(5);
            sprite->animationCount = 4;
            sprite->animationDelay = 0.5f;
            sprite->animateFlag = true;
            sprite->transparency = 1.0f;
        }
        girlRunning = true;
        PlaySound(littleGirl);
        PlaySound(Find("RunningGirlTrigger"));
        return;
    }

    if (girlRunning && !girlGone) {
        const auto sprite = SpriteOf(littleGirl);
        const float alpha = sprite ? sprite->transparency : 0.0f;
        if (alpha > 0.0f) {
            sprite->transparency = Framework::StepToward(alpha, 0.0f, dt);
        } else {
            girlGone = true;
            SetVelocity(littleGirl, Vector2(0.0f, 0.0f));
            if (sprite)
                sprite->animateFlag = false;
        }
    }
    if (girlGone)
        UpdateHole();
}

void RunningTrigger::UpdateHole()
{
    if (!holeZone || !PlayerOverlaps(holeZone.get())) {
        // The paper's spot may have raised the prompt this frame; the hole decides.
        ClearPrompt();
        return;
    }
    UpdatePrompt(holeZone.get());
    if (InteractPressed())
        Say(holeLines, true);
    bool yes = false;
    // Taken once the box has closed, so its closing cannot free the player during the fade.
    if (PlayerFree() && AnswerReady(yes) && yes && gameController && holeTarget)
        gameController->FadeTeleport(PlaceOf(holeTarget), false, 0.5f);
}

std::shared_ptr<Component> RunningTrigger::Clone() const
{
    return std::make_shared<RunningTrigger>(*this);
}

void RunningTrigger::Serialize(std::ostream& stream) const
{
    WriteString(stream, GetTypeName());
    WriteFlag(stream, "Completed", completed);
}

void RunningTrigger::Deserialize(std::istream& stream)
{
    ReadFlag(stream, completed);
}
