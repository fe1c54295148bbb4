// What the editor could not write at its leave is said on the title and tried again however the
// program ends; a quit from a button that would still lose it asks first, over a scene that
// stands still until the answer.
#include <gtest/gtest.h>
#include <imgui.h>

#include <filesystem>
#include <memory>

#include "editor/Editor.h"
#include "engine/FrameLoop.h"
#include "engine/KeyTable.h"
#include "engine/SceneRequests.h"
#include "engine/SceneSystem.h"
#include "engine/WindowSystem.h"
#include "objects/GameObject.h"
#include "objects/LevelFile.h"
#include "objects/ObjectList.h"
#include "objects/Transform.h"
#include "scenes/Level.h"
#include "support/GameplayHarness.h"
#include "support/LevelBuilder.h"
#include "support/OwnInterface.h"

using namespace testsupport;
using namespace Framework::Keys;

namespace {

const std::string kPrefabs = "resources/prefab/PrefabName.txt";
const std::string kNoPrefabs = "PrefabName\n\n/PrefabName\n";

class UnwrittenAtTheEndTest : public GameplayHarness {
protected:
    void SetUp() override
    {
        GameplayHarness::SetUp();
        UseShippedLevelFile("Main");
        tree->WriteFile(kPrefabs, kNoPrefabs);
        tree->WriteFile("resources/level/Level1.txt", "Level1\n\nCamera\n10\nNone\nEnd\n\n/Level1\n");
        gWindowSystem->quit = false;
    }
    void TearDown() override
    {
        GameplayHarness::TearDown();
        gWindowSystem->quit = false;
    }

    // A prefab made in the editor while its file is a folder; the editor left with Left
    // Shift+F6 for the title.
    void LeaveWithAPrefabUnwritten()
    {
        if (!ImGui::GetCurrentContext())
            ImGui::CreateContext();  // the window system's, in the game
        EnterScene(SceneId::Editor);
        static_cast<Editor&>(*gSceneSystem->scenes.at(SceneId::Editor))
            .prefabs.push_back(std::make_shared<GameObject>("Lamp", 4, 0));
        Block();
        Press(LeftShift);
        Press(F6);
        Step();
        Release(F6);
        Release(LeftShift);
        Step();
        ASSERT_EQ(gSceneSystem->currentScene, SceneId::MainMenu);
    }
    void Block() const
    {
        std::filesystem::remove_all(tree->Root() / kPrefabs);
        tree->WriteFile(kPrefabs + "/in-the-way", "x");
    }
    void PutBack() const
    {
        std::filesystem::remove_all(tree->Root() / kPrefabs);
        tree->WriteFile(kPrefabs, kNoPrefabs);
    }
    bool Written() const { return tree->ReadFile(kPrefabs).find("\nLamp\n") != std::string::npos; }
    bool Asked() const { return gSceneSystem->quitQuestion.Open(); }
    void TapKey(int key)
    {
        Press(key);
        Step();
        Release(key);
        Step();
    }

    OwnInterface ownInterface;
};

TEST_F(UnwrittenAtTheEndTest, TheTitleSaysWhatWaitsAndItsQuitWritesItOrAsksOverTheMenuStandingStill)
{
    LeaveWithAPrefabUnwritten();
    const auto title = gSceneSystem->GetCurrentScene();
    EXPECT_NE(title->Notice().find("Not written: PrefabName.txt\n(see the console)"), std::string::npos)
        << title->Notice();
    EXPECT_EQ(title->NoticeColourShown(), NoticeColour::Red);

    // Still a folder: Quit asks, in the editor's words (on the console too), and the run goes on.
    testing::internal::CaptureStderr();
    ClickAtWorld(0.0f, -305.0f);
    EXPECT_NE(testing::internal::GetCapturedStderr().find(
                  "Could not write PrefabName.txt (see the console): what the editor holds for it is lost on "
                  "quitting. Enter quits anyway; Escape goes back.\n"),
              std::string::npos);
    ASSERT_TRUE(Asked());
    EXPECT_FALSE(gQuitFromMenu);
    EXPECT_FALSE(gWindowSystem->quit);
    EXPECT_NE(gSceneSystem->quitQuestion.Text().find("Could not write PrefabName.txt\n(see the console): what\nthe "
                                                     "editor holds for it\nis lost on quitting."),
              std::string::npos)
        << gSceneSystem->quitQuestion.Text();
    // While asked, Start does nothing; Escape goes back to the menu as it was.
    ClickAtWorld(0.0f, 100.0f);
    EXPECT_TRUE(Asked());
    EXPECT_FALSE(gStartGame);
    EXPECT_EQ(RequestedScene(), SceneId::MainMenu);
    TapKey(Escape);
    EXPECT_FALSE(Asked());
    EXPECT_FALSE(gWindowSystem->quit);
    EXPECT_TRUE(FindObjectByName("ButtonStart")) << "the menu was left";
    EXPECT_NE(title->Notice().find("PrefabName.txt"), std::string::npos);

    // The file can be written again: Quit writes the prefab and ends, and the red line goes.
    PutBack();
    ClickAtWorld(0.0f, -305.0f);
    EXPECT_FALSE(Asked());
    EXPECT_TRUE(gQuitFromMenu);
    EXPECT_TRUE(Written()) << tree->ReadFile(kPrefabs);
    EXPECT_EQ(gSceneSystem->FilesWaiting(), "");
}

TEST_F(UnwrittenAtTheEndTest, ThePauseMenusQuitAsksOnceThenEndsOnEnterAndAKeyWhileAskedDoesNothing)
{
    BuildPlayerRig();
    BuildPauseMenu();
    ASSERT_TRUE(SaveLevel("Level1", (tree->Resources() / "level" / "Level1.txt").string()));
    DestroyAll();
    LeaveWithAPrefabUnwritten();
    EnterLevel(false);
    StepSeconds(1.1f);
    Level& level = static_cast<Level&>(*gSceneSystem->scenes.at(SceneId::Level));
    const auto clickAt = [&](float y) {
        const Vector3 camera = TransformOf("Camera").GetPosition();
        PointMouseAtWorld(camera.x, camera.y + y, camera.x, camera.y, 50.0f);
        Step();
        TapKey(MouseLeft);
    };
    TapKey(Escape);
    clickAt(-3.0f);  // quit
    clickAt(-4.0f);  // yes
    ASSERT_TRUE(Asked());
    EXPECT_FALSE(gQuitFromPause);
    // F9 would leave for the title: while asked it does nothing.
    TapKey(F9);
    EXPECT_EQ(gSceneSystem->currentScene, SceneId::Level);
    EXPECT_EQ(RequestedScene(), SceneId::Level);
    TapKey(Escape);
    EXPECT_FALSE(Asked());
    EXPECT_TRUE(level.paused) << "back to the pause menu";
    EXPECT_FALSE(level.quitConfirmationOpen);
    EXPECT_EQ(TransformOf("QuitGame").GetPosition().z, 4.0f);
    EXPECT_EQ(TransformOf("AreYouSure").GetPosition().z, 0.0f);

    clickAt(-3.0f);
    clickAt(-4.0f);
    ASSERT_TRUE(Asked());
    TapKey(Enter);
    EXPECT_TRUE(gWindowSystem->quit) << "Enter quits anyway";
    EXPECT_FALSE(Written());
}

// Where Left Ctrl+Escape quits: the game-over screen (through the frame's keys), and a title whose
// level file cannot be read (through the scene system).
TEST_F(UnwrittenAtTheEndTest, LeftCtrlEscapeWhereItQuitsAsksFirst)
{
    UseShippedLevelFile("GameOver");
    for (const bool unreadTitle : {false, true}) {
        PutBack();
        LeaveWithAPrefabUnwritten();
        if (unreadTitle)
            std::filesystem::remove(tree->Root() / "resources/level/Main.txt");
        EnterScene(unreadTitle ? SceneId::MainMenu : SceneId::GameOver);
        ASSERT_EQ(gSceneSystem->GetCurrentScene()->UnreadLevel().empty(), !unreadTitle);
        Press(LeftCtrl);
        Press(Escape);
        if (unreadTitle) {
            Step();
        } else {
            FrameServices services = MakeGameFrameServices();
            bool fullscreen = false;
            EXPECT_FALSE(HandleFrameKeys(services, fullscreen)) << "the chord ended the run";
        }
        Release(Escape);
        Release(LeftCtrl);
        Step();
        EXPECT_TRUE(Asked()) << "from " << (unreadTitle ? "the unread title" : "the game-over screen");
        EXPECT_FALSE(gWindowSystem->quit);
        TapKey(Escape);
        EXPECT_FALSE(Asked());
        gSceneSystem->GetCurrentScene()->Unload();
        gSceneSystem->CreateScenes();
        gSceneSystem->ResetIds();
    }
}

// A window's close or a signal ends the run through the systems' shutdown, from any scene.
TEST_F(UnwrittenAtTheEndTest, TheEndOfTheRunWritesWhatWaitsOrNamesOnTheConsoleWhatIsLost)
{
    for (const bool writable : {true, false}) {
        PutBack();
        LeaveWithAPrefabUnwritten();
        if (writable)
            PutBack();
        testing::internal::CaptureStderr();
        gSceneSystem->Shutdown();
        const std::string said = testing::internal::GetCapturedStderr();
        EXPECT_EQ(Written(), writable) << said;
        const std::string lost = "Editor: PrefabName.txt could not be written (";
        EXPECT_EQ(said.find(lost) != std::string::npos, !writable) << said;
        EXPECT_EQ(said.find("the prefabs made since it was last written are lost") != std::string::npos, !writable)
            << said;
        gSceneSystem->CreateScenes();
        gSceneSystem->ResetIds();
    }
}

}  // namespace
