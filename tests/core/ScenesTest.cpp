#include <gtest/gtest.h>
#include <imgui.h>

#include "CoreTestSupport.h"
#include "editor/Editor.h"
#include "engine/Camera.h"
#include "engine/SceneRequests.h"
#include "graphics/DebugDraw.h"
#include "graphics/Sprite.h"
#include "objects/GameObject.h"
#include "objects/ObjectList.h"
#include "objects/Transform.h"
#include "scenes/Cutscene.h"
#include "scenes/GameOver.h"
#include "scenes/Level.h"
#include "scenes/MainMenu.h"
#include "scenes/SplashScene.h"
#include "support/OwnInterface.h"
#include "support/TempResourceTree.h"

using namespace coretest;
using Framework::Keys::Escape;

namespace {

// Scenes run on copies of the shipped level files, with keys held by the test.
class ScenesTest : public KeyStateTest {
protected:
    void SetUp() override
    {
        KeyStateTest::SetUp();
        ResetSceneRequests();
        DestroyAll();
        gInputSystem->inputEnabled = true;
    }
    void TearDown() override
    {
        ResetSceneRequests();
        DestroyAll();
        *gCamera = Framework::Camera();
        KeyStateTest::TearDown();
    }

    static bool Loaded(const std::string& name) { return FindObjectByName(name) != nullptr; }

    static std::vector<std::string> Names()
    {
        std::vector<std::string> names;
        for (const auto& object : gGameObjects)
            names.push_back(object->name);
        return names;
    }

    std::shared_ptr<ProbeComponent> AddProbe(const std::string& name)
    {
        auto object = std::make_shared<GameObject>(name, 4, gObjectIdCounter);
        auto probe = std::make_shared<ProbeComponent>();
        object->components.push_back(probe);
        probe->SetOwner(object.get());
        AddObject(object);
        return probe;
    }

    // The shipped scene files; no save file unless a test writes one.
    testsupport::TempResourceTree tree{"level/SplashScreen.txt", "level/Main.txt", "level/Cutscene.txt",
                                       "level/Level1.txt", "level/GameOver.txt"};
    testsupport::OwnInterface ownInterface;  // for the test that makes the editor's
};

// Seconds of frames of `dt` until the splash asks for the menu (or `limit` passes).
float RunSplash(SplashScene& splash, float dt, float limit)
{
    float t = 0.0f;
    while (!gSplashFinished && t < limit) {
        splash.Update(dt);
        t += dt;
    }
    return t;
}

TEST_F(ScenesTest, SplashTakesEscapeOnlyFromTheSecondLogosFadeOut)
{
    SplashScene splash(0);
    splash.Load();
    splash.Init();
    ASSERT_TRUE(splash.firstLogo && splash.secondLogo);
    auto firstAlpha = [&] { return splash.firstLogo->GetComponent<Sprite>()->transparency; };
    auto secondAlpha = [&] { return splash.secondLogo->GetComponent<Sprite>()->transparency; };

    Press(Escape);  // held from the start: ignored, and its press is left for later
    RunSplash(splash, 0.1f, 4.95f);
    EXPECT_FLOAT_EQ(firstAlpha(), 1.0f);  // held opaque
    EXPECT_FLOAT_EQ(secondAlpha(), 0.0f);
    RunSplash(splash, 0.1f, 5.5f);         // first fades out, second fades in
    EXPECT_LT(firstAlpha(), 0.0f);
    EXPECT_GT(secondAlpha(), 1.0f);
    EXPECT_FALSE(gSplashFinished);
    EXPECT_TRUE(Armed(Escape));

    const float t = 10.5f + RunSplash(splash, 0.1f, 2.0f);
    EXPECT_TRUE(gSplashFinished);
    EXPECT_NEAR(t, 11.0f, 0.25f);
    EXPECT_TRUE(gGameObjects.empty());
}

TEST_F(ScenesTest, EscapeSkipsTheCutsceneOnItsFirstFrame)
{
    Cutscene cutscene(2);
    cutscene.Load();
    cutscene.Init();
    Press(Escape);
    cutscene.Update(0.016f);
    EXPECT_TRUE(gCutsceneFinished);
    EXPECT_TRUE(gGameObjects.empty());
}

TEST_F(ScenesTest, MainMenuKeepsEscapeToItself)
{
    MainMenu menu(1);
    menu.Load();
    menu.Init();
    Press(Escape);
    menu.Update(0.016f);
    EXPECT_FALSE(Armed(Escape));
    EXPECT_FALSE(gQuitFromMenu);
}

TEST_F(ScenesTest, LevelLoadsTheSaveOnlyWhenContinuingAndClearsTheFlagItActedOn)
{
    tree.WriteFile("resources/save/SaveData.txt",
                   "SaveData\n\nPlayer\n0\nNone\nEnd\n\nCamera\n10\nNone\nEnd\n\n/SaveData\n");
    Level level(3);

    gContinueGame = true;
    level.Load();
    EXPECT_FALSE(gContinueGame);
    EXPECT_EQ(Names(), (std::vector<std::string>{"Player", "Camera"}));

    DestroyAll();
    gNewGame = true;
    gContinueGame = true;
    level.Load();
    EXPECT_FALSE(gNewGame);
    EXPECT_TRUE(gContinueGame);
    EXPECT_FALSE(Loaded("SavedThing"));
    EXPECT_TRUE(Loaded("Camera"));
    EXPECT_TRUE(Loaded("Player"));
}

TEST_F(ScenesTest, ContinuingWithoutASaveStartsTheLevel)
{
    Level level(3);
    gContinueGame = true;
    level.Load();
    EXPECT_FALSE(gContinueGame);
    EXPECT_TRUE(Loaded("Camera"));
    EXPECT_TRUE(Loaded("Player"));
}

TEST_F(ScenesTest, HeldF9AsksTheLevelForTheMenu)
{
    Level level(3);
    level.Load();
    level.Init();
    level.Update(0.016f);
    EXPECT_FALSE(gLevelToMenu);
    Press(Framework::Keys::F9);
    level.Update(0.016f);
    EXPECT_TRUE(gLevelToMenu);
}

TEST_F(ScenesTest, InitSetsUpComponentsThenLinksChildrenAndTakesTheCamera)
{
    GameOver scene(8);
    scene.Load();  // the shipped file: just the camera at the origin
    auto parentProbe = AddProbe("Parent");
    auto childProbe = AddProbe("Child");
    gGameObjects.back()->parentName = "Parent";
    gCamera->position = Vector3(9.0f, 9.0f, 9.0f);

    scene.Init();
    EXPECT_EQ(parentProbe->inits, 1);
    EXPECT_EQ(childProbe->inits, 1);
    const auto parent = FindObjectByName("Parent");
    const auto child = FindObjectByName("Child");
    ASSERT_EQ(parent->children.size(), 1u);
    EXPECT_EQ(parent->children[0], child);
    EXPECT_EQ(child->GetParent(), parent);
    EXPECT_EQ(gCamera->GetPosition().x, 0.0f);
}

TEST_F(ScenesTest, ComponentWalkSurvivesAListThatGrowsOrEmpties)
{
    GameOver scene(8);
    auto spawner = AddProbe("Spawner");
    std::shared_ptr<ProbeComponent> spawned;
    spawner->onUpdate = [&] {
        for (int i = 0; i < 64; ++i)  // enough to move the list's storage
            spawned = AddProbe("Marker");
    };
    scene.Update(0.016f);
    EXPECT_EQ(gGameObjects.size(), 65u);
    EXPECT_EQ(spawned->updates, 0);  // new objects run from the next frame
    spawner->onUpdate = nullptr;
    scene.Update(0.016f);
    EXPECT_EQ(spawned->updates, 1);

    DestroyAll();
    auto destroyer = AddProbe("Destroyer");
    auto after = AddProbe("After");
    destroyer->onUpdate = [] { DestroyAll(); };
    scene.Update(0.016f);
    EXPECT_EQ(destroyer->updates, 1);
    EXPECT_EQ(after->updates, 0);
    EXPECT_TRUE(gGameObjects.empty());
}

TEST_F(ScenesTest, ComponentWalkFollowsWhatScriptsChangeDuringIt)
{
    GameOver scene(8);
    auto first = AddProbe("First");
    auto second = AddProbe("Second");
    auto third = AddProbe("Third");
    std::vector<std::string> order;
    first->onUpdate = [&] { order.push_back("First"); };
    second->onUpdate = [&] { order.push_back("Second"); };
    third->onUpdate = [&] { order.push_back("Third"); };
    // Frames after the first reuse what the walk learnt: each component once, in list order.
    for (int frame = 0; frame < 3; ++frame)
        scene.Update(0.016f);
    EXPECT_EQ(order, (std::vector<std::string>{"First", "Second", "Third", "First", "Second", "Third", "First",
                                               "Second", "Third"}));

    // A script that takes a later object's component away, gives it another, and swaps the two
    // objects after it: the rest of the frame runs on the list as it now is.
    auto given = std::make_shared<ProbeComponent>();
    auto gone = std::make_shared<ProbeComponent>();
    FindObjectByName("Third")->components.push_back(gone);
    gone->SetOwner(FindObjectByName("Third").get());
    scene.Update(0.016f);
    ASSERT_EQ(gone->updates, 1);
    order.clear();
    first->onUpdate = [&] {
        order.push_back("First");
        GameObject& thirdObject = *FindObjectByName("Third");
        thirdObject.RemoveComponent(gone);
        gone.reset();
        thirdObject.components.push_back(given);
        given->SetOwner(&thirdObject);
        gGameObjects.Change([](GameObjectList::Entries& slots) { std::swap(slots[1], slots[2]); });
        first->onUpdate = nullptr;
    };
    scene.Update(0.016f);
    EXPECT_EQ(order, (std::vector<std::string>{"First", "Third", "Second"}));
    EXPECT_EQ(given->updates, 1);
    scene.Update(0.016f);
    EXPECT_EQ(given->updates, 2);
    EXPECT_EQ(third->updates, 6);
}

TEST_F(ScenesTest, EditorMapsInterfaceKeysRunsScriptsOnlyInPlayModeOrWithF11AndEmptiesOnUnload)
{
    tree.WriteFile("resources/level/Test.txt", "Test\n\nRoom\n4\nNone\nEnd\n\n/Test\n");
    Editor editor(5);
    editor.levelName = "Test";
    if (!ImGui::GetCurrentContext())
        ImGui::CreateContext();  // the window system's, in the game
    editor.Load();
    editor.Init();
    EXPECT_EQ(Names(), (std::vector<std::string>{"Room", "Camera"}));
    // The interface's named keys answer to the codes the window system records.
    const ImGuiIO& io = ImGui::GetIO();
    EXPECT_EQ(io.KeyMap[ImGuiKey_Tab], 9);
    EXPECT_EQ(io.KeyMap[ImGuiKey_LeftArrow], 37);
    EXPECT_EQ(io.KeyMap[ImGuiKey_PageUp], 33);
    EXPECT_EQ(io.KeyMap[ImGuiKey_Delete], 46);
    EXPECT_EQ(io.KeyMap[ImGuiKey_Escape], 27);

    auto probe = AddProbe("Script");
    editor.Update(0.016f);
    EXPECT_EQ(probe->updates, 0);
    Press(Framework::Keys::F11);
    editor.Update(0.016f);
    EXPECT_EQ(probe->updates, 1);
    Release(Framework::Keys::F11);

    Press(Framework::Keys::F12);
    editor.Update(0.016f);
    editor.Update(0.016f);  // still held: one switch only
    EXPECT_TRUE(editor.playMode);
    EXPECT_EQ(probe->updates, 3);

    gDebugDraw->lineVertices.push_back(Vector3());
    editor.Unload();
    EXPECT_TRUE(gGameObjects.empty());
    EXPECT_TRUE(gDebugDraw->lineVertices.empty());
}

}  // namespace
