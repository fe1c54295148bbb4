#include "support/TitleMenu.h"

#include <chrono>

#include "support/GameProcess.h"

namespace testsupport {

using namespace std::chrono_literals;

bool ShowsTitleMenu(const WindowPicture& picture)
{
    int red = 0;
    for (int y = 80; y < 260 && y < picture.height; ++y)
        for (int x = 480; x < 1440 && x < picture.width; ++x) {
            const std::uint8_t* p = &picture.rgb[(static_cast<size_t>(y) * picture.width + x) * 3];
            red += p[0] > 110 && p[0] > 3 * p[1] && p[0] > 3 * p[2];
        }
    return picture.LitShare(0, 0, picture.width, picture.height) > 0.2 && red > 5000;
}

bool ShowsPauseMenu(const WindowPicture& picture)
{
    return picture.LitShare(760, 350, 1160, 410, 150) > 0.18;
}

bool PlayFromTheTitleMenu(GameProcess& game)
{
    // The splash takes Escape only in its last three seconds.
    if (!game.WaitUntil([&] {
            game.TapKey("Escape");
            return ShowsTitleMenu(game.Grab());
        }))
        return false;
    // Start, clicked until the intro shows.
    const bool intro = game.WaitUntil([&] {
        game.MoveMouse(960, 440);
        game.Click();
        return game.WaitUntil([&] {
            const WindowPicture now = game.Grab();
            return !ShowsTitleMenu(now) && now.LitShare(0, 0, now.width, now.height) > 0.05;
        }, 30s);
    });
    game.MoveMouse(0, 540);
    game.TapKey("Escape");
    return intro;
}

}  // namespace testsupport
