#pragma once
// The floor-2 rooms of the playthrough: the family-tree room, the nursery and the flame room.
// Each function starts where the one before ends and asserts that its stretch of the story
// completes; between EnterMirrorRooms and PlayFamilyTreeFirst the mirror rooms are played
// (floor2hub::PlayMirrorRooms, from "Entrance2-7link" back to "Exit2-7link").
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>

#include "engine/SceneSystem.h"
#include "engine/Vector2.h"
#include "events/DollRoom.h"
#include "events/FamilyTreeRoomEvent.h"
#include "events/FlameRoom.h"
#include "events/LightPuzzle.h"
#include "gameplay/GameController.h"
#include "objects/GameObject.h"
#include "objects/Transform.h"
#include "support/GameplayHarness.h"

namespace floor2route {

using Route = testsupport::GameplayHarness;

template <class T>
std::shared_ptr<T> ScriptOn(const Route& r, const std::string& name)
{
    const auto object = r.Object(name);
    return object ? object->GetComponent<T>() : nullptr;
}

inline std::shared_ptr<FamilyTreeRoomEvent> TreeScript(const Route& r)
{
    return ScriptOn<FamilyTreeRoomEvent>(r, "FamilyTree");
}

inline std::shared_ptr<DollRoom> NurseryScript(const Route& r)
{
    return ScriptOn<DollRoom>(r, "BadassBearL2");
}

inline std::shared_ptr<FlameRoom> FlameScript(const Route& r)
{
    return ScriptOn<FlameRoom>(r, "FlameRoomScript");
}

// A short step inside the room he stands in (the rooms are larger than a test should walk).
inline void Put(Route& r, float x, float y)
{
    r.TransformOf("Player").SetPosition(Vector2(x, y));
    r.Step(2);
}

inline void ReadAll(Route& r)
{
    for (int guard = 0; guard < 40 && r.DialogueOpen(); ++guard)
        r.AdvanceDialogue();
}

// Reads whatever dialogues come until the condition holds.
template <class Condition>
bool ReadUntil(Route& r, Condition condition, float limitSeconds)
{
    return r.StepUntil(
        [&] {
            // The condition first: the ending unloads the level and its controller with it.
            if (condition())
                return true;
            if (r.DialogueOpen())
                r.AdvanceDialogue();
            return condition();
        },
        limitSeconds);
}

// A door's fade-teleport, from the press to the player standing free at the far side.
inline bool ArrivedNear(Route& r, float x, float y)
{
    return r.StepUntil(
        [&] {
            const Vector3 p = r.PlayerPosition();
            const GameController& c = r.Controller();
            return !c.teleportActive && !c.playerLocked && std::abs(p.x - x) < 1.5f && std::abs(p.y - y) < 1.5f;
        },
        4.0f);
}

// From the hub's door ("Entrance2-9link"): along the room's foot to its west door "Entrance2-7"
// and through it into the mirror rooms ("Entrance2-7link").
inline void EnterMirrorRooms(testsupport::GameplayHarness& harness)
{
    Route& r = harness;
    r.Hold("ACTION_UP");
    const bool up = r.StepUntil([&] { return r.PlayerPosition().y >= 51.0f; }, 3.0f);
    r.Let("ACTION_UP");
    ASSERT_TRUE(up) << "he did not step off the hub's door";
    r.Hold("ACTION_LEFT");
    const bool opened = r.StepUntil([&] { return r.Controller().teleportActive; }, 6.0f);
    r.Let("ACTION_LEFT");
    ASSERT_TRUE(opened) << "the mirror rooms' door did not open; he stands at (" << r.PlayerPosition().x << ", "
                        << r.PlayerPosition().y << ")";
    const Vector3 link = r.TransformOf("Entrance2-7link").position;
    ASSERT_TRUE(ArrivedNear(r, link.x, link.y)) << "the door did not lead into the mirror rooms";
}

// Waters the tree with what he carries and reads the results.
inline void WaterTheTree(Route& r)
{
    Put(r, -168.0f, 77.0f);
    r.Hold("ACTION_UP");
    r.Step(20);  // into the cupboard's roots, where the tree can be reached
    r.Let("ACTION_UP");
    r.Step();
    r.Tap("ACTION_INTERACT");
    ASSERT_TRUE(r.DialogueOpen()) << "the tree asks nothing";
    r.Answer(true);
}

// Back from the mirror rooms ("Exit2-7link") carrying their bag: the first watering and the
// Nursery key.
inline void PlayFamilyTreeFirst(testsupport::GameplayHarness& harness)
{
    Route& r = harness;
    const auto tree = TreeScript(r);
    ASSERT_TRUE(tree);
    ASSERT_TRUE(tree->hasWater2 || tree->hasWater1) << "he comes back from the mirror rooms with a bag";
    WaterTheTree(r);
    ASSERT_EQ(tree->waterCount, 2);
    ASSERT_TRUE(ReadUntil(r, [&] { return tree->nurseryKeyFound && !r.Controller().playerLocked; }, 15.0f))
        << "the first watering gave no Nursery key";
    EXPECT_NEAR(r.TransformOf("Savepoint4").position.x, -170.9f, 0.01f);
    EXPECT_NEAR(r.TransformOf("Savepoint4").position.y, 70.3f, 0.01f);
}

// The nursery's steps, in order (the tests stop between them).
inline void EnterNursery(Route& r)
{
    const auto board = ScriptOn<LightPuzzle>(r, "LightPuzzleBoard");
    const bool unlockDue = board && board->completed2 && !TreeScript(r)->finalDoorUnlocked;
    Put(r, -154.0f, 51.0f);
    if (unlockDue) {
        // The second light board solved, the hall tells of its unlocked door when he first comes by.
        ASSERT_TRUE(r.DialogueOpen()) << "the hall's door did not tell it was unlocked";
        EXPECT_EQ(r.Controller().dialogueLines.front().text, "It sounded like a door unlocked.");
        ReadAll(r);
        ASSERT_TRUE(r.StepUntil([&] { return !r.Controller().playerLocked; }, 2.0f));
    }
    r.Hold("ACTION_RIGHT");
    r.Step(30);  // against the nursery door
    r.Let("ACTION_RIGHT");
    r.Step();
    r.Tap("ACTION_INTERACT");
    ASSERT_TRUE(ArrivedNear(r, 21.0f, 93.0f)) << "the Nursery door did not let him in";
}

inline void TakeNurseryWater(Route& r)
{
    Put(r, 32.0f, 113.6f);
    r.Tap("ACTION_INTERACT");
    ASSERT_TRUE(NurseryScript(r)->waterTaken) << "the water was not taken";
    ReadAll(r);
}

inline void TryTheNurseryWall(Route& r)
{
    Put(r, 21.0f, 99.2f);
    r.Hold("ACTION_DOWN");
    r.Step(10);  // against the wall that closed the doorway
    r.Let("ACTION_DOWN");
    r.Step();
    r.Tap("ACTION_INTERACT");
}

inline void StartNurserySearch(Route& r)
{
    const auto nursery = NurseryScript(r);
    TryTheNurseryWall(r);
    ASSERT_TRUE(ReadUntil(r, [&] { return nursery->searchActive; }, 20.0f)) << "the scene never let him search";
}

// The torn bears in the order he searches them, stopping at the key.
inline void SearchTornBears(Route& r)
{
    const auto nursery = NurseryScript(r);
    const float bears[8][2] = {{9, 101}, {9, 105}, {9, 109}, {9, 113}, {33, 101}, {33, 105}, {33, 109}, {15, 101}};
    for (const auto& bear : bears) {
        if (nursery->hasKey)
            break;
        Put(r, bear[0], bear[1] - 0.5f);
        r.Tap("ACTION_INTERACT");
        ReadAll(r);
    }
    ASSERT_TRUE(nursery->hasKey) << "no torn bear held the key";
}

inline void LeaveNursery(Route& r)
{
    TryTheNurseryWall(r);
    ASSERT_TRUE(NurseryScript(r)->completed);
    ASSERT_TRUE(ArrivedNear(r, -155.0f, 51.0f)) << "the wall did not let him out";
}

// From the family-tree hall with the Nursery key: the water, the wall, the search, out by the wall.
inline void PlayNursery(testsupport::GameplayHarness& harness)
{
    Route& r = harness;
    ASSERT_TRUE(NurseryScript(r));
    EnterNursery(r);
    TakeNurseryWater(r);
    StartNurserySearch(r);
    SearchTornBears(r);
    LeaveNursery(r);
}

// Back in the family-tree hall with the nursery's bag: the second watering and the ring.
inline void PlayFamilyTreeSecond(testsupport::GameplayHarness& harness)
{
    Route& r = harness;
    const auto tree = TreeScript(r);
    ASSERT_TRUE(tree);
    ASSERT_TRUE(tree->hasWater1) << "the nursery's bag is carried";
    WaterTheTree(r);
    ASSERT_EQ(tree->waterCount, 4);
    ASSERT_TRUE(ReadUntil(r, [&] { return tree->completed && !r.Controller().playerLocked; }, 40.0f))
        << "the second watering did not finish the room";
}

// Through the chemical-room door, the fire, the escape and the right portrait to the ending.
inline void PlayFlameRoomToEnding(testsupport::GameplayHarness& harness)
{
    Route& r = harness;
    Put(r, -152.6f, 72.0f);
    r.Tap("ACTION_INTERACT");
    ASSERT_TRUE(ArrivedNear(r, 67.0f, 54.0f)) << "the chemical-room door did not open";
    const auto flame = FlameScript(r);
    ASSERT_TRUE(flame);

    Put(r, 84.0f, 57.0f);
    r.Hold("ACTION_UP");
    r.Step(12);  // up to the leak
    r.Let("ACTION_UP");
    r.Step();
    r.Tap("ACTION_INTERACT");
    r.Answer(true);
    r.Step(2);
    ASSERT_TRUE(flame->fireLit) << "the lighter was not used";

    Put(r, 100.0f, 51.0f);
    r.Hold("ACTION_RIGHT");
    const bool triggered = r.StepUntil([&] { return flame->escapeTriggered; }, 3.0f);
    r.Let("ACTION_RIGHT");
    ASSERT_TRUE(triggered) << "the corridor did not start the escape";
    ASSERT_TRUE(ReadUntil(r, [&] { return flame->escaped && !r.Controller().playerLocked; }, 15.0f))
        << "the run did not take him through the door";

    Put(r, 151.0f, 93.0f);
    r.Hold("ACTION_UP");
    r.Step(15);  // under the right portrait
    r.Let("ACTION_UP");
    r.Step();
    r.Tap("ACTION_INTERACT");
    ASSERT_TRUE(ReadUntil(r, [&] { return r.RequestedScene() == SceneId::Ending; }, 10.0f))
        << "the right portrait did not lead to the ending";
}

}  // namespace floor2route
