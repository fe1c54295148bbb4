// The editor in the real program under the test run's X server: open it, pick, drag, save,
// and the saved level reads back with the object where it was left.
#include <gtest/gtest.h>

#include <dlfcn.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <functional>
#include <cstdlib>
#include <fstream>
#include <set>
#include <thread>

#include "objects/GameObject.h"
#include "objects/LevelFile.h"
#include "objects/ObjectList.h"
#include "objects/Transform.h"
#include "support/DisplayRequired.h"
#include "support/GameProcess.h"

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

// Asks about the screen until it answers yes; false when the game ended or `limit` passed.
bool WaitForScreen(GameProcess& game, const std::function<bool(const Screenshot&)>& shown,
                   std::chrono::seconds limit = std::chrono::seconds(60))
{
    return game.WaitUntil([&] { return shown(GrabScreen()); }, limit);
}

// Where the move tool stands: the column of its red y axis, which rises from its centre (on
// the middle row, where the box is); -1 when no such axis shows.
int MoveAxesAt(const Screenshot& shot)
{
    if (shot.rgb.empty() || shot.height <= 540)
        return -1;
    for (int x = 400; x < 1500 && x < shot.width; ++x) {
        const unsigned char* p = &shot.rgb[(480u * static_cast<size_t>(shot.width) + static_cast<size_t>(x)) * 3u];
        if (p[0] > 150 && p[1] < 100 && p[2] < 100)
            return x;
    }
    return -1;
}

struct Area {
    int x0, y0, x1, y1;
};

bool SameIn(const Screenshot& a, const Screenshot& b, const Area& area)
{
    if (a.rgb.empty() || a.width != b.width || a.height != b.height)
        return false;
    for (int y = area.y0; y < area.y1 && y < a.height; ++y) {
        const size_t from = (static_cast<size_t>(y) * a.width + area.x0) * 3u;
        const size_t count = static_cast<size_t>(std::min(area.x1, a.width) - area.x0) * 3u;
        if (!std::equal(a.rgb.begin() + from, a.rgb.begin() + from + count, b.rgb.begin() + from))
            return false;
    }
    return true;
}

// Clicks once, then waits until the interface has drawn something new in the area.
void ClickAndWaitForChange(GameProcess& game, int x, int y, const Area& area)
{
    const Screenshot before = GrabScreen();
    Xdo("mousemove " + std::to_string(x) + " " + std::to_string(y) + " click 1");
    EXPECT_TRUE(WaitForScreen(game, [&](const Screenshot& now) { return !SameIn(before, now, area); }))
        << "nothing changed after the click at " << x << "," << y;
}

TEST(EditorApp, OpensPicksDragsAndSavesALevelTheGameLoads)
{
    REQUIRE_DISPLAY();
    GameProcess game(1920, 1080);
    game.tree.WriteFile("resources/level/Level1.txt", kLevel);
    game.Start();
    const std::string window = game.WaitForWindow();
    ASSERT_FALSE(window.empty()) << game.Output();
    // Left Shift + F5 opens the editor on Level1; on a busy machine the first frames come late,
    // so the press is repeated until the "Heirarchy" panel shows (top left, not scene black).
    bool open = false;
    for (int attempt = 0; attempt < 20 && !open && game.Running(); ++attempt) {
        Xdo("mousemove 960 540 keydown Shift_L sleep 0.3 keydown F5 sleep 0.3 keyup F5 keyup Shift_L sleep 1");
        const Screenshot probe = GrabScreen();
        const size_t at = (100u * static_cast<size_t>(probe.width) + 150u) * 3u;
        open = !probe.rgb.empty() && probe.rgb[at] + probe.rgb[at + 1] + probe.rgb[at + 2] > 0;
    }
    ASSERT_TRUE(open) << game.Output();
    // A click on the box selects it and W takes the move tool: its axes show on the box.
    ASSERT_TRUE(game.WaitUntil([&] {
        Xdo("mousemove 960 540 sleep 0.3 mousedown 1 sleep 0.3 mouseup 1 sleep 0.3 key w");
        return WaitForScreen(game, [](const Screenshot& now) { return std::abs(MoveAxesAt(now) - 960) <= 3; }, 10s);
    })) << "the box was never picked with the move tool";
    // A drag from its centre moves it 200 pixels (10 units) to the right. A slow frame may see
    // the pointer jump and leave the box short (the tool hides while it drags): the drag goes
    // on from where the tool shows the box until it stands there.
    int at = 960;
    for (int drag = 0; drag < 8 && std::abs(at - 1160) > 3; ++drag) {
        std::string moves = "mousemove " + std::to_string(at + 2) + " 541 sleep 0.3 mousedown 1 sleep 0.3";
        for (int x = at + 40; x < 1160; x += 40)
            moves += " mousemove " + std::to_string(x + 2) + " 541 sleep 0.2";
        Xdo(moves + " mousemove 1162 541 sleep 0.4 mouseup 1");
        WaitForScreen(game, [&](const Screenshot& now) { return (at = MoveAxesAt(now)) >= 0; });
    }
    EXPECT_NEAR(at, 1160, 3) << "the drag never brought the box to the pointer";

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
        const size_t at = (100u * static_cast<size_t>(shot.width) + 150u) * 3u;
        EXPECT_GT(shot.rgb[at] + shot.rgb[at + 1] + shot.rgb[at + 2], 0) << "no panel drawn";
    }

    // File > Save Scene, type a new name, Ok: each click once the interface shows what it opens.
    ClickAndWaitForChange(game, 25, 9, {0, 15, 300, 140});      // the File menu
    ClickAndWaitForChange(game, 45, 71, {600, 450, 1320, 650});  // the save screen
    ClickAndWaitForChange(game, 870, 556, {600, 450, 1320, 650});
    Xdo("type --delay 60 Moved");
    Xdo("sleep 0.3 mousemove 805 580 click 1");

    // The level is written first, then the list that names it.
    std::string saved;
    EXPECT_TRUE(game.WaitUntil([&] {
        saved = game.tree.ReadFile("resources/level/Moved.txt");
        return !saved.empty() && game.tree.ReadFile("resources/level/TxtName.txt").find("\nMoved\n") != std::string::npos;
    })) << game.Output();
    ASSERT_FALSE(saved.empty()) << game.Output();

    // The game's own reader finds the box where the drag left it.
    DestroyAll();
    LoadLevel("Moved", (game.tree.Resources() / "level/Moved.txt").string());
    const auto box = FindObjectByName("Box");
    ASSERT_TRUE(box);
    const auto transform = box->GetComponent<Transform>();
    ASSERT_TRUE(transform);
    EXPECT_NEAR(transform->position.x, 9.9f, 0.5f);
    EXPECT_NEAR(transform->position.y, 0.0f, 0.2f);
    EXPECT_FLOAT_EQ(transform->position.z, 1.0f);
    DestroyAll();

    Capture("xdotool keydown Control_L sleep 0.3 keydown Escape sleep 0.5 keyup Escape keyup Control_L 2>/dev/null");
    EXPECT_EQ(game.WaitForExit(), 0) << game.Output();
}

}  // namespace
