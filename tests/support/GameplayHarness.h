#pragma once
// The script harness of the gameplay tests: a level played headless through the real systems.
// The level scene loads a level file from a temporary resource tree, the scene system steps it
// with a fixed dt, keys and actions are held through the input system, sound runs on the null
// backend (tiny tones stand in for every listed sound) and every play asked for is recorded.
#include <memory>
#include <string>
#include <vector>

#include "engine/Vector2.h"
#include "engine/Vector3.h"
#include "support/HeldKeys.h"
#include "support/TempResourceTree.h"

class GameController;
class GameObject;
class PlayerBehaviour;
class Transform;

namespace testsupport {

// Public so that the route helpers of the playthrough can drive any fixture.
class GameplayHarness : public HeldKeysTest {
public:
    static constexpr float kDt = 1.0f / 60.0f;

    void SetUp() override;
    void TearDown() override;

    // Writes the text as the level file and enters the level scene (Load, Init, first Update).
    void StartLevel(const std::string& levelText);
    // Saves what the test built in memory (LevelBuilder) as the level file and enters it.
    void StartBuiltLevel();
    // Enters the level scene on the shipped Level1.
    void StartShippedLevel();
    // The same, with his waking thoughts (they open where he lies) read through: for tests
    // that begin elsewhere in the hospital.
    void StartShippedLevelAwake();
    // Copies a shipped level file ("Main", "GameOver" ...) into the temporary tree.
    void UseShippedLevelFile(const std::string& name);
    // Switches the scene system to a scene as a request would, and runs its first frame.
    void EnterScene(int sceneId);
    // Points the mouse at a world position under a camera at (camX, camY) with the given zoom.
    void PointMouseAtWorld(float x, float y, float camX = 0.0f, float camY = 0.0f, float zoom = 1.0f);
    // A left click there: a frame pointing, one with the button down (a menu acts on the press),
    // one after the release (a scene asked for then loads).
    void ClickAtWorld(float x, float y);
    // The level scene again, from the save file when continuing.
    void EnterLevel(bool continueFromSave);

    // One frame in the engine's order: input latches, audio, then the scene system.
    void Step(int frames = 1);
    void StepSeconds(float seconds);
    // One frame of a given length (a slow machine's frame).
    void StepWith(float dt);
    // Steps until the condition holds; false if it has not within the limit.
    template <class Condition>
    bool StepUntil(Condition condition, float limitSeconds = 10.0f)
    {
        for (float t = 0.0f; t < limitSeconds; t += kDt) {
            if (condition())
                return true;
            Step();
        }
        return condition();
    }

    // Actions by name through the key they are bound to.
    void Hold(const std::string& action);
    void Let(const std::string& action);
    // Pressed for one frame, then released and stepped once more.
    void Tap(const std::string& action);
    // Mouse in window pixels (y down), as the window system reports it.
    void PointMouse(int x, int y);
    // Points the mouse from the player toward a direction on screen ("UP", "DOWN", ...).
    void PointMouseFromPlayer(float dx, float dy);

    // What the dialogue box shows, and whether it is open.
    std::string DialogueText() const;
    bool DialogueOpen() const;
    // Steps until the current line is typed, then presses interact to advance.
    void AdvanceDialogue();
    // Reads through an open question's lines, then picks yes or no and confirms.
    void Answer(bool yes);

    std::shared_ptr<GameObject> Object(const std::string& name) const;
    GameController& Controller() const;
    PlayerBehaviour& Player() const;
    Transform& TransformOf(const std::string& name) const;
    Vector3 PlayerPosition() const;
    float Alpha(const std::string& name) const;

    // The scene the scene system will switch to (equal to the level while staying).
    int RequestedScene() const;
    // Sound names asked for since the last clear, in order.
    std::vector<std::string> soundsPlayed;
    int CountPlays(const std::string& name) const;

    std::unique_ptr<TempResourceTree> tree;

private:
    void WriteToneFiles();
};

}  // namespace testsupport
