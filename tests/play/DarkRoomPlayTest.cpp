// The real game in the playroom, a room without a lamp: the father is seen by his torch's glow,
// and when the bear makes the torch falter the room goes dark, never bright.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <string>
#include <thread>

#include "support/DisplayRequired.h"
#include "support/GameProcess.h"
#include "support/TitleMenu.h"

using namespace std::chrono_literals;
using testsupport::GameProcess;
using testsupport::WindowPicture;

namespace {

double WholeLevel(const WindowPicture& picture)
{
    return picture.MeanLevel(0, 0, picture.width, picture.height, 4);
}

// His head and coat, in the middle of the screen (the camera follows him).
double FatherLevel(const WindowPicture& picture)
{
    return picture.MeanLevel(940, 470, 980, 530);
}

// Sets the line after the record that starts with `head` (its first lines) to `value`.
void SetAfter(std::string& level, const std::string& head, const std::string& value)
{
    const std::size_t at = level.find("\n" + head + "\n");
    ASSERT_NE(at, std::string::npos) << head;
    const std::size_t line = at + head.size() + 2;
    level.replace(line, level.find('\n', line) - line, value);
}

TEST(DarkRoomPlayTest, TheFatherIsSeenByHisTorchAndItsFlickerDarkensTheRoom)
{
    REQUIRE_DISPLAY();
    // Well within the test run's limit, which this program's other test shares when shuffled.
    const testsupport::WaitBudget budget(300s);
    GameProcess game(1920, 1080);
    // The game's own level with the nurse's opening done and the father on the playroom's floor
    // below the bear, in its far band where the torch burns steady.
    std::string level = game.tree.ReadFile("resources/level/Level1.txt");
    SetAfter(level, "Player\n0\nNone\nTransform\nPosition", "-130 200.5 1");
    SetAfter(level, "PlayerSprite\n0\nPlayer\nTransform\nPosition", "-130 201 1");
    SetAfter(level, "Torch\n1\nNone\nTransform\nPosition", "-130.7 200 1.05");
    SetAfter(level, "NurseEvent\nCompleted", "1");
    if (HasFatalFailure())
        return;
    game.tree.WriteFile("resources/level/Level1.txt", level);
    game.Start();
    ASSERT_FALSE(game.WaitForWindow().empty()) << "the window never showed\n" << game.Output();
    ASSERT_TRUE(game.WaitUntil([&] {
        game.TapKey("Escape");
        return testsupport::ShowsTitleMenu(game.Grab());
    }, 120s, "the title menu, Escape pressed again and again")) << "no title menu\n" << game.Output();
    // Start (clicked until the intro shows), past the intro, the beam turned to the left.
    ASSERT_TRUE(game.WaitUntil([&] {
        game.MoveMouse(960, 440);
        game.Click();
        return game.WaitUntil([&] {
            const WindowPicture now = game.Grab();
            return !testsupport::ShowsTitleMenu(now) && now.LitShare(0, 0, now.width, now.height) > 0.05;
        }, 30s, "the intro after a click on Start");
    }, 120s, "the intro, Start clicked again and again")) << "the intro never showed";
    game.MoveMouse(0, 540);
    game.TapKey("Escape");
    // The room round him with nothing beyond its walls, and his beam lighting the floor to the left.
    ASSERT_TRUE(game.WaitUntil([&] {
        const WindowPicture now = game.Grab();
        return !now.Empty() && now.LitShare(0, 0, 300, now.height, 12) < 0.01 &&
               now.LitShare(1620, 0, now.width, now.height, 12) < 0.01 && now.LitShare(700, 500, 880, 560, 40) > 0.3;
    }, 120s, "the playroom lit by his beam")) << "the playroom never showed";
    EXPECT_TRUE(game.WaitUntil([&] { return FatherLevel(game.Grab()) > 38.0; }, 30s, "the father's glow"))
        << "the father stands unseen in the dark";

    // The beam up at the bear, burning steady once three looks spaced for a slow machine's
    // frames agree; then towards it until the torch falters (his glow changes with it), and
    // while it keeps faltering the room never flashes bright.
    game.MoveMouse(960, 0);
    WindowPicture lit = game.Grab();
    int same = 0;
    game.WaitUntil([&] {
        std::this_thread::sleep_for(300ms);
        WindowPicture now = game.Grab();
        same = std::abs(WholeLevel(now) - WholeLevel(lit)) < 0.01 ? same + 1 : 0;
        lit = std::move(now);
        return same >= 2;
    }, 60s, "the beam on the bear to burn steady over three looks");
    const double steady = WholeLevel(lit);
    const double steadyFather = FatherLevel(lit);
    game.KeyDown("w");
    const bool faltered = game.WaitUntil([&] {
        return std::abs(FatherLevel(game.Grab()) - steadyFather) > 0.3 * steadyFather;
    }, 60s, "the torch to falter");
    game.KeyUp("w");
    ASSERT_TRUE(faltered) << "the torch never faltered";
    double brightest = 0.0;
    int out = 0;
    game.WaitUntil([&] {
        const WindowPicture now = game.Grab();
        brightest = std::max(brightest, WholeLevel(now));
        out += FatherLevel(now) < 0.7 * steadyFather;
        return out >= 10 || brightest >= 1.5 * steady;
    }, 60s, "ten looks with the torch out");
    EXPECT_LT(brightest, 1.5 * steady) << "the room flashed bright while the torch was out";
    EXPECT_GE(out, 10) << "too few looks caught the torch out";
}

}  // namespace
