#pragma once

#include <iosfwd>
#include <memory>
#include <string>

#include "events/StoryEvent.h"
#include "gameplay/ShownPictures.h"

class Audio;
class GameObject;

// The wheelchair that rolls away by itself when the player comes near, uncovering a paper he
// can take and read.
class MoveObjectEvent : public StoryEvent
{
public:
    static constexpr int kTypeId = 23;

    MoveObjectEvent();

    static std::string GetTypeName() { return "MoveObjectEvent"; }

    void Init() override;
    std::string GetName() const override { return GetTypeName(); }
    std::shared_ptr<Component> Clone() const override;
    void Serialize(std::ostream& stream) const override;
    void Deserialize(std::istream& stream) override;

    bool completed = false;
    bool completionApplied = false;
    float moveDuration = 3.0f;
    float moveSpeed = 1.0f;
    bool moving = false;
    bool paperReady = false;
    bool paperTaken = false;
    float moveTimer = 0.0f;
    float imageSlideSpeed = 50.0f;
    float imageScaleX = shownpictures::kChildDrawing.scale.x;
    float imageScaleY = shownpictures::kChildDrawing.scale.y;

private:
    void ReadWorld() override;
    void UpdateStory(float dt) override;
    std::shared_ptr<GameObject> wheelChair;
    std::shared_ptr<GameObject> chairPaper;
    std::shared_ptr<Audio> chairPaperAudio;
};
