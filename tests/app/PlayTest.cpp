// The real game under the test run's X server, played as a person would: through the menus into
// the level, through a door, against a wall, a save at a checkpoint, the pause menu, and out.
#include <gtest/gtest.h>

#include <chrono>
#include <sstream>
#include <string>
#include <thread>

#include "support/DisplayRequired.h"
#include "support/GameProcess.h"

using namespace std::chrono_literals;
using testsupport::GameProcess;
using testsupport::WindowPicture;

namespace {

// Pictures stay in the build folder for a person to look at.
void Keep(const WindowPicture& picture, const std::string& name)
{
    picture.SavePng(std::string(VESPERINE_BINARY_DIR) + "/play-" + name + ".png");
}

double WholeLit(const WindowPicture& picture)
{
    return picture.LitShare(0, 0, picture.width, picture.height);
}

// Pixels brighter than the threshold on every channel: what text leaves on a dark panel.
int BrightPixels(const WindowPicture& picture, int x0, int y0, int x1, int y1, int threshold = 200)
{
    int count = 0;
    for (int y = y0; y < y1 && y < picture.height; ++y)
        for (int x = x0; x < x1 && x < picture.width; ++x) {
            const std::uint8_t* p = &picture.rgb[(static_cast<size_t>(y) * picture.width + x) * 3];
            count += p[0] > threshold && p[1] > threshold && p[2] > threshold;
        }
    return count;
}

// The Player record's position in a saved level.
bool PlayerPosition(const std::string& save, float& x, float& y)
{
    const size_t at = save.find("\nPlayer\n0\n");
    if (at == std::string::npos)
        return false;
    const size_t position = save.find("Position\n", at);
    if (position == std::string::npos)
        return false;
    std::istringstream values(save.substr(position + 9));
    return static_cast<bool>(values >> x >> y);
}

TEST(PlayTest, FromTheMenusIntoTheLevelThroughADoorToASaveAndOut)
{
    REQUIRE_DISPLAY();
    GameProcess game(1920, 1080);
    game.Start();
    ASSERT_FALSE(game.WaitForWindow().empty()) << game.Output();

    // The splash takes Escape only in its last three seconds.
    std::this_thread::sleep_for(11500ms);
    game.TapKey("Escape");
    std::this_thread::sleep_for(1500ms);
    const WindowPicture menu = game.Grab();
    Keep(menu, "menu");
    ASSERT_FALSE(menu.Empty());
    EXPECT_GT(WholeLit(menu), 0.2) << "the title menu is drawn";

    game.MoveMouse(960, 440);  // Start
    game.Click();
    std::this_thread::sleep_for(2000ms);
    const WindowPicture intro = game.Grab();
    Keep(intro, "intro");
    EXPECT_GT(WholeLit(intro), 0.05) << "the intro's first picture fades in";
    game.TapKey("Escape");

    // The level opens black and clears over a second.
    std::this_thread::sleep_for(2000ms);
    const WindowPicture level = game.Grab();
    Keep(level, "level");
    EXPECT_GT(WholeLit(level), 0.02) << "the torch lights the room";

    // To the door in the back wall, then up into it; let go once the screen has gone black.
    game.HoldKey("d", 1.8);
    game.KeyDown("w");
    bool blacked = false;
    const auto limit = std::chrono::steady_clock::now() + 20s;
    while (!blacked && std::chrono::steady_clock::now() < limit) {
        blacked = WholeLit(game.Grab()) < 0.005;
        if (!blacked)
            std::this_thread::sleep_for(50ms);
    }
    game.KeyUp("w");
    ASSERT_TRUE(blacked) << "the door never faded the screen";
    std::this_thread::sleep_for(2000ms);

    // Along the far room to its east wall, where the checkpoint stands, and save there.
    game.HoldKey("d", 3.0);
    game.TapKey("e");
    std::this_thread::sleep_for(1500ms);
    const WindowPicture saved = game.Grab();
    Keep(saved, "saved");
    EXPECT_GT(BrightPixels(saved, 430, 780, 1500, 880), 200) << "the message is printed in the box";

    float x = 0.0f;
    float y = 0.0f;
    ASSERT_TRUE(PlayerPosition(game.tree.ReadFile("resources/save/SaveData.txt"), x, y))
        << "no save was written\n" << game.Output();
    EXPECT_GT(x, 46.0f) << "he went through the door to the far room";
    EXPECT_LT(x, 48.0f) << "the wall stopped him";
    EXPECT_NEAR(y, 2.5f, 0.3f);

    // Close the message, then the pause menu: its buttons, the confirmation, No.
    game.TapKey("e");
    std::this_thread::sleep_for(500ms);
    game.TapKey("Escape");
    std::this_thread::sleep_for(800ms);
    const WindowPicture paused = game.Grab();
    Keep(paused, "paused");
    EXPECT_GT(paused.LitShare(760, 350, 1160, 410), 0.3) << "the resume button is shown";
    game.MoveMouse(960, 700);  // Quit
    game.Click();
    std::this_thread::sleep_for(800ms);
    const WindowPicture confirm = game.Grab();
    Keep(confirm, "confirm");
    EXPECT_GT(BrightPixels(confirm, 580, 290, 1340, 540, 150), 1000) << "the confirmation's words are shown";
    game.MoveMouse(1240, 715);  // No
    game.Click();
    std::this_thread::sleep_for(800ms);

    // F9 to the title menu, and Quit ends the program.
    game.TapKey("F9");
    std::this_thread::sleep_for(1500ms);
    game.MoveMouse(960, 845);  // Quit
    game.Click();
    EXPECT_EQ(game.WaitForExit(), 0) << game.Output();
}

}  // namespace
