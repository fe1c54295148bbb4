// Fades, fade-teleports, the camera shake, pictures, the torch flicker, death and the music.
#include <gtest/gtest.h>

#include "audio/Audio.h"
#include "engine/SceneSystem.h"
#include "gameplay/GameController.h"
#include "gameplay/PlayerBehaviour.h"
#include "graphics/LightPacking.h"
#include "graphics/LightSource.h"
#include "objects/GameObject.h"
#include "objects/Transform.h"
#include "support/GameplayHarness.h"
#include "support/LevelBuilder.h"

using namespace testsupport;

namespace {

class ScreenEffectsTest : public GameplayHarness {
protected:
    void SetUp() override
    {
        GameplayHarness::SetUp();
        BuildPlayerRig();
        StartBuiltLevel();
    }
};

TEST_F(ScreenEffectsTest, TheSceneOpensBlackAndClearsOverOneSecond)
{
    EXPECT_GT(Alpha("FadeScreen"), 0.9f);
    EXPECT_FALSE(Controller().playerLocked);
    StepSeconds(0.5f);
    EXPECT_NEAR(Alpha("FadeScreen"), 0.5f, 0.05f);
    StepSeconds(0.6f);
    EXPECT_LE(Alpha("FadeScreen"), 0.0f);
    EXPECT_TRUE(Controller().fadeInDone);
}

TEST_F(ScreenEffectsTest, AFadeTeleportMovesThePlayerAtTheBlackMomentAndUnlocksAfter)
{
    StepSeconds(1.1f);
    GameController& controller = Controller();
    controller.FadeTeleport(Vector2(20.0f, 5.0f), false, 0.5f);
    EXPECT_TRUE(Player().frozen);
    StepSeconds(0.25f);
    EXPECT_NEAR(Alpha("FadeScreen"), 0.5f, 0.05f);
    EXPECT_EQ(PlayerPosition().x, 0.0f);
    EXPECT_TRUE(StepUntil([&] { return controller.teleportFadingIn; }, 0.5f));
    EXPECT_EQ(PlayerPosition().x, 20.0f);
    EXPECT_EQ(PlayerPosition().y, 5.0f);
    EXPECT_EQ(TransformOf("PlayerSprite").GetPosition().x, 20.0f) << "his children move with him";
    EXPECT_TRUE(StepUntil([&] { return !controller.playerLocked; }, 0.6f));
    EXPECT_EQ(Alpha("FadeScreen"), 0.0f);
    EXPECT_FALSE(Player().frozen);

    // Kept locked: the screen keeps its last alpha until the caller acts.
    controller.FadeTeleport(Vector2(0.0f, 0.0f), true, 0.5f);
    StepSeconds(1.2f);
    EXPECT_FALSE(controller.teleportActive);
    EXPECT_TRUE(controller.playerLocked);
    EXPECT_EQ(PlayerPosition().x, 0.0f);

    // A zero duration is a plain cut, never a division by zero.
    controller.FadeTeleport(Vector2(3.0f, 0.0f), false, 0.0f);
    Step(2);
    EXPECT_EQ(PlayerPosition().x, 3.0f);
    EXPECT_FALSE(controller.playerLocked);
    EXPECT_EQ(Alpha("FadeScreen"), 0.0f);
}

TEST_F(ScreenEffectsTest, FadeInPlaceLeavesThePlayerWhereHeStands)
{
    StepSeconds(1.1f);
    Hold("ACTION_RIGHT");
    StepSeconds(0.3f);
    Let("ACTION_RIGHT");
    StepSeconds(0.2f);
    const Vector3 before = PlayerPosition();
    Controller().FadeInPlace(0.5f);
    EXPECT_TRUE(StepUntil([&] { return !Controller().playerLocked; }, 1.5f));
    EXPECT_EQ(PlayerPosition().x, before.x);
    EXPECT_EQ(PlayerPosition().y, before.y);
}

TEST_F(ScreenEffectsTest, ThePlainFadesRunOnTheirOwnTimer)
{
    StepSeconds(1.1f);
    GameController& controller = Controller();
    controller.fadeDuration = 0.5f;
    controller.fadeTimer = 0.0f;
    controller.fadingToBlack = true;
    StepSeconds(0.25f);
    EXPECT_NEAR(Alpha("FadeScreen"), 0.5f, 0.05f);
    StepSeconds(0.3f);
    EXPECT_EQ(Alpha("FadeScreen"), 1.0f);
    controller.fadeTimer = 0.5f;
    controller.fadingFromBlack = true;
    StepSeconds(0.6f);
    EXPECT_EQ(Alpha("FadeScreen"), 0.0f);
    EXPECT_FALSE(controller.playerLocked) << "plain fades leave the lock to their caller";
}

TEST_F(ScreenEffectsTest, AShakeJittersTheCameraAroundThePlayerThenPutsItBack)
{
    StepSeconds(1.1f);
    GameController& controller = Controller();
    controller.shaking = true;
    controller.shakeTimer = 0.0f;
    controller.shakeDuration = 1.0f;
    controller.shakeMagnitude = 1.0f;
    bool moved = false;
    for (int i = 0; i < 50; ++i) {
        Step();
        const Vector3 camera = TransformOf("Camera").GetPosition();
        EXPECT_LE(std::abs(camera.x), 0.1f + 1e-5f);
        EXPECT_LE(std::abs(camera.y), 0.1f + 1e-5f);
        moved = moved || camera.x != 0.0f || camera.y != 0.0f;
    }
    EXPECT_TRUE(moved);
    StepSeconds(0.3f);
    EXPECT_FALSE(controller.shaking);
    EXPECT_EQ(TransformOf("Camera").GetPosition().x, 0.0f);
    EXPECT_EQ(TransformOf("Camera").GetPosition().y, 0.0f);
}

TEST_F(ScreenEffectsTest, APictureSlidesInWaitsIsDismissedOnceAndSlidesOut)
{
    StepSeconds(1.1f);
    GameController& controller = Controller();
    const auto closeSound = Object("WorldSFX")->GetComponent<Audio>();
    const float restY = TransformOf("DisplayImage").GetPosition().y;
    controller.ShowImage("Note.png", 0, 0, Vector2(20.0f, 15.0f), 30.0f, closeSound, "", 0.5f);
    EXPECT_TRUE(controller.playerLocked);
    EXPECT_EQ(Alpha("DisplayImage"), 1.0f);
    EXPECT_NEAR(Alpha("FadeScreen"), 0.15f, 1e-6f);

    // Twenty units at thirty a second: not dismissable before it is up.
    StepSeconds(0.3f);
    Tap("ACTION_INTERACT");
    EXPECT_FALSE(controller.imageSlidingOut);
    ASSERT_TRUE(StepUntil([&] { return controller.imageWaiting; }, 2.0f));
    EXPECT_NEAR(TransformOf("DisplayImage").GetPosition().y, restY + 20.0f, 0.6f);
    StepSeconds(0.6f);
    soundsPlayed.clear();
    Tap("ACTION_INTERACT");
    EXPECT_TRUE(controller.imageSlidingOut);
    EXPECT_EQ(CountPlays("paper"), 1);
    ASSERT_TRUE(StepUntil([&] { return !controller.imageActive; }, 2.0f));
    EXPECT_FALSE(controller.playerLocked);
    EXPECT_EQ(Alpha("DisplayImage"), 0.0f);
    EXPECT_EQ(Alpha("FadeScreen"), 0.0f);
    Tap("ACTION_INTERACT");
    EXPECT_EQ(CountPlays("paper"), 1) << "the close sound is used once";
}

TEST_F(ScreenEffectsTest, TheTorchFlickersWithItsSoundUntilStopped)
{
    StepSeconds(1.1f);
    GameController& controller = Controller();
    const auto light = Object("Torch")->GetComponent<LightSource>();
    soundsPlayed.clear();
    controller.TorchSpark(light, true, 0.5f, 0.25f);
    StepSeconds(0.45f);
    EXPECT_TRUE(light->Enabled);
    gLightsDirty = false;
    StepSeconds(0.1f);
    EXPECT_FALSE(light->Enabled);
    EXPECT_TRUE(gLightsDirty);
    StepSeconds(0.25f);
    EXPECT_TRUE(light->Enabled);
    EXPECT_EQ(CountPlays("spark"), 2);
    controller.TorchSpark(light, false, 0.5f, 0.5f);
    StepSeconds(2.0f);
    EXPECT_TRUE(light->Enabled);
    EXPECT_EQ(CountPlays("spark"), 2);
}

TEST_F(ScreenEffectsTest, DeathTurnsRedHidesThePlayerAndEndsInGameOver)
{
    StepSeconds(1.1f);
    soundsPlayed.clear();
    Controller().Die();
    EXPECT_TRUE(Controller().playerLocked);
    EXPECT_EQ(CountPlays("death"), 1);
    StepSeconds(0.15f);
    EXPECT_TRUE(Controller().redScreenFull);
    EXPECT_GT(Alpha("RedScreen"), 0.9f);
    EXPECT_EQ(Alpha("PlayerSprite"), 0.0f);
    EXPECT_EQ(Alpha("FadeScreen"), 1.0f);
    EXPECT_EQ(RequestedScene(), SceneId::Level);
    StepSeconds(1.8f);
    EXPECT_EQ(RequestedScene(), SceneId::Level) << "the red fades over two seconds";
    Step();
    StepUntil([&] { return gSceneSystem->currentScene == SceneId::GameOver; }, 0.5f);
    EXPECT_EQ(gSceneSystem->currentScene, SceneId::GameOver);
}

TEST_F(ScreenEffectsTest, TheLevelMusicRestartsExceptDuringAChase)
{
    const auto music = Object("GameController")->GetComponent<Audio>();
    EXPECT_TRUE(music->isPlaying);
    music->Stop();
    gChaseActive = true;
    soundsPlayed.clear();
    StepSeconds(0.5f);
    EXPECT_EQ(CountPlays("bgm1"), 0);
    gChaseActive = false;
    Step(2);
    EXPECT_EQ(CountPlays("bgm1"), 1);
    EXPECT_TRUE(music->isPlaying);
}

}  // namespace
