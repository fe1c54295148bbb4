// The player walking the level on the bound keys, headless, through the script harness.
#include <gtest/gtest.h>

#include "gameplay/GameController.h"
#include "gameplay/PlayerBehaviour.h"
#include "graphics/Sprite.h"
#include "objects/GameObject.h"
#include "objects/Transform.h"
#include "physics/Rigidbody.h"
#include "support/GameplayHarness.h"
#include "support/LevelBuilder.h"

using namespace testsupport;

namespace {

class WalkingTest : public GameplayHarness {
protected:
    void StartOpenRoom()
    {
        BuildPlayerRig();
        StartBuiltLevel();
        // Past the scene's fade-in, so the player is free.
        StepSeconds(1.1f);
    }
    Vector2 Velocity() const { return Object("Player")->GetComponent<Rigidbody>()->velocity; }
};

TEST_F(WalkingTest, MovesAlongOneAxisWithTheLastHeldKeyWinning)
{
    StartOpenRoom();
    const Vector3 start = PlayerPosition();
    Hold("ACTION_RIGHT");
    StepSeconds(1.0f);
    const Vector3 afterRight = PlayerPosition();
    EXPECT_NEAR(afterRight.x - start.x, 5.0f, 0.2f) << "five units a second horizontally";
    EXPECT_FLOAT_EQ(afterRight.y, start.y);

    // Up and right together: right is tested last and wins.
    Hold("ACTION_UP");
    Step();
    EXPECT_EQ(Velocity().x, 5.0f);
    EXPECT_EQ(Velocity().y, 0.0f);
    Let("ACTION_RIGHT");
    Step(2);
    EXPECT_EQ(Velocity().x, 0.0f);
    EXPECT_EQ(Velocity().y, 5.0f);
    // Vertical moves go by 0.02 of the speed per frame.
    const float y0 = PlayerPosition().y;
    Step(10);
    EXPECT_NEAR(PlayerPosition().y - y0, 10 * 5.0f * 0.02f, 1e-3f);
    Let("ACTION_UP");
    StepSeconds(0.2f);
    EXPECT_EQ(Velocity().x, 0.0f);
    EXPECT_EQ(Velocity().y, 0.0f) << "released keys stop him";
}

TEST_F(WalkingTest, RunsOnlyWhileAllowedAndStepsFasterThen)
{
    StartOpenRoom();
    PlayerBehaviour& player = Player();
    const auto sprite = Object("PlayerSprite")->GetComponent<Sprite>();
    Hold("ACTION_RUN");
    Hold("ACTION_LEFT");
    Step(5);
    EXPECT_EQ(player.speed, 5.0f) << "running is not allowed yet";

    player.canRun = true;
    Step();
    EXPECT_EQ(player.speed, 8.0f);
    EXPECT_FLOAT_EQ(sprite->animationDelay, 0.1125f);

    soundsPlayed.clear();
    StepSeconds(2.0f);
    const int runningSteps = static_cast<int>(soundsPlayed.size());
    Let("ACTION_RUN");
    Step();
    EXPECT_EQ(player.speed, 5.0f);
    EXPECT_FLOAT_EQ(sprite->animationDelay, 0.18f);
    soundsPlayed.clear();
    StepSeconds(2.0f);
    const int walkingSteps = static_cast<int>(soundsPlayed.size());
    // One footstep every 2.5 animation delays: 0.45 s walking, about 0.28 s running.
    EXPECT_NEAR(walkingSteps, 2.0f / 0.45f, 1.0f);
    EXPECT_NEAR(runningSteps, 2.0f / 0.28125f, 1.0f);
    for (const std::string& name : soundsPlayed)
        EXPECT_EQ(name.rfind("default_footstep", 0), 0u) << name;
}

TEST_F(WalkingTest, FacesTheMouseAndPicksTheWalkFrameFromKeyAndFacing)
{
    StartOpenRoom();
    PlayerBehaviour& player = Player();
    const auto sprite = Object("PlayerSprite")->GetComponent<Sprite>();

    PointMouseFromPlayer(-500.0f, 0.0f);
    Step();
    EXPECT_EQ(player.facingName, "LEFT");
    // Standing still for a tenth of a second turns him to the mouse.
    StepSeconds(0.2f);
    EXPECT_EQ(player.spriteFacing, "LEFT");
    EXPECT_EQ(sprite->startFrame, 36);

    // Walking up while looking left uses the up-left frames and leaves the torch offset alone.
    const Vector2 offsetBefore = player.torchOffset;
    Hold("ACTION_UP");
    Step();
    EXPECT_EQ(sprite->startFrame, 96);
    EXPECT_EQ(player.torchOffset.x, offsetBefore.x);
    Let("ACTION_UP");
    Hold("ACTION_DOWN");
    Step();
    EXPECT_EQ(sprite->startFrame, 84);
    EXPECT_FLOAT_EQ(player.torchOffset.x, -0.3f);
    EXPECT_FLOAT_EQ(player.torchOffset.y, -0.4f);

    PointMouseFromPlayer(0.0f, 200.0f);
    Step();
    EXPECT_EQ(player.facingName, "UP");
    EXPECT_EQ(sprite->startFrame, 6);
}

TEST_F(WalkingTest, TheTorchStaysBesideHimAndStopsFollowingTheMouseWhileLocked)
{
    StartOpenRoom();
    Hold("ACTION_RIGHT");
    StepSeconds(0.5f);
    const Vector3 sprite = TransformOf("PlayerSprite").GetPosition();
    const Vector3 torch = TransformOf("Torch").GetPosition();
    EXPECT_NEAR(torch.x - sprite.x, Player().torchOffset.x, 1e-4f);
    EXPECT_NEAR(torch.y - sprite.y, Player().torchOffset.y, 1e-4f);
    EXPECT_TRUE(TransformOf("Torch").mouseTracking);

    Controller().LockPlayer(true);
    EXPECT_FALSE(TransformOf("Torch").mouseTracking);
    EXPECT_TRUE(Player().frozen);
    const Vector3 held = PlayerPosition();
    StepSeconds(0.5f);
    EXPECT_EQ(PlayerPosition().x, held.x) << "a locked player does not walk";
    Controller().LockPlayer(false);
    EXPECT_TRUE(TransformOf("Torch").mouseTracking);
    StepSeconds(0.2f);
    EXPECT_GT(PlayerPosition().x, held.x);
}

TEST_F(WalkingTest, TheCameraFollowsThePlayer)
{
    StartOpenRoom();
    Hold("ACTION_LEFT");
    StepSeconds(0.5f);
    const Vector3 camera = TransformOf("Camera").GetPosition();
    const Vector3 player = PlayerPosition();
    EXPECT_NEAR(camera.x, player.x, 0.1f);
    EXPECT_NEAR(camera.y, player.y, 0.1f);
}

}  // namespace
