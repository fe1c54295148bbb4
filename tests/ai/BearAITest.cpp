// The bear: its three bands at their exact edges, the torch flicker, and the attack.
#include <gtest/gtest.h>

#include "EnemyRig.h"
#include "ai/BasicAI.h"
#include "ai/BearAI.h"
#include "gameplay/GameController.h"
#include "graphics/Sprite.h"
#include "objects/Transform.h"
#include "support/GameplayHarness.h"

using namespace testsupport;
using namespace enemyrig;

namespace {

class BearAITest : public GameplayHarness {
protected:
    void Start(float x)
    {
        BuildPlayerRig();
        GameObject& zone = AddLevelObject("TeddyDetector", 3);
        GiveTransform(zone, 0.0f, 0.0f);
        GiveBox(zone, 60.0f, 60.0f);
        GameObject& bear = AddLevelObject("Bear", 5);
        GiveTransform(bear, x, 0.0f, 1.0f, 2.0f, 2.0f);
        GiveBox(bear, 1.0f, 1.0f);
        GiveSprite(bear, "Teddy_3x3.png", 3, 3);
        GiveAudio(bear, "bear_growl", true);
        Attach(bear, std::make_shared<BasicAI>());
        Attach(bear, std::make_shared<BearAI>());
        StartBuiltLevel();
        StepSeconds(1.1f);
    }

    BearAI& Bear() const { return *Object("Bear")->GetComponent<BearAI>(); }
    Sprite& BearSprite() const { return *Object("Bear")->GetComponent<Sprite>(); }
    void PutBear(float x)
    {
        TransformOf("Bear").SetPosition(Vector2(x, 0.0f));
        Step();
    }
};

TEST_F(BearAITest, EachBandIncludesItsOuterEdge)
{
    Start(5.0f);
    EXPECT_TRUE(Bear().mInNearBand);
    EXPECT_EQ(BearSprite().startFrame, 2);
    EXPECT_TRUE(Controller().flickering);
    EXPECT_EQ(CountPlays("bear_growl"), 1) << "once, however long he stays";

    PutBear(10.0f);
    EXPECT_TRUE(Bear().mInMiddleBand);
    EXPECT_FALSE(Bear().mInNearBand);
    EXPECT_EQ(BearSprite().startFrame, 1);
    EXPECT_TRUE(Controller().flickering) << "near to middle never stops the flicker";
    PutBear(5.0f);
    EXPECT_EQ(CountPlays("bear_growl"), 2) << "back into the nearest band growls again";

    PutBear(15.0f);
    EXPECT_TRUE(Bear().mInFarBand);
    EXPECT_EQ(BearSprite().startFrame, 0);
    EXPECT_FALSE(Controller().flickering) << "coming into the far band calms the torch";

    PutBear(10.0f);
    PutBear(15.5f);
    EXPECT_TRUE(Bear().mInMiddleBand) << "beyond the far edge nothing changes";
    EXPECT_TRUE(Controller().flickering);
    EXPECT_EQ(BearSprite().startFrame, 1);
}

TEST_F(BearAITest, OutsideItsZoneTheBearDoesNotWatch)
{
    Start(20.0f);
    TransformOf("TeddyDetector").SetPosition(Vector2(200.0f, 0.0f));
    PutBear(5.0f);
    EXPECT_FALSE(Bear().mInNearBand);
    EXPECT_FALSE(Controller().flickering);
    EXPECT_EQ(CountPlays("bear_growl"), 0);
}

TEST_F(BearAITest, ATouchStartsTheAttackAndKillsOnce)
{
    Start(5.0f);
    soundsPlayed.clear();
    TransformOf("Player").SetPosition(Vector2(4.8f, 0.0f));
    Step();
    EXPECT_TRUE(Bear().mAttacking);
    EXPECT_TRUE(Controller().playerLocked);
    ASSERT_TRUE(StepUntil([&] { return Controller().dying; }, 1.0f));
    EXPECT_GT(BearSprite().currentFrame, BearAI::kLastLungeFrame);
    EXPECT_EQ(BearSprite().transparency, 0.0f) << "the bear is gone";
    EXPECT_TRUE(Bear().mKilled);
    StepSeconds(1.0f);
    EXPECT_EQ(CountPlays("death"), 1);
}

}  // namespace
