// The patrolling enemy: its legs, the walk home, and the sighting from mark to capture.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "EnemyRig.h"
#include "ai/BasicAI.h"
#include "ai/PatrollingAI.h"
#include "engine/SceneSystem.h"
#include "graphics/Sprite.h"
#include "objects/LevelFile.h"
#include "objects/ObjectList.h"
#include "objects/Transform.h"
#include "physics/Rigidbody.h"
#include "support/GameplayHarness.h"

using namespace testsupport;
using namespace enemyrig;

namespace {

class PatrollingAITest : public GameplayHarness {
protected:
    static PatrollingAI& AddPacer(float x, float y, Vector2 home, std::vector<bool> legs, float distance = 4.0f)
    {
        GameObject& enemy = AddEnemy("Pacer", x, y, 4.0f, 2.0f);
        auto basic = Attach(enemy, std::make_shared<BasicAI>());
        basic->StartPosition = home;
        auto pacer = Attach(enemy, std::make_shared<PatrollingAI>());
        pacer->PaceDirection = std::move(legs);
        pacer->mPaceDistance = {distance, distance, distance, distance};
        return *pacer;
    }

    PatrollingAI& Pacer() const { return *Object("Pacer")->GetComponent<PatrollingAI>(); }
    Vector3 At() const { return TransformOf("Pacer").GetPosition(); }
    float PacerAlpha() const { return Object("Pacer")->GetComponent<Sprite>()->transparency; }
};

TEST_F(PatrollingAITest, ANewPatrollerPacesRightAndLeft)
{
    PatrollingAI fresh;
    fresh.Init();
    EXPECT_EQ(fresh.PaceDirection, (std::vector<bool>{false, true, false, true}));
    EXPECT_EQ(fresh.mPaceDistance, (std::vector<float>{6.0f, 13.0f, 6.0f, 13.0f}));
    EXPECT_EQ(fresh.mCurrentLeg, 1);
}

TEST_F(PatrollingAITest, OneLegIsWalkedOutAndBackAgainAndAgain)
{
    BuildPlayerRig();
    AddPacer(20.0f, 10.0f, Vector2(20.0f, 10.0f), {false, true, false, false});
    StartBuiltLevel();
    float lowest = 100.0f;
    float highest = 0.0f;
    int turns = 0;
    float lastVelocity = 0.0f;
    for (int frame = 0; frame < 300; ++frame) {
        Step();
        lowest = std::min(lowest, At().x);
        highest = std::max(highest, At().x);
        const float velocity = Object("Pacer")->GetComponent<Rigidbody>()->velocity.x;
        if (velocity * lastVelocity < 0.0f)
            ++turns;
        lastVelocity = velocity;
    }
    EXPECT_NEAR(highest, 24.0f, 0.1f);
    EXPECT_GT(lowest, 19.8f);
    EXPECT_GE(turns, 3) << "out, back, out again...";
    EXPECT_EQ(Pacer().mCurrentLeg, 1);
    EXPECT_NEAR(At().y, 10.0f, 1e-4f);
    EXPECT_FALSE(Pacer().mPlayerSeen);
}

TEST_F(PatrollingAITest, WithEveryLegOffItStandsAtHomeAndNeverLooks)
{
    BuildPlayerRig();
    AddPacer(-6.0f, 0.0f, Vector2(-3.0f, 0.0f), {false, false, false, false});
    StartBuiltLevel();
    EXPECT_TRUE(Pacer().mGoingHome) << "placed away from home";
    StepSeconds(3.0f);
    EXPECT_FALSE(Pacer().mGoingHome);
    EXPECT_NEAR(At().x, -3.0f, 0.1f) << "home, and it stays there";
    EXPECT_FALSE(Pacer().mPlayerSeen) << "the player three units ahead is never looked for";
    EXPECT_EQ(Pacer().mCurrentLeg, -1);

    Pacer().PaceDirection[3] = true;  // a leg switched on in the editor
    StepSeconds(0.5f);
    EXPECT_EQ(Pacer().mCurrentLeg, 3);
    EXPECT_LT(At().x, -3.5f);
    Pacer().PaceDirection[3] = false;  // and off again while walking it
    StepSeconds(0.5f);
    EXPECT_EQ(Pacer().mCurrentLeg, 3) << "no leg to change to; no endless search";
}

TEST_F(PatrollingAITest, ASightingMarksFadesReappearsBesideThePlayerAndCatchesHim)
{
    BuildPlayerRig();
    AddPacer(-8.0f, 0.0f, Vector2(-8.0f, 0.0f), {false, true, false, false}, 13.0f);
    StartBuiltLevel();  // the first frame already sees him ahead
    PatrollingAI& pacer = Pacer();
    ASSERT_TRUE(pacer.mPlayerSeen);
    ASSERT_TRUE(pacer.mExclamation);
    EXPECT_FLOAT_EQ(pacer.mCatchPosition.x, -2.0f);
    EXPECT_EQ(pacer.mCatchFrame, 22);
    const Transform& mark = *pacer.mExclamation->GetComponent<Transform>();
    EXPECT_FLOAT_EQ(mark.GetPosition().y, 4.0f);

    // A save made while the mark shows leaves it out.
    StepSeconds(0.5f);
    const std::string path = (tree->Resources() / "save" / "Mark.txt").string();
    ASSERT_TRUE(SaveLevel("Level1", path));
    std::ifstream saved(path);
    std::stringstream text;
    text << saved.rdbuf();
    EXPECT_EQ(text.str().find("Exclamation"), std::string::npos);
    EXPECT_NE(FindObjectByName("Enemy Exclamation Point"), nullptr);

    StepSeconds(0.45f);
    EXPECT_FLOAT_EQ(PacerAlpha(), 1.0f) << "a second of exclamation mark";
    StepSeconds(0.2f);
    EXPECT_LT(PacerAlpha(), 1.0f);
    EXPECT_FLOAT_EQ(mark.GetPosition().x, 10000.0f) << "the mark is put away as it fades";
    ASSERT_TRUE(StepUntil([&] { return pacer.mCatching; }, 1.5f));
    EXPECT_FLOAT_EQ(At().x, -2.0f) << "it comes back beside the player";
    StepSeconds(1.2f);
    EXPECT_NE(RequestedScene(), SceneId::GameOver);
    ASSERT_TRUE(StepUntil([&] { return RequestedScene() == SceneId::GameOver; }, 0.6f));
}

TEST_F(PatrollingAITest, APlayerWhoMovedOffTheSpotIsMissedAndItWalksHome)
{
    BuildPlayerRig();
    AddPacer(-8.0f, 0.0f, Vector2(-8.0f, 0.0f), {false, true, false, false}, 13.0f);
    StartBuiltLevel();
    PatrollingAI& pacer = Pacer();
    ASSERT_TRUE(pacer.mPlayerSeen);
    StepSeconds(1.5f);
    TransformOf("Player").SetPosition(Vector2(0.0f, -30.0f));
    ASSERT_TRUE(StepUntil([&] { return pacer.mGoingHome; }, 4.0f));
    EXPECT_NE(RequestedScene(), SceneId::GameOver);
    EXPECT_FALSE(pacer.mPlayerSeen);
    ASSERT_TRUE(StepUntil([&] { return !pacer.mGoingHome; }, 3.0f));
    StepSeconds(0.3f);
    EXPECT_GT(Object("Pacer")->GetComponent<Rigidbody>()->velocity.x, 0.0f) << "pacing on";
    EXPECT_EQ(CountPlays("death"), 0);
}

}  // namespace
