#pragma once
// The floor-1 wings played on the shipped Level1, for the room tests and the whole-game run:
// the crushing-wall and painting rooms (east), the operating room (west) and the light room
// (south). Each function starts with the player standing on the wing's arrival link.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>

#include "engine/Vector2.h"
#include "gameplay/GameController.h"
#include "graphics/Sprite.h"
#include "objects/GameObject.h"
#include "objects/Transform.h"
#include "support/GameplayHarness.h"

namespace floor1wings {

using testsupport::GameplayHarness;

// Reads every open line (questions excluded: they are answered by the caller).
inline void ReadAll(GameplayHarness& h)
{
    for (int guard = 0; guard < 40 && h.DialogueOpen() && !h.Controller().askQuestion; ++guard)
        h.AdvanceDialogue();
}

// Waits for a dialogue to open, and reads it.
inline void ReadNext(GameplayHarness& h, const std::string& expected, float limit = 15.0f)
{
    ASSERT_TRUE(h.StepUntil([&] { return h.DialogueOpen(); }, limit)) << "no dialogue: expected \"" << expected << "\"";
    h.Step(60);
    EXPECT_NE(h.DialogueText().find(expected), std::string::npos) << "shown: \"" << h.DialogueText() << "\"";
    ReadAll(h);
    ASSERT_TRUE(h.StepUntil([&] { return !h.Controller().playerLocked; }, 5.0f)) << "the player stays locked";
}

// Walks along one axis by holding one direction until the player gets there (or, when
// untilDialogue is set, until a dialogue stops him on the way).
inline void WalkAxis(GameplayHarness& h, bool alongX, float target, bool untilDialogue = false)
{
    auto now = [&] { return alongX ? h.PlayerPosition().x : h.PlayerPosition().y; };
    const float start = now();
    if (std::fabs(start - target) < 0.3f)
        return;
    const bool up = target > start;
    const std::string action = alongX ? (up ? "ACTION_RIGHT" : "ACTION_LEFT") : (up ? "ACTION_UP" : "ACTION_DOWN");
    h.Hold(action);
    const bool reached = h.StepUntil(
        [&] { return (up ? now() >= target - 0.1f : now() <= target + 0.1f) || (untilDialogue && h.DialogueOpen()); },
        30.0f);
    h.Let(action);
    h.Step(10);
    ASSERT_TRUE(reached) << (alongX ? "x " : "y ") << target << " not reached; the player stands at ("
                         << h.PlayerPosition().x << ", " << h.PlayerPosition().y << ")";
}

// Walks to a point: first across, then up or down.
inline void WalkTo(GameplayHarness& h, float x, float y)
{
    WalkAxis(h, true, x);
    WalkAxis(h, false, y);
}
inline void WalkToVertFirst(GameplayHarness& h, float x, float y)
{
    WalkAxis(h, false, y);
    WalkAxis(h, true, x);
}

inline void Interact(GameplayHarness& h)
{
    h.Tap("ACTION_INTERACT");
}

inline int FrameOf(GameplayHarness& h, const std::string& name)
{
    const auto object = h.Object(name);
    const auto sprite = object ? object->GetComponent<Sprite>() : nullptr;
    return sprite ? sprite->startFrame : -1;
}

// Through a door: the fade runs and the player lands on the door's link.
inline void GoThroughDoor(GameplayHarness& h, const std::string& door, bool alongX, float target)
{
    const auto link = h.Object(door + "link");
    ASSERT_TRUE(link) << door << "link is missing";
    const Vector3 far = link->GetComponent<Transform>()->GetPosition();
    const std::string action = alongX ? (target > h.PlayerPosition().x ? "ACTION_RIGHT" : "ACTION_LEFT")
                                      : (target > h.PlayerPosition().y ? "ACTION_UP" : "ACTION_DOWN");
    h.Hold(action);
    const bool started = h.StepUntil([&] { return h.Controller().teleportActive; }, 10.0f);
    h.Let(action);
    ASSERT_TRUE(started) << door << " did not open";
    ASSERT_TRUE(h.StepUntil([&] { return !h.Controller().teleportActive && !h.Controller().playerLocked; }, 5.0f));
    EXPECT_NEAR(h.PlayerPosition().x, far.x, 0.5f);
    EXPECT_NEAR(h.PlayerPosition().y, far.y, 0.5f);
}

// ---------------------------------------------------------------- east wing

// The first half of the east wing, up to the pipe lying on the floor (used by the save test).
inline void JamWallsWithClothes(GameplayHarness& h)
{
    // Into the crushing-wall room through the hall's opening; the room's remark waits in front
    // of the walls.
    WalkTo(h, 310, -229);
    WalkAxis(h, false, -245.5, true);
    ReadNext(h, "This room seems fishy...");
    // The nurse clothes in the corner.
    WalkTo(h, 336.5, -238);
    Interact(h);
    ReadNext(h, "Picked up Nurse Clothes.");
    // Laid on the trail: he is walked back, the walls crush the clothes and creep open again.
    WalkTo(h, 322, -251.5);
    Interact(h);
    h.Answer(true);
    ReadNext(h, "Seems like I need something to jam the walls...", 20.0f);
}

inline void JamWallsWithPipe(GameplayHarness& h)
{
    WalkTo(h, 322, -239.8);
    Interact(h);
    h.Answer(true);
    h.Step(5);
    ASSERT_GT(h.Alpha("Piece1Icon"), 0.5f) << "the pipe is not carried";
    WalkAxis(h, false, -251.5);
    Interact(h);
    h.Answer(true);
    ReadNext(h, "I think I'm safe now...");
}

inline void SeePaintingAndLeave(GameplayHarness& h)
{
    // Down the jammed trail into the painting room, past the painting to the far door.
    WalkAxis(h, false, -276);
    WalkAxis(h, true, 331);
    EXPECT_EQ(FrameOf(h, "Portrait"), 0);
    WalkAxis(h, true, 337);
    EXPECT_EQ(FrameOf(h, "Portrait"), 1) << "the painting did not turn as he passed";
    GoThroughDoor(h, "EastPaintingDoor", false, -292);
    EXPECT_EQ(FrameOf(h, "Portrait"), 2) << "the painting was not completed on the way out";
    // Back in the hall: out to the hub.
    WalkAxis(h, true, 323);
    GoThroughDoor(h, "Exit1-7", false, -220);
}

// Clothes on the trail, the pipe jammed between the walls, the painting, then out by "Exit1-7".
inline void PlaySmashingWing(GameplayHarness& h)
{
    JamWallsWithClothes(h);
    JamWallsWithPipe(h);
    SeePaintingAndLeave(h);
}

// ---------------------------------------------------------------- west wing

inline void TakeFromFloor(GameplayHarness& h, const std::string& piece, float x, float y, const std::string& line)
{
    WalkTo(h, x, y);
    ASSERT_FALSE(h.Controller().playerLocked);
    Interact(h);
    ReadNext(h, line);
    (void)piece;
}

// Lays what he carries on a spot by the table (or takes what lies there).
inline void UseSpot(GameplayHarness& h, int spot)
{
    // Round the table's foot end, then up to the spot.
    WalkAxis(h, false, -370.0f);
    WalkAxis(h, true, spot == 1 ? -145.5f : -136.5f);
    WalkAxis(h, false, -366.0f);
    Interact(h);
    h.Step(2);
}

inline void SolveOperatingTable(GameplayHarness& h)
{
    TakeFromFloor(h, "TablePiece1", -114, -349, "Picked up Rusty Hacksaw.");
    UseSpot(h, 1);
    EXPECT_EQ(FrameOf(h, "OperatingTable"), 6);
    WalkAxis(h, false, -372);
    TakeFromFloor(h, "TablePiece2", -147, -372, "Picked up Scissors.");
    WalkAxis(h, true, -136.5);
    UseSpot(h, 2);
    // The camera shows the false door going, comes back, and he wonders.
    ReadNext(h, "A secret room?", 20.0f);
}

// Hacksaw on spot 1, scissors on spot 2: the false wall goes; back out by "Exit1-10".
inline void PlayOperatingRoom(GameplayHarness& h)
{
    WalkAxis(h, false, -348);
    SolveOperatingTable(h);
    EXPECT_EQ(FrameOf(h, "OperatingTable"), 2);
    EXPECT_GT(h.TransformOf("FalseDoor3").GetPosition().x, 9000.0f) << "the false door still stands";
    WalkAxis(h, false, -348);
    WalkAxis(h, true, -137);
    GoThroughDoor(h, "Exit1-10", false, -330);
}

// ---------------------------------------------------------------- south wing

// Down from the hall into the dark room, where the hint waits on the first tile.
inline void EnterLightRoom(GameplayHarness& h)
{
    WalkAxis(h, true, 236);
    WalkAxis(h, false, -541, true);
    ReadNext(h, "It seem like there is a switch nearby.");
}

inline void SwitchSpotlight(GameplayHarness& h)
{
    WalkAxis(h, false, -540.5f);
    WalkAxis(h, true, 230);
    Interact(h);
    h.Step(2);
}

// Across the room past the enemy's ward to the lever, then on through the opened corridor.
inline void PullLeverAndGoOn(GameplayHarness& h)
{
    WalkAxis(h, false, -541);
    WalkAxis(h, true, 200);
    Interact(h);
    h.Step(2);
    WalkAxis(h, true, 194);
    GoThroughDoor(h, "Entrance1-9a", false, -518);
}

// Spotlight on over the resting enemy, across to the lever, on through "Entrance1-9a".
inline void PlayLightRoom(GameplayHarness& h)
{
    EnterLightRoom(h);
    SwitchSpotlight(h);
    PullLeverAndGoOn(h);
}

}  // namespace floor1wings
