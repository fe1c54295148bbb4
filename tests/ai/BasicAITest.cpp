// The enemy state machine: rooms, states, dispatch, stalking, the torch and the catch.
#include <gtest/gtest.h>

#include <cmath>

#include "EnemyRig.h"
#include "ai/BasicAI.h"
#include "ai/BearAI.h"
#include "ai/LatchingAI.h"
#include "ai/PatrollingAI.h"
#include "ai/TorchBeam.h"
#include "gameplay/GameController.h"
#include "graphics/Sprite.h"
#include "objects/Transform.h"
#include "physics/Rigidbody.h"
#include "support/GameplayHarness.h"

using namespace testsupport;
using namespace enemyrig;

namespace {

constexpr float kPi = 3.1415927f;

TEST(TorchBeamTest, TheBeamRunsAboutTheTorchsAngleAndWraps)
{
    const float twenty = 20.0f * kPi / 180.0f;  // widened to 23 degrees each side
    const auto at = [](float degrees) {
        return Vector2(std::cos(degrees * kPi / 180.0f), std::sin(degrees * kPi / 180.0f));
    };
    // Rotation 90 points along +x: the beam runs from 337 through 0 to 23 degrees.
    EXPECT_TRUE(InTorchBeam(Vector2(5.0f, 0.0f), 90.0f, twenty));
    EXPECT_TRUE(InTorchBeam(at(350.0f), 90.0f, twenty));
    EXPECT_TRUE(InTorchBeam(at(10.0f), 90.0f, twenty));
    EXPECT_FALSE(InTorchBeam(at(30.0f), 90.0f, twenty));
    EXPECT_FALSE(InTorchBeam(at(330.0f), 90.0f, twenty));
    // Rotation 0 points down (270 degrees), 180 up (90 degrees).
    EXPECT_TRUE(InTorchBeam(Vector2(0.0f, -3.0f), 0.0f, twenty));
    EXPECT_FALSE(InTorchBeam(Vector2(0.0f, 3.0f), 0.0f, twenty));
    EXPECT_TRUE(InTorchBeam(Vector2(0.0f, 3.0f), 180.0f, twenty));
    EXPECT_TRUE(InTorchBeam(at(200.0f), 270.0f, twenty)) << "rotation 270 points along -x";
    EXPECT_FALSE(InTorchBeam(Vector2(0.0f, 0.0f), 90.0f, kPi)) << "the torch's own spot";
}

class BasicAITest : public GameplayHarness {
protected:
    static BasicAI& AddStalker(const std::string& name, float x, float y, int defaultState, float speed = 5.0f,
                               float width = 1.0f)
    {
        GameObject& enemy = AddEnemy(name, x, y, width, 1.0f);
        auto ai = Attach(enemy, std::make_shared<BasicAI>());
        ai->StartPosition = Vector2(x, y);
        ai->PaceSpeed = speed;
        ai->PaceDistance = 4.0f;
        ai->mDefaultState = defaultState;
        return *ai;
    }

    void Start()
    {
        StartBuiltLevel();
        // The torch points down, away from every enemy here, unless a test turns it.
        AimTorch(0.0f);
        StepSeconds(1.1f);
    }

    void AimTorch(float rotation)
    {
        Transform& torch = TransformOf("Torch");
        torch.mouseTracking = false;
        torch.rotation = rotation;
    }

    BasicAI& AI(const std::string& name) const { return *Object(name)->GetComponent<BasicAI>(); }
    Vector2 Velocity(const std::string& name) const { return Object(name)->GetComponent<Rigidbody>()->velocity; }
};

TEST_F(BasicAITest, TheStateFollowsTheRoomsOfTheEnemyAndThePlayer)
{
    BuildPlayerRig();
    AddFloor("Ward", {"........"}, -2.0f, 0.0f);
    AddFloor("Hall", {"....#"}, 40.0f, 0.0f);
    AddStalker("Stalker", 10.0f, 0.0f, EnemyPatrol, 0.5f);
    AddStalker("Watcher", 44.0f, 0.0f, EnemySeenPlayer);
    AddStalker("Holder", 42.0f, 0.0f, EnemyLatch);  // state 10 with no LatchingAI
    AddStalker("OnAWall", 48.0f, 0.0f, EnemyPatrol);
    AddStalker("Astray", 20.0f, 20.0f, EnemyPatrol);
    Start();

    EXPECT_EQ(AI("Stalker").mState, EnemyStalking);
    EXPECT_EQ(AI("Stalker").mPlayerRoom, "Wardg0x1");
    EXPECT_EQ(AI("Watcher").mState, EnemySeenPlayer) << "another room: the default state";
    EXPECT_EQ(Velocity("Watcher").x, 0.0f) << "a state with no step stands";
    EXPECT_EQ(AI("Holder").mState, EnemyLatch);
    EXPECT_EQ(Velocity("Holder").x, 0.0f) << "latching without a LatchingAI stands";
    EXPECT_FLOAT_EQ(TransformOf("Holder").GetPosition().x, 42.0f);
    EXPECT_EQ(AI("OnAWall").mState, EnemyIdle) << "a wall tile is no room";
    EXPECT_EQ(AI("Astray").mState, EnemyIdle);
    EXPECT_EQ(AI("Astray").mEnemyRoom, BasicAI::kNoRoom);

    // Between rooms the player takes the stalker's route away and sends it back to its default.
    TransformOf("Player").SetPosition(Vector2(20.0f, -30.0f));
    Step(2);
    EXPECT_EQ(AI("Stalker").mState, EnemyPatrol);
    EXPECT_TRUE(AI("Stalker").mRoute.empty());
    EXPECT_EQ(AI("Stalker").mPlayerRoom, BasicAI::kNoRoom);
}

TEST_F(BasicAITest, APatrollerOrABearNeverTakesTheBasicSteps)
{
    BuildPlayerRig();
    AddFloor("Ward", {"........"}, -2.0f, 0.0f);
    AddFloor("Hall", {"........"}, 40.0f, 0.0f);
    AddStalker("Pacer", 46.0f, 0.0f, EnemyPatrol);
    auto legs = Attach(*Object("Pacer"), std::make_shared<PatrollingAI>());
    legs->PaceDirection = {false, false, false, false};
    legs->mPaceDistance = {1.0f, 1.0f, 1.0f, 1.0f};
    AddStalker("Bear", 10.0f, 0.0f, EnemyPatrol);
    Attach(*Object("Bear"), std::make_shared<BearAI>());
    AddStalker("Plain", 50.0f, 0.0f, EnemyPatrol);
    Start();

    EXPECT_EQ(AI("Pacer").mState, EnemyPatrol);
    EXPECT_FLOAT_EQ(TransformOf("Pacer").GetPosition().x, 46.0f) << "no leg on: it stays where it was put";
    EXPECT_EQ(AI("Bear").mState, EnemyStalking);
    EXPECT_FLOAT_EQ(TransformOf("Bear").GetPosition().x, 10.0f) << "the bear never walks";
    EXPECT_FALSE(AI("Bear").mCatchArmed);
    EXPECT_GT(TransformOf("Plain").GetPosition().x, 50.5f) << "the same enemy without them paces";
}

TEST_F(BasicAITest, ACatchComesOnlyAfterAStalkAndOnlyOnce)
{
    BuildPlayerRig();
    // The enemy reaches over the player from the next room (a later key wins its tile).
    AddFloor("A_Ward", {".."}, -2.0f, 0.0f);
    AddFloor("B_Hall", {".."}, 2.0f, 0.0f);
    AddStalker("Reacher", 1.6f, 0.0f, EnemySeenPlayer, 5.0f, 2.6f);
    Start();
    BasicAI& ai = AI("Reacher");
    EXPECT_EQ(ai.mEnemyRoom, "B_Hallg0x0");
    StepSeconds(0.5f);
    EXPECT_FALSE(Controller().dying) << "touching without having stalked";
    EXPECT_FALSE(ai.mCatchArmed);

    soundsPlayed.clear();
    ai.mDefaultState = EnemyStalking;  // stalks in any room; with no route there it stands at home
    Step(2);
    EXPECT_TRUE(ai.mCatchArmed);
    EXPECT_TRUE(ai.mCaught);
    EXPECT_TRUE(Controller().dying);
    EXPECT_TRUE(Controller().playerLocked);
    StepSeconds(1.0f);
    EXPECT_EQ(CountPlays("death"), 1) << "one catch per enemy";
}

TEST_F(BasicAITest, AStalkerWalksTheRouteRoundTheWallToThePlayer)
{
    BuildPlayerRig();
    // The player stands on row 1, column 0; the enemy on row 1, column 4 behind a wall.
    AddFloor("Ward", {"......", ".###.."}, 0.0f, 2.0f);
    AddStalker("Stalker", 8.0f, 0.0f, EnemyPatrol);
    Start();
    BasicAI& ai = AI("Stalker");
    float highest = TransformOf("Stalker").GetPosition().y;
    const bool caught = StepUntil(
        [&] {
            highest = std::max(highest, TransformOf("Stalker").GetPosition().y);
            return Controller().dying;
        },
        10.0f);
    EXPECT_TRUE(caught);
    EXPECT_GT(highest, 1.5f) << "round by the top row";
    EXPECT_TRUE(ai.mCaught);
}

// Where the enemy comes from (x, y offset from the player): rows grow downwards, columns to
// the right, and an enemy that overlaps two tiles counts as on the later one.
class StalkerApproachTest : public BasicAITest, public ::testing::WithParamInterface<Vector2> {};

TEST_P(StalkerApproachTest, AStalkerCatchesThePlayerFromAnySide)
{
    BuildPlayerRig();
    // The player stands on the middle tile (row 2, column 2) of an open 5 x 5 room.
    AddFloor("Ward", {".....", ".....", ".....", ".....", "....."}, -4.0f, 4.0f);
    AddStalker("Stalker", GetParam().x, GetParam().y, EnemyPatrol);
    Start();
    BasicAI& ai = AI("Stalker");
    ASSERT_EQ(ai.mState, EnemyStalking);
    EXPECT_TRUE(StepUntil([&] { return Controller().dying; }, 5.0f))
        << "stalled at " << TransformOf("Stalker").GetPosition().x << ", "
        << TransformOf("Stalker").GetPosition().y << " on " << ai.mEnemyRoom;
    EXPECT_TRUE(ai.mCaught);
}

std::string SideName(const ::testing::TestParamInfo<Vector2>& info)
{
    static const char* const names[] = {"LaterRow", "LaterColumn", "EarlierRow", "EarlierColumn",
                                        "LaterRowAndColumn"};
    return names[info.index];
}

INSTANTIATE_TEST_SUITE_P(FromEachSide, StalkerApproachTest,
                         ::testing::Values(Vector2(0.0f, -4.0f),   // a later row
                                           Vector2(4.0f, 0.0f),    // a later column
                                           Vector2(0.0f, 4.0f),    // an earlier row
                                           Vector2(-4.0f, 0.0f),   // an earlier column
                                           Vector2(4.0f, -4.0f)),  // later in both
                         SideName);

TEST_F(BasicAITest, HeldInTheTorchLightItStandsThenCreeps)
{
    BuildPlayerRig();
    AddFloor("Ward", {"........"}, -2.0f, 0.0f);
    AddStalker("Stalker", 12.0f, 0.0f, EnemyPatrol);
    StartBuiltLevel();
    AimTorch(90.0f);  // along +x, onto the enemy
    StepSeconds(1.8f);
    EXPECT_TRUE(AI("Stalker").mInTorchLight);
    EXPECT_NEAR(TransformOf("Stalker").GetPosition().x, 12.0f, 1e-4f) << "the first two seconds of light";
    StepSeconds(1.0f);
    const float crept = 12.0f - TransformOf("Stalker").GetPosition().x;
    EXPECT_GT(crept, 0.0f);
    EXPECT_LT(crept, 2.5f * 1.0f) << "at most half its pace";
    EXPECT_LE(AI("Stalker").mSpeed, 2.5f);

    AimTorch(0.0f);
    Step(2);
    EXPECT_FALSE(AI("Stalker").mInTorchLight);
    EXPECT_FLOAT_EQ(AI("Stalker").mSpeed, 5.0f) << "out of the light at full pace at once";
}

TEST_F(BasicAITest, PacingTurnsAtItsDistanceAndFacesTheWayItWalks)
{
    BuildPlayerRig();
    AddFloor("Hall", {"................"}, 20.0f, 20.0f);
    AddStalker("Pacer", 30.0f, 20.0f, EnemyPatrol);
    Start();
    float lowest = 100.0f;
    float highest = -100.0f;
    bool facedEachWay[2] = {false, false};
    for (int frame = 0; frame < 360; ++frame) {
        Step();
        const float x = TransformOf("Pacer").GetPosition().x;
        lowest = std::min(lowest, x);
        highest = std::max(highest, x);
        const float vx = Velocity("Pacer").x;
        const bool flipped = Object("Pacer")->GetComponent<Sprite>()->flipX;
        if (vx != 0.0f) {
            EXPECT_EQ(flipped, vx < 0.0f) << "frame " << frame;
            facedEachWay[vx < 0.0f ? 1 : 0] = true;
        }
    }
    EXPECT_NEAR(highest, 34.0f, 0.2f);
    EXPECT_NEAR(lowest, 26.0f, 0.2f);
    EXPECT_TRUE(facedEachWay[0] && facedEachWay[1]);
    EXPECT_NEAR(TransformOf("Pacer").GetPosition().y, 20.0f, 1e-4f);
}

}  // namespace

namespace {

class MissingPartsTest : public GameplayHarness {};

TEST_F(MissingPartsTest, EnemiesInALevelWithoutPlayerTorchOrControllerGoInert)
{
    AddFloor("Ward", {"...."}, -2.0f, 0.0f);
    for (const char* name : {"Stalker", "Latcher", "Pacer", "Bear"}) {
        GameObject& enemy = AddEnemy(name, 2.0f, 0.0f);
        auto ai = Attach(enemy, std::make_shared<BasicAI>());
        ai->mDefaultState = EnemyStalking;
    }
    Attach(*Object("Latcher"), std::make_shared<LatchingAI>());
    Attach(*Object("Pacer"), std::make_shared<PatrollingAI>());
    Attach(*Object("Bear"), std::make_shared<BearAI>());
    GameObject& bare = AddLevelObject("Bare", 5);  // no Transform, Sprite or Rigidbody
    Attach(bare, std::make_shared<BasicAI>());
    Attach(bare, std::make_shared<PatrollingAI>());
    Attach(bare, std::make_shared<BearAI>());
    Attach(bare, std::make_shared<LatchingAI>());
    StartBuiltLevel();
    StepSeconds(2.0f);
    EXPECT_EQ(Object("Stalker")->GetComponent<BasicAI>()->mPlayerRoom, BasicAI::kNoRoom);
    EXPECT_FALSE(Object("Latcher")->GetComponent<LatchingAI>()->Latched);
}

}  // namespace
