#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <sstream>

#include "CoreTestSupport.h"
#include "support/TempResourceTree.h"
#include "ai/PathFindingSystem.h"
#include "audio/AudioSystem.h"
#include "engine/Core.h"
#include "engine/FrameLoop.h"
#include "engine/LoggingSystem.h"
#include "engine/SceneSystem.h"
#include "graphics/GraphicsSystem.h"
#include "graphics/TextureSystem.h"
#include "physics/Physics.h"

using namespace coretest;
using namespace std::chrono_literals;
using Framework::Keys::Escape;
using Framework::Keys::F10;
using Framework::Keys::LeftCtrl;

namespace {

class FrameLoopTest : public KeyStateTest {
protected:
    void SetUp() override
    {
        KeyStateTest::SetUp();
        clock = Core::Clock::time_point{} + 1000s;
        core.lastTime = clock;
        core.currentTime = clock;
        services.now = [this] { return clock; };
        services.sleepFor = [this](std::chrono::nanoseconds d) {
            sleeps.push_back(d);
            clock += d;
        };
        services.clearScreen = [this] { ++clears; };
        services.swapBuffers = [this] { ++swaps; };
        services.isKeyDown = [this](int key) { return input->IsKeyDown(key); };
        services.isKeyTriggered = [this](int key) { return input->IsKeyTriggered(key); };
        services.setFullscreen = [this](bool wanted) { fullscreenRequests.push_back(wanted); };
        services.quitRequested = [this] { return quitAfterFrames >= 0 && swaps >= quitAfterFrames; };
    }

    std::shared_ptr<FakeSystem> Add(const std::string& name)
    {
        auto system = std::make_shared<FakeSystem>(name, log);
        core.systems.push_back(system);
        return system;
    }

    // A list shaped like the game's: a scene-like system that may take Escape, then the input
    // system that re-arms released keys.
    std::shared_ptr<FakeSystem> AddSceneAndInput()
    {
        auto scene = Add("Scene");
        core.systems.push_back(input);
        return scene;
    }

    CallLog log;
    Core core;
    std::shared_ptr<Framework::InputSystem> input = std::make_shared<Framework::InputSystem>();
    FrameServices services;
    Core::Clock::time_point clock;
    std::vector<std::chrono::nanoseconds> sleeps;
    std::vector<bool> fullscreenRequests;
    int clears = 0;
    int swaps = 0;
    int quitAfterFrames = -1;
    bool fullscreen = true;
};

TEST_F(FrameLoopTest, InitAndUpdateInListOrderShutdownInReverseThenListEmpty)
{
    Add("A");
    Add("B");
    Add("C");
    quitAfterFrames = 2;

    EXPECT_EQ(RunEngine(core, services, fullscreen), 0);

    const CallLog expected = {"A.Init",   "B.Init",   "C.Init",     "A.Update",   "B.Update",  "C.Update",
                              "A.Update", "B.Update", "C.Update",   "C.Shutdown", "B.Shutdown", "A.Shutdown"};
    EXPECT_EQ(log, expected);
    EXPECT_TRUE(core.systems.empty());
    EXPECT_EQ(clears, 2);
    // Fullscreen is asked for after every frame, and windowed mode once the loop ends.
    EXPECT_EQ(fullscreenRequests, (std::vector<bool>{true, true, false}));
}

TEST_F(FrameLoopTest, CoreListsTheNineGameSystemsInTheirFixedOrder)
{
    Core game;
    game.Initialize();
    std::vector<std::string> names;
    for (const auto& system : game.systems)
        names.push_back(system->GetName());
    EXPECT_EQ(names, (std::vector<std::string>{"LoggingSystem", "Window System", "Graphics System",
                                               "Texture System", "Physics System", "Input System",
                                               "Audio System", "Scene System", "PathFinding System"}));
    EXPECT_GE(game.systems.capacity(), 10u);
}

TEST_F(FrameLoopTest, FailedStartUpShutsDownWhatStartedReportsAndExitsNonZero)
{
    testsupport::TempResourceTree tree({});
    gLoggingSystem->Init();

    Add("A");
    Add("B")->throwOnInit = true;
    Add("C");
    quitAfterFrames = 5;

    EXPECT_NE(RunEngine(core, services, fullscreen), 0);
    EXPECT_EQ(log, (CallLog{"A.Init", "B.Init", "B.Shutdown", "A.Shutdown"}));
    EXPECT_EQ(swaps, 0);
    EXPECT_TRUE(core.systems.empty());

    gLoggingSystem->logFile.Close();
    const std::string logText = tree.ReadFile("logs/.txt");
    EXPECT_NE(logText.find("B: broken part"), std::string::npos) << logText;
}

TEST_F(FrameLoopTest, ErrorDuringAFrameStillShutsEverythingDown)
{
    Add("A");
    Add("B")->onUpdate = [] { throw std::runtime_error("bad frame"); };
    quitAfterFrames = 3;
    EXPECT_NE(RunEngine(core, services, fullscreen), 0);
    EXPECT_EQ(log.back(), "A.Shutdown");
    EXPECT_EQ(log[log.size() - 2], "B.Shutdown");
    EXPECT_EQ(fullscreenRequests.back(), false);
}

TEST_F(FrameLoopTest, DtComesFromTheClockAndShortFramesAreStretchedToASixtieth)
{
    auto work = Add("Work");
    auto cost = 5ms;
    work->onUpdate = [&] { clock += cost; };
    clock += 250ms;  // Init and start-up: the first dt covers them

    ASSERT_TRUE(RunFrame(core, services, fullscreen));
    EXPECT_FLOAT_EQ(work->dts[0], 0.25f);
    ASSERT_EQ(sleeps.size(), 1u);
    EXPECT_EQ(sleeps[0], kMinFrameTime - 5ms);

    cost = 30ms;  // a slow frame is not slept after
    ASSERT_TRUE(RunFrame(core, services, fullscreen));
    EXPECT_NEAR(work->dts[1], 1.0f / 60.0f, 1e-6f);
    EXPECT_EQ(sleeps.size(), 1u);

    ASSERT_TRUE(RunFrame(core, services, fullscreen));
    EXPECT_NEAR(work->dts[2], 0.030f, 1e-6f);
}

TEST_F(FrameLoopTest, StartUpTimeIsNotTheFirstFramesDt)
{
    // Systems that take seconds to start (pictures, sounds): the first frame still gets only its
    // own time, so nothing timed from the first frame (the splash) loses the start-up.
    auto slow = Add("Slow");
    slow->onInit = [&] { clock += 3s; };
    quitAfterFrames = 2;
    EXPECT_EQ(RunEngine(core, services, fullscreen), 0);
    ASSERT_EQ(slow->dts.size(), 2u);
    EXPECT_LT(slow->dts[0], 1.0f / 60.0f + 1e-6f);
    EXPECT_NEAR(slow->dts[1], 1.0f / 60.0f, 1e-6f);
}

TEST_F(FrameLoopTest, CtrlEscapeQuitsAtOnceInWindowedMode)
{
    // The input system reads and writes its key files.
    testsupport::TempResourceTree tree{"SerializedKeys.txt", "KeyboardActionMap.txt"};
    AddSceneAndInput();
    Press(LeftCtrl);
    Press(Escape);
    quitAfterFrames = 100;

    EXPECT_EQ(RunEngine(core, services, fullscreen), 0);
    EXPECT_EQ(swaps, 1);
    ASSERT_GE(fullscreenRequests.size(), 2u);
    EXPECT_EQ(fullscreenRequests[0], true);
    EXPECT_EQ(fullscreenRequests[1], false);
}

TEST_F(FrameLoopTest, EscapeTakenByTheSceneInTheSameFrameDoesNotQuit)
{
    auto scene = AddSceneAndInput();
    scene->onUpdate = [this] { input->IsKeyTriggered(Escape); };
    Press(LeftCtrl);
    Press(Escape);

    for (int frame = 0; frame < 3; ++frame)
        EXPECT_TRUE(RunFrame(core, services, fullscreen)) << frame;
}

TEST_F(FrameLoopTest, EscapeAloneIsLeftToTheScenes)
{
    AddSceneAndInput();
    Press(Escape);
    EXPECT_TRUE(RunFrame(core, services, fullscreen));
    EXPECT_TRUE(Armed(Escape));
}

TEST_F(FrameLoopTest, F10FlipsTheWantedModeOncePerPress)
{
    AddSceneAndInput();
    Press(F10);
    for (int frame = 0; frame < 3; ++frame)
        RunFrame(core, services, fullscreen);
    EXPECT_FALSE(fullscreen);
    EXPECT_EQ(fullscreenRequests, (std::vector<bool>{false, false, false}));

    Release(F10);
    RunFrame(core, services, fullscreen);  // the input update sees it up and re-arms it
    Press(F10);
    RunFrame(core, services, fullscreen);
    EXPECT_TRUE(fullscreen);
}

TEST_F(FrameLoopTest, DisabledInputIgnoresF10AndTheQuitChord)
{
    AddSceneAndInput();
    Framework::Message off{10};
    input->HandleMessage(&off);
    Press(F10);
    Press(LeftCtrl);
    Press(Escape);
    EXPECT_TRUE(RunFrame(core, services, fullscreen));
    EXPECT_TRUE(fullscreen);

    Framework::Message on{9};
    input->HandleMessage(&on);
    EXPECT_FALSE(RunFrame(core, services, fullscreen));
}

TEST(SystemTimers, LogAndPathFindingAreNeverTimedTheOthersAre)
{
    Framework::LoggingSystem logging;
    Framework::PathFindingSystem pathFinding;
    Framework::Physics physics;
    Framework::TextureSystem textures;
    Framework::AudioSystem audio;
    Framework::GraphicsSystem graphics;
    Framework::SceneSystem scenes;  // no scenes: only its timer runs

    std::vector<Framework::System*> timed = {&physics, &textures, &audio, &graphics, &scenes};
    for (int frame = 0; frame < 3; ++frame) {
        logging.Update(0.016f);
        pathFinding.Update(0.016f);
        for (auto* system : timed)
            system->Update(0.016f);
    }
    EXPECT_EQ(logging.timer.elapsed, 0.0f);
    EXPECT_EQ(pathFinding.timer.elapsed, 0.0f);
    for (auto* system : timed) {
        EXPECT_GT(system->timer.elapsed, 0.0f) << system->GetName();
        EXPECT_EQ(system->timer.start, system->timer.end) << system->GetName();
    }
}

TEST(LoggingSystem, EmptiesAnOldLogTakesReportedErrorsAndNeverMakesTheFolder)
{
    testsupport::TempResourceTree tree({});
    tree.WriteFile("logs/.txt", "left over from an earlier run\n");

    Framework::LoggingSystem standard;
    standard.Init();
    EXPECT_EQ(standard.GetName(), "LoggingSystem");
    EXPECT_EQ(tree.ReadFile("logs/.txt"), "");
    standard.Write("first problem");
    EXPECT_EQ(tree.ReadFile("logs/.txt"), "first problem\n");

    // Without its folder there is no log, and the folder is not made.
    Framework::LoggingSystem missing;
    missing.folder = "../nologs/";
    missing.Init();
    EXPECT_FALSE(missing.IsOpen());
    missing.Write("dropped");
    EXPECT_FALSE(std::filesystem::exists(tree.Root() / "nologs"));
}

}  // namespace
