// The real game paused while his thought and the interact prompt show above him: the pause
// menu's buttons and the quit confirmation hide them.
#include <gtest/gtest.h>
#include <lodepng.h>

#include <chrono>
#include <cstdlib>
#include <string>
#include <vector>

#include "support/DisplayRequired.h"
#include "support/FileText.h"
#include "support/GameProcess.h"
#include "support/TitleMenu.h"

using testsupport::GameProcess;
using testsupport::WindowPicture;

namespace {

// Pixels inside a menu picture (its rim and rounded corners left out) that the window does not
// show as the picture has them: the level showing through. The picture's frame, `width` x
// `height` from its left edge, stands one to one with its top left corner at (x, y), give or
// take a pixel.
int ShowingThrough(const WindowPicture& window, const std::string& png, int width, int height, int x, int y)
{
    std::vector<unsigned char> picture;
    unsigned pictureWidth = 0;
    unsigned pictureHeight = 0;
    if (lodepng::decode(picture, pictureWidth, pictureHeight, png) != 0)
        return -1;
    const int inset = height / 8;
    int fewest = -1;
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) {
            int differing = 0;
            for (int py = inset; py < height - inset; ++py)
                for (int px = inset; px < width - inset; ++px) {
                    const unsigned char* p = &picture[(static_cast<std::size_t>(py) * pictureWidth + px) * 4];
                    const std::size_t at = static_cast<std::size_t>(y + py + dy) * window.width + (x + px + dx);
                    const std::uint8_t* s = &window.rgb[at * 3];
                    differing += std::abs(p[0] - s[0]) > 8 || std::abs(p[1] - s[1]) > 8 || std::abs(p[2] - s[2]) > 8;
                }
            if (fewest < 0 || differing < fewest)
                fewest = differing;
        }
    return fewest;
}

TEST(PauseMenuPlayTest, ThePauseMenuAndTheQuitConfirmationHideHisThoughtAndThePrompt)
{
    REQUIRE_DISPLAY();
    GameProcess game(1920, 1080);
    // The game's own level with "That doll... I know that doll." above him and the interact
    // prompt over his head, as by the doll and at a save lamp.
    std::string level = game.tree.ReadFile("resources/level/Level1.txt");
    const std::string thought = "PlayerText_2x4.png\nColor\n1 1 1\nTransparency";
    ASSERT_TRUE(testsupport::SetLineAfter(level, thought, "1") &&
                testsupport::SetLineAfter(
                    level, thought + "\n1\nNumColumns\n4\nNumRows\n2\nAnimationDelay\n0\nAnimateFlag\n0\nStartFrame", "5") &&
                testsupport::SetLineAfter(level, "PlayerE.png\nColor\n1 1 1\nTransparency", "1"));
    game.tree.WriteFile("resources/level/Level1.txt", level);
    game.Start();
    ASSERT_FALSE(game.WaitForWindow().empty()) << game.Output();
    ASSERT_TRUE(testsupport::PlayFromTheTitleMenu(game)) << game.Output();
    ASSERT_TRUE(game.WaitUntil([&] { return game.Grab().LitShare(790, 390, 1130, 420, 150) > 0.05; }))
        << "his thought never showed";

    // Escape; the Resume button's plate stands over his thought and the prompt's top half. Then
    // Quit: the confirmation stands over both.
    const std::string sprites = game.tree.Resources().string() + "/sprites/";
    const std::string kept = std::string(VESPERINE_BINARY_DIR) + "/play-";
    WindowPicture paused;
    ASSERT_TRUE(game.WaitUntil([&] {
        game.TapKey("Escape");
        return game.WaitUntil([&] { return testsupport::ShowsPauseMenu(paused = game.Grab()); }, std::chrono::seconds(5));
    })) << "the pause menu never showed";
    paused.SavePng(kept + "paused-thought.png");
    EXPECT_LT(ShowingThrough(paused, sprites + "ButtonResume_1x2.png", 512, 128, 704, 316), 100)
        << "his thought shows through Resume";
    game.MoveMouse(960, 700);
    game.Click();
    WindowPicture confirm;
    ASSERT_TRUE(game.WaitUntil([&] { return (confirm = game.Grab()).LitShare(600, 330, 1320, 370, 150) > 0.1; }))
        << "the quit confirmation never showed";
    confirm.SavePng(kept + "confirm-thought.png");
    EXPECT_LT(ShowingThrough(confirm, sprites + "AreYouSure.png", 768, 256, 576, 287), 100)
        << "his thought shows through the confirmation";
}

}  // namespace
