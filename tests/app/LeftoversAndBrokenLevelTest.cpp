// Start-up with write leftovers in every folder the game writes, then levels that cannot be
// read: the real game under the X server of the test run (xvfb-run).
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <string>

#include "support/DisplayRequired.h"
#include "support/GameProcess.h"

using namespace std::chrono_literals;

namespace {

TEST(AppFiles, LeftoversGoConsoleLinesGoOutAtOnceAndADamagedTitleLevelSaysSoAndQuits)
{
    REQUIRE_DISPLAY();
    testsupport::GameProcess game;
    const char* leftovers[] = {"resources/level/Level1.txt.tmpAb12Cd", "resources/level/Editor/EditorSetting.txt.tmpQw34Er",
                               "resources/prefab/PrefabName.txt.tmpZx56Cv", "resources/KeyboardActionMap.txt.tmpPo98Iu",
                               "resources/save/SaveData.txt.tmpK1lLed"};
    // Left by a game killed a while ago: a younger one may be a live writer's.
    for (const char* file : leftovers) {
        game.tree.WriteFile(file, "half a file");
        std::filesystem::last_write_time(game.tree.Root() / file,
                                         std::filesystem::file_time_type::clock::now() - std::chrono::minutes(2));
    }
    for (const std::string level : {"Level1", "Main"})
        game.tree.WriteFile("resources/level/" + level + ".txt", level + "\n\nCamera\n10\nNone\nNoSuchPart\n");
    // A copy a killed game linked and never renamed over: still a second name of the live file.
    const std::filesystem::path prefabs = game.tree.Root() / "resources/prefab/PrefabName.txt";
    const std::filesystem::path copy = prefabs.string() + ".broken";
    ASSERT_EQ(link(prefabs.c_str(), copy.c_str()), 0);
    game.Start();
    ASSERT_FALSE(game.WaitForWindow().empty()) << game.Output();
    for (const char* file : leftovers)
        EXPECT_FALSE(std::filesystem::exists(game.tree.Root() / file)) << file;
    struct stat live {};
    struct stat kept {};
    ASSERT_EQ(stat(prefabs.c_str(), &live) + stat(copy.c_str(), &kept), 0);
    EXPECT_NE(live.st_ino, kept.st_ino) << "the copy still changes with the live file";

    // Left Shift + the key, again until `done`.
    const auto shiftUntil = [&](const std::string& key, const std::function<bool()>& done) {
        for (int attempt = 0; attempt < 20 && game.Running() && !done(); ++attempt) {
            game.KeyDown("Shift_L");
            game.TapKey(key);
            game.KeyUp("Shift_L");
            game.WaitUntil(done, 3s);
        }
        return done();
    };
    const auto printed = [&](const std::string& level) {
        return [&game, level] { return game.Output().find(level + ".txt\": object \"Camera\" names unknown") != std::string::npos; };
    };
    // The editor reads the level and prints its line, which is out while the game runs (a
    // killed game keeps it).
    EXPECT_TRUE(shiftUntil("F5", printed("Level1"))) << "held back:\n" << game.Output();
    // The title menu's level cannot be read: white lines a third of the way down, on black.
    ASSERT_TRUE(shiftUntil("F6", printed("Main"))) << game.Output();
    EXPECT_TRUE(game.WaitUntil([&] { return game.Grab().LitShare(40, 150, 760, 260) > 0.01; })) << "no notice on screen";
    testsupport::Capture("xdotool keydown Control_L sleep 0.3 keydown Escape sleep 0.5 keyup Escape keyup Control_L 2>/dev/null");
    EXPECT_EQ(game.WaitForExit(), 0) << game.Output();
    testsupport::Capture("xdotool keyup Escape keyup Control_L 2>/dev/null");
}

}  // namespace
