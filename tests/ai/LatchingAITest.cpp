// The latching enemy: the hold, shaking it off with presses, and the death when time runs out.
#include <gtest/gtest.h>

#include "EnemyRig.h"
#include "ai/BasicAI.h"
#include "ai/LatchingAI.h"
#include "gameplay/GameController.h"
#include "gameplay/PlayerBehaviour.h"
#include "graphics/Sprite.h"
#include "objects/Transform.h"
#include "support/GameplayHarness.h"

using namespace testsupport;
using namespace enemyrig;

namespace {

constexpr int kW = 57;
constexpr int kA = 35;

class LatchingAITest : public GameplayHarness {
protected:
    // A latcher already touching the player, both on the floor of one room.
    void Start()
    {
        BuildPlayerRig();
        AddFloor("Ward", {"...."}, -2.0f, 0.0f);
        GameObject& enemy = AddEnemy("Latcher", 0.8f, 0.0f, 1.0f, 1.0f);
        auto ai = Attach(enemy, std::make_shared<BasicAI>());
        ai->StartPosition = Vector2(0.8f, 0.0f);
        Attach(enemy, std::make_shared<LatchingAI>());
        StartBuiltLevel();
        StepSeconds(1.1f);
    }

    LatchingAI& Latch() const { return *Object("Latcher")->GetComponent<LatchingAI>(); }
    Sprite& PlayerSprite() const { return *Object("PlayerSprite")->GetComponent<Sprite>(); }

    void PressKey(int key)
    {
        Press(key);
        Step();
        Release(key);
        Step();
    }
};

TEST_F(LatchingAITest, PressingFastEnoughShakesItOff)
{
    Start();
    LatchingAI& latch = Latch();
    ASSERT_TRUE(latch.Latched);
    EXPECT_TRUE(Player().frozen);
    EXPECT_FALSE(Controller().dying) << "a latcher's touch holds, it does not kill";
    EXPECT_EQ(Object("Latcher")->GetComponent<Sprite>()->transparency, 0.0f);
    EXPECT_EQ(PlayerSprite().startFrame, LatchingAI::kLatchedFrame);

    PressKey(kW);
    EXPECT_EQ(latch.MashCount, 1);
    EXPECT_EQ(PlayerSprite().startFrame, LatchingAI::kStruggleFrameA);
    PressKey(kA);
    EXPECT_EQ(PlayerSprite().startFrame, LatchingAI::kStruggleFrameB);

    Press(kW);  // held down, it counts once
    StepSeconds(0.5f);
    Release(kW);
    Step();
    EXPECT_EQ(latch.MashCount, 3);

    for (int press = 3; press < 9; ++press)
        PressKey(press % 2 ? kA : kW);
    EXPECT_TRUE(latch.Latched);
    Press(kW);
    Step();
    EXPECT_FALSE(latch.Latched) << "the tenth press frees him";
    EXPECT_FLOAT_EQ(TransformOf("Latcher").GetPosition().x, 10000.0f) << "and the enemy is gone in that frame";
    Release(kW);

    ASSERT_TRUE(StepUntil([&] { return !Player().frozen; }, 2.0f)) << "he moves again after the break-free frames";
    EXPECT_FALSE(Controller().dying);
    StepSeconds(11.0f);
    EXPECT_FALSE(Controller().dying) << "the timer stopped with the latch";
}

TEST_F(LatchingAITest, WhenTimeRunsOutHeDiesOnceAndPressesNoLongerCount)
{
    Start();
    LatchingAI& latch = Latch();
    ASSERT_TRUE(latch.Latched);
    PressKey(kW);
    soundsPlayed.clear();
    ASSERT_TRUE(StepUntil([&] { return latch.Timer < 0.2f; }, 10.0f));
    EXPECT_FALSE(Controller().dying);
    testing::internal::CaptureStdout();
    const bool died = StepUntil([&] { return Controller().dying; }, 0.5f);
    EXPECT_TRUE(latch.mDead);
    const int count = latch.MashCount;
    PressKey(kA);
    PressKey(kW);
    StepSeconds(0.5f);
    const std::string out = testing::internal::GetCapturedStdout();
    ASSERT_TRUE(died);
    EXPECT_EQ(latch.MashCount, count) << "presses after death do not count";
    std::size_t deaths = 0;
    for (std::size_t at = out.find("death\n"); at != std::string::npos; at = out.find("death\n", at + 1))
        ++deaths;
    EXPECT_EQ(deaths, 1u);
    EXPECT_EQ(CountPlays("death"), 1);
}

}  // namespace
