// The editor in the real program under the test run's X server: open it, pick, drag, save,
// and the saved level reads back with the object where it was left.
#include <gtest/gtest.h>

#include <dlfcn.h>

#include <chrono>
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
        const size_t at = (100u * static_cast<size_t>(shot.width) + 150u) * 3u;
        EXPECT_GT(shot.rgb[at] + shot.rgb[at + 1] + shot.rgb[at + 2], 0) << "no panel drawn";
    }

    // File > Save Scene, type a new name, Ok.
    Xdo("mousemove 25 9 click 1 sleep 0.5 mousemove 45 71 click 1 sleep 0.5 "
                "mousemove 870 556 click 1 sleep 0.3 type --delay 60 Moved");
    Xdo("sleep 0.3 mousemove 805 580 click 1");

    std::string saved;
    for (int i = 0; i < 100 && saved.empty(); ++i) {
        std::this_thread::sleep_for(100ms);
        saved = game.tree.ReadFile("resources/level/Moved.txt");
    }
    ASSERT_FALSE(saved.empty()) << game.Output();
    EXPECT_NE(game.tree.ReadFile("resources/level/TxtName.txt").find("\nMoved\n"), std::string::npos);

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
