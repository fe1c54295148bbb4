// The enemies' saved blocks read back as written, through a stream and through a level file.
#include <gtest/gtest.h>

#include <sstream>

#include "EnemyRig.h"
#include "ai/BasicAI.h"
#include "ai/BearAI.h"
#include "ai/LatchingAI.h"
#include "ai/PatrollingAI.h"
#include "support/GameplayHarness.h"

using namespace testsupport;
using namespace enemyrig;

namespace {

// Writes the block, checks its type line and reads the rest into a fresh component.
template <class T>
T RoundTrip(const T& written)
{
    std::stringstream stream;
    written.Serialize(stream);
    std::string typeName;
    stream >> typeName;
    EXPECT_EQ(typeName, T::GetTypeName());
    T read;
    read.Deserialize(stream);
    EXPECT_FALSE(stream.fail());
    std::string rest;
    EXPECT_FALSE(stream >> rest) << "nothing left over: " << rest;
    return read;
}

TEST(EnemySaveTest, EveryBlockReadsBackAsWritten)
{
    BasicAI basic;
    basic.StartPosition = Vector2(3.5f, -2.25f);
    basic.PaceSpeed = 7.0f;
    basic.PaceDistance = 12.5f;
    basic.mDefaultState = EnemyStalking;
    const BasicAI basicRead = RoundTrip(basic);
    EXPECT_FLOAT_EQ(basicRead.StartPosition.x, 3.5f);
    EXPECT_FLOAT_EQ(basicRead.StartPosition.y, -2.25f);
    EXPECT_FLOAT_EQ(basicRead.PaceSpeed, 7.0f);
    EXPECT_FLOAT_EQ(basicRead.PaceDistance, 12.5f);
    EXPECT_EQ(basicRead.mDefaultState, EnemyStalking);

    LatchingAI latch;
    latch.TimeToShake = 6.5f;
    latch.Timer = 2.25f;
    latch.Latched = true;
    latch.MashCount = 3;
    latch.BreakFreeCount = 14;
    const LatchingAI latchRead = RoundTrip(latch);
    EXPECT_FLOAT_EQ(latchRead.TimeToShake, 6.5f);
    EXPECT_FLOAT_EQ(latchRead.Timer, 2.25f);
    EXPECT_TRUE(latchRead.Latched);
    EXPECT_EQ(latchRead.MashCount, 3);
    EXPECT_EQ(latchRead.BreakFreeCount, 14);

    PatrollingAI pacer;
    pacer.PaceDirection = {true, false, true, false};
    pacer.mPaceDistance = {1.5f, 2.0f, 3.0f, 4.0f};
    const PatrollingAI pacerRead = RoundTrip(pacer);
    EXPECT_EQ(pacerRead.PaceDirection, pacer.PaceDirection);
    EXPECT_EQ(pacerRead.mPaceDistance, pacer.mPaceDistance);
    const PatrollingAI freshRead = RoundTrip(PatrollingAI());
    EXPECT_EQ(freshRead.PaceDirection, (std::vector<bool>{false, true, false, true})) << "a new one saves its default course";

    BearAI bear;
    bear.mTriggerDistance1 = 20.0f;
    bear.mTriggerDistance2 = 12.0f;
    bear.mTriggerDistance3 = 3.5f;
    const BearAI bearRead = RoundTrip(bear);
    EXPECT_FLOAT_EQ(bearRead.mTriggerDistance1, 20.0f);
    EXPECT_FLOAT_EQ(bearRead.mTriggerDistance2, 12.0f);
    EXPECT_FLOAT_EQ(bearRead.mTriggerDistance3, 3.5f);
}

TEST(EnemySaveTest, ACutShortBlockKeepsTheDefaultsAndFailsTheStream)
{
    std::istringstream text("StartPosition 1 2\nPaceSpeed\n");
    BasicAI basic;
    basic.Deserialize(text);
    EXPECT_TRUE(text.fail());
    EXPECT_FLOAT_EQ(basic.StartPosition.x, 1.0f);
    EXPECT_FLOAT_EQ(basic.PaceSpeed, 5.0f);
    EXPECT_EQ(basic.mDefaultState, EnemyPatrol);

    std::istringstream legs("PaceDirection0 1\nPaceDirection1 0\n");
    PatrollingAI pacer;
    pacer.Deserialize(legs);
    EXPECT_TRUE(legs.fail());
    EXPECT_TRUE(pacer.PaceDirection.empty()) << "half a course is not taken";
}

class EnemyLevelSaveTest : public GameplayHarness {};

TEST_F(EnemyLevelSaveTest, ALevelKeepsEachEnemysSavedValues)
{
    BuildPlayerRig();
    GameObject& enemy = AddEnemy("Pacer", 30.0f, 30.0f);
    auto basic = Attach(enemy, std::make_shared<BasicAI>());
    basic->StartPosition = Vector2(30.0f, 30.0f);
    basic->PaceDistance = 2.5f;
    basic->mDefaultState = EnemySeenPlayer;
    auto latch = Attach(enemy, std::make_shared<LatchingAI>());
    latch->BreakFreeCount = 4;
    auto bear = Attach(enemy, std::make_shared<BearAI>());
    bear->mTriggerDistance3 = 2.0f;
    StartBuiltLevel();
    const auto loaded = Object("Pacer");
    ASSERT_TRUE(loaded);
    EXPECT_FLOAT_EQ(loaded->GetComponent<BasicAI>()->PaceDistance, 2.5f);
    EXPECT_EQ(loaded->GetComponent<BasicAI>()->mDefaultState, EnemySeenPlayer);
    EXPECT_EQ(loaded->GetComponent<LatchingAI>()->BreakFreeCount, 4);
    EXPECT_FLOAT_EQ(loaded->GetComponent<BearAI>()->mTriggerDistance3, 2.0f);
}

}  // namespace
