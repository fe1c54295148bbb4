// The real game in the playroom, a room without a lamp: the father is seen by his torch's glow
// whichever way the beam points, and when the bear makes the torch falter the room goes dark,
// never bright.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <iostream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "support/DisplayRequired.h"
#include "support/GameProcess.h"
#include "support/TitleMenu.h"

using namespace std::chrono_literals;
using testsupport::GameProcess;
using testsupport::WindowPicture;

namespace {

// The playroom's floor below the bear, in its far band: the torch burns steady there.
constexpr float kPlayroomX = -130.0f;
constexpr float kPlayroomY = 200.5f;

void Keep(const WindowPicture& picture, const std::string& name)
{
    picture.SavePng(std::string(VESPERINE_BINARY_DIR) + "/play-" + name + ".png");
}

double WholeLevel(const WindowPicture& picture)
{
    return picture.MeanLevel(0, 0, picture.width, picture.height, 4);
}

// His head and coat, in the middle of the screen (the camera follows him).
double FatherLevel(const WindowPicture& picture)
{
    return picture.MeanLevel(940, 470, 980, 530);
}

// Puts an object of the level file at (x, y): its position is the fifth line of its record.
void Place(std::vector<std::string>& lines, const std::string& name, float x, float y)
{
    for (std::size_t i = 0; i + 5 < lines.size(); ++i)
        if (lines[i] == name && lines[i + 3] == "Transform" && lines[i + 4] == "Position") {
            std::istringstream old(lines[i + 5]);
            float z = 0.0f;
            old >> z >> z >> z;
            std::ostringstream now;
            now << x << " " << y << " " << z;
            lines[i + 5] = now.str();
            return;
        }
    ADD_FAILURE() << name << " is not in the level";
}

// The game's own level with the nurse's opening done and the father in the playroom.
void StartInThePlayroom(GameProcess& game)
{
    std::istringstream text(game.tree.ReadFile("resources/level/Level1.txt"));
    std::vector<std::string> lines;
    for (std::string line; std::getline(text, line);)
        lines.push_back(line);
    Place(lines, "Player", kPlayroomX, kPlayroomY);
    Place(lines, "PlayerSprite", kPlayroomX, kPlayroomY + 0.5f);
    Place(lines, "Torch", kPlayroomX - 0.7f, kPlayroomY - 0.5f);
    const auto nurse = std::find(lines.begin(), lines.end(), "NurseEvent");
    ASSERT_TRUE(nurse != lines.end() && nurse + 2 < lines.end() && *(nurse + 1) == "Completed");
    *(nurse + 2) = "1";
    std::string level;
    for (const std::string& line : lines)
        level += line + "\n";
    game.tree.WriteFile("resources/level/Level1.txt", level);
}

// The room drawn round him with nothing beyond its walls, and his beam to the left.
bool ShowsPlayroom(const WindowPicture& picture)
{
    return !picture.Empty() && picture.LitShare(0, 0, 300, picture.height, 12) < 0.01 &&
           picture.LitShare(1620, 0, picture.width, picture.height, 12) < 0.01 &&
           picture.LitShare(700, 500, 880, 560, 40) > 0.3;
}

// Looks until three looks in a row show the same (a fade has ended). The looks are spaced so
// that a slow machine draws new frames between them.
WindowPicture Settled(GameProcess& game)
{
    WindowPicture last = game.Grab();
    int same = 0;
    game.WaitUntil(
        [&] {
            std::this_thread::sleep_for(300ms);
            WindowPicture now = game.Grab();
            same = std::abs(WholeLevel(now) - WholeLevel(last)) < 0.01 ? same + 1 : 0;
            last = std::move(now);
            return same >= 2;
        },
        60s);
    return last;
}

TEST(DarkRoomPlayTest, TheFatherIsSeenByHisTorchAndItsFlickerDarkensTheRoom)
{
    REQUIRE_DISPLAY();
    GameProcess game(1920, 1080);
    StartInThePlayroom(game);
    if (HasFatalFailure())
        return;
    game.Start();
    ASSERT_FALSE(game.WaitForWindow().empty()) << game.Output();
    ASSERT_TRUE(game.WaitUntil([&] {
        game.TapKey("Escape");
        return testsupport::ShowsTitleMenu(game.Grab());
    })) << game.Output();
    // Start, and past the intro's pictures into the level, the torch turned to the left.
    bool started = false;
    for (int attempt = 0; attempt < 4 && !started; ++attempt) {
        game.MoveMouse(960, 440);
        game.Click();
        started = game.WaitUntil([&] {
            const WindowPicture now = game.Grab();
            return !testsupport::ShowsTitleMenu(now) && now.LitShare(0, 0, now.width, now.height) > 0.05;
        }, 30s);
    }
    ASSERT_TRUE(started) << "the intro never showed";
    game.MoveMouse(0, 540);
    game.TapKey("Escape");
    ASSERT_TRUE(game.WaitUntil([&] { return ShowsPlayroom(game.Grab()); })) << "the playroom never showed";
    const WindowPicture room = Settled(game);
    Keep(room, "playroom");

    // No lamp lights him and his beam points away: the glow of the torch in his hand shows his
    // head and coat, and leaves the room beside him dark.
    const double father = FatherLevel(room);
    const double beside = room.MeanLevel(1100, 300, 1500, 700, 2);
    EXPECT_GT(father, 38.0) << "the father stands unseen in the dark";
    EXPECT_LT(beside, 25.0) << "the torch lights up the room";

    // The beam up at the bear, burning steady; then up towards it until the torch falters,
    // which the father shows first (its glow goes out with it).
    game.MoveMouse(960, 0);
    const WindowPicture lit = Settled(game);
    const double steady = WholeLevel(lit);
    const double steadyFather = FatherLevel(lit);
    game.KeyDown("w");
    const bool faltered = game.WaitUntil([&] {
        return std::abs(FatherLevel(game.Grab()) - steadyFather) > 0.3 * steadyFather;
    }, 60s);
    game.KeyUp("w");
    ASSERT_TRUE(faltered) << "the torch never faltered";

    // The bear keeps the torch faltering. Looks with the father dark are the torch out: the
    // room is then darker than with it on, and never flashes bright.
    double brightest = 0.0;
    double outSum = 0.0;
    double onSum = 0.0;
    int out = 0;
    int on = 0;
    WindowPicture brightestLook;
    game.WaitUntil([&] {
        WindowPicture now = game.Grab();
        const double level = WholeLevel(now);
        if (FatherLevel(now) < 0.7 * steadyFather) {
            outSum += level;
            ++out;
        } else {
            onSum += level;
            ++on;
        }
        if (level > brightest) {
            brightest = level;
            brightestLook = std::move(now);
        }
        return out >= 10 && on >= 10;
    }, 60s);
    Keep(brightestLook, "playroom-flicker");
    const double outLevel = out > 0 ? outSum / out : 0.0;
    const double onLevel = on > 0 ? onSum / on : 0.0;
    std::cout << "playroom: father " << father << ", room beside him " << beside << "; torch steady " << steady
              << " (father " << steadyFather << "), flickering: on " << onLevel << " (" << on << " looks), out "
              << outLevel << " (" << out << " looks), brightest " << brightest << std::endl;
    EXPECT_LT(brightest, 1.5 * steady) << "the room flashed bright while the torch faltered";
    ASSERT_GT(out, 0) << "no look caught the torch out";
    EXPECT_LE(outLevel, onLevel) << "the room is brighter with the torch out than with it on";
}

}  // namespace
