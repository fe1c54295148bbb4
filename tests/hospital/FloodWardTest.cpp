// The flooded ward off the west hall, on the shipped level: the thing that clings, and the
// dripping that fills the room while the father is in it.
#include "ai/LatchingAI.h"
#include "audio/Audio.h"
#include "engine/SceneSystem.h"
#include "gameplay/PlayerBehaviour.h"
#include "graphics/Sprite.h"
#include "hospital/WingRig.h"
#include "support/route/Checkpoints.h"

namespace hospital {
namespace {

using namespace floor1wings;

class FloodWardTest : public WingTest {
protected:
    LatchingAI& Crawler() { return *Object("FloodWardCrawler")->GetComponent<LatchingAI>(); }
    Vector3 Where(const std::string& name) { return TransformOf(name).GetPosition(); }
    Audio& Drip() { return *Object("FloodWardDrip")->GetComponent<Audio>(); }

    // From the west hall through its side door; the torch turned back to the door, so the
    // thing comes on in the dark.
    void EnterWard()
    {
        WalkAxis(*this, false, -337.0f);
        GoThroughDoor(*this, "FloodWardDoor", true, -160.0f);
        PointMouseFromPlayer(300.0f, 0.0f);
        Step(2);
    }
    void WaitForTheLatch()
    {
        ASSERT_TRUE(StepUntil([&] { return Crawler().Latched; }, 20.0f))
            << "the thing never reached him; it stands at (" << Where("FloodWardCrawler").x << ", "
            << Where("FloodWardCrawler").y << ")";
    }
    int PlayerFrame() { return Object("PlayerSprite")->GetComponent<Sprite>()->startFrame; }
};

TEST_F(FloodWardTest, TheThingClingsAndTenPressesShakeItOffThenTheDrippingStopsOutside)
{
    ArriveAt("Entrance1-10link");
    soundsPlayed.clear();
    EnterWard();
    EXPECT_EQ(CountPlays("water_drip"), 1) << "the ward is silent";
    EXPECT_TRUE(Drip().looping);

    WaitForTheLatch();
    Step();
    EXPECT_TRUE(Player().frozen);
    EXPECT_EQ(PlayerFrame(), 60);
    const Vector3 held = PlayerPosition();
    // He struggles: every press of a movement key counts, none of them moves him.
    for (int press = 0; press < 10; ++press)
        Tap(press % 2 ? "ACTION_LEFT" : "ACTION_UP");
    EXPECT_FALSE(Crawler().Latched);
    EXPECT_GT(Where("FloodWardCrawler").x, 9999.0f) << "the thing was not thrown off";
    EXPECT_NEAR(PlayerPosition().x, held.x, 0.01f);
    ASSERT_TRUE(StepUntil([&] { return !Player().frozen; }, 3.0f)) << "he stays held after breaking free";
    EXPECT_FALSE(Controller().dying);

    // Out of the ward by its door, and the dripping stops behind him.
    WalkAxis(*this, false, -337.0f);
    GoThroughDoor(*this, "FloodWardExit", true, -170.0f);
    Step(2);
    EXPECT_FALSE(Drip().isPlaying) << "the dripping follows him into the hall";
    EXPECT_FALSE(Controller().dying);
}

TEST_F(FloodWardTest, HeldTooLongHeDiesAndContinuesFromTheWestWingSave)
{
    ArriveAt("Entrance1-10link");
    checkpoints::SaveAt(*this, "WestWingCheckpoint");
    ASSERT_FALSE(HasFatalFailure());
    const Vector3 saved = PlayerPosition();
    EnterWard();
    WaitForTheLatch();
    // No struggle: the thing holds on until the time runs out.
    ASSERT_TRUE(StepUntil([&] { return Controller().dying; }, 12.0f)) << "the held father never died";
    EXPECT_EQ(CountPlays("death"), 1);
    ASSERT_TRUE(StepUntil([&] { return RequestedScene() == SceneId::GameOver; }, 10.0f));

    // Continue: back at the west wing's lantern, the thing waiting on its floor again.
    EnterLevel(true);
    SkipOpening();
    Step(2);
    EXPECT_NEAR(PlayerPosition().x, saved.x, 0.5f);
    EXPECT_NEAR(PlayerPosition().y, saved.y, 0.5f);
    EXPECT_FALSE(Crawler().Latched);
    EXPECT_NEAR(Where("FloodWardCrawler").x, -200.0f, 0.5f);
    EXPECT_FALSE(Player().frozen);
}

}  // namespace
}  // namespace hospital
