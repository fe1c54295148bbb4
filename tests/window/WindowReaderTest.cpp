// The test programs' own reader of window pixels, against a window of known colours.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "support/DisplayRequired.h"
#include "support/WindowReader.h"

// Last: Xlib's macros (None, Bool) would otherwise rewrite names in the headers above.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace {

using testsupport::WindowPicture;
using testsupport::WindowReader;

unsigned long Pixel(const Visual& visual, std::uint8_t r, std::uint8_t g, std::uint8_t b)
{
    const auto place = [](unsigned long mask, std::uint8_t value) {
        int shift = 0;
        while (mask && !((mask >> shift) & 1u))
            ++shift;
        return (static_cast<unsigned long>(value) << shift) & mask;
    };
    return place(visual.red_mask, r) | place(visual.green_mask, g) | place(visual.blue_mask, b);
}

TEST(WindowReader, ReadsAWindowsColoursInPlaceAndSurvivesWindowsThatAreGone)
{
    REQUIRE_DISPLAY();
    Display* display = XOpenDisplay(nullptr);
    ASSERT_NE(display, nullptr);
    const int screen = DefaultScreen(display);
    Visual* visual = DefaultVisual(display, screen);
    ASSERT_EQ(visual->c_class, TrueColor) << "the test server runs in true colour";
    // Red on the left, and a blue right half whose channels would show any swap.
    const Window window = XCreateSimpleWindow(display, RootWindow(display, screen), 0, 0, 64, 32, 0, 0,
                                              Pixel(*visual, 200, 10, 30));
    const Window half = XCreateSimpleWindow(display, window, 32, 0, 32, 32, 0, 0, Pixel(*visual, 20, 90, 250));
    XMapWindow(display, half);
    XMapWindow(display, window);
    XSync(display, False);

    WindowReader reader;
    const std::string id = std::to_string(window);
    WindowPicture picture;
    for (int look = 0; look < 100 && (picture.Empty() || picture.rgb[0] != 200); ++look)
        picture = reader.Read(id);
    ASSERT_EQ(picture.width, 64);
    ASSERT_EQ(picture.height, 32);
    const auto at = [&](int x, int y) {
        const std::uint8_t* p = &picture.rgb[(static_cast<size_t>(y) * picture.width + x) * 3];
        return std::to_string(p[0]) + " " + std::to_string(p[1]) + " " + std::to_string(p[2]);
    };
    EXPECT_EQ(at(0, 0), "200 10 30");
    EXPECT_EQ(at(31, 31), "200 10 30");
    EXPECT_EQ(at(32, 0), "20 90 250");
    EXPECT_EQ(at(63, 31), "20 90 250");

    // Closed, unmapped or never there: nothing to read, and the program goes on.
    XUnmapWindow(display, window);
    XSync(display, False);
    EXPECT_TRUE(reader.Read(id).Empty());
    XDestroyWindow(display, window);
    XSync(display, False);
    EXPECT_TRUE(reader.Read(id).Empty());
    EXPECT_TRUE(reader.Read("").Empty());
    EXPECT_TRUE(reader.Read("0x12ab junk").Empty());
    XCloseDisplay(display);
}

}  // namespace
