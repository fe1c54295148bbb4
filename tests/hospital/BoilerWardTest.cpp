// The boiler ward off the east hall, on the shipped level: the patient who walks it and catches
// whoever he sees, and the pipes' hum that fills the room.
#include "ai/PatrollingAI.h"
#include "audio/Audio.h"
#include "engine/SceneSystem.h"
#include "hospital/WingRig.h"
#include "support/route/Checkpoints.h"

namespace hospital {
namespace {

using namespace floor1wings;

class BoilerWardTest : public WingTest {
protected:
    PatrollingAI& Patient() { return *Object("BoilerWardPatient")->GetComponent<PatrollingAI>(); }
    Vector3 Where(const std::string& name) { return TransformOf(name).GetPosition(); }

    // From the east hall through its side door: he lands below the patient's walk.
    void EnterWard()
    {
        WalkAxis(*this, false, -229.0f);
        GoThroughDoor(*this, "BoilerWardDoor", true, 350.0f);
    }
    // Up into the strip the patient walks and looks along.
    void StepIntoHisWay()
    {
        WalkAxis(*this, false, -225.5f);
        ASSERT_TRUE(StepUntil([&] { return Patient().mPlayerSeen; }, 15.0f)) << "the patient never saw him";
    }
};

TEST_F(BoilerWardTest, BelowHisWalkThePatientPassesByAndThePipesHumOnlyInside)
{
    ArriveAt("Entrance1-7link");
    soundsPlayed.clear();
    EnterWard();
    EXPECT_EQ(CountPlays("pipe_hum"), 1) << "the boiler ward is silent";
    // Along the wall under his walk to the pipes at the far end, and a look at them.
    WalkAxis(*this, false, -231.0f);
    WalkAxis(*this, true, 388.0f);
    Tap("ACTION_INTERACT");
    ASSERT_TRUE(DialogueOpen()) << "the pipes cannot be examined";
    ReadNext(*this, "pipes are still warm");
    StepSeconds(4.0f);
    EXPECT_FALSE(Patient().mPlayerSeen) << "he was seen outside the patient's way";
    WalkAxis(*this, true, 363.5f);
    WalkAxis(*this, false, -229.0f);
    GoThroughDoor(*this, "BoilerWardExit", true, 350.0f);
    Step(2);
    EXPECT_FALSE(Object("BoilerWardHum")->GetComponent<Audio>()->isPlaying);
    EXPECT_NE(RequestedScene(), SceneId::GameOver);
}

TEST_F(BoilerWardTest, SeenAndGoneBeforeHeComesThePatientMissesAndWalksOn)
{
    ArriveAt("Entrance1-7link");
    EnterWard();
    StepIntoHisWay();
    ASSERT_FALSE(HasFatalFailure());
    // Away from the spot he was seen on, while the patient is still fading out.
    WalkAxis(*this, false, -232.0f);
    WalkAxis(*this, true, 372.0f);
    ASSERT_TRUE(StepUntil([&] { return Patient().mGoingHome; }, 10.0f)) << "the catch never ended";
    EXPECT_NE(RequestedScene(), SceneId::GameOver) << "caught where he no longer stood";
    ASSERT_TRUE(StepUntil([&] { return !Patient().mGoingHome; }, 15.0f)) << "the patient never got home";
    EXPECT_NEAR(Where("BoilerWardPatient").y, -225.0f, 0.5f);
    EXPECT_NE(RequestedScene(), SceneId::GameOver);
}

TEST_F(BoilerWardTest, SeenAndStandingStillHeIsCaughtAndContinuesFromTheEastWingSave)
{
    ArriveAt("Entrance1-7link");
    checkpoints::SaveAt(*this, "EastWingCheckpoint");
    ASSERT_FALSE(HasFatalFailure());
    const Vector3 saved = PlayerPosition();
    EnterWard();
    StepIntoHisWay();
    ASSERT_FALSE(HasFatalFailure());
    ASSERT_TRUE(StepUntil([&] { return RequestedScene() == SceneId::GameOver; }, 10.0f)) << "the patient missed him";

    EnterLevel(true);
    SkipOpening();
    Step(2);
    EXPECT_NEAR(PlayerPosition().x, saved.x, 0.5f);
    EXPECT_NEAR(PlayerPosition().y, saved.y, 0.5f);
    EXPECT_FALSE(Patient().mPlayerSeen);
    EXPECT_NEAR(Where("BoilerWardPatient").y, -225.0f, 0.5f);
}

}  // namespace
}  // namespace hospital
