// The level's pause menu and its way back to the title menu.
#include <gtest/gtest.h>

#include "audio/Audio.h"
#include "audio/AudioSystem.h"
#include "engine/KeyTable.h"
#include "engine/SceneRequests.h"
#include "engine/SceneSystem.h"
#include "gameplay/GameController.h"
#include "graphics/Sprite.h"
#include "objects/GameObject.h"
#include "objects/Transform.h"
#include "scenes/Level.h"
#include "support/GameplayHarness.h"
#include "support/LevelBuilder.h"

using namespace testsupport;
using Framework::Keys::Escape;
using Framework::Keys::F9;
using Framework::Keys::MouseLeft;

namespace {

class PauseMenuTest : public GameplayHarness {
protected:
    void SetUp() override
    {
        GameplayHarness::SetUp();
        UseShippedLevelFile("Main");
        BuildPlayerRig();
        BuildPauseMenu();
        StartBuiltLevel();
        StepSeconds(1.1f);
    }
    Level& Scene() const { return static_cast<Level&>(*gSceneSystem->scenes.at(SceneId::Level)); }
    void TapKey(int key)
    {
        Press(key);
        Step();
        Release(key);
        Step();
    }
    // Clicks the button whose centre is y units above the camera.
    void ClickAt(float y)
    {
        const Vector3 camera = TransformOf("Camera").GetPosition();
        PointMouseAtWorld(camera.x, camera.y + y, camera.x, camera.y, 50.0f);
        Step();
        TapKey(MouseLeft);
    }
    float Depth(const std::string& name) const { return TransformOf(name).GetPosition().z; }
};

TEST_F(PauseMenuTest, EscapePausesAndResumesButNotWhileThePlayerIsLocked)
{
    Controller().StartDialogue({DialogueLine("Hush", true, 0)}, false, false, false, 0.01f);
    TapKey(Escape);
    EXPECT_FALSE(Scene().paused) << "a dialogue holds the player";
    Tap("ACTION_INTERACT");
    Tap("ACTION_INTERACT");
    Step(2);
    ASSERT_FALSE(Controller().playerLocked);
    EXPECT_FALSE(Scene().paused) << "the press was used up, not kept for later";

    TapKey(Escape);
    EXPECT_TRUE(Scene().paused);
    EXPECT_EQ(Depth("ResumeGame"), 4.0f);
    // Nothing of the game runs while paused.
    const float typed = Controller().charTimer;
    Hold("ACTION_RIGHT");
    StepSeconds(0.5f);
    EXPECT_EQ(PlayerPosition().x, 0.0f);
    EXPECT_EQ(Controller().charTimer, typed);
    Let("ACTION_RIGHT");
    TapKey(Escape);
    EXPECT_FALSE(Scene().paused);
    EXPECT_EQ(Depth("ResumeGame"), 0.0f);
}

TEST_F(PauseMenuTest, ResumeHowToPlayAndTheQuitConfirmation)
{
    TapKey(Escape);
    ClickAt(3.0f);  // resume
    EXPECT_FALSE(Scene().paused);

    TapKey(Escape);
    ClickAt(0.0f);  // how to play
    EXPECT_TRUE(Scene().howToPlayOpen);
    EXPECT_EQ(Depth("HTP"), 4.0f);
    EXPECT_EQ(Depth("ResumeGame"), 0.0f);
    TapKey(Escape);
    EXPECT_FALSE(Scene().paused) << "Escape from the picture resumes";

    TapKey(Escape);
    ClickAt(-3.0f);  // quit
    EXPECT_EQ(Depth("AreYouSure"), 4.0f);
    EXPECT_EQ(Depth("QuitGame"), 0.0f);
    EXPECT_EQ(Depth("TBC"), 3.0f);
    ClickAt(-7.0f);  // no
    EXPECT_FALSE(Scene().paused);
    EXPECT_FALSE(gQuitFromPause);

    TapKey(Escape);
    ClickAt(-3.0f);
    ClickAt(-4.0f);  // yes
    EXPECT_TRUE(gQuitFromPause);
}

TEST_F(PauseMenuTest, HiddenButtonsNeverReactAndTheHoverSoundPlaysOncePerEntry)
{
    ClickAt(3.0f);
    EXPECT_FALSE(Scene().paused) << "the resume button is hidden while playing";
    PointMouse(0, 0);
    TapKey(Escape);
    soundsPlayed.clear();
    const Vector3 camera = TransformOf("Camera").GetPosition();
    PointMouseAtWorld(camera.x, camera.y + 3.0f, camera.x, camera.y, 50.0f);
    Step(10);
    EXPECT_EQ(CountPlays("menu_select"), 1);
    EXPECT_EQ(Object("ResumeGame")->GetComponent<Sprite>()->currentFrame, 1);
}

TEST_F(PauseMenuTest, F9LeavesForTheMenuAndTheNextVisitStartsUnpaused)
{
    TapKey(Escape);
    ASSERT_TRUE(Scene().paused);
    Press(F9);
    Step();
    Release(F9);
    EXPECT_EQ(gSceneSystem->currentScene, SceneId::MainMenu);
    EnterLevel(false);
    EXPECT_FALSE(Scene().paused);
    EXPECT_EQ(Depth("ResumeGame"), 0.0f);
}

TEST_F(PauseMenuTest, LeavingForTheTitleStopsEveryLevelSound)
{
    // The level music, a looping machine and a looping theme; the title menu then plays only
    // its own music.
    auto loop = [](const std::string& name, bool sfx) {
        const auto audio = std::make_shared<Audio>();
        audio->SetAudio(name, sfx);
        audio->looping = true;
        audio->Play();
        return audio;
    };
    const auto machine = loop("generator_start", true);
    const auto theme = loop("girl_theme", false);
    // The pointer away from every button of the title menu, whose hover sound would count.
    PointMouse(0, 0);
    Step();
    ASSERT_EQ(gAudioSystem->soundGroup.PlayingCount(), 1);
    ASSERT_EQ(gAudioSystem->bgmGroup.PlayingCount(), 2) << "the level music and the theme";

    Press(F9);
    Step();
    Release(F9);
    ASSERT_EQ(gSceneSystem->currentScene, SceneId::MainMenu);
    Step();
    EXPECT_EQ(gAudioSystem->soundGroup.PlayingCount(), 0);
    EXPECT_EQ(gAudioSystem->bgmGroup.PlayingCount(), 1) << "only the title music";

    // Left Shift+F6 from a paused level, the other way to the title.
    EnterLevel(false);
    theme->Play();
    TapKey(Escape);
    ASSERT_TRUE(Scene().paused);
    Press(Framework::Keys::LeftShift);
    Press(Framework::Keys::F6);
    Step();
    Release(Framework::Keys::F6);
    Release(Framework::Keys::LeftShift);
    ASSERT_EQ(gSceneSystem->currentScene, SceneId::MainMenu);
    Step();
    EXPECT_EQ(gAudioSystem->soundGroup.PlayingCount(), 0);
    EXPECT_EQ(gAudioSystem->bgmGroup.PlayingCount(), 1) << "only the title music";
}

TEST_F(PauseMenuTest, TheMenuFollowsTheCameraWhereverThePlayerWalked)
{
    Hold("ACTION_RIGHT");
    StepSeconds(2.0f);
    Let("ACTION_RIGHT");
    StepSeconds(0.2f);
    ASSERT_GT(TransformOf("Camera").GetPosition().x, 5.0f);
    TapKey(Escape);
    ClickAt(3.0f);
    EXPECT_FALSE(Scene().paused) << "the pointer maps onto the button away from the origin too";
}

}  // namespace
