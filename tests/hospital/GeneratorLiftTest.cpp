// The generator room and the lift on the shipped level.
#include <gtest/gtest.h>

#include "ai/BasicAI.h"
#include "ai/PathFindingSystem.h"
#include "events/StoryActs.h"
#include "objects/LevelFile.h"
#include "support/GameplayHarness.h"
#include "support/route/PuzzleRoomsRoute.h"

using namespace puzzleroute;

namespace {

class GeneratorLiftTest : public testsupport::GameplayHarness {
protected:
    void SetUp() override
    {
        GameplayHarness::SetUp();
        StartShippedLevelAwake();
        StepSeconds(1.1f);
        const Vector3 at = TransformOf("ElevatorRoomEntrylink").position;
        Put(*this, at.x, at.y);
    }
    // Cutters, chain, handle and the generator started; the room has changed.
    void StartGenerator()
    {
        Put(*this, 199.5f, -407.2f);
        Tap("ACTION_INTERACT");
        // The remark, then the cutters taken.
        ReadAll(*this);
        ASSERT_TRUE(Generator(*this).holdingCutters);
        for (const Vector2 spot : {Vector2(224.0f, -428.6f), Vector2(249.0f, -436.4f), Vector2(224.0f, -428.6f)}) {
            Put(*this, spot.x, spot.y);
            Tap("ACTION_INTERACT");
            ReadAll(*this);
        }
        Step(2);
        ASSERT_TRUE(Generator(*this).liftPhase);
    }
    BasicAI& Stalker() { return *Object("StalkerEnemy")->GetComponent<BasicAI>(); }
};

TEST_F(GeneratorLiftTest, CuttersThenHandleStartTheGeneratorAndTheLiftGoesUp)
{
    PlayGeneratorAndLift(*this);
    if (HasFatalFailure())
        return;
    EXPECT_TRUE(StoryActs::IsHidden(Object("Entrance1-9")));
    EXPECT_FALSE(StoryActs::AlphaOf(Object("PlayerSprite")) < 1.0f);
}

TEST_F(GeneratorLiftTest, TheHandleAloneDoesNotStartTheChainedGenerator)
{
    Put(*this, 249.0f, -436.4f);
    Tap("ACTION_INTERACT");
    ReadAll(*this);
    Put(*this, 224.0f, -428.6f);
    Tap("ACTION_INTERACT");
    EXPECT_EQ(Controller().dialogueLines.front().text, "A generator... it is chained up...");
    ReadAll(*this);
    EXPECT_FALSE(Generator(*this).liftPhase);
    // The lift stays closed off meanwhile.
    Put(*this, 236.5f, -430.0f);
    Hold("ACTION_RIGHT");
    StepSeconds(1.0f);
    Let("ACTION_RIGHT");
    EXPECT_FALSE(Generator(*this).inLift);
}

TEST_F(GeneratorLiftTest, TheWokenRoomShutsHimInWithAStalkerOnItsFloor)
{
    StartGenerator();
    if (HasFatalFailure())
        return;
    EXPECT_NEAR(TransformOf("StalkerEnemy").position.x, 224.0f, 0.5f);
    EXPECT_FLOAT_EQ(TransformOf("FalseBackWall").position.y, -435.4f);
    Step(2);
    EXPECT_EQ(Framework::PathFindingSystem::RoomKey(Stalker().mEnemyRoom), "GenRoom");
    EXPECT_EQ(Stalker().mState, EnemyStalking);
    EXPECT_TRUE(StoryActs::IsHidden(Object("Entrance1-9"))) << "the way back stays open";
    // Staying by the generator, he is caught.
    EXPECT_TRUE(StepUntil([&] { return Controller().dying; }, 20.0f));
}

TEST_F(GeneratorLiftTest, ASaveWithTheCuttersInHandResumesTheRoom)
{
    Put(*this, 199.5f, -407.2f);
    Tap("ACTION_INTERACT");
    ReadAll(*this);
    ASSERT_TRUE(Generator(*this).holdingCutters);
    ASSERT_TRUE(SaveLevel("SaveData", "../resources/save/SaveData.txt"));
    EnterLevel(true);
    StepSeconds(1.1f);
    Step();
    EXPECT_TRUE(Generator(*this).holdingCutters);
    Put(*this, 224.0f, -428.6f);
    Tap("ACTION_INTERACT");
    ReadAll(*this);
    EXPECT_TRUE(Generator(*this).chainCut);
    Put(*this, 249.0f, -436.4f);
    Tap("ACTION_INTERACT");
    ReadAll(*this);
    Put(*this, 224.0f, -428.6f);
    Tap("ACTION_INTERACT");
    ReadAll(*this);
    Put(*this, 240.0f, -430.0f);
    ASSERT_TRUE(StepUntil([&] { return Generator(*this).completed; }, 8.0f));
    EXPECT_TRUE(StepUntil([&] { return Near(*this, "LiftTele"); }, 3.0f));
}

}  // namespace
