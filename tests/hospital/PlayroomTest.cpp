// The playroom off the floor-2 lobby, on the shipped level: the teddy bear that watches the
// father come closer, makes his torch falter, and kills him if he touches it.
#include <functional>

#include "ai/BearAI.h"
#include "engine/SceneSystem.h"
#include "gameplay/GameController.h"
#include "graphics/LightSource.h"
#include "graphics/Sprite.h"
#include "hospital/Floor2Rig.h"

namespace hospital {
namespace {

using namespace floor2hub;

class PlayroomTest : public Floor2Test {
protected:
    BearAI& Bear() { return *Object("PlayroomTeddy")->GetComponent<BearAI>(); }
    int BearFrame() { return Object("PlayroomTeddy")->GetComponent<Sprite>()->startFrame; }
    bool TorchLit() { return Object("Torch")->GetComponent<LightSource>()->Enabled; }

    // From the lobby through the door in its top wall.
    void EnterPlayroom()
    {
        PutPlayer(-43.0f, 203.5f);
        Hold("ACTION_UP");
        ASSERT_TRUE(StepUntil([&] { return Controller().teleportActive; }, 5.0f)) << "the playroom door did not open";
        Let("ACTION_UP");
        ASSERT_TRUE(StepUntil([&] { return !Controller().teleportActive && !Controller().playerLocked; }, 5.0f));
        EXPECT_NEAR(PlayerPosition().y, 200.5f, 0.5f);
    }
    // Straight up towards the bear until a condition holds.
    bool WalkUpUntil(const std::function<bool()>& condition, float limit = 10.0f)
    {
        Hold("ACTION_UP");
        const bool held = StepUntil(condition, limit);
        Let("ACTION_UP");
        Step();
        return held;
    }
};

TEST_F(PlayroomTest, CloserTheTorchFaltersAndBackingAwayItBurnsSteadyAgain)
{
    Start();
    soundsPlayed.clear();
    EnterPlayroom();
    WalkAxis(*this, true, -130.0f);
    // The far band: the bear sits calm and the torch burns.
    EXPECT_TRUE(Bear().mInFarBand);
    EXPECT_EQ(BearFrame(), 0);
    ASSERT_TRUE(WalkUpUntil([&] { return Bear().mInMiddleBand; }));
    EXPECT_EQ(BearFrame(), 1);
    EXPECT_TRUE(Controller().flickering) << "the torch burns on beside the watching bear";
    ASSERT_TRUE(WalkUpUntil([&] { return Bear().mInNearBand; }));
    EXPECT_EQ(BearFrame(), 2);
    EXPECT_EQ(CountPlays("bear_growl"), 1);

    // Back down to the door: the flicker stops once he is in the far band again.
    WalkAxis(*this, false, 200.5f);
    EXPECT_TRUE(Bear().mInFarBand);
    EXPECT_FALSE(Controller().flickering);
    EXPECT_TRUE(TorchLit());
    EXPECT_FALSE(Bear().mAttacking);
    Hold("ACTION_DOWN");
    ASSERT_TRUE(StepUntil([&] { return Controller().teleportActive; }, 5.0f)) << "the way out did not open";
    Let("ACTION_DOWN");
    ASSERT_TRUE(StepUntil([&] { return !Controller().teleportActive && !Controller().playerLocked; }, 5.0f));
    EXPECT_NEAR(PlayerPosition().x, -43.0f, 0.5f);
    EXPECT_FALSE(Controller().dying);
}

TEST_F(PlayroomTest, TouchingTheBearKillsHimAndHeContinuesFromTheLanding)
{
    Start();
    SaveAtCheckpointAndContinue("Floor2Checkpoint");
    const Vector2 saved(PlayerPosition().x, PlayerPosition().y);
    EnterPlayroom();
    WalkAxis(*this, true, -130.0f);
    ASSERT_TRUE(WalkUpUntil([&] { return Bear().mAttacking; })) << "he walked into the bear and nothing happened";
    EXPECT_TRUE(Controller().playerLocked);
    ASSERT_TRUE(StepUntil([&] { return Controller().dying; }, 5.0f)) << "the lunge never killed him";
    EXPECT_EQ(Object("PlayroomTeddy")->GetComponent<Sprite>()->transparency, 0.0f) << "the bear stays after the kill";
    ASSERT_TRUE(StepUntil([&] { return RequestedScene() == SceneId::GameOver; }, 10.0f));

    EnterLevel(true);
    SkipOpening();
    StepSeconds(1.1f);
    EXPECT_NEAR(PlayerPosition().x, saved.x, 0.5f);
    EXPECT_NEAR(PlayerPosition().y, saved.y, 0.5f);
    EXPECT_EQ(Object("PlayroomTeddy")->GetComponent<Sprite>()->transparency, 1.0f)
        << "the bear is gone after continuing";
    EXPECT_FALSE(Bear().mAttacking);
}

}  // namespace
}  // namespace hospital
