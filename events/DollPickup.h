#pragma once

#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

#include "engine/Vector2.h"
#include "events/StoryEvent.h"

class GameObject;
class Transform;

// The daughter's doll: the father picks it up, the room rumbles, he sees his girl, and the
// surgeon appears at the room's entrance and arms the chase.
class DollPickup : public StoryEvent
{
public:
    static constexpr int kTypeId = 17;

    DollPickup();

    static std::string GetTypeName() { return "DollPickup"; }

    void Init() override;
    std::string GetName() const override { return GetTypeName(); }
    std::shared_ptr<Component> Clone() const override;
    void Serialize(std::ostream& stream) const override;
    void Deserialize(std::istream& stream) override;

    bool completed = false;
    bool completedApplied = false;
    bool dollPicked = false;
    bool visionStarted = false;
    bool familiarShown = false;
    bool surgeonStarted = false;
    bool rumbleStarted = false;
    bool whatShown = false;
    bool fadeOutDone = false;
    bool teleportRequested = false;
    bool surgeonLocked = false;
    bool firstShakeDone = false;
    bool secondShakeDone = false;
    bool sceneFinished = false;
    bool knifeWalking = false;
    bool girlMusicOn = false;
    float walkSpeed = 3.0f;
    float teleportFadeTime = 3.0f;
    float girlTargetAlpha = 0.7f;
    float whatDelay = 7.0f;
    float stageTimer = 0.0f;
    float rumbleTimer = 0.0f;
    float savedMinBrightness = 0.0f;
    float sceneTimer = 0.0f;
    float knifeGoal = 0.0f;
    Vector2 rubblePosition{-130.78f, -360.88f};
    Vector2 rubble1Position{84.7f, -42.0f};
    Vector2 rubble2Position{84.7f, -37.2f};
    Vector2 cameraOffset{-15.0f, 10.0f};
    Vector2 cameraTarget;
    Vector2 knifeStart;

private:
    void UpdateStory(float dt) override;
    void ApplyFinishedRoom();
    void HideObjects();
    void PickUpDoll();
    void UpdateGirlScene(float dt);
    void UpdateSurgeonScene(float dt);
    void Finish();

    std::shared_ptr<GameObject> knifeEnemy, surgeonSprite, camera, dollTrigger, dollTextCollider, playerSprite,
        torch, doll, softToy, girl, teddy, savepoint, newSaveSpawn, receptionTable, rubble1, rubble2, teddyHead,
        teddyBody, exitDoor, entranceDoor, roomAudio, shelves, operationRubble, controllerObject;
    std::vector<DialogueLine> familiarLines, pickupLines, whatLines;
};
