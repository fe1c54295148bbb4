// What a stopped write leaves behind, what a killed game printed, and a title level that cannot
// be read: the real game under the X server of the test run (xvfb-run).
#include <gtest/gtest.h>

#include <signal.h>

#include <chrono>
#include <filesystem>
#include <string>

#include "support/DisplayRequired.h"
#include "support/GameProcess.h"

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using testsupport::Capture;
using testsupport::GameProcess;

namespace {

// Every folder the game writes is cleared of what writes stopped before their rename left.
TEST(AppFiles, LeftoversOfEveryFolderTheGameWritesGoAtStartUp)
{
    REQUIRE_DISPLAY();
    GameProcess game;
    const char* leftovers[] = {"resources/level/Level1.txt.tmpAb12Cd", "resources/level/Editor/EditorSetting.txt.tmpQw34Er",
                               "resources/prefab/PrefabName.txt.tmpZx56Cv", "resources/KeyboardActionMap.txt.tmpPo98Iu",
                               "resources/save/SaveData.txt.tmpK1lLed"};
    const char* kept[] = {"resources/level/Level1.txt.bak", "resources/level/draft.tmp", "resources/prefab/notes.txt"};
    for (const char* file : leftovers)
        game.tree.WriteFile(file, "half a file");
    for (const char* file : kept)
        game.tree.WriteFile(file, "mine");
    game.Start();
    ASSERT_FALSE(game.WaitForWindow().empty()) << game.Output();
    for (const char* file : leftovers)
        EXPECT_FALSE(fs::exists(game.tree.Root() / file)) << file;
    for (const char* file : kept)
        EXPECT_EQ(game.tree.ReadFile(file), "mine") << file;
    kill(game.pid, SIGTERM);
    EXPECT_EQ(game.WaitForExit(), 0) << game.Output();
}

// The editor opens a broken level: the reader's console line is out while the game runs, and
// stays when the game is then killed outright.
TEST(AppFiles, AKilledGameKeepsItsConsoleLines)
{
    REQUIRE_DISPLAY();
    GameProcess game;
    game.tree.WriteFile("resources/level/Level1.txt", "Level1\n\nCamera\n10\nNone\nNoSuchPart\n");
    game.Start();
    ASSERT_FALSE(game.WaitForWindow().empty()) << game.Output();
    const auto printed = [&] { return game.Output().find("unknown component \"NoSuchPart\"") != std::string::npos; };
    // Left Shift + F5 opens the editor on the level (again until the line is out).
    for (int attempt = 0; attempt < 10 && game.Running() && !printed(); ++attempt) {
        game.KeyDown("Shift_L");
        game.TapKey("F5");
        game.KeyUp("Shift_L");
        game.WaitUntil(printed, 3s);
    }
    EXPECT_TRUE(printed()) << "held back:\n" << game.Output();
    kill(game.pid, SIGKILL);
    game.WaitForExit();
    EXPECT_TRUE(printed()) << game.Output();
}

// The title level is damaged: the menu says so over its empty screen and Left Ctrl+Escape quits
// from it.
TEST(AppFiles, ADamagedTitleLevelSaysSoAndLeftCtrlEscapeQuits)
{
    REQUIRE_DISPLAY();
    GameProcess game;
    game.tree.WriteFile("resources/level/Main.txt", "Main\n\nCamera\n10\nNone\nNoSuchPart\n");
    game.Start();
    ASSERT_FALSE(game.WaitForWindow().empty()) << game.Output();
    // Left Shift + F6 goes to the menu (again until it has read its level).
    const auto menuEntered = [&] {
        return game.Output().find("Main.txt\": object \"Camera\" names unknown component") != std::string::npos;
    };
    for (int attempt = 0; attempt < 20 && game.Running() && !menuEntered(); ++attempt) {
        game.KeyDown("Shift_L");
        game.TapKey("F6");
        game.KeyUp("Shift_L");
        game.WaitUntil(menuEntered, 3s);
    }
    ASSERT_TRUE(menuEntered()) << game.Output();
    // White lines a third of the way down the 800 x 600 window, on black.
    EXPECT_TRUE(game.WaitUntil([&] { return game.Grab().LitShare(40, 150, 760, 260) > 0.01; }))
        << "no notice on screen";

    Capture("xdotool keydown Control_L sleep 0.3 keydown Escape sleep 0.5 keyup Escape keyup Control_L 2>/dev/null");
    EXPECT_EQ(game.WaitForExit(), 0) << game.Output();
    Capture("xdotool keyup Escape keyup Control_L 2>/dev/null");
}

}  // namespace
