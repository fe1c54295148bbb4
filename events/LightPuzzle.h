#pragma once

#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

#include "engine/Vector2.h"
#include "engine/Vector3.h"
#include "events/StoryEvent.h"

// The two traffic-light rooms. In each, reading the clue board shuts the door behind the
// player and starts a countdown while wall switches cycle the lights; the right colours pan
// the camera to the door, which opens. The second board is then lit and hides the wedding
// ring. A countdown that runs out arms a chase in which the surgeon catches the player.
class LightPuzzle : public StoryEvent
{
public:
    static constexpr int kTypeId = 31;

    LightPuzzle();

    static std::string GetTypeName() { return "LightPuzzle"; }

    void Init() override;
    std::string GetName() const override { return GetTypeName(); }
    std::shared_ptr<Component> Clone() const override;
    void Serialize(std::ostream& stream) const override;
    void Deserialize(std::istream& stream) override;

    // One switch board's room: its switches, lights, colour cycle and progress.
    struct Board {
        std::shared_ptr<GameObject> board;
        std::shared_ptr<GameObject> exit;
        std::vector<std::shared_ptr<GameObject>> switches;
        std::vector<std::shared_ptr<GameObject>> lights;
        std::vector<float> switchTimers;
        std::vector<Vector3> colours;
        bool clueRead = false;
        bool doorShut = false;
        bool soundStarted = false;
        bool soundStopped = false;
        bool chaseMusicStarted = false;
        float timeLeft = 30.0f;
    };

    bool completed = false;
    bool completed2 = false;
    bool itemGet = false;

    Board boards[2];
    float switchCooldown = 0.5f;
    bool timedOut = false;
    bool chaseRunning = false;
    bool caught = false;
    float returnDelay = 1.0f;
    bool cameraAtDoor = false;
    bool cameraBack = false;
    float panSpeed = 5.0f;
    float spotlightDelay = 1.0f;
    bool spotlit = false;
    bool boardSliding = false;
    float slideTime = 2.5f;
    bool underneathShown = false;
    bool ringFound = false;
    bool ringTaken = false;
    float ringPanDelay = 1.0f;

    std::vector<DialogueLine> clueLines1;
    std::vector<DialogueLine> doorLockedLines;
    std::vector<DialogueLine> huhLines;
    std::vector<DialogueLine> clueLines2;
    std::vector<DialogueLine> underneathLines;
    std::vector<DialogueLine> rustyRingLines;
    std::vector<DialogueLine> stuckLines;

    std::shared_ptr<GameObject> playerSprite;
    std::shared_ptr<GameObject> camera;
    std::shared_ptr<GameObject> paper1;
    std::shared_ptr<GameObject> door;
    std::shared_ptr<GameObject> doorCollider;
    std::shared_ptr<GameObject> portal2;
    std::shared_ptr<GameObject> chasePoint1;
    std::shared_ptr<GameObject> knifeEnemy;
    std::shared_ptr<GameObject> surgeonSprite;
    std::shared_ptr<GameObject> elevatorDoorCollider;
    std::shared_ptr<GameObject> elevatorRoomDoor;
    std::shared_ptr<GameObject> fourthLight;
    std::shared_ptr<GameObject> ringIcon;
    std::shared_ptr<GameObject> piece1Icon;
    std::shared_ptr<GameObject> piece2Icon;
    std::shared_ptr<GameObject> slot3Icon;
    std::shared_ptr<GameObject> softToy;
    std::shared_ptr<GameObject> ringItem;

private:
    void UpdateStory(float dt) override;
    void SwitchOffFirstRoom();
    void SwitchOffSecondRoom();
    void ShowRingIcon();
    bool DeveloperKey(char letter) const;
    // The zones of one board; true when the player stands on one of them.
    bool UpdateZones(int index);
    void PressSwitch(Board& board, size_t index);
    bool Solved(const Board& board) const;
    void ShutDoor(Board& board);
    void UpdateCountdown(Board& board, float dt);
    enum class PanStep { Moving, Arrived, Returning, Done };
    // One frame of the pan to the door (plus offset) and back; moved objects travel with it.
    PanStep Pan(const Vector2& offset, const std::vector<std::shared_ptr<GameObject>>& carried, float dt);
    void UpdateFirstRoom(float dt);
    void UpdateSecondRoom(float dt);
    void UpdateRing(float dt);
    void UpdateChase(Board& board, const std::shared_ptr<GameObject>& point, float reach, int sheetFrame,
                     const Vector2& start, const Vector2& velocity);
};
