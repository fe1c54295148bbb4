#include "events/MoveObjectEvent.h"

#include <istream>
#include <ostream>

#include "audio/Audio.h"
#include "events/StoryActs.h"
#include "gameplay/GameController.h"
#include "gameplay/PlayerBehaviour.h"
#include "objects/GameObject.h"
#include "objects/ObjectList.h"
#include "objects/TextWriters.h"

using namespace StoryActs;

MoveObjectEvent::MoveObjectEvent() : StoryEvent(kTypeId)
{
}

void MoveObjectEvent::Init()
{
    typeId = kTypeId;
    FindStoryCollaborators();
    wheelChair = Find("WheelChair");
    chairPaper = Find("ChairPaper");
    chairPaperAudio = AudioOf(chairPaper);
}

void MoveObjectEvent::ReadWorld()
{
    // A save made after the roll keeps the zone put away but not the roll's end: the paper
    // is ready again when the zone is found out of play.
    if (!completed && IsOutOfPlay(OwnerHandle()))
        paperReady = true;
}

void MoveObjectEvent::UpdateStory(float dt)
{
    if (completed && !promptShown) {
        if (completionApplied)
            return;
        completionApplied = true;
        PlaySound(Find("WheelChairCollider"));
        SetAlpha(chairPaper, 0.0f);
        return;
    }

    if (!moving && !paperReady && PlayerOverlaps())
        moving = true;
    if (moving) {
        moveTimer += dt;
        if (moveTimer < moveDuration) {
            SetVelocity(wheelChair, moveSpeed, 0.0f);
        } else {
            SetVelocity(wheelChair, 0.0f, 0.0f);
            moving = false;
            paperReady = true;
            Hide(OwnerHandle());
        }
    }

    const bool atPaper = !completed && paperReady && !paperTaken && Overlap(player, chairPaper);
    if (atPaper) {
        UpdatePrompt(chairPaper.get());
        if (InteractPressed()) {
            if (chairPaperAudio && !chairPaperAudio->isPlaying)
                chairPaperAudio->Play();
            Hide(chairPaper);
            if (gameController)
                gameController->ShowImage(shownpictures::kChildDrawing.sheet, shownpictures::kChildDrawing.frame, 0,
                                          Vector2(imageScaleX, imageScaleY), imageSlideSpeed, chairPaperAudio, "",
                                          0.5f);
            paperTaken = true;
            completed = true;
        }
        return;
    }
    ClearPrompt();
}

std::shared_ptr<Component> MoveObjectEvent::Clone() const
{
    return std::make_shared<MoveObjectEvent>(*this);
}

void MoveObjectEvent::Serialize(std::ostream& stream) const
{
    WriteString(stream, GetTypeName());
    WriteFlag(stream, "Completed", completed);
}

void MoveObjectEvent::Deserialize(std::istream& stream)
{
    ReadFlag(stream, completed);
}
