// The real game under the test run's X server, played as a person would: through the menus into
// the ward, the nurse's talks, through a door, against a wall, a save at a checkpoint, through a
// door grazing its wall and on with the same key, the pause menu, and out.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <future>
#include <iostream>
#include <memory>
#include <numeric>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "support/DisplayRequired.h"
#include "support/GameProcess.h"
#include "support/SoundOutput.h"
#include "support/TitleMenu.h"

using namespace std::chrono_literals;
using testsupport::GameProcess;
using testsupport::ShowsTitleMenu;
using testsupport::SoundOutputQuiet;
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

// Share of pixels brighter than the threshold in the rectangle.
double Lit(const WindowPicture& picture, int x0, int y0, int x1, int y1, int threshold)
{
    return picture.LitShare(x0, y0, x1, y1, threshold);
}

bool ShowsText(const WindowPicture& picture)
{
    return BrightPixels(picture, 430, 780, 1500, 880) > 200;
}

// The dialogue box, open from the first line to the last, short lines ("...") included: its
// bronze top edge across the screen over its dark grey panel.
bool ShowsBox(const WindowPicture& picture)
{
    if (picture.width < 1700 || picture.height < 801)
        return false;
    int edge = 0;
    int panel = 0;
    int looks = 0;
    for (int x = 500; x < 1700; x += 10, ++looks) {
        const std::uint8_t* e = &picture.rgb[(749u * picture.width + x) * 3];
        edge += e[0] >= 70 && e[0] <= 130 && e[0] > e[1] && e[1] > e[2] && e[1] >= 45 && e[1] <= 100;
        const std::uint8_t* p = &picture.rgb[(800u * picture.width + x) * 3];
        panel += p[0] >= 10 && p[0] <= 26 && std::abs(p[0] - p[2]) <= 4;
    }
    return edge > looks * 8 / 10 && panel > looks * 8 / 10;
}

// The ward at the start, where he wakes: a dim room in the middle of a black screen above the
// dialogue box (the intro's pictures fill the screen and carry no such box).
bool ShowsWardAwake(const WindowPicture& picture)
{
    return ShowsBox(picture) && Lit(picture, 0, 0, 400, 740, 12) < 0.01 &&
           Lit(picture, 1520, 0, picture.width, 740, 12) < 0.01 && Lit(picture, 400, 0, 1520, 740, 12) > 0.05;
}

// The interact prompt above the player's head.
bool ShowsPrompt(const WindowPicture& picture)
{
    return BrightPixels(picture, 900, 380, 1020, 500) > 30;
}

double Lit12(const WindowPicture& picture)
{
    return Lit(picture, 0, 0, picture.width, picture.height, 12);
}

// Share of pixels (every fourth, each way) that differ between two pictures.
double Changed(const WindowPicture& a, const WindowPicture& b)
{
    if (a.width != b.width || a.height != b.height || a.Empty())
        return 1.0;
    long changed = 0;
    long looked = 0;
    for (int y = 0; y < a.height; y += 4)
        for (int x = 0; x < a.width; x += 4, ++looked) {
            const size_t at = (static_cast<size_t>(y) * a.width + x) * 3;
            for (int c = 0; c < 3; ++c)
                if (std::abs(a.rgb[at + c] - b.rgb[at + c]) > 8) {
                    ++changed;
                    break;
                }
        }
    return static_cast<double>(changed) / static_cast<double>(looked);
}

// Waits until nothing moves over three looks: whoever walks (the nurse to her next place) has
// arrived. The looks are spaced so that a slow machine draws new frames between them.
bool WaitUntilStill(GameProcess& game)
{
    WindowPicture last = game.Grab();
    int same = 0;
    return game.WaitUntil(
        [&] {
            std::this_thread::sleep_for(600ms);
            WindowPicture now = game.Grab();
            same = Changed(now, last) < 0.0005 ? same + 1 : 0;
            last = std::move(now);
            return same >= 2;
        },
        60s, "nothing on screen to move over three looks");
}

// The brightest channel of every fourth pixel each way: the light a fade scales.
std::vector<double> Brightness(const WindowPicture& picture)
{
    std::vector<double> samples;
    for (int y = 0; y < picture.height; y += 4)
        for (int x = 0; x < picture.width; x += 4) {
            const std::uint8_t* p = &picture.rgb[(static_cast<size_t>(y) * picture.width + x) * 3];
            samples.push_back(std::max({p[0], p[1], p[2]}));
        }
    return samples;
}

double MeanBrightness(const WindowPicture& picture)
{
    const std::vector<double> samples = Brightness(picture);
    return samples.empty() ? 0.0 : std::accumulate(samples.begin(), samples.end(), 0.0) / samples.size();
}

// How alike two pictures' patterns of light are, whatever their overall brightness: the
// correlation of their brightness, 1 for one picture at any stage of a fade, near 0 for
// unrelated ones.
double Likeness(const WindowPicture& a, const WindowPicture& b)
{
    if (a.width != b.width || a.height != b.height || a.Empty())
        return 0.0;
    const std::vector<double> x = Brightness(a);
    const std::vector<double> y = Brightness(b);
    const double mx = std::accumulate(x.begin(), x.end(), 0.0) / x.size();
    const double my = std::accumulate(y.begin(), y.end(), 0.0) / y.size();
    double xy = 0.0;
    double xx = 0.0;
    double yy = 0.0;
    for (size_t i = 0; i < x.size(); ++i) {
        xy += (x[i] - mx) * (y[i] - my);
        xx += (x[i] - mx) * (x[i] - mx);
        yy += (y[i] - my) * (y[i] - my);
    }
    return xx > 0.0 && yy > 0.0 ? xy / std::sqrt(xx * yy) : 0.0;
}

// The middle quarter of the window's rows: across both rooms and the black beside them it tells
// the ward from the corridor as well as the whole window, and is read ten times faster, quicker
// than a loaded machine's frames.
WindowPicture LookAtTheMiddle(GameProcess& game)
{
    return game.Grab(405, 270);
}

// What the window showed around one step towards a door.
struct DoorPass {
    WindowPicture pressedOn;  // the room the step began in
    WindowPicture before;     // the last look before the screen darkened
    WindowPicture fadeIn;     // the first look at the screen clearing from black, when one was seen
    WindowPicture after;      // the still window at the end
    bool darkened = false;
    std::vector<double> clearing;  // the brightness of the looks from the darkest one on
    int looks = 0;
    double seconds = 0.0;
    double longestGap = 0.0;  // between two looks after the press
};

// Holds the key until the window shows a step taken (or the screen darkening, so that no key is
// down when the door lets him go, or nothing moving: he is held) and looks at the window as fast
// as it can until it stands still: a door's fade lasts a second, and the frames of its clearing
// from black are the ones to see.
DoorPass WatchStep(GameProcess& game, const std::string& key)
{
    DoorPass pass;
    pass.pressedOn = pass.after = pass.before = LookAtTheMiddle(game);
    const WindowPicture& pressedOn = pass.pressedOn;
    const double lit = MeanBrightness(pass.before);
    double darkest = lit;
    bool down = true;
    std::future<void> letGo;
    game.KeyDown(key);
    const auto pressed = std::chrono::steady_clock::now();
    auto stillSince = pressed;
    auto lastLook = pressed;
    while (game.Running() && testsupport::InTime() && std::chrono::steady_clock::now() - pressed < 60s) {
        WindowPicture now = LookAtTheMiddle(game);
        const auto at = std::chrono::steady_clock::now();
        const double brightness = MeanBrightness(now);
        if (pass.looks++ > 0)
            pass.longestGap = std::max(pass.longestGap, std::chrono::duration<double>(at - lastLook).count());
        lastLook = at;
        if (!pass.darkened && brightness < 0.75 * lit)
            pass.darkened = true;
        if (brightness < darkest)
            pass.clearing.clear();
        pass.clearing.push_back(brightness);
        // Below a twentieth of the light no room can be told from another.
        const bool seen = brightness > 0.05 * lit;
        // A step is a tenth of the window's looks changed since the press: the room has scrolled.
        const bool stepped = Changed(now, pressedOn) >= 0.1;
        if (down && (pass.darkened || stepped || at - stillSince > 1200ms)) {
            // Let go beside the looks: xdotool on a loaded machine takes as long as a frame.
            letGo = std::async(std::launch::async, [&game, key] { game.KeyUp(key); });
            down = false;
        }
        // Once dark, the screen clears, on whatever room it then shows: seen brighter than the
        // darkest look, or already another room. At a few frames a second the first frame of the
        // clearing is as dark as the last of the darkening.
        if (!pass.darkened)
            pass.before = now;
        else if (pass.fadeIn.Empty() &&
                 (brightness > darkest + 0.15 * lit || (seen && Likeness(now, pass.before) < 0.5)))
            pass.fadeIn = now;
        darkest = std::min(darkest, brightness);
        // As many pixels as before in a quarter of the window: the torch's flame flickers.
        if (Changed(now, pass.after) >= 0.002) {
            pass.after = std::move(now);
            stillSince = at;
        }
        // A dark screen is still in the fade, however long its frames take.
        if (!down && at - stillSince > 1200ms && (!pass.darkened || brightness > darkest + 0.15 * lit))
            break;
    }
    if (down)
        game.KeyUp(key);
    pass.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - pressed).count();
    return pass;
}

// Whether a frame of the screen clearing from black was caught, or seen not to be drawn; one
// caught must show the room the door leads to, not the one left. A frame as bright as the room
// it shows had already finished clearing.
bool CheckFadeIn(const DoorPass& pass, const WindowPicture& newRoom)
{
    const double likeNew = Likeness(pass.fadeIn, newRoom);
    const double likeOld = Likeness(pass.fadeIn, pass.before);
    const WindowPicture& shown = likeNew >= likeOld ? newRoom : pass.before;
    const double share = MeanBrightness(pass.fadeIn) / std::max(1e-9, MeanBrightness(shown));
    if (!pass.fadeIn.Empty())
        std::cout << "door fade-in: likeness to the new room " << likeNew << ", to the old room " << likeOld
                  << ", brightness " << share << " of the room shown" << std::endl;
    std::cout << "door: " << pass.looks << " looks in " << pass.seconds << " s, at most " << pass.longestGap
              << " s apart" << std::endl;
    const double newLit = MeanBrightness(newRoom);
    const double seen = 0.05 * MeanBrightness(pass.pressedOn);
    const bool partlyLit = std::any_of(pass.clearing.begin(), pass.clearing.end(), [&](double brightness) {
        return brightness > seen && brightness < 0.9 * newLit;
    });
    if (pass.fadeIn.Empty() || share > 0.9) {
        // The clearing starts as dark as the darkening ended and lasts half a second, so at a
        // steady frame rate it shows partly lit for a quarter second or more; unless frames as
        // long as the fade clear it in one frame too dark to tell the rooms apart, or cut
        // straight to the new room. Looks closer together than that, from the room left to the
        // new one, that saw nothing partly lit since the darkest saw what the game drew: there
        // is no clearing to check, only that he is elsewhere, which the caller waited for.
        if (partlyLit || pass.longestGap > 0.25 || Likeness(newRoom, pass.pressedOn) >= 0.5)
            return false;
        std::cout << "door: nothing partly lit drawn, the frames as long as the fade" << std::endl;
        return true;
    }
    Keep(pass.fadeIn, "fadein");
    EXPECT_GT(likeNew, 0.5) << "the screen clears on the room the door leads to";
    EXPECT_GT(likeNew, likeOld + 0.2) << "the screen clears on the new room, not on the one left";
    return true;
}

// Holds the key until the window shows what the walk is for. A player stopped by something in
// his way (the nurse ahead) stays stopped while the key is held, so the key is let go and
// pressed again now and then; and in case he stands past what he walked for, every other time
// he first steps back the other way.
bool WalkUntil(GameProcess& game, const std::string& key, const std::function<bool(const WindowPicture&)>& arrived,
               const std::string& back = "", std::chrono::seconds limit = 120s)
{
    std::string held = key;
    int turns = 0;
    game.KeyDown(held);
    auto pressed = std::chrono::steady_clock::now();
    const bool done = game.WaitUntil(
        [&] {
            if (arrived(game.Grab()))
                return true;
            const auto now = std::chrono::steady_clock::now();
            if (now - pressed > (held == key ? 3s : 400ms)) {
                game.KeyUp(held);
                held = held == key && !back.empty() && ++turns % 2 == 0 ? back : key;
                game.KeyDown(held);
                pressed = now;
            }
            return false;
        },
        limit, "the walk with " + key + " to show what it is for");
    game.KeyUp(held);
    if (!done)
        Keep(game.Grab(), "stuck");
    return done;
}

// The window once text shows in the dialogue box, or the last look after the limit.
WindowPicture WaitForText(GameProcess& game, std::chrono::seconds limit = 60s)
{
    WindowPicture picture = game.Grab();
    game.WaitUntil([&] { return ShowsText(picture = game.Grab()); }, limit, "text in the dialogue box");
    return picture;
}

// Presses interact until the dialogue box has stayed closed over three looks: a press may
// only finish the typing of a line.
void ReadThrough(GameProcess& game)
{
    int closed = 0;
    for (int guard = 0; guard < 150 && closed < 3 && game.Running() && testsupport::InTime(); ++guard) {
        if (ShowsBox(game.Grab())) {
            closed = 0;
            game.TapKey("e");
        } else {
            ++closed;
        }
        std::this_thread::sleep_for(400ms);
    }
}

// Does something (a click, a key) again until the window shows what it is for; each try is
// given a while to show, so that a toggle is not undone by an impatient second press.
bool DoUntil(GameProcess& game, const std::function<void()>& action,
             const std::function<bool(const WindowPicture&)>& shown)
{
    for (int attempt = 0; attempt < 4; ++attempt) {
        action();
        if (game.WaitUntil([&] { return shown(game.Grab()); }, 30s, "what the press or click is for"))
            return true;
    }
    return false;
}

bool ClickUntil(GameProcess& game, int x, int y, const std::function<bool(const WindowPicture&)>& shown)
{
    return DoUntil(
        game,
        [&] {
            game.MoveMouse(x, y);
            game.Click();
        },
        shown);
}

bool PressUntil(GameProcess& game, const std::string& key, const std::function<bool(const WindowPicture&)>& shown)
{
    return DoUntil(game, [&] { game.TapKey(key); }, shown);
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

// From the start through the menus and the ward's talks until the torch is lit by its door.
void PlayToTheWardDoor(GameProcess& game)
{
    // The title menu's music is silence here, so that what the sound output carries after the
    // level is only what the level left playing.
    game.soundFile = (game.tree.Root() / "sound.raw").string();
    game.tree.WriteFile("resources/bgm/main_menu.wav", SilentWave());
    game.Start();
    ASSERT_FALSE(game.WaitForWindow().empty()) << "the window never showed\n" << game.Output();

    // The splash takes Escape only in its last three seconds: pressed until the menu shows.
    WindowPicture menu;
    ASSERT_TRUE(game.WaitUntil([&] {
        game.TapKey("Escape");
        return ShowsTitleMenu(menu = game.Grab());
    }, 120s, "the title menu, Escape pressed again and again"))
        << "no title menu; running: " << game.Running() << "\n" << game.Output();
    Keep(menu, "menu");

    // Start: the intro's first picture fades in; Escape skips it, and the ward clears from black.
    WindowPicture intro;
    ASSERT_TRUE(ClickUntil(game, 960, 440, [&](const WindowPicture& now) {
        intro = now;
        return !ShowsTitleMenu(now) && WholeLit(now) > 0.05;
    })) << "the intro never showed";
    Keep(intro, "intro");
    game.TapKey("Escape");
    // He wakes where he lies, no key pressed: his thoughts fill the dialogue box.
    WindowPicture level;
    ASSERT_TRUE(game.WaitUntil([&] {
        if (!ShowsWardAwake(level = game.Grab()))
            return false;
        std::this_thread::sleep_for(300ms);
        return ShowsWardAwake(level = game.Grab());
    }, 120s, "the ward with him awake")) << "the ward never showed with him awake";
    Keep(level, "level");
    const WindowPicture woke = WaitForText(game);
    Keep(woke, "woke");
    EXPECT_TRUE(ShowsText(woke)) << "the first thought is printed in the box";
    ReadThrough(game);

    // Along the ward behind the nurse: each trigger on the way is one of her talks (follow me,
    // the hospital, the reception). The way out then holds him while the ward changes, and
    // asks for the key in the dark.
    const auto heldInTheDark = [](const WindowPicture& now) {
        return ShowsPrompt(now) && Lit(now, 0, 0, now.width, now.height, 40) < 0.005;
    };
    int talks = 0;
    bool held = false;
    for (int walk = 0; walk < 12 && !held; ++walk) {
        WindowPicture stop;
        ASSERT_TRUE(WalkUntil(game, "d", [&](const WindowPicture& now) {
            stop = now;
            return ShowsBox(now) || heldInTheDark(now);
        }, "a")) << "the ward's way ended after " << talks << " talks";
        held = !ShowsBox(stop);
        if (!held) {
            Keep(WaitForText(game), "talk" + std::to_string(++talks));
            ReadThrough(game);
            // She walks on after each talk; he follows once she is there, never into her.
            ASSERT_TRUE(WaitUntilStill(game)) << "the ward never stood still after talk " << talks;
        }
    }
    ASSERT_TRUE(held) << "the way out never asked for the torch after " << talks << " talks";

    // The key lights the torch and lets him go.
    ASSERT_TRUE(game.WaitUntil([&] {
        game.TapKey("e");
        return !ShowsPrompt(game.Grab());
    }, 120s, "the torch lit, E pressed again and again")) << "the torch never lit";
}

// Through the ward's door into the corridor; `caught` tells whether a frame of the screen
// clearing from black was seen (and checked).
void GoThroughTheWardDoor(GameProcess& game, bool& caught)
{
    // On through the ward's door, a step at a time until the screen fades: the fade holds him,
    // and no key is down when it lets him go, so he stands where the door leads. Each step is
    // watched to its end before the next, so that none lands after a fade that came and went.
    // Slow frames may make a step a few pixels, or take him through without a dark look.
    DoorPass door;
    const WindowPicture ward = LookAtTheMiddle(game);
    ASSERT_TRUE(game.WaitUntil([&] {
        door = WatchStep(game, "d");
        return door.darkened || Likeness(door.after, ward) < 0.5;
    }, 120s, "the ward's door to fade the screen")) << "the door never faded the screen";
    ASSERT_TRUE(game.WaitUntil([&] {
        const WindowPicture now = LookAtTheMiddle(game);
        return Lit12(now) > 0.15 && Likeness(now, ward) < 0.5;
    }, 120s, "the corridor")) << "the corridor never showed";
    ASSERT_TRUE(WaitUntilStill(game)) << "the corridor never stood still";
    const WindowPicture corridor = game.Grab();
    Keep(corridor, "corridor");
    Keep(door.before, "ward");
    caught = CheckFadeIn(door, LookAtTheMiddle(game));
    if (!caught)
        std::cout << "no frame of the screen clearing from black was seen in " << door.looks << " looks over "
                  << door.seconds << " s" << std::endl;
}

// Where one push towards a door ended.
struct DoorPush {
    bool through = false;   // the screen cleared on another room
    bool walkedOn = false;  // and scrolled there with the key still held
    double likeness = 1.0;  // the last look's likeness to the room the push began in
};

// Holds the key towards the door until a wall holds him (nothing moves for a while) or the
// screen clears on another room; then, the key still held and nothing pressed anew, until that
// room scrolls: he walks on with the key he walked in with. Neither needs a look at the fade,
// which a loaded machine may draw between two looks.
DoorPush PushTowardsDoor(GameProcess& game, const std::string& key)
{
    DoorPush push;
    const WindowPicture from = game.Grab();
    const double lit = MeanBrightness(from);
    WindowPicture last = from;
    WindowPicture arrived;
    game.KeyDown(key);
    auto stillSince = std::chrono::steady_clock::now();
    game.WaitUntil(
        [&] {
            WindowPicture now = game.Grab();
            const auto at = std::chrono::steady_clock::now();
            // Likeness is blind to the fade's dimming: a room fading out still looks like itself.
            push.likeness = Likeness(now, from);
            if (!push.through && MeanBrightness(now) > 0.75 * lit && push.likeness < 0.5) {
                push.through = true;
                arrived = now;
            }
            if (push.through && (push.walkedOn = Likeness(now, arrived) < 0.8))
                return true;
            if (Changed(now, last) >= 0.0005) {
                last = std::move(now);
                stillSince = at;
            }
            return at - stillSince > 1500ms;
        },
        60s, "the " + key + " key to take him through the door and on, or a wall to hold him");
    game.KeyUp(key);
    return push;
}

// From the corridor's top wall into the reception, whose door frame overlaps the wall's last
// stone: short steps down, each with a push right, until the door takes him while the stone
// still stops him. The key he walked in with must walk him on in the reception.
void ThroughTheReceptionDoor(GameProcess& game)
{
    game.KeyDown("d");
    const bool stopped = WaitUntilStill(game);
    game.KeyUp("d");
    ASSERT_TRUE(stopped) << "the corridor's end never stopped him";
    DoorPush push;
    int pushes = 0;
    while (!push.through && pushes < 30 && game.Running() && testsupport::InTime()) {
        // A step short enough that none takes him past the door's frame, however slow the frames.
        game.StepKey("s");
        push = PushTowardsDoor(game, "d");
        ++pushes;
    }
    if (!push.through)
        Keep(game.Grab(), "stuck");
    ASSERT_TRUE(push.through) << "the reception's door never took him in " << pushes
                              << " pushes; the last look's likeness to where it began: " << push.likeness;
    EXPECT_TRUE(push.walkedOn) << "the key he walked in with does nothing in the reception";
}

// Every step waits for what the game shows or writes, never for a set time: a loaded machine
// runs the same play at a few frames a second, and walks by frames.
TEST(PlayTest, FromTheMenusIntoTheLevelThroughADoorToASaveAndOut)
{
    REQUIRE_DISPLAY();
    // Well within the test run's limit, which this program's other test shares when shuffled.
    const testsupport::WaitBudget budget(540s);
    // A machine too slow to look at the window while the door's fade clears (it lasts half a
    // second) plays again from the start: the corridor has no way back into the ward.
    std::unique_ptr<GameProcess> play;
    bool caught = false;
    int plays = 0;
    while (!caught && plays < 3 && testsupport::InTime()) {
        ++plays;
        play = std::make_unique<GameProcess>(1920, 1080);
        PlayToTheWardDoor(*play);
        if (HasFatalFailure())
            return;
        GoThroughTheWardDoor(*play, caught);
        if (HasFatalFailure())
            return;
    }
    ASSERT_TRUE(caught) << "no frame of the screen clearing from black was seen in " << plays << " plays";
    GameProcess& game = *play;

    // Up the corridor to its wall, where the checkpoint stands: each try saves where he stands,
    // and the save tells whether he has reached the wall yet. On a loaded machine he may come
    // out of the door a step or two along the corridor (slow frames each walk a few frames'
    // worth), out of the checkpoint's reach: tries that save nothing then step him sideways,
    // back towards the door first, until one saves.
    float x = 0.0f;
    float y = -100.0f;
    WindowPicture saved;
    const char* const search[] = {"a", "a", "a", "d", "d", "d", "d", "d", "d"};
    int unsaved = 0;
    game.KeyDown("w");
    for (int tries = 0; tries < 60 && y <= -20.2f && game.Running() && testsupport::InTime(); ++tries) {
        game.TapKey("e");
        if (!game.WaitUntil([&] { return ShowsBox(game.Grab()); }, 5s, "the checkpoint's message")) {
            // Time enough to reach the wall first.
            if (++unsaved > 8 && unsaved - 9 < 9)
                game.TapKey(search[unsaved - 9]);
            continue;
        }
        saved = WaitForText(game);
        ASSERT_TRUE(PlayerPosition(game.tree.ReadFile("resources/save/SaveData.txt"), x, y))
            << "the message shows but no save was written\n" << game.Output();
        if (y <= -20.2f)
            ReadThrough(game);
    }
    game.KeyUp("w");
    Keep(saved, "saved");
    EXPECT_TRUE(ShowsText(saved)) << "the message is printed in the box";
    EXPECT_NEAR(x, 53.0f, 1.4f) << "he went through the ward's door to the corridor's checkpoint";
    EXPECT_GT(y, -20.2f) << "he walked up to the checkpoint";
    EXPECT_LT(y, -19.55f) << "the wall stopped him";

    // Close the message; on through the reception's door.
    ReadThrough(game);
    ThroughTheReceptionDoor(game);
    if (HasFatalFailure())
        return;

    // The pause menu: its buttons, the confirmation, No.
    WindowPicture paused;
    EXPECT_TRUE(PressUntil(game, "Escape", [&](const WindowPicture& now) {
        // The light letters of "Resume" on its dark plate.
        return (paused = now).LitShare(760, 350, 1160, 410, 150) > 0.18;
    })) << "the resume button is shown";
    Keep(paused, "paused");
    WindowPicture confirm;
    EXPECT_TRUE(ClickUntil(game, 960, 700, [&](const WindowPicture& now) {  // Quit
        return BrightPixels(confirm = now, 580, 290, 1340, 540, 150) > 1000;
    })) << "the confirmation's words are shown";
    Keep(confirm, "confirm");
    EXPECT_TRUE(ClickUntil(game, 1240, 715, [](const WindowPicture& now) {  // No
        return BrightPixels(now, 580, 290, 1340, 540, 150) < 1000;
    })) << "No closes the confirmation";

    // F9 to the title menu: the level's music and sounds end with it. Quit ends the program.
    const std::string sound = game.soundFile;
    ASSERT_TRUE(game.WaitUntil([&] { return !SoundOutputQuiet(sound); }, 30s, "the level's sound"))
        << "the level plays no sound";
    EXPECT_TRUE(PressUntil(game, "F9", ShowsTitleMenu)) << "F9 goes back to the title menu";
    EXPECT_TRUE(game.WaitUntil([&] { return SoundOutputQuiet(sound); }, 30s, "silence in the title menu"))
        << "the level's sound plays on in the menu";
    game.MoveMouse(960, 845);  // Quit
    game.Click();
    EXPECT_EQ(game.WaitForExit(), 0) << "Quit in the title menu\n" << game.Output();
}

}  // namespace
