#include <gtest/gtest.h>

#include <limits>

#include "CoreTestSupport.h"
#include "engine/Camera.h"
#include "engine/SceneRequests.h"
#include "engine/WindowSystem.h"
#include "objects/TransformContext.h"
#include "engine/SceneSystem.h"
#include "objects/GameObject.h"
#include "objects/ObjectList.h"
#include "objects/Transform.h"

using namespace coretest;
using Framework::Keys::F5;
using Framework::Keys::F6;
using Framework::Keys::LeftShift;

namespace {

// Drives the global scene system (the frame set-up and gameplay reach it through gSceneSystem)
// with fake scenes under the game's ids.
class SceneSystemTest : public KeyStateTest {
protected:
    void SetUp() override
    {
        KeyStateTest::SetUp();
        foundScenes = gSceneSystem->scenes;
        foundPaused = gSceneSystem->paused;
        foundInputEnabled = gInputSystem->inputEnabled;
        ResetSceneRequests();
        DestroyAll();
        for (int id : {0, 1, 2, 3, 5, 8, 9, 12}) {
            fakes[id] = std::make_shared<FakeScene>(id, log);
            gSceneSystem->scenes[id] = fakes[id];
        }
        gSceneSystem->ResetIds();
        gSceneSystem->paused = false;
        gInputSystem->inputEnabled = true;
    }
    // What the tests change is put back: a test that pauses or disables input would otherwise
    // hold up the next one's scenes.
    void TearDown() override
    {
        gSceneSystem->scenes = foundScenes;
        gSceneSystem->ResetIds();
        gSceneSystem->paused = foundPaused;
        gInputSystem->inputEnabled = foundInputEnabled;
        ResetSceneRequests();
        DestroyAll();
        KeyStateTest::TearDown();
    }

    // Enters scene `id` (a write to nextScene between frames acts like a request) and clears
    // the log.
    void EnterScene(int id)
    {
        gSceneSystem->Update(0.01f);
        if (id != 0) {
            gSceneSystem->nextScene = id;
            gSceneSystem->Update(0.01f);
            gSceneSystem->Update(0.01f);
        }
        ASSERT_EQ(gSceneSystem->currentScene, id);
        ASSERT_EQ(gSceneSystem->previousScene, id);
        log.clear();
    }

    CallLog log;
    std::map<int, std::shared_ptr<FakeScene>> fakes;
    std::map<int, std::shared_ptr<Scene>> foundScenes;
    bool foundPaused = false;
    bool foundInputEnabled = true;
};

TEST_F(SceneSystemTest, FirstUpdateEntersTheSplashAndLaterUpdatesOnlyRunIt)
{
    gSceneSystem->Update(0.5f);
    EXPECT_EQ(log, (CallLog{"0.Load", "0.Init", "0.Update"}));
    EXPECT_EQ(fakes[0]->draws, 1);
    log.clear();
    gSceneSystem->Update(0.25f);
    EXPECT_EQ(log, (CallLog{"0.Update"}));
    EXPECT_EQ(fakes[0]->dts, (std::vector<float>{0.5f, 0.25f}));
}

TEST_F(SceneSystemTest, AFlagSetDuringTheUpdateSwitchesOverTwoFrames)
{
    EnterScene(0);
    fakes[0]->onUpdate = [] { gSplashFinished = true; };
    gSceneSystem->Update(0.01f);
    EXPECT_EQ(log, (CallLog{"0.Update", "0.Unload"}));
    EXPECT_FALSE(gSplashFinished);
    EXPECT_EQ(gSceneSystem->currentScene, 1);

    log.clear();
    gSceneSystem->Update(0.02f);
    EXPECT_EQ(log, (CallLog{"1.Load", "1.Init", "1.Update"}));
}

TEST_F(SceneSystemTest, RequestPrecedenceLastMatchWins)
{
    EnterScene(3);
    // The death sequence writes 8 while F9 is held: the main menu wins.
    fakes[3]->onUpdate = [] {
        gSceneSystem->nextScene = 8;
        gLevelToMenu = true;
    };
    gSceneSystem->Update(0.01f);
    EXPECT_EQ(gSceneSystem->currentScene, 1);

    gSceneSystem->Update(0.01f);
    fakes[1]->onUpdate = [] {
        gSplashFinished = true;
        gStartGame = true;
    };
    gSceneSystem->Update(0.01f);
    EXPECT_EQ(gSceneSystem->currentScene, 2);

    gSceneSystem->Update(0.01f);
    fakes[2]->onUpdate = [] {
        gStartGame = true;
        gCutsceneFinished = true;
        gContinueGame = true;
    };
    gSceneSystem->Update(0.01f);
    EXPECT_EQ(gSceneSystem->currentScene, 3);
    EXPECT_FALSE(gCutsceneFinished);
    EXPECT_FALSE(gStartGame);
    EXPECT_TRUE(gContinueGame);  // the level's Load reads and clears it
}

TEST_F(SceneSystemTest, ShiftF5AndF6InOneFrameGoToTheMainMenu)
{
    EnterScene(3);
    Press(LeftShift);
    Press(F5);
    Press(F6);
    gSceneSystem->Update(0.01f);
    EXPECT_EQ(gSceneSystem->currentScene, 1);
    EXPECT_FALSE(Armed(F5));
    EXPECT_FALSE(Armed(F6));
}

TEST_F(SceneSystemTest, ShiftF5InTheEditorChangesNothingButTakesThePress)
{
    EnterScene(5);
    Press(LeftShift);
    Press(F5);
    gSceneSystem->Update(0.01f);
    EXPECT_EQ(log, (CallLog{"5.Update"}));
    EXPECT_EQ(gSceneSystem->currentScene, 5);
    EXPECT_FALSE(Armed(F5));
}

TEST_F(SceneSystemTest, SceneKeysNeedShiftAndEnabledInput)
{
    EnterScene(3);
    Press(F5);
    gSceneSystem->Update(0.01f);
    EXPECT_EQ(gSceneSystem->currentScene, 3);

    Press(LeftShift);
    gInputSystem->inputEnabled = false;
    gSceneSystem->Update(0.01f);
    EXPECT_EQ(gSceneSystem->currentScene, 3);
    EXPECT_TRUE(Armed(F5));

    gInputSystem->inputEnabled = true;
    gSceneSystem->Update(0.01f);
    EXPECT_EQ(gSceneSystem->nextScene, 5);
}

TEST_F(SceneSystemTest, IdSixReentersTheCurrentSceneWithoutUnloadOrLoad)
{
    EnterScene(3);
    fakes[3]->onUpdate = [] { gSceneSystem->nextScene = 6; };
    gSceneSystem->Update(0.01f);
    EXPECT_EQ(log, (CallLog{"3.Update"}));
    EXPECT_EQ(gSceneSystem->currentScene, 6);

    fakes[3]->onUpdate = nullptr;
    log.clear();
    gSceneSystem->Update(0.01f);
    EXPECT_EQ(log, (CallLog{"3.Init", "3.Update"}));
    EXPECT_EQ(gSceneSystem->currentScene, 3);
}

TEST_F(SceneSystemTest, IdSevenUnloadsAndStopsAllSceneWork)
{
    EnterScene(3);
    fakes[3]->onUpdate = [] { gSceneSystem->nextScene = 7; };
    gSceneSystem->Update(0.01f);
    EXPECT_EQ(log, (CallLog{"3.Update", "3.Unload"}));

    log.clear();
    gSplashFinished = true;
    for (int i = 0; i < 3; ++i)
        gSceneSystem->Update(0.01f);
    EXPECT_TRUE(log.empty());
    EXPECT_TRUE(gSplashFinished);  // nobody polls any more
    gSceneSystem->Shutdown();
    EXPECT_TRUE(log.empty());
}

TEST_F(SceneSystemTest, ARequestForAnIdWithoutASceneIsIgnored)
{
    EnterScene(3);
    fakes[3]->onUpdate = [] { gSceneSystem->nextScene = 4; };
    gSceneSystem->Update(0.01f);
    EXPECT_EQ(log, (CallLog{"3.Update"}));
    EXPECT_EQ(gSceneSystem->currentScene, 3);
    EXPECT_EQ(gSceneSystem->nextScene, 3);
}

TEST_F(SceneSystemTest, PausedSceneGetsZeroDtButTheFrameStillRuns)
{
    EnterScene(3);
    gSceneSystem->paused = true;
    gStartGame = true;
    gSceneSystem->Update(0.5f);
    EXPECT_EQ(fakes[3]->dts.back(), 0.0f);
    EXPECT_EQ(gSceneSystem->currentScene, 2);
}

TEST_F(SceneSystemTest, ShutdownUnloadsOnlyASceneThatWasEntered)
{
    EnterScene(3);
    gSceneSystem->Shutdown();
    EXPECT_EQ(log, (CallLog{"3.Unload", "3.Shutdown"}));

    // Mid-switch: the old scene is gone already and the new one was never loaded.
    log.clear();
    gStartGame = true;
    gSceneSystem->Update(0.01f);
    log.clear();
    gSceneSystem->Shutdown();
    EXPECT_TRUE(log.empty());

    // Waiting to re-enter (id 6): the scene still holds its objects.
    gSceneSystem->Update(0.01f);
    fakes[2]->onUpdate = [] { gSceneSystem->nextScene = 6; };
    gSceneSystem->Update(0.01f);
    log.clear();
    gSceneSystem->Shutdown();
    EXPECT_EQ(log, (CallLog{"2.Unload", "2.Shutdown"}));
}

std::shared_ptr<GameObject> MakeObject(const std::string& name, bool withTransform, float z)
{
    auto object = std::make_shared<GameObject>(name, 4, gObjectIdCounter);
    if (withTransform)
        object->AddComponent(std::make_shared<Transform>(0.0f, 0.0f, z, 1.0f, 1.0f), 0);
    AddObject(object);
    return object;
}

TEST_F(SceneSystemTest, DepthSortIsStableAndCountsObjectsWithoutTransformAsZero)
{
    MakeObject("high", true, 3.0f);
    MakeObject("first1", true, 1.0f);
    MakeObject("bare", false, 0.0f);
    MakeObject("below", true, -1.0f);
    MakeObject("second1", true, 1.0f);
    MakeObject("zero", true, 0.0f);
    MakeObject("nan", true, std::numeric_limits<float>::quiet_NaN());

    EnterScene(0);  // the update sorts the list
    std::vector<std::string> order;
    for (const auto& object : gGameObjects)
        order.push_back(object->name);
    EXPECT_EQ(order, (std::vector<std::string>{"below", "bare", "zero", "nan", "first1", "second1", "high"}));
}

TEST(SceneSystemScenes, InitConnectsMouseTrackingToTheLiveEngineState)
{
    gSceneSystem->Init();
    TransformContext& context = GetTransformContext();
    gWindowSystem->width = 1234;
    gSceneSystem->currentScene = SceneId::Editor;
    EXPECT_EQ(context.windowWidth(), 1234);
    EXPECT_TRUE(context.isEditorScene());
    gSceneSystem->currentScene = SceneId::Level;
    EXPECT_FALSE(context.isEditorScene());
    gCamera->position = Vector3(4.0f, 5.0f, 0.0f);
    EXPECT_EQ(context.cameraPosition().y, 5.0f);

    ResetTransformContext();
    gSceneSystem->scenes.clear();
    gSceneSystem->ResetIds();
    gWindowSystem->width = 1920;
    *gCamera = Framework::Camera();
}

TEST(SceneSystemScenes, EveryGameSceneIsCreatedUnderItsId)
{
    Framework::SceneSystem system;
    system.CreateScenes();
    std::vector<int> ids;
    for (const auto& [id, scene] : system.scenes) {
        ids.push_back(id);
        ASSERT_TRUE(scene);
        EXPECT_EQ(scene->GetId(), id);
    }
    EXPECT_EQ(ids, (std::vector<int>{0, 1, 2, 3, 5, 8, 9, 12}));
}

}  // namespace
