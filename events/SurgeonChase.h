#pragma once

#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

#include "engine/Vector2.h"
#include "engine/Vector3.h"
#include "events/StoryEvent.h"

class Audio;
class GameObject;

// The surgeon's chase, on the surgeon himself: once the doll was taken, a trigger zone starts
// an intro pan, then he runs a fixed route through the wing and kills the player he touches.
// Escaping through "ChaseDoor3" ends it; afterwards the room answers as an ordinary room.
class SurgeonChase : public StoryEvent
{
public:
    static constexpr int kTypeId = 28;

    SurgeonChase();

    static std::string GetTypeName() { return "SurgeonChase"; }

    void Init() override;
    std::string GetName() const override { return GetTypeName(); }
    std::shared_ptr<Component> Clone() const override;
    void Serialize(std::ostream& stream) const override;
    void Deserialize(std::istream& stream) override;

    bool completed = false;
    bool dollTriggered = false;
    bool notesShowing = false;
    bool introStarted = false;
    bool chaseRunning = false;
    int routeLeg = 0;
    bool leftTurnMade = false;
    bool turnMade = false;
    bool surgeonPaused = false;
    bool doorOpened = false;
    bool escapeStarted = false;
    int endingStage = 0;
    int shakesDone = 0;
    bool goneStarted = false;
    bool caught = false;
    float nextTurn = 0.0f;
    float stageTimer = 0.0f;
    float chaseSpeed = 7.2f;
    float shakeClock = 0.0f;
    Vector3 cameraStart;
    Vector3 softToyStart;
    bool panDone = false;
    bool surgeonSpawned = false;
    bool chaseBegun = false;
    Vector2 savedVelocity;

private:
    void ReadWorld() override;
    void UpdateStory(float dt) override;
    void UpdateAfter();
    void UpdateIntro(float dt);
    void OpenDoor();
    void UpdateChase(float dt);
    void DoorJump(const std::shared_ptr<GameObject>& target);
    void UpdateEnding(float dt);

    std::shared_ptr<GameObject> self, surgeonSprite, surgeonCollider, camera, softToy, playerSprite, torch,
        surgFalseWall, zone1, zone2, blockZone, spawn, panMark, chaseDoor, escapeTarget, notes, jammedDoor,
        receptionDoor, receptionTrigger;
    std::shared_ptr<GameObject> route[9];
    std::shared_ptr<Audio> surgAudio, doorAudio, chaseMusic;
    std::vector<DialogueLine> jammedLines, deadEndLines, goneLines;
};
