#pragma once
// The floor-2 hub and the mirror rooms played on the shipped Level1, for the room tests and the
// whole-game run. Each Play function starts where the one before it ends; the first starts on
// the trap door's landing spot, the mirror rooms on "Entrance2-7link".
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

namespace floor2hub {

using testsupport::GameplayHarness;

inline void Interact(GameplayHarness& h)
{
    h.Tap("ACTION_INTERACT");
}

// Reads every open line (a question is left for the caller to answer).
inline void ReadAll(GameplayHarness& h)
{
    for (int guard = 0; guard < 40 && h.DialogueOpen() && !h.Controller().askQuestion; ++guard)
        h.AdvanceDialogue();
}

inline std::string FirstLine(GameplayHarness& h)
{
    const auto& lines = h.Controller().dialogueLines;
    return lines.empty() ? std::string() : lines.front().text;
}

// Waits for a dialogue whose first line holds the text, reads it and waits until he is free.
inline void ReadNext(GameplayHarness& h, const std::string& expected, float limit = 25.0f)
{
    ASSERT_TRUE(h.StepUntil([&] { return h.DialogueOpen(); }, limit)) << "no dialogue: expected \"" << expected << "\"";
    EXPECT_NE(FirstLine(h).find(expected), std::string::npos) << "shown: \"" << FirstLine(h) << "\"";
    ReadAll(h);
    ASSERT_TRUE(h.StepUntil([&] { return !h.Controller().playerLocked; }, 5.0f)) << "the player stays locked";
}

// Holds one direction until the player gets there; false when he is stopped on the way.
inline bool TryWalkAxis(GameplayHarness& h, bool alongX, float target, float limit = 20.0f)
{
    auto now = [&] { return alongX ? h.PlayerPosition().x : h.PlayerPosition().y; };
    if (std::fabs(now() - target) < 0.1f)
        return true;
    const bool up = target > now();
    const std::string action = alongX ? (up ? "ACTION_RIGHT" : "ACTION_LEFT") : (up ? "ACTION_UP" : "ACTION_DOWN");
    h.Hold(action);
    const bool reached = h.StepUntil([&] { return up ? now() >= target - 0.05f : now() <= target + 0.05f; }, limit);
    h.Let(action);
    h.Step(2);
    return reached;
}

inline void WalkAxis(GameplayHarness& h, bool alongX, float target)
{
    ASSERT_TRUE(TryWalkAxis(h, alongX, target)) << (alongX ? "x " : "y ") << target << " not reached; he stands at ("
                                                << h.PlayerPosition().x << ", " << h.PlayerPosition().y << ")";
}

// Across first, then up or down.
inline void WalkTo(GameplayHarness& h, float x, float y)
{
    WalkAxis(h, true, x);
    WalkAxis(h, false, y);
}

// Up or down first, then across.
inline void WalkToVertFirst(GameplayHarness& h, float x, float y)
{
    WalkAxis(h, false, y);
    WalkAxis(h, true, x);
}

// Walks into a door and lands on its link after the fade.
inline void GoThroughDoor(GameplayHarness& h, const std::string& door, const std::string& action)
{
    const auto doorObject = h.Object(door);
    ASSERT_TRUE(doorObject) << door << " is missing";
    ASSERT_EQ(doorObject->objectType, 14) << door << " is not a door that leads anywhere";
    const auto link = h.Object(door + "link");
    ASSERT_TRUE(link) << door << "link is missing";
    const Vector3 far = link->GetComponent<Transform>()->GetPosition();
    h.Hold(action);
    const bool started = h.StepUntil([&] { return h.Controller().teleportActive; }, 10.0f);
    h.Let(action);
    ASSERT_TRUE(started) << door << " did not open; he stands at (" << h.PlayerPosition().x << ", "
                         << h.PlayerPosition().y << ")";
    ASSERT_TRUE(h.StepUntil([&] { return !h.Controller().teleportActive && !h.Controller().playerLocked; }, 5.0f));
    EXPECT_NEAR(h.PlayerPosition().x, far.x, 0.3f) << "through " << door;
    EXPECT_NEAR(h.PlayerPosition().y, far.y, 0.3f) << "through " << door;
}

// Presses interact until a report page has slid away.
inline void CloseImage(GameplayHarness& h)
{
    ASSERT_TRUE(h.StepUntil([&] { return h.Controller().imageActive; }, 2.0f)) << "no page was shown";
    for (int guard = 0; guard < 40 && h.Controller().imageActive; ++guard) {
        h.StepSeconds(0.25f);
        Interact(h);
    }
    ASSERT_TRUE(h.StepUntil([&] { return !h.Controller().imageActive; }, 10.0f));
}

// ---------------------------------------------------------------- floor 2 hub

// From the trap door's landing up into the lobby (its music starts) and into the hallway.
inline void PlayFloor2Arrival(GameplayHarness& h)
{
    WalkTo(h, -19.0f, 184.0f);
    GoThroughDoor(h, "Entrance2-0", "ACTION_UP");
    EXPECT_GE(h.CountPlays("bgm2"), 1) << "the lobby's music did not start";
    WalkAxis(h, false, 201.0f);
    GoThroughDoor(h, "Entrance2-1", "ACTION_LEFT");
}

// One walk to the hallway's end, sent back to its start; then the father's line that starts
// with said, or none when said is empty.
inline void WalkOneLap(GameplayHarness& h, int lap, const std::string& said)
{
    h.Hold("ACTION_RIGHT");
    const bool looped = h.StepUntil([&] { return h.Controller().teleportActive; }, 15.0f);
    h.Let("ACTION_RIGHT");
    ASSERT_TRUE(looped) << "lap " << lap << " never reached the hallway's end";
    ASSERT_TRUE(h.StepUntil([&] { return !h.Controller().teleportActive; }, 5.0f));
    h.Step(3);
    if (!said.empty())
        ReadNext(h, said);
    else
        EXPECT_FALSE(h.DialogueOpen()) << "lap " << lap << ": \"" << FirstLine(h) << "\"";
    ASSERT_TRUE(h.StepUntil([&] { return !h.Controller().playerLocked; }, 5.0f));
}

// Walks east until the bear stops him; true when he stands against it.
inline bool WalkIntoBear(GameplayHarness& h)
{
    return !TryWalkAxis(h, true, -61.0f, 6.0f) && h.PlayerPosition().x < -68.5f;
}

// Then the bear in the way: torn apart, or (tear false) spared once and moved aside; then the
// door at the hallway's end.
inline void PassTheBear(GameplayHarness& h, bool tear)
{
    ASSERT_TRUE(WalkIntoBear(h)) << "the bear does not block the way; he stands at x " << h.PlayerPosition().x;
    Interact(h);
    ASSERT_TRUE(h.DialogueOpen());
    EXPECT_EQ(FirstLine(h), "T A K E  M E");
    h.Answer(tear);
    if (!tear) {
        ASSERT_TRUE(h.StepUntil([&] { return h.Controller().askQuestion; }, 3.0f)) << "no second question";
        EXPECT_EQ(FirstLine(h), "...");
        h.Answer(true);
    }
    ASSERT_TRUE(h.StepUntil([&] { return !h.Controller().playerLocked; }, 3.0f));
    // A player stopped by something only walks on that way once another direction was pressed.
    h.Tap("ACTION_LEFT");
    GoThroughDoor(h, "Entrance2-2", "ACTION_RIGHT");
}

// Four laps (he speaks after the first and the third), then the bear in the way is torn apart
// (or, with tear false, moved aside) and the door at the hallway's end leads on to the ward.
inline void PlayLoopingHallway(GameplayHarness& h, bool tear = true)
{
    const char* const said[4] = {"Huh?", "", "...", ""};
    for (int lap = 1; lap <= 4; ++lap) {
        WalkOneLap(h, lap, said[lap - 1]);
        if (::testing::Test::HasFatalFailure())
            return;
    }
    PassTheBear(h, tear);
}

// A note read: its report page, then the father's thought.
inline void ReadNote(GameplayHarness& h, float x, float y, const std::string& thought)
{
    WalkToVertFirst(h, x, y);
    Interact(h);
    CloseImage(h);
    ReadNext(h, thought);
}

// The three notes of the ward, then the daughter's table: the girl's talk and the last line.
inline void PlayGirlNotes(GameplayHarness& h)
{
    ReadNote(h, 7.0f, 186.5f, "Subject 45?");
    ReadNote(h, 14.0f, 176.0f, "Deceased...");
    ReadNote(h, 29.0f, 176.0f, "Erratic pulse?");
    WalkToVertFirst(h, 20.5f, 183.0f);
    Interact(h);
    ReadNext(h, "Wh-Who's there?");
    ReadNext(h, "I must not let him out alive.");
}

// Through the ward's east door, the four bears spoken to, and back into the ward.
inline void PlayBearRoom(GameplayHarness& h)
{
    WalkToVertFirst(h, 30.0f, 181.0f);
    GoThroughDoor(h, "Entrance2-5", "ACTION_RIGHT");
    const char* const firstLines[4] = {"I don't like being alone...", "...", "P L A Y  W I T H  M E", "Mom..."};
    const float spots[4][2] = {{46.0f, 184.5f}, {59.0f, 184.5f}, {59.0f, 176.0f}, {51.0f, 176.0f}};
    for (int i = 0; i < 4; ++i) {
        if (i == 0)
            WalkToVertFirst(h, spots[i][0], spots[i][1]);
        else
            WalkTo(h, spots[i][0], spots[i][1]);
        Interact(h);
        ReadNext(h, firstLines[i]);
    }
    WalkAxis(h, false, 181.0f);
    GoThroughDoor(h, "Exit2-5", "ACTION_LEFT");
}

// From the bear room's door in the ward into the second light-puzzle room.
inline void EnterLightPuzzleRoom2(GameplayHarness& h)
{
    WalkToVertFirst(h, 11.0f, 186.0f);
    GoThroughDoor(h, "Entrance2-3", "ACTION_UP");
}

// Back from the light-puzzle room ("Exit2-3link") into the family-tree room.
inline void EnterFamilyTreeRoom(GameplayHarness& h)
{
    WalkTo(h, 27.0f, 186.0f);
    GoThroughDoor(h, "Entrance2-9", "ACTION_UP");
}

// ---------------------------------------------------------------- mirror rooms

// Takes the block lying at (x, y).
inline void TakeBlock(GameplayHarness& h, const std::string& line)
{
    Interact(h);
    ReadNext(h, line);
}

// Places the carried block on the bear spot of the right room.
inline void PlaceBlock(GameplayHarness& h)
{
    Interact(h);
    h.Answer(true);
    ASSERT_TRUE(h.StepUntil([&] { return h.Controller().playerLocked; }, 2.0f)) << "no fade";
    ASSERT_TRUE(h.StepUntil([&] { return !h.Controller().playerLocked; }, 4.0f));
}

// Pulls the switch in the left room and reads what the wait brings.
inline void PullSwitch(GameplayHarness& h, const std::string& result)
{
    WalkAxis(h, false, 70.0f);
    WalkTo(h, -260.0f, 77.2f);
    Interact(h);
    ASSERT_TRUE(h.Controller().playerLocked) << "the switch was not pulled";
    ReadNext(h, result, 25.0f);
}

// The right room's first half: the medicine shifted right, block B on the bear spot.
inline void MirrorFirstHalf(GameplayHarness& h)
{
    WalkTo(h, -241.0f, 90.0f);
    GoThroughDoor(h, "MirrorHallDoor", "ACTION_DOWN");
    WalkTo(h, -229.0f, 76.0f);
    Interact(h);
    h.Answer(true);
    ASSERT_TRUE(h.StepUntil([&] { return !h.Controller().playerLocked; }, 3.0f));
    WalkAxis(h, false, 63.0f);
    TakeBlock(h, "Picked up BlockB.");
    WalkTo(h, -237.4f, 72.8f);
    PlaceBlock(h);
}

// The second half: block A from the left room onto the spot, the curtain moved, the switch,
// and through the opened door to the water bag; back by "Exit2-7" into the family-tree room
// ("Exit2-7link").
inline void MirrorSecondHalf(GameplayHarness& h)
{
    WalkToVertFirst(h, -275.0f, 70.0f);
    WalkAxis(h, false, 76.0f);
    TakeBlock(h, "Picked up BlockA.");
    WalkToVertFirst(h, -237.4f, 70.0f);
    WalkAxis(h, false, 72.8f);
    PlaceBlock(h);
    WalkToVertFirst(h, -269.0f, 70.0f);
    WalkAxis(h, false, 64.5f);
    Interact(h);
    h.Answer(true);
    ASSERT_TRUE(h.StepUntil([&] { return h.Controller().playerLocked; }, 2.0f)) << "no fade";
    ASSERT_TRUE(h.StepUntil([&] { return !h.Controller().playerLocked; }, 4.0f));
    WalkAxis(h, false, 70.0f);
    PullSwitch(h, "It sounds like a door opened.");
    // Through the opened door into the closet; the family-tree room's script takes the bag.
    WalkToVertFirst(h, -286.0f, 69.0f);
    Interact(h);
    ReadNext(h, "Picked up Water.");
    WalkTo(h, -241.0f, 76.0f);
    GoThroughDoor(h, "MirrorRoomDoor", "ACTION_UP");
    WalkTo(h, -230.0f, 93.0f);
    GoThroughDoor(h, "Exit2-7", "ACTION_RIGHT");
}

// From "Entrance2-7link": both rooms made alike, the switch opens the left room's door, the bag
// taken; ends on "Exit2-7link" in the family-tree room.
inline void PlayMirrorRooms(GameplayHarness& h)
{
    MirrorFirstHalf(h);
    if (::testing::Test::HasFatalFailure())
        return;
    MirrorSecondHalf(h);
}

}  // namespace floor2hub
