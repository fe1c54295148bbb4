// The running girl, the hole in the wall and the lever room on the shipped level.
#include <gtest/gtest.h>

#include "events/StoryActs.h"
#include "objects/LevelFile.h"
#include "support/route/Checkpoints.h"
#include "support/GameplayHarness.h"
#include "support/route/PuzzleRoomsRoute.h"

using namespace puzzleroute;

namespace {

class RunningGirlAndLeverTest : public testsupport::GameplayHarness {
protected:
    void SetUp() override
    {
        GameplayHarness::SetUp();
        StartShippedLevelAwake();
        StepSeconds(1.1f);
        const Vector3 at = TransformOf("LiftTele").position;
        Put(*this, at.x, at.y);
    }
    void SaveAtCheckpointAndReload() { checkpoints::SaveAndContinue(*this, "PuzzleCheckpoint2"); }
};

TEST_F(RunningGirlAndLeverTest, ThePaperTheGirlTheHoleAndTheLeverLeadUpstairs)
{
    // The hole is only a wall until the girl has gone.
    Put(*this, 239.2f, -367.0f);
    Tap("ACTION_INTERACT");
    EXPECT_FALSE(DialogueOpen());
    PlayRunningGirlAndLever(*this);
    if (HasFatalFailure())
        return;
    EXPECT_TRUE(StoryActs::IsHidden(Object("Paper")));
    EXPECT_LE(StoryActs::AlphaOf(Object("LittleGirl")), 0.0f);
}

TEST_F(RunningGirlAndLeverTest, ASaveAfterTheGirlRanLetsHerRunAgain)
{
    Put(*this, 205.0f, -370.2f);
    Tap("ACTION_INTERACT");
    for (int guard = 0; guard < 40 && Controller().imageActive; ++guard) {
        StepSeconds(0.25f);
        Tap("ACTION_INTERACT");
    }
    ASSERT_TRUE(StepUntil([&] { return Girl(*this).girlGone; }, 6.0f));
    SaveAtCheckpointAndReload();
    if (HasFatalFailure())
        return;
    EXPECT_FALSE(Girl(*this).girlGone);
    PlayRunningGirlAndLever(*this);
}

TEST_F(RunningGirlAndLeverTest, TheLeverRoomLeadsBackAndASaveKeepsTheTrapDoorOpen)
{
    Put(*this, 258.0f, -367.0f);
    WalkThrough(*this, "ACTION_RIGHT", "Entrance1-6link");
    // Out again the way he came.
    WalkThrough(*this, "ACTION_DOWN", "Exit1-6link");
    WalkThrough(*this, "ACTION_RIGHT", "Entrance1-6link");
    Put(*this, 104.0f, 0.0f);
    StepSeconds(0.5f);
    EXPECT_FALSE(Controller().teleportActive) << "the trap door led on while shut";
    Put(*this, 96.0f, 2.5f);
    Tap("ACTION_INTERACT");
    ASSERT_TRUE(StepUntil([&] { return Lever(*this).completed; }, 10.0f));
    ASSERT_TRUE(SaveLevel("SaveData", "../resources/save/SaveData.txt"));
    EnterLevel(true);
    StepSeconds(1.1f);
    Put(*this, 104.0f, 0.0f);
    EXPECT_TRUE(StepUntil([&] { return Near(*this, "LeverMove"); }, 3.0f));
}

}  // namespace
