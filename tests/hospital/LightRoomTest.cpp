// The south wing of floor 1 on the shipped level: the light room and its resting enemy.
#include <cmath>

#include "ai/BasicAI.h"
#include "events/LightRoomEvent.h"
#include "graphics/LightSource.h"
#include "hospital/WingRig.h"

namespace hospital {
namespace {

using namespace floor1wings;

class LightRoomTest : public WingTest {
protected:
    LightRoomEvent& Room()
    {
        for (const auto& object : gGameObjects)
            if (const auto script = object->GetComponent<LightRoomEvent>())
                return *script;
        throw std::runtime_error("no LightRoomEvent in the level");
    }
    Vector3 Where(const std::string& name) { return TransformOf(name).GetPosition(); }
    bool Resting() { return Where("StalkerEnemyResting").x > 240.0f; }
    // The way on leads into the first traffic-light room.
    bool InFirstLightPuzzleRoom()
    {
        const Vector3 link = Where("Entrance1-9alink");
        return std::fabs(PlayerPosition().x - link.x) < 0.5f && std::fabs(PlayerPosition().y - link.y) < 0.5f;
    }
};

TEST_F(LightRoomTest, WithTheSpotlightOnTheEnemySleepsAndTheLeverOpensTheWayOn)
{
    ArriveAt("Entrance1-11link");
    EXPECT_EQ(FrameOf(*this, "LightPuzzlePortal1"), 1);
    PlayLightRoom(*this);
    EXPECT_TRUE(Room().completed);
    EXPECT_TRUE(Resting()) << "the enemy woke under the light";
    EXPECT_FALSE(Controller().dying);
    EXPECT_NEAR(Where("LightPuzzleDoor1").x, 190.0f, 0.01f);
    EXPECT_EQ(FrameOf(*this, "LightPuzzlePortal1"), 0);
    EXPECT_EQ(FrameOf(*this, "LightRoomLever"), 1);
    EXPECT_FALSE(Object("LightRoomSpotlight")->GetComponent<LightSource>()->Enabled);
    EXPECT_TRUE(InFirstLightPuzzleRoom()) << "he did not reach the way on";
}

TEST_F(LightRoomTest, InTheDarkTheEnemyWakesAndStalksButTheLeverStillLetsHimOn)
{
    ArriveAt("Entrance1-11link");
    EnterLightRoom(*this);
    // The shutter holds until the lever.
    WalkAxis(*this, false, -541);
    WalkAxis(*this, true, 219);
    ASSERT_TRUE(Resting());
    WalkAxis(*this, true, 212);
    EXPECT_FALSE(Resting()) << "the enemy slept on in the dark";
    EXPECT_NEAR(Object("StalkerEnemyResting")->GetComponent<BasicAI>()->StartPosition.y, -585.0f, 0.01f);
    EXPECT_NEAR(Where("StalkerRestingStain").x, 250.0f, 0.01f);
    EXPECT_NEAR(Where("StalkerRestingStain").y, -525.0f, 0.01f);
    const float startGap = Where("StalkerEnemyResting").y - PlayerPosition().y;
    StepSeconds(1.0f);
    EXPECT_GT(Where("StalkerEnemyResting").y - PlayerPosition().y, startGap) << "the woken enemy does not come";
    // The switch no longer answers once the enemy is up.
    WalkAxis(*this, true, 200);
    WalkAxis(*this, false, -540.2f);
    Interact(*this);
    Step(2);
    EXPECT_TRUE(Room().completed);
    WalkAxis(*this, true, 194);
    GoThroughDoor(*this, "Entrance1-9a", false, -518);
    EXPECT_FALSE(Controller().dying);
    EXPECT_TRUE(InFirstLightPuzzleRoom()) << "he did not reach the way on";
}

TEST_F(LightRoomTest, TheShutterBarsTheCorridorBeforeTheLever)
{
    ArriveAt("Entrance1-11link");
    EnterLightRoom(*this);
    SwitchSpotlight(*this);
    WalkAxis(*this, false, -541);
    WalkAxis(*this, true, 194);
    Hold("ACTION_UP");
    StepSeconds(3.0f);
    Let("ACTION_UP");
    EXPECT_LT(PlayerPosition().y, -533.0f) << "he walked through the shut corridor";
}

TEST_F(LightRoomTest, ASaveInTheHallWithTheSpotlightOnKeepsTheEnemyAsleep)
{
    ArriveAt("Entrance1-11link");
    EnterLightRoom(*this);
    SwitchSpotlight(*this);
    WalkAxis(*this, true, 236);
    WalkAxis(*this, false, -527.5f);
    WalkAxis(*this, true, 224.8f);
    SaveAtCheckpointAndContinue("SouthWingCheckpoint");
    EXPECT_TRUE(Object("LightRoomSpotlight")->GetComponent<LightSource>()->Enabled);
    EnterLightRoom(*this);
    PullLeverAndGoOn(*this);
    EXPECT_TRUE(Room().completed);
    EXPECT_TRUE(Resting()) << "after the reload the spotlight no longer counted";
}

TEST_F(LightRoomTest, AnEnemyWokenBeforeASaveStaysWokenAfterTheReload)
{
    ArriveAt("Entrance1-11link");
    EnterLightRoom(*this);
    WalkAxis(*this, false, -541);
    WalkAxis(*this, true, 212);
    ASSERT_FALSE(Resting());
    StepSeconds(1.0f);
    const Vector3 woke = Where("StalkerEnemyResting");
    ASSERT_FALSE(woke.x == 210.0f && woke.y == -585.0f) << "the enemy never walked off";

    WalkAxis(*this, true, 236);
    WalkAxis(*this, false, -527.5f);
    WalkAxis(*this, true, 224.8f);
    SaveAtCheckpointAndContinue("SouthWingCheckpoint");
    const Vector3 saved = Where("StalkerEnemyResting");
    ASSERT_FALSE(saved.x == 210.0f && saved.y == -585.0f);
    Step();
    EXPECT_FALSE(Room().switchUsable) << "the switch works again";

    // Into his zone in the dark again: he is not put back, and does not cry out again.
    soundsPlayed.clear();
    PutPlayer("LightRoomCollider");
    EXPECT_EQ(CountPlays("glass_crack"), 0);
    const Vector3 now = Where("StalkerEnemyResting");
    EXPECT_FALSE(now.x == 210.0f && now.y == -585.0f) << "he was put back where he woke";
}

}  // namespace
}  // namespace hospital
