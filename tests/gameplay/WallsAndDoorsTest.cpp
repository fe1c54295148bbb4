// Walls stop the player and release him; doors take him through with a fade.
#include <gtest/gtest.h>

#include "engine/SceneSystem.h"
#include "gameplay/GameController.h"
#include "gameplay/PlayerBehaviour.h"
#include "graphics/LightSource.h"
#include "graphics/Sprite.h"
#include "objects/Transform.h"
#include "physics/Collider.h"
#include "objects/GameObject.h"
#include "objects/ObjectList.h"
#include "physics/Rigidbody.h"
#include "support/GameplayHarness.h"
#include "support/LevelBuilder.h"

using namespace testsupport;

namespace {

class WallsAndDoorsTest : public GameplayHarness {
protected:
    void Start()
    {
        StartBuiltLevel();
        StepSeconds(1.1f);
    }
};

TEST_F(WallsAndDoorsTest, AWallStopsThePlayerAndAnotherDirectionReleasesHim)
{
    BuildPlayerRig();
    AddWall("WallRight", 3.0f, 0.0f, 1.0f, 6.0f);
    Start();
    Hold("ACTION_RIGHT");
    StepSeconds(1.5f);
    PlayerBehaviour& player = Player();
    const float x = PlayerPosition().x;
    // The player's right edge stops at the wall's left edge (2.5), nudged back a little.
    EXPECT_LT(x + 0.4f, 2.6f);
    EXPECT_GT(x, 1.5f);
    EXPECT_TRUE(player.blocked);
    StepSeconds(0.5f);
    EXPECT_LT(PlayerPosition().x + 0.4f, 2.6f) << "holding toward the wall does not pass it";

    Let("ACTION_RIGHT");
    Hold("ACTION_LEFT");
    StepSeconds(0.5f);
    EXPECT_FALSE(player.blocked);
    EXPECT_LT(PlayerPosition().x, x - 1.0f);
}

TEST_F(WallsAndDoorsTest, SlowFramesNeverCarryThePlayerThroughAWall)
{
    BuildPlayerRig();
    AddWall("WallRight", 3.0f, 0.0f, 1.0f, 6.0f);
    Start();
    // Ten frames a second: each step is half a unit, twice the usual push back.
    Hold("ACTION_RIGHT");
    for (int i = 0; i < 60; ++i)
        StepWith(0.1f);
    EXPECT_LT(PlayerPosition().x + 0.4f, 2.5f) << "the player's right edge stays short of the wall";
}

TEST_F(WallsAndDoorsTest, ResolvingAWallReturnsTheSideAndNudges)
{
    BuildPlayerRig();
    AddWall("Thin", 0.0f, 0.0f, 4.0f, 0.2f);  // lies wholly within the player's height
    AddWall("Far", 30.0f, 30.0f, 1.0f, 1.0f);
    Start();
    PlayerBehaviour& player = Player();
    const auto body = Object("Player")->GetComponent<Rigidbody>();
    const auto thin = Object("Thin")->GetComponent<Collider>();
    const Vector3 before = PlayerPosition();
    body->velocity = Vector2(0.0f, 5.0f);
    // Both vertical tests hold: the two nudges cancel and the second side wins.
    EXPECT_EQ(player.ResolveWallCollision(thin), "D");
    EXPECT_FLOAT_EQ(PlayerPosition().y, before.y);
    EXPECT_EQ(body->velocity.y, 0.0f);
    EXPECT_EQ(player.ResolveWallCollision(thin), "") << "standing still resolves nothing";

    body->velocity = Vector2(0.0f, 5.0f);
    EXPECT_EQ(player.StopAtWall(Vector3(0.0f, -5.0f, 0.0f)), "U") << "obstacle behind: the side, nothing else";
    EXPECT_EQ(body->velocity.y, 5.0f);
    EXPECT_EQ(player.StopAtWall(Vector3(0.0f, 5.0f, 0.0f)), "U");
    EXPECT_EQ(body->velocity.y, 0.0f);
    EXPECT_NEAR(PlayerPosition().y, before.y - 0.15f, 1e-5f);
}

TEST_F(WallsAndDoorsTest, ADoorFadesThePlayerToItsLinkAndFreesHimThere)
{
    BuildPlayerRig();
    AddDoor("DoorA", 2.0f, 0.0f, 40.0f, 0.0f);
    Start();
    soundsPlayed.clear();
    Hold("ACTION_RIGHT");
    ASSERT_TRUE(StepUntil([&] { return Controller().teleportActive; }, 2.0f));
    Let("ACTION_RIGHT");
    EXPECT_TRUE(Player().frozen);
    EXPECT_EQ(CountPlays("door_open"), 1);
    ASSERT_TRUE(StepUntil([&] { return !Controller().playerLocked; }, 1.5f));
    EXPECT_FLOAT_EQ(PlayerPosition().x, 40.0f);
    EXPECT_EQ(Alpha("FadeScreen"), 0.0f);
    Step();
    EXPECT_NEAR(TransformOf("Camera").GetPosition().x, 40.0f, 0.01f) << "the camera catches up";
    EXPECT_EQ(CountPlays("door_open"), 1) << "the door fired once";
}

// A stone overlapping a door's frame stops him in the frame the door takes him: in the room it
// leads to, the key he walked in with walks him on until a wall there stops him.
TEST_F(WallsAndDoorsTest, ATeleportLeavesHimFreeOfTheWallHeLeft)
{
    BuildPlayerRig();
    AddWall("Stone", 3.0f, 1.0f, 2.0f, 2.0f);
    AddDoor("DoorA", 3.0f, -1.0f, 40.0f, 0.0f).GetComponent<Collider>()->scale = Vector3(2.0f, 2.4f, 1.0f);
    AddWall("FarWall", 44.0f, 0.0f, 1.0f, 6.0f);
    Start();
    Hold("ACTION_RIGHT");
    ASSERT_TRUE(StepUntil([&] { return Controller().teleportActive; }, 2.0f));
    EXPECT_TRUE(Player().blocked) << "the stone was grazed on the way in";
    ASSERT_TRUE(StepUntil([&] { return !Controller().playerLocked; }, 1.5f));
    ASSERT_TRUE(StepUntil([&] { return Player().blocked; }, 1.5f));
    EXPECT_GT(PlayerPosition().x, 42.0f) << "the key he walked in with is dead after the door";
}

TEST_F(WallsAndDoorsTest, TheScreenClearsOnTheRoomTheDoorLeadsTo)
{
    BuildPlayerRig();
    AddDoor("DoorA", 2.0f, 0.0f, 40.0f, -30.0f);
    GiveTransform(AddLevelObject("Far", 4), -12.0f, 7.0f);
    Start();
    Hold("ACTION_RIGHT");
    ASSERT_TRUE(StepUntil([&] { return Controller().teleportFadingIn; }, 3.0f));
    Let("ACTION_RIGHT");
    // Every frame of the fade-in shows the new room.
    while (Controller().teleportActive) {
        EXPECT_FLOAT_EQ(TransformOf("Camera").GetPosition().x, 40.0f);
        EXPECT_FLOAT_EQ(TransformOf("Camera").GetPosition().y, -30.0f);
        Step();
    }

    // A script's fade-teleport too.
    Controller().FadeTeleport(Vector2(-12.0f, 7.0f), false, 0.5f);
    ASSERT_TRUE(StepUntil([&] { return Controller().teleportFadingIn; }, 2.0f));
    EXPECT_FLOAT_EQ(TransformOf("Camera").GetPosition().x, -12.0f);
    EXPECT_FLOAT_EQ(TransformOf("Camera").GetPosition().y, 7.0f);
}

TEST_F(WallsAndDoorsTest, ADoorWithoutALinkNeitherMovesNorLocksThePlayer)
{
    BuildPlayerRig();
    AddDoor("Dead", 2.0f, 0.0f, 40.0f, 0.0f);
    DestroyObject(FindObjectByName("Deadlink"));
    Start();
    Hold("ACTION_RIGHT");
    StepSeconds(1.0f);
    EXPECT_FALSE(Controller().teleportActive);
    EXPECT_FALSE(Player().frozen);
    EXPECT_GT(PlayerPosition().x, 3.0f) << "he walks on through";
}

TEST_F(WallsAndDoorsTest, ScriptedTeleportsAndPoses)
{
    BuildPlayerRig();
    GiveTransform(AddLevelObject("Target", 4), -12.0f, 7.0f);
    Start();
    PlayerBehaviour& player = Player();
    player.TeleportToObject("Nowhere");
    EXPECT_FALSE(Controller().playerLocked) << "a missing target changes nothing";
    player.TeleportToObject("Target");
    ASSERT_TRUE(StepUntil([&] { return !Controller().playerLocked; }, 1.5f));
    EXPECT_FLOAT_EQ(PlayerPosition().x, -12.0f);
    EXPECT_FLOAT_EQ(PlayerPosition().y, 7.0f);

    const auto sprite = Object("PlayerSprite")->GetComponent<Sprite>();
    player.SetIdleFrame(2, true);
    EXPECT_EQ(sprite->startFrame, 36);
    EXPECT_FLOAT_EQ(player.torchOffset.x, -0.45f);
    EXPECT_FLOAT_EQ(TransformOf("Torch").rotation, 270.0f);
    player.SetIdleFrame(5, true);
    EXPECT_EQ(sprite->startFrame, 36) << "an unknown direction changes nothing";
    player.FaceTowards(Vector2(0.0f, 0.0f));
    EXPECT_EQ(sprite->startFrame, 50);
    player.FaceTowards(Vector2(1.0f, 0.0f));
    EXPECT_EQ(sprite->startFrame, 50);

    soundsPlayed.clear();
    player.ToggleTorch();
    player.ToggleTorch();
    EXPECT_EQ(CountPlays("torch_click"), 2);
    EXPECT_TRUE(player.GetTorch()->Enabled);
    EXPECT_FLOAT_EQ(player.GetTorch()->CutoffDistance, 30.0f);
}

TEST_F(WallsAndDoorsTest, APartialLevelNeverCrashes)
{
    // Only a player and his controller: every other look-up finds nothing.
    GameObject& player = AddLevelObject("Player", 0);
    GiveTransform(player, 0.0f, 0.0f);
    GiveBox(player, 0.8f, 1.2f);
    player.components.push_back(std::make_shared<PlayerBehaviour>());
    player.components.back()->SetOwner(&player);
    GameObject& controller = AddLevelObject("GameController", 4);
    controller.components.push_back(std::make_shared<GameController>());
    controller.components.back()->SetOwner(&controller);
    AddDoor("Door", 1.0f, 0.0f, 9.0f, 0.0f);
    Start();
    Hold("ACTION_RIGHT");
    StepSeconds(1.0f);
    Controller().StartDialogue({DialogueLine("x", true, 0)}, false, false, false, 0.01f);
    Controller().ShowImage("Note.png", 0, 0, Vector2(1.0f, 1.0f), 30.0f, nullptr, "", 0.0f);
    Controller().TorchSpark(nullptr, true, 0.1f, 0.1f);
    Player().ToggleTorch();
    Controller().Die();
    StepSeconds(3.0f);
    EXPECT_EQ(gSceneSystem->currentScene, SceneId::GameOver) << "death still ends the scene";
}

}  // namespace
