// The two traffic-light rooms on the shipped level.
#include <gtest/gtest.h>

#include "events/StoryActs.h"
#include "physics/Rigidbody.h"
#include "support/route/Checkpoints.h"
#include "support/GameplayHarness.h"
#include "support/route/PuzzleRoomsRoute.h"

using namespace puzzleroute;

namespace {

class LightPuzzleTest : public testsupport::GameplayHarness {
protected:
    void SetUp() override
    {
        GameplayHarness::SetUp();
        StartShippedLevelAwake();
        StepSeconds(1.1f);
    }
    // Where the neighbouring wing's door sets the player down.
    void Arrive(const char* link)
    {
        const Vector3 at = TransformOf(link).position;
        Put(*this, at.x, at.y);
    }
    // As the checkpoint of the hall saves, then continued from the save.
    void SaveAtCheckpoint(const char* checkpoint) { checkpoints::SaveAndContinue(*this, checkpoint); }
};

TEST_F(LightPuzzleTest, FirstBoardInTheRightOrderOpensTheElevatorRoom)
{
    Arrive("Entrance1-9alink");
    PlayLightPuzzleRoom1(*this);
    EXPECT_FALSE(Lights(*this).completed2);
    EXPECT_FALSE(StoryActs::LightOn(Object("LightPuzzle1-4"))) << "the room's own light goes out";
}

TEST_F(LightPuzzleTest, WrongLightsKeepTheRoomShutUntilPutRight)
{
    Arrive("Entrance1-9alink");
    WalkThrough(*this, "ACTION_RIGHT", "Exit1-9c");
    ReadFirstBoard(*this);
    // Green, yellow, green: each light's own cycle, but not the order on the board.
    PressSwitch(*this, 302.0f, -575.2f, 2);
    PressSwitch(*this, 304.5f, -575.2f, 2);
    PressSwitch(*this, 307.0f, -575.2f, 1);
    StepSeconds(3.0f);
    EXPECT_FALSE(Lights(*this).completed);
    EXPECT_FALSE(Controller().playerLocked);
    EXPECT_TRUE(Object("ElevatorRoomDoor")->GetComponent<Rigidbody>()) << "the elevator room opened";
    // The shut door keeps him in, and says so.
    Put(*this, 299.0f, -567.0f);
    Hold("ACTION_LEFT");
    StepSeconds(1.0f);
    Let("ACTION_LEFT");
    EXPECT_GT(PlayerPosition().x, 298.0f);
    Tap("ACTION_INTERACT");
    EXPECT_EQ(DialogueText().empty(), false);
    ReadAll(*this);
    // Set right in time, the room opens after all.
    PressSwitch(*this, 302.0f, -575.2f, 2);
    PressSwitch(*this, 304.5f, -575.2f, 2);
    PressSwitch(*this, 307.0f, -575.2f, 2);
    ASSERT_TRUE(StepUntil([&] { return Lights(*this).completed; }, 20.0f));
    EXPECT_FALSE(Object("ElevatorRoomDoor")->GetComponent<Rigidbody>());
}

TEST_F(LightPuzzleTest, TheCheckpointBeforeTheRoomLeavesItCompletable)
{
    Arrive("Entrance1-9alink");
    SaveAtCheckpoint("PuzzleCheckpoint1");
    if (HasFatalFailure())
        return;
    Arrive("Entrance1-9alink");
    PlayLightPuzzleRoom1(*this);
}

TEST_F(LightPuzzleTest, SecondBoardLightsTheRingAndLetsHimOut)
{
    Arrive("Entrance1-9alink");
    PlayLightPuzzleRoom1(*this);
    if (HasFatalFailure())
        return;
    Arrive("Entrance2-3link");
    PlayLightPuzzleRoom2(*this);
    if (HasFatalFailure())
        return;
    EXPECT_TRUE(StoryActs::IconShows(Object("RingIcon"), "WeddingRing_1x3.png"));
    EXPECT_TRUE(StoryActs::IsHidden(Object("LightPuzzle2Item")));
    EXPECT_TRUE(StoryActs::IsHidden(Object("LightPuzzleDoor")));
}

TEST_F(LightPuzzleTest, TheCheckpointsAfterTheFirstBoardKeepItSolvedAndTheSecondCompletable)
{
    Arrive("Entrance1-9alink");
    PlayLightPuzzleRoom1(*this);
    if (HasFatalFailure())
        return;
    Arrive("Entrance2-3link");
    SaveAtCheckpoint("PuzzleCheckpoint3");
    if (HasFatalFailure())
        return;
    EXPECT_TRUE(Lights(*this).completed);
    EXPECT_FALSE(StoryActs::LightOn(Object("LightPuzzle1-1")));
    Arrive("Entrance2-3link");
    PlayLightPuzzleRoom2(*this);
}

TEST_F(LightPuzzleTest, ACountdownRunOutSendsTheSurgeonDownTheCorridor)
{
    Arrive("Entrance1-9alink");
    WalkThrough(*this, "ACTION_RIGHT", "Exit1-9c");
    ReadFirstBoard(*this);
    ASSERT_TRUE(StepUntil([&] { return Lights(*this).timedOut; }, 32.0f));
    Put(*this, 326.0f, -567.0f);
    Hold("ACTION_RIGHT");
    const bool huh = StepUntil([&] { return DialogueOpen(); }, 5.0f);
    Let("ACTION_RIGHT");
    ASSERT_TRUE(huh) << "nothing came down the corridor";
    for (int guard = 0; guard < 10 && DialogueOpen(); ++guard)
        AdvanceDialogue();
    EXPECT_TRUE(StepUntil([&] { return Controller().dying; }, 10.0f));
}

}  // namespace
