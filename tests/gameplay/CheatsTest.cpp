// The developer keys, held through the key table while the level runs.
#include <gtest/gtest.h>

#include <utility>

#include "engine/InputSystem.h"
#include "events/IdenticalRoomEvent.h"
#include "gameplay/Cheats.h"
#include "gameplay/Checkpoint.h"
#include "gameplay/GameController.h"
#include "gameplay/InteractEvent.h"
#include "gameplay/PlayerBehaviour.h"
#include "gameplay/ZOrder.h"
#include "objects/GameObject.h"
#include "objects/Transform.h"
#include "support/GameplayHarness.h"
#include "support/LevelBuilder.h"

using namespace testsupport;

namespace {

constexpr int kDigit0 = 25;
constexpr int kP = 50;
constexpr int kEquals = 90;
constexpr int kMinus = 91;

// Digits 1 to 9 and where each one leads.
const std::pair<const char*, Vector2> kTargets[] = {
    {"Entrance1-2link", {10.0f, 5.0f}}, {"Exit1-3alink", {-7.0f, 3.0f}},   {"Entrance1-4link", {20.0f, -4.0f}},
    {"Entrance1-5link", {1.0f, 30.0f}}, {"LeverMove", {-12.0f, -12.0f}},   {"Exit2-0link", {40.0f, 2.0f}},
    {"Exit2-7link", {44.0f, 9.0f}},     {"Entrance2-9link", {50.0f, -6.0f}}, {"Entrance2-2link", {-30.0f, 8.0f}},
};

template <class T>
void Attach(GameObject& object)
{
    auto component = std::make_shared<T>();
    object.components.push_back(component);
    component->SetOwner(&object);
}

class CheatsTest : public GameplayHarness {
protected:
    void BuildLevel(bool withTargets)
    {
        BuildPlayerRig();
        Attach<Cheats>(AddLevelObject("DevKeys", 4));
        if (!withTargets)
            return;
        for (const auto& target : kTargets)
            GiveTransform(AddLevelObject(target.first, 4), target.second.x, target.second.y, 0.0f);
        GameObject& table = AddLevelObject("SymmetryTable", 4);
        GiveTransform(table, 0.0f, 20.0f);
        Attach<IdenticalRoomEvent>(table);
    }
    void Start()
    {
        StartBuiltLevel();
        StepSeconds(1.1f);
    }
    void HoldFor(int key, int frames)
    {
        Press(key);
        Step(frames);
        Release(key);
    }
    bool TableSolved() const { return Object("SymmetryTable")->GetComponent<IdenticalRoomEvent>()->completed; }
};

TEST_F(CheatsTest, EachDigitPutsThePlayerOnItsPlaceAndTheFirstHeldKeyWins)
{
    BuildLevel(true);
    Start();
    const float depth = PlayerPosition().z;
    for (int digit = 1; digit <= 9; ++digit) {
        const Vector2 target = kTargets[digit - 1].second;
        HoldFor(kDigit0 + digit, 1);
        EXPECT_EQ(PlayerPosition().x, target.x) << digit;
        EXPECT_EQ(PlayerPosition().y, target.y) << digit;
        EXPECT_EQ(PlayerPosition().z, depth);
        // His sprite goes with him.
        EXPECT_EQ(TransformOf("PlayerSprite").GetPosition().x, target.x);
    }

    // 2 and 1 held together: 1 acts, and keeps him there while held.
    Press(kDigit0 + 2);
    Press(kDigit0 + 1);
    Hold("ACTION_RIGHT");
    StepSeconds(0.5f);
    // Put back every frame, he gets no further than one frame's walk.
    EXPECT_NEAR(PlayerPosition().x, kTargets[0].second.x, 0.1f);
    EXPECT_EQ(PlayerPosition().y, kTargets[0].second.y);
    // A teleport key also wins over minus, equals and 0.
    Press(kMinus);
    Press(kEquals);
    Press(kDigit0);
    Step();
    EXPECT_FALSE(TableSolved());
    EXPECT_FALSE(Controller().shaking);
    EXPECT_FALSE(Controller().dying);
}

TEST_F(CheatsTest, MinusSolvesTheMirrorRoomEqualsShakesAndZeroKills)
{
    BuildLevel(true);
    Start();
    HoldFor(kMinus, 1);
    EXPECT_TRUE(TableSolved());

    // The shake restarts every held frame and runs out a second after the release.
    Press(kEquals);
    Step();
    EXPECT_TRUE(Controller().shaking);
    EXPECT_EQ(Controller().shakeDuration, 1.0f);
    EXPECT_EQ(Controller().shakeMagnitude, 1.0f);
    StepSeconds(2.0f);
    EXPECT_TRUE(Controller().shaking);
    Release(kEquals);
    StepSeconds(0.8f);
    EXPECT_TRUE(Controller().shaking);
    StepSeconds(0.4f);
    EXPECT_FALSE(Controller().shaking);

    EXPECT_FALSE(Controller().dying);
    HoldFor(kDigit0, 1);
    EXPECT_TRUE(Controller().dying);
    EXPECT_TRUE(Controller().playerLocked);
}

TEST_F(CheatsTest, PFlipsRunningOnEveryHeldFrame)
{
    BuildLevel(true);
    Start();
    EXPECT_FALSE(Player().canRun);
    HoldFor(kP, 1);
    EXPECT_TRUE(Player().canRun);
    HoldFor(kP, 3);
    EXPECT_FALSE(Player().canRun);
    HoldFor(kP, 4);
    EXPECT_FALSE(Player().canRun);
    EXPECT_EQ(Object("DevKeys")->GetComponent<Cheats>()->runToggle, Player().canRun);
}

TEST_F(CheatsTest, NoKeyActsWhileInputIsDisabled)
{
    BuildLevel(true);
    Start();
    const Vector3 start = PlayerPosition();
    gInputSystem->inputEnabled = false;
    for (int key : {kDigit0 + 3, kMinus, kEquals, kP, kDigit0})
        HoldFor(key, 2);
    EXPECT_EQ(PlayerPosition().x, start.x);
    EXPECT_EQ(PlayerPosition().y, start.y);
    EXPECT_FALSE(TableSolved());
    EXPECT_FALSE(Controller().shaking);
    EXPECT_FALSE(Player().canRun);
    EXPECT_FALSE(Controller().dying);
    gInputSystem->inputEnabled = true;
}

TEST_F(CheatsTest, KeysWhoseTargetsAreMissingDoNothing)
{
    BuildLevel(false);
    Start();
    const Vector3 start = PlayerPosition();
    for (int digit = 1; digit <= 9; ++digit)
        HoldFor(kDigit0 + digit, 2);
    HoldFor(kMinus, 2);
    EXPECT_EQ(PlayerPosition().x, start.x);
    EXPECT_EQ(PlayerPosition().y, start.y);
    // The keys that need only the player and the controller still work.
    HoldFor(kP, 1);
    EXPECT_TRUE(Player().canRun);
}

TEST_F(CheatsTest, GameplayComponentsStandInALevelWithoutPlayerOrController)
{
    // Only the camera (added by the reader) and one object carrying all four.
    GameObject& stray = AddLevelObject("Stray", 4);
    GiveTransform(stray, 0.0f, 0.0f);
    GiveBox(stray, 2.0f, 2.0f);
    Attach<Cheats>(stray);
    Attach<InteractEvent>(stray);
    Attach<Checkpoint>(stray);
    Attach<ZOrder>(stray);
    StartBuiltLevel();
    StepSeconds(0.5f);
    for (int key : {kDigit0 + 1, kDigit0, kMinus, kEquals, kP})
        HoldFor(key, 2);
    Tap("ACTION_INTERACT");
    Step(5);
    EXPECT_FALSE(std::filesystem::exists(tree->Resources() / "save" / "SaveData.txt"));
}

}  // namespace
