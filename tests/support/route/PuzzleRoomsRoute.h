#pragma once
// The puzzle rooms of the hospital played on the shipped level: the first traffic-light room,
// the generator and the lift, the running girl and the lever, and the second traffic-light room.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>

#include "events/ElevatorPuzzle.h"
#include "events/LightPuzzle.h"
#include "events/RunningTrigger.h"
#include "events/TBC.h"
#include "gameplay/GameController.h"
#include "objects/GameObject.h"
#include "objects/Transform.h"
#include "physics/Rigidbody.h"
#include "support/GameplayHarness.h"

namespace puzzleroute {

inline LightPuzzle& Lights(testsupport::GameplayHarness& h)
{
    return *h.Object("LightPuzzleBoard")->GetComponent<LightPuzzle>();
}
inline ElevatorPuzzle& Generator(testsupport::GameplayHarness& h)
{
    return *h.Object("Generator")->GetComponent<ElevatorPuzzle>();
}
inline RunningTrigger& Girl(testsupport::GameplayHarness& h)
{
    return *h.Object("RunningPaperSpot")->GetComponent<RunningTrigger>();
}
inline TBC& Lever(testsupport::GameplayHarness& h)
{
    return *h.Object("LeverRoomLever")->GetComponent<TBC>();
}

inline bool Near(testsupport::GameplayHarness& h, const std::string& name, float reach = 0.6f)
{
    const Vector3 at = h.TransformOf(name).position;
    const Vector3 p = h.PlayerPosition();
    return std::fabs(at.x - p.x) < reach && std::fabs(at.y - p.y) < reach;
}

// A short step inside the room; the boxes follow a frame behind.
inline void Put(testsupport::GameplayHarness& h, float x, float y)
{
    h.TransformOf("Player").SetPosition(Vector2(x, y));
    h.Step(2);
}

// Reads every line of the open box and waits until the player is free again.
inline void ReadAll(testsupport::GameplayHarness& h)
{
    for (int guard = 0; guard < 60 && h.DialogueOpen(); ++guard)
        h.AdvanceDialogue();
    ASSERT_TRUE(h.StepUntil([&] { return !h.DialogueOpen() && !h.Controller().playerLocked; }, 20.0f));
}

// Walks one way until the player has come out of a door at the named link.
inline void WalkThrough(testsupport::GameplayHarness& h, const char* action, const std::string& link)
{
    h.Hold(action);
    const bool arrived = h.StepUntil([&] { return Near(h, link); }, 8.0f);
    h.Let(action);
    ASSERT_TRUE(arrived) << "did not come out at " << link;
    ASSERT_TRUE(h.StepUntil([&] { return !h.Controller().playerLocked; }, 3.0f));
}

// Presses a wall switch a number of times, past its cool-down each time.
inline void PressSwitch(testsupport::GameplayHarness& h, float x, float y, int times)
{
    Put(h, x, y);
    for (int i = 0; i < times; ++i) {
        h.Tap("ACTION_INTERACT");
        h.StepSeconds(0.6f);
    }
}

// Reads the first board; the door slams shut on the way back to the hall.
inline void ReadFirstBoard(testsupport::GameplayHarness& h)
{
    Put(h, 310.0f, -558.8f);
    h.Tap("ACTION_INTERACT");
    ASSERT_TRUE(h.DialogueOpen());
    ReadAll(h);
    h.Step(2);
    const Vector3 door = h.TransformOf("LightPuzzleDoor").position;
    ASSERT_FLOAT_EQ(door.x, 297.0f) << "the door did not shut";
}

// From "Entrance1-9alink": the clue, the lights red-yellow-green, the door and into the elevator room.
inline void PlayLightPuzzleRoom1(testsupport::GameplayHarness& h)
{
    WalkThrough(h, "ACTION_RIGHT", "Exit1-9c");
    ReadFirstBoard(h);
    if (::testing::Test::HasFatalFailure())
        return;
    PressSwitch(h, 302.0f, -575.2f, 1);
    PressSwitch(h, 304.5f, -575.2f, 2);
    PressSwitch(h, 307.0f, -575.2f, 1);
    ASSERT_TRUE(h.StepUntil([&] { return Lights(h).completed; }, 20.0f)) << "the board was not solved";
    ASSERT_FALSE(h.Controller().playerLocked);
    ASSERT_FALSE(h.Object("ElevatorRoomDoor")->GetComponent<Rigidbody>()) << "the elevator room stays shut";
    Put(h, 334.0f, -567.0f);
    WalkThrough(h, "ACTION_RIGHT", "ElevatorRoomEntrylink");
}

// From "ElevatorRoomEntrylink": cutters from the shelf, the chain, the handle, the generator, the lift.
inline void PlayGeneratorAndLift(testsupport::GameplayHarness& h)
{
    Put(h, 199.5f, -407.2f);
    h.Tap("ACTION_INTERACT");
    // The remark, then the cutters taken.
    ReadAll(h);
    ASSERT_TRUE(Generator(h).holdingCutters) << "the cutters were not taken";
    Put(h, 224.0f, -428.6f);
    h.Tap("ACTION_INTERACT");
    ReadAll(h);
    ASSERT_TRUE(Generator(h).chainCut);
    Put(h, 249.0f, -436.4f);
    h.Tap("ACTION_INTERACT");
    ReadAll(h);
    ASSERT_TRUE(Generator(h).holdingHandle);
    Put(h, 224.0f, -428.6f);
    h.Tap("ACTION_INTERACT");
    ReadAll(h);
    h.Step(2);
    ASSERT_FALSE(Generator(h).roomChangePending) << "the room did not change";
    // Straight for the lift before the thing from the back door comes near.
    Put(h, 236.5f, -430.0f);
    h.Hold("ACTION_RIGHT");
    const bool inside = h.StepUntil([&] { return Generator(h).inLift; }, 3.0f);
    h.Let("ACTION_RIGHT");
    ASSERT_TRUE(inside) << "the lift was not reached";
    ASSERT_TRUE(h.StepUntil([&] { return Generator(h).completed; }, 8.0f));
    ASSERT_TRUE(h.StepUntil([&] { return !h.Controller().playerLocked; }, 3.0f));
    ASSERT_TRUE(Near(h, "LiftTele"));
    ASSERT_FALSE(h.Controller().dying);
}

// From "LiftTele": the paper, the girl running off, the hole, the lever room and the trap door.
inline void PlayRunningGirlAndLever(testsupport::GameplayHarness& h)
{
    Put(h, 205.0f, -370.2f);
    h.Tap("ACTION_INTERACT");
    ASSERT_TRUE(h.Controller().imageActive) << "the drawing was not shown";
    for (int guard = 0; guard < 40 && h.Controller().imageActive; ++guard) {
        h.StepSeconds(0.25f);
        h.Tap("ACTION_INTERACT");
    }
    ASSERT_TRUE(h.StepUntil([&] { return Girl(h).girlGone; }, 6.0f)) << "the girl never ran off";
    Put(h, 239.2f, -367.0f);
    h.Tap("ACTION_INTERACT");
    ASSERT_TRUE(h.DialogueOpen());
    h.Answer(true);
    ASSERT_TRUE(h.StepUntil([&] { return Near(h, "Entrance1-5link"); }, 3.0f)) << "the hole led nowhere";
    ASSERT_TRUE(h.StepUntil([&] { return !h.Controller().playerLocked; }, 3.0f));
    WalkThrough(h, "ACTION_RIGHT", "Entrance1-6link");
    Put(h, 96.0f, 2.5f);
    h.Tap("ACTION_INTERACT");
    ASSERT_TRUE(h.StepUntil([&] { return Lever(h).completed; }, 10.0f)) << "the trap door did not open";
    Put(h, 104.0f, 0.0f);
    ASSERT_TRUE(h.StepUntil([&] { return Near(h, "LeverMove"); }, 3.0f)) << "the trap door led nowhere";
    ASSERT_TRUE(h.StepUntil([&] { return !h.Controller().playerLocked; }, 3.0f));
}

// From "Entrance2-3link": the board, the lights red-blue-yellow-green, the spotlight, the ring, out.
inline void PlayLightPuzzleRoom2(testsupport::GameplayHarness& h)
{
    WalkThrough(h, "ACTION_RIGHT", "Entrance2-3blink");
    Put(h, 144.0f, 177.3f);
    h.Tap("ACTION_INTERACT");
    ASSERT_TRUE(h.DialogueOpen());
    ReadAll(h);
    h.Step(2);
    ASSERT_FLOAT_EQ(h.TransformOf("LightPuzzleDoor").position.x, 143.0f) << "the door did not shut";
    PressSwitch(h, 136.0f, 162.8f, 1);
    PressSwitch(h, 139.0f, 162.8f, 3);
    PressSwitch(h, 149.0f, 162.8f, 2);
    PressSwitch(h, 152.0f, 162.8f, 2);
    ASSERT_TRUE(h.StepUntil([&] { return Lights(h).spotlit && !h.Controller().playerLocked; }, 5.0f))
        << "the board was never lit";
    Put(h, 144.0f, 177.3f);
    h.Tap("ACTION_INTERACT");
    ASSERT_TRUE(h.StepUntil([&] { return h.DialogueOpen(); }, 1.0f));
    ReadAll(h);
    ASSERT_TRUE(h.StepUntil([&] { return h.DialogueOpen(); }, 5.0f)) << "the board did not slide";
    ReadAll(h);
    ASSERT_TRUE(h.StepUntil([&] { return Lights(h).completed2; }, 20.0f)) << "the ring was not taken";
    ASSERT_FALSE(h.Controller().playerLocked);
    Put(h, 143.0f, 163.2f);
    WalkThrough(h, "ACTION_DOWN", "Exit2-3link");
}

}  // namespace puzzleroute

// The playthrough's names for the four legs.
using puzzleroute::PlayGeneratorAndLift;
using puzzleroute::PlayLightPuzzleRoom1;
using puzzleroute::PlayLightPuzzleRoom2;
using puzzleroute::PlayRunningGirlAndLever;
