#pragma once

#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

#include "events/StoryEvent.h"

class Audio;
class GameObject;
class LightSource;

// The opening: the father wakes in the dark, follows the nurse through three talks, is held at
// the way out until the last one, then the world turns foul around him and he lights his torch.
class NurseEvent : public StoryEvent
{
public:
    static constexpr int kTypeId = 13;

    NurseEvent();

    static std::string GetTypeName() { return "NurseEvent"; }

    void Init() override;
    std::string GetName() const override { return GetTypeName(); }
    std::shared_ptr<Component> Clone() const override;
    void Serialize(std::ostream& stream) const override;
    void Deserialize(std::istream& stream) override;

    bool completed = false;
    bool completionApplied = false;
    float walkSpeed = 5.0f;
    float transformTimer = 3.0f;
    bool wakeUpStarted = false;
    bool followMeStarted = false;
    bool walkingToWaypoint1 = false;
    bool hospitalStarted = false;
    bool walkingToWaypoint2 = false;
    bool receptionStarted = false;
    bool receptionDone = false;
    bool heldAtExit = false;
    bool exitMessageShown = false;
    bool worldChangeStarted = false;
    bool worldTransformed = false;
    bool awaitingTorch = false;

private:
    void UpdateStory(float dt) override;
    void ApplyCompletion();
    void TalkAt(const std::shared_ptr<GameObject>& trigger, bool& started, const std::vector<DialogueLine>& lines,
                bool& followUp);
    void Walk(bool& walking, bool alongX, const std::shared_ptr<GameObject>& waypoint, bool& talkFlag, float dt);
    void TransformWorld(float dt);
    void SetTorch(bool on);
    void UpdateExitBlock();
    // Puts the held player just outside the way-out trigger, on the side he came from.
    void PushOutOfExit();
    // The press while the player is held by this script (not by a box or a fade).
    bool HeldPressed() const;

    std::shared_ptr<GameObject> startTrigger, startTrigger1, startTrigger2, startTrigger3, startTrigger4;
    std::shared_ptr<GameObject> chatBox, waypoint1, waypoint2, falseCeiling;
    std::shared_ptr<LightSource> torchLight;
    std::shared_ptr<Audio> worldBgm;
    std::vector<DialogueLine> wakeUpLines, followMeLines, hospitalLines, receptionLines;
};
