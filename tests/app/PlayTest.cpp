// The real game under the test run's X server, played as a person would: through the menus into
// the ward, the nurse's talks, through a door, against a wall, a save at a checkpoint, the pause
// menu, and out.
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

// The window once text shows in the dialogue box, or the last look after a few seconds: a
// loaded machine draws the typed letters later.
WindowPicture WaitForText(GameProcess& game)
{
    WindowPicture picture = game.Grab();
    for (int tries = 0; tries < 40 && BrightPixels(picture, 430, 780, 1500, 880) <= 200; ++tries) {
        std::this_thread::sleep_for(150ms);
        picture = game.Grab();
    }
    return picture;
}

// Presses interact until the dialogue box has stayed empty for a while.
void ReadThrough(GameProcess& game)
{
    int quiet = 0;
    for (int guard = 0; guard < 60 && quiet < 3; ++guard) {
        game.TapKey("e");
        std::this_thread::sleep_for(400ms);
        quiet = BrightPixels(game.Grab(), 430, 780, 1500, 880) > 200 ? 0 : quiet + 1;
    }
}

// Presses interact while the box shows text: the first press may only finish the typing.
void CloseMessage(GameProcess& game)
{
    for (int guard = 0; guard < 10 && BrightPixels(game.Grab(), 430, 780, 1500, 880) > 200; ++guard) {
        game.TapKey("e");
        std::this_thread::sleep_for(700ms);
    }
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
    ASSERT_FALSE(menu.Empty()) << "running: " << game.Running() << "\n" << game.Output();
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

    // Out of bed: he wakes, and his thoughts fill the dialogue box.
    game.HoldKey("d", 0.3);
    const WindowPicture woke = WaitForText(game);
    Keep(woke, "woke");
    EXPECT_GT(BrightPixels(woke, 430, 780, 1500, 880), 200) << "the first thought is printed in the box";
    ReadThrough(game);

    // Along the ward behind the nurse: each trigger on the way is one of her talks.
    game.HoldKey("d", 0.6);
    ReadThrough(game);
    std::this_thread::sleep_for(1000ms);
    game.HoldKey("d", 1.0);
    ReadThrough(game);
    std::this_thread::sleep_for(1000ms);
    game.HoldKey("d", 0.8);
    ReadThrough(game);

    // The way out holds him while the ward changes; the key lights the torch and lets him go.
    game.HoldKey("d", 1.0);
    std::this_thread::sleep_for(4000ms);
    game.TapKey("e");
    std::this_thread::sleep_for(500ms);

    // On through the ward's door; let go once the screen has gone black.
    game.KeyDown("d");
    bool blacked = false;
    const auto limit = std::chrono::steady_clock::now() + 20s;
    while (!blacked && std::chrono::steady_clock::now() < limit) {
        blacked = WholeLit(game.Grab()) < 0.005;
        if (!blacked)
            std::this_thread::sleep_for(50ms);
    }
    game.KeyUp("d");
    ASSERT_TRUE(blacked) << "the door never faded the screen";
    std::this_thread::sleep_for(2000ms);

    // Up the corridor to its wall, where the checkpoint stands, and save there.
    game.HoldKey("w", 3.0);
    game.TapKey("e");
    const WindowPicture saved = WaitForText(game);
    Keep(saved, "saved");
    EXPECT_GT(BrightPixels(saved, 430, 780, 1500, 880), 200) << "the message is printed in the box";

    float x = 0.0f;
    float y = 0.0f;
    ASSERT_TRUE(PlayerPosition(game.tree.ReadFile("resources/save/SaveData.txt"), x, y))
        << "no save was written\n" << game.Output();
    EXPECT_NEAR(x, 53.0f, 0.5f) << "he went through the ward's door to the corridor";
    EXPECT_GT(y, -20.2f) << "he walked up to the checkpoint";
    EXPECT_LT(y, -19.55f) << "the wall stopped him";

    // Close the message, then the pause menu: its buttons, the confirmation, No.
    CloseMessage(game);
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
