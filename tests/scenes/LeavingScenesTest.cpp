// Scenes that empty themselves from inside their own update (a skip, a button, the end of the
// show): from that moment the update touches none of the objects it destroyed, and the scene
// keeps none of them. The sanitizer build runs these too, where a read of a freed sprite stops
// the test.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "engine/KeyTable.h"
#include "engine/SceneRequests.h"
#include "engine/SceneSystem.h"
#include "objects/GameObject.h"
#include "objects/ObjectList.h"
#include "support/GameplayHarness.h"

using namespace testsupport;
using Framework::Keys::Escape;

namespace {

class LeavingScenesTest : public GameplayHarness {
protected:
    void SetUp() override
    {
        GameplayHarness::SetUp();
        for (const char* name : {"SplashScreen", "Main", "Cutscene", "GameOver", "Ending"})
            UseShippedLevelFile(name);
        tree->WriteFile("resources/level/Level1.txt", "Level1\n\nCamera\n10\nNone\nEnd\n\n/Level1\n");
    }
    int Scene() const { return gSceneSystem->currentScene; }

    // Every object the current scene holds, watched without keeping it.
    void Watch()
    {
        watched.clear();
        for (const auto& object : gGameObjects)
            watched.push_back(object);
        ASSERT_FALSE(watched.empty());
    }
    int StillAlive() const
    {
        int alive = 0;
        for (const auto& object : watched)
            alive += object.expired() ? 0 : 1;
        return alive;
    }

    std::vector<std::weak_ptr<GameObject>> watched;
};

TEST_F(LeavingScenesTest, EscapeInTheSplashsLastSecondsLeavesNothingOfItBehind)
{
    EnterScene(SceneId::Splash);
    Watch();
    // Escape counts from the second logo's fade-out on: wait until it starts to fade.
    float before = Alpha("Tallowin");
    ASSERT_TRUE(StepUntil(
        [&] {
            const float now = Alpha("Tallowin");
            const bool fading = now < before;
            before = now;
            return fading;
        },
        20.0f));
    Press(Escape);
    Step();
    EXPECT_EQ(Scene(), SceneId::MainMenu);
    EXPECT_EQ(StillAlive(), 0);
    Release(Escape);
    Step();
    EXPECT_TRUE(FindObjectByName("ButtonStart")) << "the menu loads";
}

TEST_F(LeavingScenesTest, TheSplashEndingByItselfLeavesNothingBehind)
{
    EnterScene(SceneId::Splash);
    Watch();
    ASSERT_TRUE(StepUntil([&] { return Scene() == SceneId::MainMenu; }, 20.0f));
    EXPECT_EQ(StillAlive(), 0);
}

TEST_F(LeavingScenesTest, MenuButtonsThatLeaveLetGoOfEveryObject)
{
    EnterScene(SceneId::MainMenu);
    Watch();
    ClickAtWorld(0.0f, 100.0f);  // start
    EXPECT_EQ(Scene(), SceneId::Cutscene);
    EXPECT_EQ(StillAlive(), 0);

    EnterScene(SceneId::MainMenu);
    Watch();
    ClickAtWorld(0.0f, -305.0f);  // quit
    EXPECT_TRUE(gQuitFromMenu);
    EXPECT_EQ(StillAlive(), 0);
}

TEST_F(LeavingScenesTest, EveryGameOverChoiceLetsGoOfEveryObject)
{
    for (const float x : {-560.0f, 0.0f, 560.0f}) {
        EnterScene(SceneId::GameOver);
        Watch();
        ClickAtWorld(x, -380.0f);
        EXPECT_NE(Scene(), SceneId::GameOver) << "button at " << x;
        EXPECT_EQ(StillAlive(), 0) << "button at " << x;
    }
}

TEST_F(LeavingScenesTest, TheIntroSkippedAndTheEndingRunOutLeaveNothingBehind)
{
    EnterScene(SceneId::Cutscene);
    Watch();
    StepSeconds(2.0f);
    Press(Escape);
    Step();
    Release(Escape);
    EXPECT_EQ(Scene(), SceneId::Level);
    EXPECT_EQ(StillAlive(), 0);

    EnterScene(SceneId::Ending);
    Watch();
    ASSERT_TRUE(StepUntil([&] { return Scene() == SceneId::MainMenu; }, 120.0f));
    EXPECT_EQ(StillAlive(), 0);
}

}  // namespace
