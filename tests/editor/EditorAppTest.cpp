// The editor in the real program under the test run's X server: open it, pick, drag, save,
// and the saved level reads back with the object where it was left.
#include <gtest/gtest.h>

#include <dlfcn.h>
#include <signal.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <set>
#include <thread>

#include "objects/GameObject.h"
#include "objects/LevelFile.h"
#include "objects/ObjectList.h"
#include "objects/Transform.h"
#include "support/CloseBox.h"
#include "support/DisplayRequired.h"
#include "support/GameProcess.h"
#include "support/SoundOutput.h"

// Last: the X headers define macros (DestroyAll among them) that clash with engine names.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#undef DestroyAll

using namespace std::chrono_literals;
using testsupport::Capture;
using testsupport::GameProcess;

namespace {

// A camera of 20 pixels per unit and a 10 x 10 box on the world origin, in front of it.
const char* kLevel =
    "Level1\n\nCamera\n10\nNone\nTransform\nPosition\n0 0 0\nRotate\n0\nScale\n20 20 1\nMouseTracking\n0\nEnd\n\n"
    "Box\n4\nNone\nTransform\nPosition\n0 0 1\nRotate\n0\nScale\n10 10 1\nMouseTracking\n0\nEnd\n\n/Level1\n";

void Xdo(const std::string& actions)
{
    Capture("xdotool " + actions + " 2>/dev/null");
}

struct Screenshot {
    int width = 0;
    int height = 0;
    std::vector<unsigned char> rgb;
};

// Reads the screen back through the X library the game itself loads; empty when unreachable.
Screenshot GrabScreen()
{
    Screenshot shot;
    void* x11 = dlopen("libX11.so.6", RTLD_NOW);
    if (!x11)
        return shot;
    auto open = reinterpret_cast<Display* (*)(const char*)>(dlsym(x11, "XOpenDisplay"));
    auto getImage = reinterpret_cast<XImage* (*)(Display*, Drawable, int, int, unsigned, unsigned, unsigned long, int)>(
        dlsym(x11, "XGetImage"));
    auto close = reinterpret_cast<int (*)(Display*)>(dlsym(x11, "XCloseDisplay"));
    if (!open || !getImage || !close)
        return shot;
    Display* display = open(nullptr);
    if (!display)
        return shot;
    const Window root = RootWindow(display, DefaultScreen(display));
    const int width = DisplayWidth(display, DefaultScreen(display));
    const int height = DisplayHeight(display, DefaultScreen(display));
    XImage* image = getImage(display, root, 0, 0, width, height, AllPlanes, ZPixmap);
    if (image && image->bits_per_pixel == 32) {
        shot.width = width;
        shot.height = height;
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) {
                const auto* p = reinterpret_cast<unsigned char*>(image->data) + y * image->bytes_per_line + x * 4;
                shot.rgb.insert(shot.rgb.end(), {p[2], p[1], p[0]});
            }
    }
    if (image)
        image->f.destroy_image(image);
    close(display);
    return shot;
}

size_t At(const Screenshot& shot, int x, int y)
{
    return (static_cast<size_t>(y) * static_cast<size_t>(shot.width) + static_cast<size_t>(x)) * 3u;
}

bool Dark(const Screenshot& shot, int x, int y)
{
    const size_t at = At(shot, x, y);
    return shot.rgb[at] + shot.rgb[at + 1] + shot.rgb[at + 2] == 0;
}

// A pure green pixel (the move handle's x line) in the column x between rows y0 and y1.
bool GreenBetween(const Screenshot& shot, int x, int y0, int y1)
{
    for (int y = y0; y <= y1; ++y) {
        const size_t at = At(shot, x, y);
        if (shot.rgb[at] < 60 && shot.rgb[at + 1] > 200 && shot.rgb[at + 2] < 60)
            return true;
    }
    return false;
}

// Grabs the screen until it shows what the test waits for, described by `what` (for about a
// minute, less when the wait around it ends first).
template <class Shows>
bool WaitUntilShown(GameProcess& game, Shows shows, const std::string& what)
{
    return game.WaitUntil(
        [&] {
            const Screenshot shot = GrabScreen();
            if (!shot.rgb.empty() && shows(shot))
                return true;
            std::this_thread::sleep_for(100ms);
            return false;
        },
        60s, what);
}

std::string Rectangle(int x0, int y0, int x1, int y1)
{
    return "[" + std::to_string(x0) + ", " + std::to_string(x1) + ") x [" + std::to_string(y0) + ", " +
           std::to_string(y1) + ")";
}

// Waits until the rectangle [x0, x1) x [y0, y1) of the screen differs from `before`: the program
// has drawn what the last input did.
bool WaitForChange(GameProcess& game, const Screenshot& before, int x0, int y0, int x1, int y1,
                   const std::string& after = "the last input")
{
    return WaitUntilShown(
        game,
        [&](const Screenshot& now) {
            if (now.width != before.width || now.height != before.height)
                return true;
            for (int y = y0; y < y1; ++y)
                for (int x = x0; x < x1; ++x)
                    for (size_t c = 0; c < 3; ++c)
                        if (now.rgb[At(now, x, y) + c] != before.rgb[At(before, x, y) + c])
                            return true;
            return false;
        },
        "the screen's " + Rectangle(x0, y0, x1, y1) + " to change after " + after);
}

// Does the input, then waits until the rectangle shows its effect.
bool InputShows(GameProcess& game, const std::string& actions, int x0, int y0, int x1, int y1)
{
    const Screenshot before = GrabScreen();
    Xdo(actions);
    return !before.rgb.empty() && WaitForChange(game, before, x0, y0, x1, y1, "\"" + actions + "\"");
}

// Left Shift + F5 opens the editor on Level1; on a busy machine the first frames come late,
// so the press is repeated until the "Heirarchy" panel shows (top left, not scene black), or
// until what the caller waits for shows.
bool OpenEditor(GameProcess& game, const std::function<bool(const Screenshot&)>& shown = {})
{
    return game.WaitUntil(
        [&] {
            Xdo("mousemove 960 540 keydown Shift_L sleep 0.3 keydown F5 sleep 0.3 keyup F5 keyup Shift_L sleep 1");
            const Screenshot probe = GrabScreen();
            return !probe.rgb.empty() && (shown ? shown(probe) : !Dark(probe, 150, 100));
        },
        90s, shown ? "the editor to show what the test opens it for, Left Shift+F5 pressed again and again"
                   : "the editor's panels, Left Shift+F5 pressed again and again");
}

// Starts the game on `level` as Level1 and opens the editor on it.
bool StartInEditor(GameProcess& game, const std::string& level)
{
    game.tree.WriteFile("resources/level/Level1.txt", level);
    game.Start();
    return !game.WaitForWindow().empty() && OpenEditor(game);
}

// Moves onto a control and presses it, each step once the rectangle shows the one before (the
// hover, then the press), so that press and release never fall into one frame.
bool PressShown(GameProcess& game, int x, int y, int x0, int y0, int x1, int y1)
{
    return InputShows(game, "mousemove " + std::to_string(x) + " " + std::to_string(y), x0, y0, x1, y1) &&
           InputShows(game, "mousedown 1", x0, y0, x1, y1);
}

// File > Save Scene, type the name, Ok (released); false when a step never showed. `atOnce`
// types the name with no pause and clicks Ok right after it, without waiting for the screen.
bool PressSaveOk(GameProcess& game, const std::string& name, bool atOnce = false)
{
    // The menu (open on the press), its item (lit on hover; the screen comes up, its field taking
    // the keys), the typed name, the button.
    if (!PressShown(game, 25, 9, 0, 0, 150, 90) || (Xdo("mouseup 1"), false) ||
        !InputShows(game, "mousemove 45 71", 0, 60, 150, 85) ||
        !InputShows(game, "mousedown 1 sleep 0.3 mouseup 1", 760, 520, 1160, 600))
        return false;
    if (atOnce) {
        Xdo("type --delay 0 " + name);
        Xdo("mousemove 805 580 click 1");
        return true;
    }
    if (!InputShows(game, "type --delay 60 " + name, 780, 545, 1000, 567) ||
        !PressShown(game, 805, 580, 770, 570, 840, 590))
        return false;
    Xdo("mouseup 1");
    return true;
}

// File > Save Scene, type the name, Ok; the level file's text once written and listed ("" when
// it never is). The list is written after the level.
std::string SaveScene(GameProcess& game, const std::string& name, bool atOnce = false)
{
    if (!PressSaveOk(game, name, atOnce))
        return "";
    const bool listed = game.WaitUntil(
        [&] { return game.tree.ReadFile("resources/level/TxtName.txt").find("\n" + name + "\n") != std::string::npos; },
        30s, "the level " + name + " to be listed once saved");
    return listed ? game.tree.ReadFile("resources/level/" + name + ".txt") : "";
}

// The position the game's own reader finds for the named object of a saved level.
Vector3 SavedPosition(GameProcess& game, const std::string& level, const std::string& object)
{
    DestroyAll();
    LoadLevel(level, (game.tree.Resources() / ("level/" + level + ".txt")).string());
    const auto found = FindObjectByName(object);
    const auto transform = found ? found->GetComponent<Transform>() : nullptr;
    const Vector3 position = transform ? transform->position : Vector3(1e6f, 1e6f, 1e6f);
    DestroyAll();
    return position;
}

void Quit(GameProcess& game)
{
    Capture("xdotool keydown Control_L sleep 0.3 keydown Escape sleep 0.5 keyup Escape keyup Control_L 2>/dev/null");
    EXPECT_EQ(game.WaitForExit(), 0) << game.Output();
}

TEST(EditorApp, OpensPicksDragsAndSavesALevelTheGameLoads)
{
    REQUIRE_DISPLAY();
    GameProcess game(1920, 1080);
    ASSERT_TRUE(StartInEditor(game, kLevel)) << game.Output();
    // A click on the box selects it; W takes the move tool; a drag from its centre moves it
    // 200 pixels (10 units) to the right.
    Xdo("mousemove 960 540 sleep 0.3 mousedown 1 sleep 0.3 mouseup 1 sleep 0.3 key w sleep 0.3");
    Xdo("mousemove 962 541 sleep 0.3 mousedown 1 sleep 0.2 mousemove 1000 541 sleep 0.2 "
                "mousemove 1060 541 sleep 0.2 mousemove 1120 541 sleep 0.2 mousemove 1160 541 sleep 0.4 "
                "mouseup 1 sleep 0.3");

    const Screenshot shot = GrabScreen();
    if (!shot.rgb.empty()) {
        std::ofstream ppm(VESPERINE_BINARY_DIR "/editor_screenshot.ppm", std::ios::binary);
        ppm << "P6\n" << shot.width << " " << shot.height << "\n255\n";
        ppm.write(reinterpret_cast<const char*>(shot.rgb.data()), static_cast<std::streamsize>(shot.rgb.size()));
        std::set<int> colours;
        for (size_t i = 0; i + 2 < shot.rgb.size(); i += 3 * 97)
            colours.insert(shot.rgb[i] << 16 | shot.rgb[i + 1] << 8 | shot.rgb[i + 2]);
        EXPECT_GT(colours.size(), 8u) << "the screen is blank";
        // The "Heirarchy" window's body (top left) is not the black of the empty scene.
        EXPECT_FALSE(Dark(shot, 150, 100)) << "no panel drawn";
    }

    ASSERT_FALSE(SaveScene(game, "Moved").empty()) << game.Output();

    // The game's own reader finds the box where the drag left it.
    const Vector3 box = SavedPosition(game, "Moved", "Box");
    EXPECT_NEAR(box.x, 9.9f, 0.5f);
    EXPECT_NEAR(box.y, 0.0f, 0.2f);
    EXPECT_FLOAT_EQ(box.z, 1.0f);
    Quit(game);
}

// With the rotate tool, the click that picks the box (inside its ring, at 45 degrees) turns
// nothing; then a name typed with no pause and Ok clicked at once saves under the whole name.
TEST(EditorApp, ThePickingClickTurnsNothingAndOkTakesTheWholeTypedName)
{
    REQUIRE_DISPLAY();
    GameProcess game(1920, 1080);
    ASSERT_TRUE(StartInEditor(game, kLevel)) << game.Output();
    Xdo("key r mousemove 970 530");
    ASSERT_TRUE(InputShows(game, "mousedown 1", 1515, 20, 1915, 120)) << "the inspector never showed the box";
    Xdo("mouseup 1");
    const std::string saved = SaveScene(game, "quickname", true);
    ASSERT_FALSE(saved.empty()) << game.Output();
    EXPECT_NE(saved.find("Box\n4\nNone\nTransform\nPosition\n0 0 1\nRotate\n0\n"), std::string::npos) << saved;
    Quit(game);
}

// Screen = (960 + 20 x, 540 - 20 y). "Lamp" is a long bar whose centre (390, 30) lies under the
// "Heirarchy" window's title bar, its right end out in the scene; "Crate" stands at (700, 560).
const char* kPanelLevel =
    "Level1\n\nCamera\n10\nNone\nTransform\nPosition\n0 0 0\nRotate\n0\nScale\n20 20 1\nMouseTracking\n0\nEnd\n\n"
    "Lamp\n4\nNone\nTransform\nPosition\n-28.5 25.5 1\nRotate\n0\nScale\n20 1.5 1\nMouseTracking\n0\nEnd\n\n"
    "Crate\n4\nNone\nTransform\nPosition\n-13 -1 2\nRotate\n0\nScale\n6 6 1\nMouseTracking\n0\nEnd\n\n"
    "/Level1\n";

TEST(EditorApp, DraggingInsidePanelsNeitherPicksNorMovesWhatLiesBehind)
{
    REQUIRE_DISPLAY();
    GameProcess game(1920, 1080);
    ASSERT_TRUE(StartInEditor(game, kPanelLevel)) << game.Output();

    // The move tool, then a press on the lamp's end, held until its handle's x line shows beside
    // the window.
    Xdo("key w sleep 0.3 mousemove 560 30 sleep 0.3 mousedown 1");
    ASSERT_TRUE(WaitUntilShown(game, [](const Screenshot& s) { return GreenBetween(s, 450, 26, 34); },
                               "the lamp's handle beside the Heirarchy window"))
        << game.Output();
    Xdo("mouseup 1");

    // The window's title bar, right above the lamp's centre handle, dragged 100 pixels down and
    // to the right: the window moves, the lamp does not.
    // The press is seen once the title bar lights up as the window takes the focus.
    Xdo("mousemove 388 30");
    ASSERT_TRUE(InputShows(game, "mousedown 1", 150, 22, 380, 38)) << game.Output();
    Xdo("mousemove 420 60 sleep 0.2 mousemove 460 100 sleep 0.2 mousemove 488 130 sleep 0.4 mouseup 1");
    ASSERT_TRUE(WaitUntilShown(game, [](const Screenshot& s) { return Dark(s, 50, 100); },
                               "the Heirarchy window moved off the top left")) << game.Output();

    // The window's resize grip (now at 500, 470) dragged onto the crate: the window grows over it
    // and the lamp stays selected.
    // The grip lights up when hovered, and again when pressed.
    ASSERT_TRUE(InputShows(game, "mousemove 496 466", 486, 456, 500, 470)) << game.Output();
    ASSERT_TRUE(InputShows(game, "mousedown 1", 486, 456, 500, 470)) << game.Output();
    Xdo("mousemove 560 500 sleep 0.2 mousemove 640 540 sleep 0.2 mousemove 700 560 sleep 0.4 mouseup 1");
    ASSERT_TRUE(WaitUntilShown(game, [](const Screenshot& s) { return !Dark(s, 650, 300); },
                               "the Heirarchy window grown over the crate")) << game.Output();
    Xdo("mousemove 1300 700");
    EXPECT_TRUE(WaitUntilShown(game, [](const Screenshot& s) { return GreenBetween(s, 450, 26, 34); },
                               "the lamp's handle beside the Heirarchy window"))
        << "the lamp is no longer selected where it stood";
    EXPECT_FALSE(GreenBetween(GrabScreen(), 760, 556, 564)) << "the crate behind the window was picked";

    ASSERT_FALSE(SaveScene(game, "Panels").empty()) << game.Output();
    const Vector3 lamp = SavedPosition(game, "Panels", "Lamp");
    const Vector3 crate = SavedPosition(game, "Panels", "Crate");
    EXPECT_FLOAT_EQ(lamp.x, -28.5f);
    EXPECT_FLOAT_EQ(lamp.y, 25.5f);
    EXPECT_FLOAT_EQ(crate.x, -13.0f);
    EXPECT_FLOAT_EQ(crate.y, -1.0f);
    Quit(game);
}

// Whether a pixel of the rectangle [x0, x1] x [y0, y1] has a colour `is` takes (red, green, blue).
template <class Is>
bool AnyPixel(const Screenshot& shot, int x0, int y0, int x1, int y1, Is is)
{
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) {
            const size_t at = At(shot, x, y);
            if (is(shot.rgb[at], shot.rgb[at + 1], shot.rgb[at + 2]))
                return true;
        }
    return false;
}

// File > Save Scene over the file `name` that holds `before`, and Ok on the question that comes
// at (x, y); the file's text once rewritten. "" when a step never shows or the file is written
// before the question is answered.
std::string SaveOver(GameProcess& game, const std::string& name, const std::string& before, int x, int y)
{
    const std::string path = "resources/level/" + name + ".txt";
    // The "Save Scene Confirmation" title bar, wider and lower than the save screen's, crosses x = 1175.
    const auto asked = [&](const Screenshot& s) {
        return AnyPixel(s, 1175, 480, 1175, 529, [](int r, int g, int b) { return r == 41 && g == 74 && b == 122; }) ||
               game.tree.ReadFile(path) != before;
    };
    if (!PressSaveOk(game, name) || !WaitUntilShown(game, asked, "the question before saving over " + name) ||
        game.tree.ReadFile(path) != before || !PressShown(game, x, y, x - 30, y - 8, x + 30, y + 8))
        return "";
    Xdo("mouseup 1");
    return game.WaitUntil([&] { return game.tree.ReadFile(path) != before; }) ? game.tree.ReadFile(path) : "";
}

TEST(EditorApp, SavingOverALevelFileThatIsNotListedAsksFirst)
{
    REQUIRE_DISPLAY();
    GameProcess game(1920, 1080);
    game.tree.WriteFile("resources/level/Level1.txt", kLevel);
    const std::string menu = game.tree.ReadFile("resources/level/Main.txt");
    ASSERT_EQ(game.tree.ReadFile("resources/level/TxtName.txt").find("\nMain\n"), std::string::npos);
    game.Start();
    ASSERT_FALSE(game.WaitForWindow().empty()) << game.Output();
    ASSERT_TRUE(OpenEditor(game)) << game.Output();
    EXPECT_NE(SaveOver(game, "Main", menu, 780, 557), "") << "not asked first: " << game.Output();
    Quit(game);
}

TEST(EditorApp, ALevelReadInPartSaysSoAndSavingOverItKeepsTheFileAside)
{
    REQUIRE_DISPLAY();
    // A record broken in the middle: the reader stops there, after the camera and the box.
    std::string damaged = kLevel;
    damaged.insert(damaged.find("/Level1"),
                   "Shelf\n4\nNone\nTr#nsform\nPosition\n0 0 0\nEnd\n\nCrate\n4\nNone\nEnd\n\n");
    GameProcess game(1920, 1080);
    ASSERT_TRUE(StartInEditor(game, damaged)) << game.Output();
    // A light red in the notices under the menu bar.
    const auto warning = [](int r, int g, int b) { return r > 180 && g < 120 && b < 120; };
    EXPECT_TRUE(WaitUntilShown(game, [&](const Screenshot& s) { return AnyPixel(s, 0, 19, 1919, 120, warning); },
                               "red under the menu bar"))
        << "nothing on screen says the level is not whole";

    // Saving over it (listed, so asked first) keeps the file as it was beside it.
    EXPECT_NE(SaveOver(game, "Level1", damaged, 725, 566), "") << game.Output();
    EXPECT_EQ(game.tree.ReadFile("resources/level/Level1.txt.broken"), damaged) << game.Output();
    Quit(game);
}

// The level list replaced by a folder after the editor read it: the save writes the level, and
// the notices under the menu bar say in red that the list was not; the next save, once the
// folder is gone, lists both names.
TEST(EditorApp, ASaveWhoseLevelListCannotBeWrittenSaysSoInTheMenuBarAndListsItLater)
{
    REQUIRE_DISPLAY();
    GameProcess game(1920, 1080);
    ASSERT_TRUE(StartInEditor(game, kLevel)) << game.Output();
    const std::filesystem::path list = game.tree.Root() / "resources/level/TxtName.txt";
    std::filesystem::remove(list);
    game.tree.WriteFile("resources/level/TxtName.txt/in-the-way", "x");
    const auto red = [](int r, int g, int b) { return r > 180 && g < 120 && b < 120; };
    const auto menuBarRed = [&](const Screenshot& s) { return AnyPixel(s, 0, 19, 1919, 120, red); };
    const Screenshot first = GrabScreen();
    ASSERT_FALSE(first.rgb.empty()) << "the screen cannot be read back";
    ASSERT_FALSE(menuBarRed(first));

    ASSERT_TRUE(PressSaveOk(game, "T5")) << game.Output();
    ASSERT_TRUE(game.WaitUntil([&] { return !game.tree.ReadFile("resources/level/T5.txt").empty(); })) << game.Output();
    EXPECT_TRUE(WaitUntilShown(game, menuBarRed, "red under the menu bar")) << game.Output();

    // The field still holds "T5": the second save is "T5T6".
    std::filesystem::remove_all(list);
    ASSERT_TRUE(PressSaveOk(game, "T6")) << game.Output();
    EXPECT_TRUE(game.WaitUntil([&] {
        const std::string names = game.tree.ReadFile("resources/level/TxtName.txt");
        return names.find("\nT5\n") != std::string::npos && names.find("\nT5T6\n") != std::string::npos;
    })) << game.Output();
    EXPECT_TRUE(WaitUntilShown(game, [&](const Screenshot& s) { return !menuBarRed(s); }, "the red line to go"));
    Quit(game);
}

TEST(EditorApp, EnteringFromTheTitleMenuEndsItsMusic)
{
    REQUIRE_DISPLAY();
    GameProcess game(1920, 1080);
    game.soundFile = (game.tree.Root() / "sound.raw").string();
    game.tree.WriteFile("resources/level/Level1.txt", kLevel);  // nothing in it plays
    game.Start();
    ASSERT_FALSE(game.WaitForWindow().empty()) << game.Output();
    // The splash is silent: sound comes out once the title menu's music plays.
    ASSERT_TRUE(game.WaitUntil([&] { return testsupport::SoundOutputAudible(game.soundFile); })) << game.Output();
    // The editor: its panel, and the empty scene's black where the menu has its pictures.
    ASSERT_TRUE(OpenEditor(game, [](const Screenshot& s) {
        return !Dark(s, 150, 100) && Dark(s, 960, 540) && Dark(s, 700, 300) && Dark(s, 1200, 700);
    })) << game.Output();
    EXPECT_TRUE(game.WaitUntil([&] { return testsupport::SoundOutputQuiet(game.soundFile); }, 30s))
        << "the title menu's music plays on in the editor";
    Quit(game);
}


// A box with a blue outline (its collider) on the origin, and a game controller whose cheat key 0
// kills at once.
const char* kDeathLevel =
    "Level1\n\nCamera\n10\nNone\nTransform\nPosition\n0 0 0\nRotate\n0\nScale\n20 20 1\nMouseTracking\n0\nEnd\n\n"
    "Box\n4\nNone\nTransform\nPosition\n0 0 1\nRotate\n0\nScale\n10 10 1\nMouseTracking\n0\n"
    "Collider\nScale\n10 10 1\nOffset\n0 0 0\nShowCollider\n1\nLineColor\n0 0 255\nActive\n1\nEnd\n\n"
    "GameController\n5\nNone\nGameController\nBearCounter\n0\nCheats\nEnd\n\n/Level1\n";

// Left Shift+F6 to the title menu, or a death in play, and back with Left Shift+F5: the level
// as edited, its selection too. Left Ctrl+Escape with the drag unsaved asks first; Ok quits.
TEST(EditorApp, LeavingComesBackToTheLevelAsEditedAndQuittingWithItUnsavedAsksFirst)
{
    REQUIRE_DISPLAY();
    GameProcess game(1920, 1080);
    ASSERT_TRUE(StartInEditor(game, kDeathLevel)) << game.Output();
    // The move tool picks the box (its x handle right of its centre), which is dragged 200 pixels
    // right; each step waits for what it shows.
    const auto handleAt = [](int x) { return [x](const Screenshot& s) { return GreenBetween(s, x + 50, 536, 546); }; };
    Xdo("mousemove 900 600 keydown w mousedown 1");
    ASSERT_TRUE(WaitUntilShown(game, handleAt(960), "the box's move handle at its centre")) << game.Output();
    Xdo("keyup w mouseup 1 mousemove 962 541 mousedown 1");
    ASSERT_TRUE(WaitUntilShown(game, [&](const Screenshot& s) { return !handleAt(960)(s); },
                               "the box's move handle to go as the drag starts")) << game.Output();
    Xdo("mousemove 1162 541");
    const auto blue = [](int r, int g, int b) { return r < 60 && g < 60 && b > 200; };
    ASSERT_TRUE(WaitUntilShown(game, [&](const Screenshot& s) { return AnyPixel(s, 1260, 500, 1260, 580, blue); },
                               "the box's blue outline dragged 200 pixels right"));
    Xdo("mouseup 1");
    ASSERT_TRUE(WaitUntilShown(game, handleAt(1160), "the box's move handle 200 pixels right")) << game.Output();

    // The title menu shows its pictures where the editor shows the scene's black.
    Xdo("keydown Shift_L keydown F6");
    ASSERT_TRUE(WaitUntilShown(game, [](const Screenshot& s) { return !Dark(s, 960, 540) || !Dark(s, 700, 300); },
                               "the title menu's pictures after Left Shift+F6"))
        << game.Output();
    Xdo("keyup F6 keyup Shift_L");
    ASSERT_TRUE(OpenEditor(game, handleAt(1160))) << "left by Left Shift+F6, the edited level is gone";

    // F12 plays (the panels go), 0 kills and the game-over scene takes the screen; back in the
    // editor, the box stands where it was dragged, still selected.
    Xdo("keydown F12");
    ASSERT_TRUE(WaitUntilShown(game, [](const Screenshot& s) { return Dark(s, 150, 100); },
                               "play mode (no panels) after F12")) << game.Output();
    Xdo("keyup F12");
    const Screenshot playing = GrabScreen();
    Xdo("keydown 0");
    ASSERT_TRUE(WaitForChange(game, playing, 0, 40, 1920, 1080)) << game.Output();
    Xdo("keyup 0");
    EXPECT_TRUE(OpenEditor(game, handleAt(1160))) << "the edited level and its selection are gone";

    // The question's title bar crosses the middle of the screen.
    Xdo("keydown Control_L sleep 0.3 keydown Escape");
    const auto asked = [](const Screenshot& s) {
        return AnyPixel(s, 960, 480, 960, 540, [](int r, int g, int b) { return r == 41 && g == 74 && b == 122; });
    };
    ASSERT_TRUE(WaitUntilShown(game, asked, "the quit question")) << "quit without a word: " << game.Output();
    Xdo("keyup Escape keyup Control_L");
    ASSERT_TRUE(PressShown(game, 868, 557, 840, 550, 896, 564)) << game.Output();
    Xdo("mouseup 1");
    EXPECT_EQ(game.WaitForExit(), 0) << game.Output();
}

// The name a rename gives when its keys come `delay` milliseconds apart: the box is picked, its
// name field clicked, the keys typed (Enter commits, which the entity list shows) and the level
// saved.
std::string RenameTypedAt(int delay)
{
    GameProcess game(1920, 1080);
    if (!StartInEditor(game,
                       "Level1\n\nCamera\n10\nNone\nTransform\nPosition\n0 0 0\nRotate\n0\nScale\n20 20 1\n"
                       "MouseTracking\n0\nEnd\n\nLampOnDesk\n4\nNone\nTransform\nPosition\n0 0 1\nRotate\n0\nScale\n10 10 1\n"
                       "MouseTracking\n0\nEnd\n\n/Level1\n") ||
        !InputShows(game, "mousemove 960 540 mousedown 1", 1515, 20, 1915, 120) || (Xdo("mouseup 1"), false) ||
        !InputShows(game, "mousemove 1650 73 mousedown 1", 1515, 60, 1915, 90))
        return "(no name field) " + game.Output();
    Xdo("mouseup 1");
    std::string keys;
    for (int i = 0; i < 10; ++i)
        keys += "BackSpace ";
    keys += "R o o m 1 L a m p Left Left Z End BackSpace X Return";
    if (!InputShows(game, "key --delay " + std::to_string(delay) + " " + keys, 0, 380, 400, 840))
        return "(never committed) " + game.Output();
    const std::string level = SaveScene(game, "Renamed");
    Quit(game);
    DestroyAll();
    LoadLevelText("Renamed", level);
    const auto box = gGameObjects.size() == 2 ? gGameObjects[1] : nullptr;
    const std::string name = box ? box->name : "(not saved) " + level;
    DestroyAll();
    return name;
}

// Keys typed with no pause into Position X (the box stands at x -4) and into the name, each
// followed at once by F12 or Left Shift+F6: the switch comes after what was typed.
TEST(EditorApp, ModeAndSceneKeysComeAfterWhatWasTypedBeforeThem)
{
    REQUIRE_DISPLAY();
    GameProcess game(1920, 1080);
    std::string level = kLevel;
    ASSERT_TRUE(StartInEditor(game, level.replace(level.find("0 0 1"), 5, "-4 0 1"))) << game.Output();
    ASSERT_TRUE(InputShows(game, "mousemove 880 540 click 1", 1515, 20, 1915, 120)) << "the box is not picked";
    ASSERT_TRUE(InputShows(game, "mousemove 1600 170 click 1", 1515, 205, 1915, 230)) << "no Transform panel";
    ASSERT_TRUE(InputShows(game, "mousemove 1565 217 click 1", 1515, 205, 1615, 230)) << "Position X is not edited";
    Xdo("key --delay 0 Home 9 F12");
    ASSERT_TRUE(WaitUntilShown(game, [](const Screenshot& s) { return Dark(s, 150, 100); },
                               "play mode (no panels) after what was typed and F12")) << game.Output();
    Xdo("key F12");
    ASSERT_TRUE(WaitUntilShown(game, [](const Screenshot& s) { return !Dark(s, 150, 100); },
                               "the panels back after F12")) << game.Output();
    ASSERT_TRUE(InputShows(game, "mousemove 1650 73 click 1", 1515, 60, 1915, 90)) << "no name field";
    Xdo("key --delay 0 Home x Return shift+F6");
    ASSERT_TRUE(WaitUntilShown(game, [](const Screenshot& s) { return !Dark(s, 960, 540) || !Dark(s, 700, 300); },
                               "the title menu after what was typed and Left Shift+F6"));
    ASSERT_TRUE(OpenEditor(game)) << game.Output();
    const std::string saved = SaveScene(game, "Typed");
    EXPECT_NE(saved.find("xBox\n4\nNone\nTransform\nPosition\n9 0 1\n"), std::string::npos) << saved << game.Output();
    Quit(game);
}

TEST(EditorApp, QuickAndSlowTypingGiveTheSameName)
{
    REQUIRE_DISPLAY();
    EXPECT_EQ(RenameTypedAt(10), "Room1LaZmX");
    EXPECT_EQ(RenameTypedAt(40), "Room1LaZmX");
}

}  // namespace

// Screens hidden by play mode come back as they were, the one asked for while playing too; the
// quit question stands over whatever screen is open, and its Cancel gives that screen back.
TEST(EditorApp, ScreensComeBackAfterPlayModeAndTheQuitQuestionStandsOverThem)
{
    REQUIRE_DISPLAY();
    GameProcess game(1920, 1080);
    ASSERT_TRUE(StartInEditor(game, kLevel)) << game.Output();
    // A window's title bar is lit in the column x when it is the one on top: the save screen's
    // crosses x = 770, the New Scene question's x = 815, the narrower quit question's only x = 900.
    const auto lit = [](int x) {
        return [x](const Screenshot& s) {
            return AnyPixel(s, x, 480, x, 525, [](int r, int g, int b) { return r == 41 && g == 74 && b == 122; });
        };
    };
    // The chord asks over the screen whose title bar crosses x, and Cancel gives that screen back.
    const auto askAndCancel = [&](int x) {
        Xdo("keydown Control_L sleep 0.3 keydown Escape");
        const bool asked = WaitUntilShown(game, [&](const Screenshot& s) { return !lit(x)(s) && lit(900)(s); },
                                          "the quit question over the screen at x " + std::to_string(x));
        Xdo("keyup Escape keyup Control_L");
        if (!asked || !PressShown(game, 946, 557, 912, 548, 981, 566))
            return false;
        Xdo("mouseup 1");
        return WaitUntilShown(game, lit(x), "the screen at x " + std::to_string(x) + " back after Cancel");
    };

    // An edit (the box picked and deleted), File > New Scene, the chord.
    ASSERT_TRUE(InputShows(game, "mousemove 960 540 mousedown 1", 1515, 20, 1915, 120)) << game.Output();
    Xdo("mouseup 1");
    ASSERT_TRUE(InputShows(game, "key Delete", 1515, 20, 1915, 120)) << game.Output();
    ASSERT_TRUE(PressShown(game, 25, 9, 0, 0, 150, 90)) << game.Output();
    Xdo("mouseup 1 mousemove 45 30 sleep 0.3 mousedown 1 sleep 0.3 mouseup 1");
    ASSERT_TRUE(WaitUntilShown(game, lit(815), "the New Scene question")) << game.Output();
    ASSERT_TRUE(askAndCancel(815)) << "no quit question over the New Scene question: " << game.Output();
    // Its Cancel lies under the quit question's, already hovered.
    ASSERT_TRUE(InputShows(game, "mousemove 929 557 mousedown 1", 894, 548, 963, 566)) << game.Output();
    Xdo("mouseup 1");

    // Play mode; File > Save Scene there shows nothing until editing returns.
    Xdo("key F12");
    ASSERT_TRUE(WaitUntilShown(game, [](const Screenshot& s) { return Dark(s, 150, 100); },
                               "play mode (no panels) after F12")) << game.Output();
    ASSERT_TRUE(PressShown(game, 25, 9, 0, 0, 150, 90)) << game.Output();
    Xdo("mouseup 1");
    ASSERT_TRUE(InputShows(game, "mousemove 45 71", 0, 60, 150, 85)) << game.Output();
    ASSERT_TRUE(InputShows(game, "mousedown 1 sleep 0.3 mouseup 1", 0, 20, 150, 90)) << game.Output();
    Xdo("key F12");
    ASSERT_TRUE(WaitUntilShown(game, lit(770), "the save screen back after play mode"))
        << "no save screen after play mode: " << game.Output();

    // Half a name typed, then play mode and back: the screen is hidden, then shows again as it
    // was, its field taking the rest.
    ASSERT_TRUE(InputShows(game, "type --delay 60 keep", 780, 545, 1000, 567)) << game.Output();
    Xdo("key F12");
    ASSERT_TRUE(WaitUntilShown(game, [&](const Screenshot& s) { return !lit(770)(s) && Dark(s, 150, 100); },
                               "play mode hiding the save screen"))
        << game.Output();
    Xdo("key F12");
    ASSERT_TRUE(WaitUntilShown(game, lit(770), "the save screen back after play mode")) << game.Output();
    ASSERT_TRUE(InputShows(game, "type --delay 60 me", 780, 545, 1000, 567)) << game.Output();
    // Left and entered again: what was typed in the title menu meanwhile stays out of the name.
    Xdo("keydown Shift_L keydown F6 sleep 0.3 keyup F6 keyup Shift_L");
    const auto red = [](int r, int g, int b) { return r > 120 && g < 40 && b < 40; };
    ASSERT_TRUE(WaitUntilShown(game, [&](const Screenshot& s) { return AnyPixel(s, 700, 150, 1200, 200, red); },
                               "the title menu's red"))
        << "no title menu: " << game.Output();
    Xdo("type --delay 60 www");
    ASSERT_TRUE(OpenEditor(game, lit(770))) << game.Output();

    // The chord over the save screen; Ok saves under the name typed.
    ASSERT_TRUE(askAndCancel(770)) << "no quit question over the save screen: " << game.Output();
    ASSERT_TRUE(PressShown(game, 805, 580, 770, 570, 840, 590)) << game.Output();
    Xdo("mouseup 1");
    EXPECT_TRUE(game.WaitUntil([&] {
        return game.tree.ReadFile("resources/level/TxtName.txt").find("\nkeepme\n") != std::string::npos;
    })) << game.Output() << game.tree.ReadFile("resources/level/TxtName.txt");
    Quit(game);
}

// Saved while the level list is a folder, then Left Shift+F6: the title says in red, from a third
// of the way down left of its buttons (whose hover arrows are red too), that the list waits.
void LeaveWithTheListUnwritten(GameProcess& game)
{
    ASSERT_TRUE(StartInEditor(game, kLevel)) << game.Output();
    std::filesystem::remove(game.tree.Root() / "resources/level/TxtName.txt");
    game.tree.WriteFile("resources/level/TxtName.txt/in-the-way", "x");
    ASSERT_TRUE(PressSaveOk(game, "T5")) << game.Output();
    ASSERT_TRUE(game.WaitUntil([&] { return !game.tree.ReadFile("resources/level/T5.txt").empty(); })) << game.Output();
    Xdo("keydown Shift_L keydown F6");
    const auto noticeRed = [](int r, int g, int b) { return r > 220 && g > 60 && g < 100 && b > 45 && b < 85; };
    EXPECT_TRUE(WaitUntilShown(game, [&](const Screenshot& s) { return AnyPixel(s, 60, 330, 650, 560, noticeRed); },
                               "the title's red line"))
        << game.Output();
    Xdo("keyup F6 keyup Shift_L");
}

bool Listed(const GameProcess& game)
{
    return game.tree.ReadFile("resources/level/TxtName.txt").find("\nT5\n") != std::string::npos;
}

TEST(EditorApp, WhatTheLeaveCouldNotWriteIsSaidOnTheTitleAndItsQuitWritesIt)
{
    REQUIRE_DISPLAY();
    GameProcess game(1920, 1080);
    LeaveWithTheListUnwritten(game);
    ASSERT_FALSE(HasFatalFailure());
    std::filesystem::remove_all(game.tree.Root() / "resources/level/TxtName.txt");
    Xdo("mousemove 960 845 sleep 0.3 mousedown 1 sleep 0.2 mouseup 1");  // Quit
    EXPECT_EQ(game.WaitForExit(), 0) << game.Output();
    EXPECT_TRUE(Listed(game)) << game.tree.ReadFile("resources/level/TxtName.txt");
}

// Ended by the window's close once the list can be written, or by SIGTERM while it cannot.
TEST(EditorApp, AClosedWindowOrASignalWritesWhatWaitsOrNamesOnTheConsoleWhatIsLost)
{
    REQUIRE_DISPLAY();
    for (const bool signalled : {false, true}) {
        GameProcess game(1920, 1080);
        LeaveWithTheListUnwritten(game);
        ASSERT_FALSE(HasFatalFailure());
        if (signalled) {
            kill(game.pid, SIGTERM);
        } else {
            std::filesystem::remove_all(game.tree.Root() / "resources/level/TxtName.txt");
            ASSERT_TRUE(testsupport::SendDeleteWindow(std::stoul(game.window))) << "cannot reach the X library";
        }
        EXPECT_EQ(game.WaitForExit(), 0) << game.Output();
        EXPECT_EQ(Listed(game), !signalled) << game.Output();
        const std::string lost = "Editor: TxtName.txt could not be written (";
        EXPECT_EQ(game.Output().find(lost) != std::string::npos, signalled) << game.Output();
    }
}
