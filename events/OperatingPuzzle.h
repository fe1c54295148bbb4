#pragma once

#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

#include "engine/Vector2.h"
#include "events/StoryEvent.h"

class GameObject;

// The operating table: two instruments to lay on two spots. With the hacksaw on spot 1 and
// the scissors on spot 2 the camera pans to a false door that vanishes, and pans back.
class OperatingPuzzle : public StoryEvent
{
public:
    static constexpr int kTypeId = 25;

    OperatingPuzzle();

    static std::string GetTypeName() { return "OperatingPuzzle"; }

    void Init() override;
    std::string GetName() const override { return GetTypeName(); }
    std::shared_ptr<Component> Clone() const override;
    void Serialize(std::ostream& stream) const override;
    void Deserialize(std::istream& stream) override;

    // Piece numbers: 0 none, 1 the hacksaw, 2 the scissors.
    int holding = 0;
    int onSpot[2] = {0, 0};
    bool revealing = false;
    bool revealLocked = false;
    bool completed = false;
    bool completedApplied = false;
    float revealTimer = 0.0f;
    float revealDelay = 0.5f;
    float panSpeed = 8.0f;
    bool panningBack = false;
    Vector2 newCamPos;
    Vector2 returnPos;
    std::string iconTextures[2] = {"Hacksaw.png", "Scissors.png"};

    // The table's frame for what lies on the two spots.
    static int FrameFor(int spot1, int spot2);

private:
    void UpdateStory(float dt) override;
    void ReadWorld() override;
    void PickUp(int piece);
    void UseSpot(int spot);
    void SetCarried(int piece);
    void Reveal(float dt);

    std::shared_ptr<GameObject> table, pieces[2], spots[2], icons[2], falseDoor, camera;
    std::vector<DialogueLine> pickedLines[2], secretRoomLines;
};
