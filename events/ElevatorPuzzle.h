#pragma once

#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

#include "engine/Vector2.h"
#include "events/StoryEvent.h"

class Audio;

// The generator room: carry the chain cutters or the handle (one at a time), cut the chain,
// start the generator; the room then changes (false walls, the lift opened, an enemy let in)
// and stepping into the lift fades the player out, runs its doors and takes him up.
class ElevatorPuzzle : public StoryEvent
{
public:
    static constexpr int kTypeId = 27;

    ElevatorPuzzle();

    static std::string GetTypeName() { return "ElevatorPuzzle"; }

    void Init() override;
    std::string GetName() const override { return GetTypeName(); }
    std::shared_ptr<Component> Clone() const override;
    void Serialize(std::ostream& stream) const override;
    void Deserialize(std::istream& stream) override;

    std::vector<DialogueLine> shelfRemarkLines;
    std::vector<DialogueLine> cuttersPickedLines;
    std::vector<DialogueLine> handlePickedLines;
    std::vector<DialogueLine> cuttersUsedLines;
    std::vector<DialogueLine> generatorChainedLines;
    std::vector<DialogueLine> generatorStartedLines;
    std::vector<DialogueLine> handleMissingLines;

    bool completed = false;
    bool cuttersFound = false;
    bool holdingCutters = false;
    bool remarkPending = false;
    bool holdingHandle = false;
    bool chainCut = false;
    bool generatorStarted = false;
    bool liftPhase = false;
    bool roomChangePending = false;
    bool liftAnimStarted = false;
    bool soundTriggerPlayed = false;
    bool inLift = false;
    bool liftAnimDone = false;
    bool teleported = false;
    float playerFadeRate = 3.0f;
    std::string cuttersIconTexture = "ChainCutter_1x1.png";
    std::string handleIconTexture = "Crank_1x1.png";
    Vector2 stalkerSpot{224.0f, -413.0f};

    std::shared_ptr<GameObject> playerSprite;
    std::shared_ptr<Audio> startSound;
    std::shared_ptr<Audio> ownerAudio;
    std::shared_ptr<GameObject> cuttersObject;
    std::shared_ptr<GameObject> handleObject;
    std::shared_ptr<GameObject> generator;
    std::shared_ptr<GameObject> cuttersIcon;
    std::shared_ptr<GameObject> handleIcon;
    std::shared_ptr<GameObject> leftWall;
    std::shared_ptr<GameObject> rightWall;
    std::shared_ptr<GameObject> backDoor;
    std::shared_ptr<GameObject> backWall;
    std::shared_ptr<GameObject> entrance;
    std::shared_ptr<GameObject> soundTrigger;
    std::shared_ptr<GameObject> lift;
    std::shared_ptr<GameObject> liftCollider;
    std::shared_ptr<GameObject> stalker;
    std::shared_ptr<GameObject> liftTarget;

private:
    void UpdateStory(float dt) override;
    // What a save keeps of the puzzle: the generator's frame, the icons, the parked items.
    void ReadWorld() override;
    void PickUpChainCutters();
    void PickUpHandle();
    void UseGenerator();
    void UpdateGeneratorFrame();
    void RearrangeRoom();
    void RideLift(float dt);
};
