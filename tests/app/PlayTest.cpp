// The real game under the test run's X server, played as a person would: through the menus into
// the ward, the nurse's talks, through a door, against a wall, a save at a checkpoint, the pause
// menu, and out.
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

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

// Mean brightness of each cell of a coarse grid: enough to tell one room from another.
std::vector<double> Cells(const WindowPicture& picture)
{
    constexpr int kAcross = 64;
    constexpr int kDown = 36;
    std::vector<double> cells(kAcross * kDown, 0.0);
    if (picture.Empty())
        return cells;
    std::vector<int> counts(cells.size(), 0);
    for (int y = 0; y < picture.height; y += 2)
        for (int x = 0; x < picture.width; x += 2) {
            const std::uint8_t* p = &picture.rgb[(static_cast<size_t>(y) * picture.width + x) * 3];
            const size_t cell = static_cast<size_t>(y * kDown / picture.height) * kAcross + x * kAcross / picture.width;
            cells[cell] += (p[0] + p[1] + p[2]) / 3.0;
            ++counts[cell];
        }
    for (size_t i = 0; i < cells.size(); ++i)
        cells[i] /= counts[i] > 0 ? counts[i] : 1;
    return cells;
}

double Mean(const std::vector<double>& values)
{
    double sum = 0.0;
    for (double v : values)
        sum += v;
    return values.empty() ? 0.0 : sum / static_cast<double>(values.size());
}

// How alike two pictures are whatever their overall brightness: 1 for the same picture faded.
double Likeness(const WindowPicture& a, const WindowPicture& b)
{
    const std::vector<double> x = Cells(a);
    const std::vector<double> y = Cells(b);
    const double mx = Mean(x);
    const double my = Mean(y);
    double sxy = 0.0, sxx = 0.0, syy = 0.0;
    for (size_t i = 0; i < x.size(); ++i) {
        sxy += (x[i] - mx) * (y[i] - my);
        sxx += (x[i] - mx) * (x[i] - mx);
        syy += (y[i] - my) * (y[i] - my);
    }
    return sxx > 0.0 && syy > 0.0 ? sxy / std::sqrt(sxx * syy) : 0.0;
}

// One second of silence as a 16-bit stereo wave file.
std::string SilentWave()
{
    const std::uint32_t rate = 44100;
    const std::uint32_t bytes = rate * 4;
    std::string wave;
    auto add = [&](std::uint32_t value, int size) {
        for (int i = 0; i < size; ++i)
            wave.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
    };
    wave += "RIFF";
    add(36 + bytes, 4);
    wave += "WAVEfmt ";
    add(16, 4);
    add(1, 2);
    add(2, 2);
    add(rate, 4);
    add(rate * 4, 4);
    add(4, 2);
    add(16, 2);
    wave += "data";
    add(bytes, 4);
    wave.append(bytes, '\0');
    return wave;
}

// Whether the last quarter second the game wrote to its sound output is silence.
bool SoundOutputQuiet(const std::string& path)
{
    constexpr std::streamoff kTail = 44100;  // a quarter second of 16-bit stereo
    std::ifstream file(path, std::ios::binary | std::ios::ate);
    const std::streamoff size = file ? static_cast<std::streamoff>(file.tellg()) : 0;
    if (size < kTail)
        return false;
    file.seekg((size - kTail) / 4 * 4);
    std::vector<char> bytes(static_cast<size_t>(kTail));
    file.read(bytes.data(), kTail);
    for (std::streamoff i = 0; i + 1 < file.gcount(); i += 2) {
        const int sample = static_cast<std::int16_t>(static_cast<std::uint8_t>(bytes[i]) |
                                                     (static_cast<std::uint8_t>(bytes[i + 1]) << 8));
        if (std::abs(sample) > 2)
            return false;
    }
    return true;
}

template <class Condition>
bool WaitUntil(Condition condition, std::chrono::seconds limit)
{
    const auto end = std::chrono::steady_clock::now() + limit;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > end)
            return false;
        std::this_thread::sleep_for(100ms);
    }
    return true;
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
    // The title menu's music is silence here, so that what the sound output carries after the
    // level is only what the level left playing.
    game.soundFile = (game.tree.Root() / "sound.raw").string();
    game.tree.WriteFile("resources/bgm/main_menu.wav", SilentWave());
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
    WindowPicture level;
    EXPECT_TRUE(WaitUntil(
        [&] {
            level = game.Grab();
            return WholeLit(level) > 0.02;
        },
        30s))
        << "the torch lights the room";
    Keep(level, "level");

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
    const WindowPicture ward = game.Grab();
    game.KeyDown("d");
    bool blacked = false;
    const auto limit = std::chrono::steady_clock::now() + 20s;
    while (!blacked && std::chrono::steady_clock::now() < limit) {
        blacked = WholeLit(game.GrabQuick()) < 0.005;
        if (!blacked)
            std::this_thread::sleep_for(50ms);
    }
    game.KeyUp("d");
    ASSERT_TRUE(blacked) << "the door never faded the screen";

    // The first picture brighter than the darkest one seen: the screen has begun to clear.
    // Taken back to back, so that one lands within the half second of the fade.
    WindowPicture clearing;
    double darkest = 1e9;
    const auto clearLimit = std::chrono::steady_clock::now() + 20s;
    bool cleared = false;
    while (!cleared && std::chrono::steady_clock::now() < clearLimit) {
        clearing = game.GrabQuick();
        const double mean = Mean(Cells(clearing));
        darkest = std::min(darkest, mean);
        cleared = mean > darkest + 0.5;
    }
    ASSERT_TRUE(cleared) << "the screen never cleared after the door";
    // The room it clears on, once the picture holds still.
    WindowPicture corridor;
    double last = -1.0;
    ASSERT_TRUE(WaitUntil(
        [&] {
            corridor = game.GrabQuick();
            const double mean = Mean(Cells(corridor));
            const bool still = std::fabs(mean - last) < 0.01 * mean + 0.05;
            last = mean;
            return still;
        },
        20s));
    Keep(clearing, "door-clearing");
    Keep(corridor, "door-corridor");
    EXPECT_GT(Likeness(clearing, corridor), 0.8) << "the screen clears on the room behind the door";
    EXPECT_GT(Likeness(clearing, corridor), Likeness(clearing, ward) + 0.2)
        << "the screen clears on the room he left";

    // Up the corridor to its wall, where the checkpoint stands, and save there: held until the
    // view, which follows him, has moved and then stands still against the wall.
    game.KeyDown("w");
    std::vector<double> before = Cells(game.GrabQuick());
    bool moved = false;
    int stillChecks = 0;
    const bool atWall = WaitUntil(
        [&] {
            const std::vector<double> now = Cells(game.GrabQuick());
            double change = 0.0;
            for (size_t i = 0; i < now.size(); ++i)
                change += std::fabs(now[i] - before[i]);
            change /= static_cast<double>(now.size());
            before = now;
            moved = moved || change > 0.3;
            // Still for a few looks in a row: a slow frame may show the same picture twice.
            stillChecks = moved && change < 0.05 ? stillChecks + 1 : 0;
            return stillChecks >= 4;
        },
        30s);
    game.KeyUp("w");
    ASSERT_TRUE(atWall) << "he never came to a stop up the corridor";
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

    // F9 to the title menu: the level's music and sounds end with it.
    const std::string sound = game.soundFile;
    ASSERT_TRUE(WaitUntil([&] { return !SoundOutputQuiet(sound); }, 20s)) << "the level plays no sound";
    game.TapKey("F9");
    EXPECT_TRUE(WaitUntil([&] { return SoundOutputQuiet(sound); }, 20s)) << "the level's sound plays on in the menu";

    // Quit ends the program.
    std::this_thread::sleep_for(1500ms);
    game.MoveMouse(960, 845);  // Quit
    game.Click();
    EXPECT_EQ(game.WaitForExit(), 0) << game.Output();
}

}  // namespace
