#pragma once
// The floor-1 hub played as a person would on the shipped Level1: the ward, the wheelchair
// corridor, the reception, the hub doors to the wings, the doll and the surgeon's chase.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>

#include "events/DollPickup.h"
#include "events/MoveObjectEvent.h"
#include "events/NurseEvent.h"
#include "events/ReceptionEvent.h"
#include "events/SurgeonChase.h"
#include "gameplay/GameController.h"
#include "gameplay/PlayerBehaviour.h"
#include "objects/GameObject.h"
#include "objects/Transform.h"
#include "support/GameplayHarness.h"

namespace route {

using testsupport::GameplayHarness;

template <class T>
T& ScriptOn(GameplayHarness& h, const std::string& name)
{
    const auto object = h.Object(name);
    const auto script = object ? object->GetComponent<T>() : nullptr;
    if (!script)
        throw std::runtime_error("no script on \"" + name + "\"");
    return *script;
}

inline Vector3 At(GameplayHarness& h, const std::string& name)
{
    return h.TransformOf(name).GetPosition();
}

inline bool Near(GameplayHarness& h, const std::string& name, float within = 0.5f)
{
    const Vector3 p = h.PlayerPosition();
    const Vector3 q = At(h, name);
    return std::abs(p.x - q.x) < within && std::abs(p.y - q.y) < within;
}

// Reads every line of whatever dialogue is open.
inline void ReadAll(GameplayHarness& h)
{
    for (int guard = 0; guard < 40 && h.DialogueOpen(); ++guard)
        h.AdvanceDialogue();
}

// Holds a direction until the condition holds (or the limit passes), then lets go.
template <class Condition>
bool WalkUntil(GameplayHarness& h, const std::string& action, Condition condition, float limitSeconds = 10.0f)
{
    h.Hold(action);
    const bool reached = h.StepUntil(condition, limitSeconds);
    h.Let(action);
    h.Step();
    return reached;
}

// Walks along x (or y) to the coordinate; stops early if something locks him.
inline bool WalkToX(GameplayHarness& h, float x)
{
    const bool right = h.PlayerPosition().x < x;
    return WalkUntil(h, right ? "ACTION_RIGHT" : "ACTION_LEFT", [&] {
        const float px = h.PlayerPosition().x;
        return (right ? px >= x : px <= x) || h.Controller().playerLocked;
    });
}
inline bool WalkToY(GameplayHarness& h, float y)
{
    const bool up = h.PlayerPosition().y < y;
    return WalkUntil(h, up ? "ACTION_UP" : "ACTION_DOWN", [&] {
        const float py = h.PlayerPosition().y;
        return (up ? py >= y : py <= y) || h.Controller().playerLocked;
    });
}

// Waits for a door's fade to put him at the link and let him go again.
inline void ArriveAt(GameplayHarness& h, const std::string& link)
{
    ASSERT_TRUE(h.StepUntil([&] { return Near(h, link) && !h.Controller().playerLocked; }, 4.0f))
        << "he never came out at " << link;
}

// Walks in a direction into a door and waits to come out at its link.
inline void UseDoor(GameplayHarness& h, const std::string& action, const std::string& link)
{
    WalkUntil(h, action, [&] { return h.Controller().teleportActive; }, 10.0f);
    ArriveAt(h, link);
}

// Presses interact until the shown picture has slid away.
inline void CloseImage(GameplayHarness& h)
{
    for (int guard = 0; guard < 40 && h.Controller().imageActive; ++guard) {
        h.StepSeconds(0.2f);
        h.Tap("ACTION_INTERACT");
    }
    ASSERT_TRUE(h.StepUntil([&] { return !h.Controller().imageActive; }, 3.0f));
}

// Walks right along the ward until a talk opens, then reads it.
inline void TalkOnTheWay(GameplayHarness& h, const std::string& firstLine)
{
    ASSERT_TRUE(WalkUntil(h, "ACTION_RIGHT", [&] { return h.DialogueOpen(); })) << "no talk: " << firstLine;
    EXPECT_EQ(h.Controller().dialogueLines.front().text, firstLine);
    ReadAll(h);
}

// He wakes where he lies, with no key held: his first thoughts.
inline void WakeUp(GameplayHarness& h)
{
    ASSERT_TRUE(h.StepUntil([&] { return h.DialogueOpen(); }, 2.0f)) << "he lies in the dark and never wakes";
    EXPECT_EQ(h.Controller().dialogueLines.front().text, "Ugh...");
    ReadAll(h);
}

// Awake, left of the nurse: her three talks and walks, the world change, the torch, out.
inline void FollowTheNurse(GameplayHarness& h)
{
    NurseEvent& nurse = ScriptOn<NurseEvent>(h, "Nurse");
    TalkOnTheWay(h, "Excu...");
    ASSERT_TRUE(h.StepUntil([&] { return At(h, "Nurse").x >= At(h, "NurseWaypoint1").x && !nurse.walkingToWaypoint1; },
                            4.0f)) << "the nurse did not walk on";
    TalkOnTheWay(h, "Excuse me...");
    ASSERT_TRUE(h.StepUntil([&] { return At(h, "Nurse").y <= At(h, "NurseWaypoint2").y && !nurse.walkingToWaypoint2; },
                            4.0f)) << "the nurse did not step aside";
    TalkOnTheWay(h, "The reception is through here.");
    h.Step(2);
    ASSERT_TRUE(nurse.receptionDone);
    // The way out holds him while the world changes, then waits for the torch.
    WalkUntil(h, "ACTION_RIGHT", [&] { return nurse.heldAtExit; });
    ASSERT_TRUE(h.StepUntil([&] { return nurse.awaitingTorch; }, 5.0f)) << "the world never changed";
    h.Tap("ACTION_INTERACT");
    ASSERT_TRUE(nurse.completed);
    UseDoor(h, "ACTION_RIGHT", "WardDoorlink");
}

// From the start of a new game: the nurse's opening to the torch, then out of the ward.
inline void PlayWard(GameplayHarness& h)
{
    WakeUp(h);
    FollowTheNurse(h);
}

// From the corridor's west end: the rolling wheelchair, its paper, on to the reception.
inline void PlayWheelchairCorridor(GameplayHarness& h)
{
    MoveObjectEvent& chair = ScriptOn<MoveObjectEvent>(h, "WheelChairTrigger");
    WalkToX(h, 60.0f);
    ASSERT_TRUE(chair.moving || chair.paperReady) << "the wheelchair did not start";
    ASSERT_TRUE(h.StepUntil([&] { return chair.paperReady; }, 5.0f));
    const Vector3 paper = At(h, "ChairPaper");
    WalkToY(h, paper.y);
    WalkToX(h, paper.x);
    ASSERT_TRUE(h.Player().showPrompt) << "no prompt at the paper";
    h.Tap("ACTION_INTERACT");
    ASSERT_TRUE(h.Controller().imageActive) << "the drawing is not shown";
    CloseImage(h);
    h.Step(3);
    ASSERT_TRUE(chair.completed);
    WalkToY(h, -22.0f);
    UseDoor(h, "ACTION_RIGHT", "CorridorDoorlink");
}

// From the reception's west door: the locked door and the note, then down the hall and room 2
// to the hub.
inline void PlayReception(GameplayHarness& h)
{
    ReceptionEvent& reception = ScriptOn<ReceptionEvent>(h, "Reception3Collider");
    WalkToX(h, At(h, "Reception3Collider").x);
    WalkUntil(h, "ACTION_UP", [&] { return h.Player().showPrompt; }, 5.0f);
    ASSERT_TRUE(h.Player().showPrompt) << "no prompt at the locked door";
    h.Tap("ACTION_INTERACT");
    ASSERT_TRUE(h.DialogueOpen());
    EXPECT_EQ(h.Controller().dialogueLines.front().text, "This door is locked too... huh?");
    ReadAll(h);
    h.Step(2);
    ASSERT_TRUE(reception.completed);
    EXPECT_EQ(h.Controller().dialogueLines.front().text, "What is this?");
    ReadAll(h);
    UseDoor(h, "ACTION_DOWN", "Entrance1-1alink");
    WalkToY(h, -60.0f);
    WalkToX(h, At(h, "Entrance1-2").x);
    UseDoor(h, "ACTION_DOWN", "Entrance1-2link");
    UseDoor(h, "ACTION_DOWN", "Entrance1-3link");
}

// Through a hub door of the east side (the wings'), from anywhere in the hub.
inline void GoThroughHubEastDoor(GameplayHarness& h, const std::string& door)
{
    WalkToX(h, 36.0f);
    WalkToY(h, At(h, door).y);
    UseDoor(h, "ACTION_RIGHT", door + "link");
}

// From the hub to the smashing-wall wing.
inline void GoToSmashingWing(GameplayHarness& h)
{
    GoThroughHubEastDoor(h, "Entrance1-7");
}

// Back from the smashing-wall wing: he stands at the hub's return link.
inline void ReturnFromSmashingWing(GameplayHarness& h)
{
    ArriveAt(h, "Exit1-7link");
}

// From the hub to the operating wing.
inline void GoToOperatingWing(GameplayHarness& h)
{
    GoThroughHubEastDoor(h, "Entrance1-10");
}

// Back from the operating wing: he stands at the hub's return link.
inline void ReturnFromOperatingWing(GameplayHarness& h)
{
    ArriveAt(h, "Exit1-10link");
}

// From anywhere in the hub into the doll room.
inline void EnterDollRoom(GameplayHarness& h)
{
    WalkToY(h, -56.0f);
    WalkToX(h, At(h, "Exit1-3a").x);
    UseDoor(h, "ACTION_DOWN", "Exit1-3alink");
}

// In the doll room: the doll, the rumble, the girl and the surgeon's visit, to the hub again.
inline void PlayDollPickup(GameplayHarness& h)
{
    DollPickup& doll = ScriptOn<DollPickup>(h, "DollRoomScript");
    WalkUntil(h, "ACTION_RIGHT", [&] { return h.DialogueOpen(); });
    EXPECT_EQ(h.Controller().dialogueLines.front().text, "That looks familiar...");
    ReadAll(h);
    WalkUntil(h, "ACTION_RIGHT", [&] { return h.Player().showPrompt; });
    ASSERT_TRUE(h.Player().showPrompt) << "no prompt at the doll";
    h.Tap("ACTION_INTERACT");
    ASSERT_TRUE(doll.dollPicked);
    ReadAll(h);
    // Back towards the door: the room rumbles, and after a while he wonders.
    WalkUntil(h, "ACTION_LEFT", [&] { return doll.rumbleStarted; });
    ASSERT_TRUE(h.StepUntil([&] { return doll.whatShown; }, 9.0f));
    ReadAll(h);
    WalkUntil(h, "ACTION_LEFT", [&] { return doll.visionStarted; });
    ASSERT_TRUE(h.StepUntil([&] { return doll.completed; }, 40.0f)) << "the girl and surgeon scene never ended";
    ASSERT_TRUE(h.StepUntil([&] { return !h.Controller().playerLocked; }, 2.0f));
}

// From the hub after the doll: out to room 2, where the surgeon appears, and the flight through
// the hall, the reception and its opened door to the escape door, then the ending to its end.
inline void PlayChase(GameplayHarness& h)
{
    SurgeonChase& chase = ScriptOn<SurgeonChase>(h, "KnifeEnemy");
    WalkToX(h, At(h, "Exit1-3").x);
    UseDoor(h, "ACTION_UP", "Exit1-3link");
    WalkUntil(h, "ACTION_UP", [&] { return chase.introStarted; }, 3.0f);
    ASSERT_TRUE(chase.introStarted) << "the chase did not start";
    ASSERT_TRUE(h.StepUntil([&] { return chase.chaseRunning; }, 10.0f));
    h.Hold("ACTION_RUN");
    UseDoor(h, "ACTION_UP", "Exit1-2link");
    WalkToY(h, At(h, "SurgColl3").y + 1.0f);
    WalkToX(h, At(h, "Exit1-1a").x);
    UseDoor(h, "ACTION_UP", "Exit1-1alink");
    UseDoor(h, "ACTION_UP", "Entrance1-4link");
    WalkToY(h, At(h, "Exit1-8alink").y + 2.5f);
    WalkUntil(h, "ACTION_RIGHT", [&] { return h.Player().showPrompt; });
    h.Tap("ACTION_INTERACT");
    h.Let("ACTION_RUN");
    ASSERT_TRUE(chase.escapeStarted) << "the escape door did not open";
    ASSERT_FALSE(h.Controller().dying) << "he was caught";
    ASSERT_TRUE(h.StepUntil([&] { return h.DialogueOpen(); }, 20.0f));
    EXPECT_EQ(h.Controller().dialogueLines.back().text, "... is he gone?");
    ReadAll(h);
    ASSERT_TRUE(h.StepUntil([&] { return chase.completed; }, 2.0f));
    ASSERT_TRUE(h.StepUntil([&] { return !h.Controller().playerLocked; }, 2.0f));
}

// The doll and the chase from the hub, ending back in the hub by the escape room's door.
inline void PlayDollAndChase(GameplayHarness& h)
{
    EnterDollRoom(h);
    PlayDollPickup(h);
    PlayChase(h);
    UseDoor(h, "ACTION_UP", "EscapeRoomDoorlink");
}

// From the hub (after the chase) to the light room.
inline void GoToLightWing(GameplayHarness& h)
{
    WalkToY(h, At(h, "Entrance1-11").y);
    UseDoor(h, "ACTION_LEFT", "Entrance1-11link");
}

// Back from the light room: he stands at the hub's return link.
inline void ReturnFromLightWing(GameplayHarness& h)
{
    ArriveAt(h, "Exit1-11link");
}

}  // namespace route
