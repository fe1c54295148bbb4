// The splash, the title menu, the intro and the game-over screen, stepped headless.
#include <gtest/gtest.h>

#include <cmath>

#include "engine/InputSystem.h"
#include "engine/KeyTable.h"
#include "engine/Scene.h"
#include "engine/SceneRequests.h"
#include "engine/SceneSystem.h"
#include "graphics/Sprite.h"
#include "objects/GameObject.h"
#include "objects/ObjectList.h"
#include "support/GameplayHarness.h"

using namespace testsupport;
using Framework::Keys::Escape;
using Framework::Keys::MouseLeft;

namespace {

class MenuScenesTest : public GameplayHarness {
protected:
    void SetUp() override
    {
        GameplayHarness::SetUp();
        for (const char* name : {"SplashScreen", "Main", "Cutscene", "GameOver", "Ending"})
            UseShippedLevelFile(name);
    }
    int Scene() const { return gSceneSystem->currentScene; }
    void Click()
    {
        Press(MouseLeft);
        Step();
        Release(MouseLeft);
        Step();
    }
    int Frame(const std::string& name) const { return Object(name)->GetComponent<Sprite>()->currentFrame; }
};

TEST_F(MenuScenesTest, TheSplashRunsAboutFourteenSecondsAndTakesEscapeOnlyAtTheEnd)
{
    EnterScene(SceneId::Splash);
    Press(Escape);
    StepSeconds(1.0f);
    Release(Escape);
    StepSeconds(9.0f);
    EXPECT_EQ(Scene(), SceneId::Splash) << "Escape is ignored before the second logo fades out";
    float seconds = 10.0f;
    while (Scene() == SceneId::Splash && seconds < 20.0f) {
        Step();
        seconds += kDt;
    }
    EXPECT_NEAR(seconds, 14.0f, 0.2f);
    EXPECT_EQ(Scene(), SceneId::MainMenu);
}

TEST_F(MenuScenesTest, TheMenuHighlightsSoundsOncePerEntryAndStartsTheIntro)
{
    EnterScene(SceneId::MainMenu);
    EXPECT_EQ(CountPlays("main_menu"), 1) << "the menu music starts";
    soundsPlayed.clear();
    PointMouseAtWorld(0.0f, 100.0f);  // the start button's centre
    Step(5);
    EXPECT_EQ(Frame("ButtonStart"), 1);
    EXPECT_EQ(CountPlays("menu_select"), 1);
    PointMouseAtWorld(0.0f, 100.0f + 64.0f);  // its top edge still counts
    Step();
    EXPECT_EQ(CountPlays("menu_select"), 1);
    PointMouseAtWorld(700.0f, 400.0f);
    Step();
    EXPECT_EQ(Frame("ButtonStart"), 0);
    PointMouseAtWorld(0.0f, 100.0f);
    Step();
    EXPECT_EQ(CountPlays("menu_select"), 2);

    Click();
    EXPECT_EQ(Scene(), SceneId::Cutscene);
    EXPECT_EQ(CountPlays("menu_accept"), 1);
}

TEST_F(MenuScenesTest, APanelBlocksTheButtonsUntilEscapeAndNeverOutlivesTheVisit)
{
    EnterScene(SceneId::MainMenu);
    PointMouseAtWorld(0.0f, -35.0f);  // credits
    Step();
    Click();
    EXPECT_EQ(Object("Credits")->GetComponent<Sprite>()->transparency, 1.0f);
    PointMouseAtWorld(0.0f, 100.0f);
    Click();
    EXPECT_EQ(Scene(), SceneId::MainMenu) << "clicks are ignored behind a panel";

    // Leaving with the panel up, then coming back: the menu works at once.
    EnterScene(SceneId::GameOver);
    EnterScene(SceneId::MainMenu);
    PointMouseAtWorld(0.0f, 100.0f);
    Step();
    Click();
    EXPECT_EQ(Scene(), SceneId::Cutscene);
}

TEST_F(MenuScenesTest, EscapeClosesEitherPanelAndQuitEndsTheProgram)
{
    EnterScene(SceneId::MainMenu);
    PointMouseAtWorld(0.0f, -170.0f);  // how to play
    Step();
    Click();
    EXPECT_EQ(Object("HTP")->GetComponent<Sprite>()->transparency, 1.0f);
    Press(Escape);
    Step();
    Release(Escape);
    EXPECT_EQ(Object("HTP")->GetComponent<Sprite>()->transparency, 0.0f);
    EXPECT_FALSE(gQuitFromMenu);

    PointMouseAtWorld(0.0f, -305.0f);  // quit
    Step();
    Click();
    EXPECT_TRUE(gQuitFromMenu);
}

TEST_F(MenuScenesTest, TheIntroRunsAboutTwentySixSecondsOrUntilEscape)
{
    EnterScene(SceneId::Cutscene);
    EXPECT_EQ(CountPlays("intro"), 1);
    float seconds = 0.0f;
    while (Scene() == SceneId::Cutscene && seconds < 40.0f) {
        Step();
        seconds += kDt;
    }
    EXPECT_NEAR(seconds, 26.0f, 0.2f);
    EXPECT_EQ(Scene(), SceneId::Level);

    EnterScene(SceneId::Cutscene);
    Press(Escape);
    Step(2);
    EXPECT_EQ(Scene(), SceneId::Level) << "Escape skips at once";
    Release(Escape);
    EnterScene(SceneId::Cutscene);
    StepSeconds(1.0f);
    EXPECT_EQ(Scene(), SceneId::Cutscene) << "the next visit plays from the start";
}

TEST_F(MenuScenesTest, EachGameOverButtonSetsOnlyItsOwnRequest)
{
    const struct {
        float x;
        int scene;
    } buttons[] = {{-560.0f, SceneId::Level}, {0.0f, SceneId::Level}, {560.0f, SceneId::MainMenu}};
    for (const auto& button : buttons) {
        tree->WriteFile("resources/level/Level1.txt", "Level1\n\nCamera\n10\nNone\nEnd\n\n/Level1\n");
        EnterScene(SceneId::GameOver);
        EXPECT_EQ(CountPlays("game_overPlaceHolder"), 1);
        soundsPlayed.clear();
        PointMouseAtWorld(button.x, -380.0f);
        Step();
        EXPECT_EQ(CountPlays("menu_select"), 1);
        Click();
        EXPECT_EQ(Scene(), button.scene);
        EXPECT_FALSE(gContinueGame || gNewGame || gGameOverToMenu) << "the flag was acted on and cleared";
        soundsPlayed.clear();
    }
}

TEST_F(MenuScenesTest, ContinueWithoutAUsableSaveStartsTheFirstLevel)
{
    tree->WriteFile("resources/level/Level1.txt",
                    "Level1\n\nCamera\n10\nNone\nEnd\n\nFirstRoom\n4\nNone\nEnd\n\n/Level1\n");
    for (const char* save : {"", "SaveData\n\nBroken\n4\nNone\nNotAComponent\n"}) {
        if (*save)
            tree->WriteFile("resources/save/SaveData.txt", save);
        EnterScene(SceneId::GameOver);
        PointMouseAtWorld(-560.0f, -380.0f);
        Step();
        Click();
        EXPECT_EQ(Scene(), SceneId::Level);
        EXPECT_TRUE(Object("FirstRoom")) << "save: \"" << save << "\"";
        EXPECT_FALSE(Object("Broken"));
    }
}

TEST_F(MenuScenesTest, ContinueFromAnUnreadableSaveSaysSoInTheLevelNamingTheKeptCopy)
{
    tree->WriteFile("resources/level/Level1.txt", "Level1\n\nCamera\n10\nNone\nEnd\n\n/Level1\n");
    const auto notice = [] { return gSceneSystem->GetCurrentScene()->Notice(); };
    const auto continueGame = [&] {
        EnterScene(SceneId::GameOver);
        PointMouseAtWorld(-560.0f, -380.0f);
        Step();
        Click();
        return notice();
    };
    EXPECT_EQ(continueGame(), "") << "no save: nothing new to say";
    tree->WriteFile("resources/save/SaveData.txt.broken", "an earlier break");
    tree->WriteFile("resources/save/SaveData.txt", "SaveData\n\nBroken\n4\nNone\nNotAComponent\n");
    const std::string told = continueGame();
    EXPECT_NE(told.find("new game"), std::string::npos) << told;
    EXPECT_NE(told.find("kept as\n../resources/save/SaveData.txt.broken2"), std::string::npos) << told;
    StepSeconds(8.0f);
    EXPECT_EQ(notice(), told) << "time to read it";
    EXPECT_TRUE(StepUntil([&] { return notice().empty(); }, 5.0f)) << "then it leaves the play alone";
    EnterLevel(false);
    EXPECT_EQ(notice(), "") << "a new game says nothing";
}

TEST_F(MenuScenesTest, ALevelOrSaveGoingOnAfterItsEndLineIsToldSoNotAsUnread)
{
    const std::string level = "Level1\n\nCamera\n10\nNone\nEnd\n\n/Level1\n";
    tree->WriteFile("resources/level/Level1.txt", level + "Later\n4\nNone\nEnd\n\n/Level1\n");
    EnterScene(SceneId::Level);
    const std::string told = gSceneSystem->GetCurrentScene()->Notice();
    EXPECT_NE(told.find("goes on after its end line;\nit was read up to it"), std::string::npos) << told;
    EXPECT_EQ(told.find("Could not read"), std::string::npos) << told;

    tree->WriteFile("resources/level/Level1.txt", level);
    tree->WriteFile("resources/save/SaveData.txt", "SaveData\n\nCamera\n10\nNone\nEnd\n\n/SaveData\nMore\n");
    EnterScene(SceneId::GameOver);
    PointMouseAtWorld(-560.0f, -380.0f);  // Continue
    Step();
    Click();
    const std::string save = gSceneSystem->GetCurrentScene()->Notice();
    EXPECT_NE(save.find("SaveData.txt\ngoes on after its end line.\nA new game began"), std::string::npos) << save;
}

// Behind the pause menu it waits; a frame of no known length does not keep it up for good.
TEST_F(MenuScenesTest, TheUnreadableSaveNoticeCountsOnlyWhileTheLevelRuns)
{
    tree->WriteFile("resources/level/Level1.txt", "Level1\n\nCamera\n10\nNone\nEnd\n\n/Level1\n");
    tree->WriteFile("resources/save/SaveData.txt", "SaveData\n\nBroken\n4\nNone\nNotAComponent\n");
    EnterLevel(true);
    ::Scene& level = *gSceneSystem->GetCurrentScene();
    const std::string told = level.Notice();
    ASSERT_NE(told, "");
    Press(Escape);
    StepSeconds(15.0f);
    EXPECT_EQ(level.Notice(), told) << "not counted while paused";
    Release(Escape);
    Step();
    Press(Escape);
    Step();
    level.Update(std::nanf(""));
    StepSeconds(8.0f);
    EXPECT_EQ(level.Notice(), told);
    EXPECT_TRUE(StepUntil([&] { return level.Notice().empty(); }, 5.0f));
}

TEST_F(MenuScenesTest, TheEndingFinishesEvenWhenItsLastPictureCannotRise)
{
    EnterScene(SceneId::Ending);
    EXPECT_EQ(CountPlays("ending"), 1);
    EXPECT_TRUE(StepUntil([&] { return Scene() == SceneId::MainMenu; }, 120.0f)) << "the shipped ending finishes";

    // Without its last picture the watchdog still ends it.
    tree->WriteFile("resources/level/Ending.txt", "Ending\n\nCamera\n10\nNone\nEnd\n\n/Ending\n");
    EnterScene(SceneId::Ending);
    EXPECT_TRUE(StepUntil([&] { return Scene() == SceneId::MainMenu; }, 120.0f));
}

}  // namespace
