// Runs the real game under the X server of the test run (xvfb-run) and drives it from outside.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <thread>

#include "support/CloseBox.h"
#include "support/DisplayRequired.h"
#include "support/GameProcess.h"

namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace {

using testsupport::Capture;
using testsupport::GameProcess;
using testsupport::SendDeleteWindow;

const char* kSortedBindings =
    "ACTION_DOWN\nS\n\nACTION_INTERACT\nE\n\nACTION_LEFT\nA\n\nACTION_RIGHT\nD\n\n"
    "ACTION_RUN\nLeftShift\n\nACTION_UP\nW\n\n";

class AppTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        REQUIRE_DISPLAY();
    }
};

TEST_F(AppTest, OpensItsWindowAndQuitsCleanlyOnLeftCtrlEscape)
{
    GameProcess game;
    // A save killed before its rename, and a file of the player's own beside it.
    game.tree.WriteFile("resources/save/SaveData.txt.tmpK1lLed", "half a save");
    fs::last_write_time(game.tree.Resources() / "save" / "SaveData.txt.tmpK1lLed",
                        fs::file_time_type::clock::now() - std::chrono::minutes(2));  // not a live writer's
    game.tree.WriteFile("resources/save/notes.txt", "mine");
    game.Start();
    const std::string window = game.WaitForWindow();
    ASSERT_FALSE(window.empty()) << game.Output();

    // The display has no 800x600 mode, so the window stays windowed at the settings' size.
    std::string geometry;
    for (int i = 0; i < 50 && geometry.find("800x600") == std::string::npos; ++i) {
        std::this_thread::sleep_for(100ms);
        geometry = Capture("xdotool getwindowgeometry " + window);
    }
    EXPECT_NE(geometry.find("Geometry: 800x600"), std::string::npos) << geometry;

    // Left Ctrl held, Escape pressed again until the game ends. The splash leaves Escape to the
    // chord until its last three seconds, but its first frame counts the whole start-up, which
    // a loaded machine may make longer than the splash itself; the menu keeps Escape for its
    // panels. So when the splash has gone, the chord is sent in the editor (Left Shift + F5),
    // which leaves Escape alone.
    const std::string to = " --window " + window + " ";
    Capture("xdotool keydown" + to + "Control_L 2>/dev/null");
    const auto chordEnds = [&](std::chrono::seconds limit) {
        const auto end = std::chrono::steady_clock::now() + limit;
        while (game.Running() && std::chrono::steady_clock::now() < end)
            Capture("xdotool keydown" + to + "Escape sleep 0.3 keyup" + to + "Escape sleep 0.5 2>/dev/null");
        return !game.Running();
    };
    for (int attempt = 0; attempt < 5 && !chordEnds(attempt == 0 ? 30s : 20s); ++attempt)
        Capture("xdotool keydown" + to + "Shift_L sleep 0.5 keydown" + to + "F5 sleep 0.5 keyup" + to + "F5 sleep 0.5 keyup" +
                to + "Shift_L 2>/dev/null");
    // Released without naming the window: it is gone by then, and a release sent to it would
    // fail and leave the chord held on the display for every later test.
    Capture("xdotool keyup Escape keyup Control_L keyup Shift_L 2>/dev/null");
    EXPECT_EQ(game.WaitForExit(), 0) << game.Output();

    EXPECT_EQ(game.tree.ReadFile("resources/KeyboardActionMap.txt"), kSortedBindings);
    EXPECT_TRUE(fs::exists(game.tree.Root() / "logs/.txt"));
    EXPECT_EQ(game.tree.ReadFile("logs/.txt"), "");
    EXPECT_FALSE(fs::exists(game.tree.Resources() / "save" / "SaveData.txt.tmpK1lLed"));
    EXPECT_EQ(game.tree.ReadFile("resources/save/notes.txt"), "mine");
    EXPECT_NE(game.Output().find("Using OpenGL: "), std::string::npos) << game.Output();
}

TEST_F(AppTest, TerminationRequestEndsTheRunCleanly)
{
    GameProcess game;
    game.Start();
    ASSERT_FALSE(game.WaitForWindow().empty()) << game.Output();
    std::this_thread::sleep_for(300ms);
    kill(game.pid, SIGTERM);
    EXPECT_EQ(game.WaitForExit(), 0) << game.Output();
    EXPECT_EQ(game.tree.ReadFile("resources/KeyboardActionMap.txt"), kSortedBindings);
}

TEST_F(AppTest, CloseBoxEndsTheRunCleanly)
{
    GameProcess game;
    game.Start();
    const std::string window = game.WaitForWindow();
    ASSERT_FALSE(window.empty()) << game.Output();
    std::this_thread::sleep_for(300ms);
    ASSERT_TRUE(SendDeleteWindow(std::stoul(window))) << "cannot reach the X library";
    EXPECT_EQ(game.WaitForExit(), 0) << game.Output();
    EXPECT_EQ(game.tree.ReadFile("resources/KeyboardActionMap.txt"), kSortedBindings);
}

TEST(AppStartUp, WithoutADisplayItExplainsAndExitsNonZero)
{
    GameProcess game;
    game.Start(false);
    const int status = game.WaitForExit();
    EXPECT_NE(status, 0);
    EXPECT_NE(status, -1) << "still running without a display";
    const std::string log = game.tree.ReadFile("logs/.txt");
    EXPECT_NE(log.find("could not start"), std::string::npos) << log;
    EXPECT_NE(game.Output().find("could not start"), std::string::npos) << game.Output();
}

}  // namespace
