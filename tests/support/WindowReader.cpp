#include "support/WindowReader.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace testsupport {

namespace {

bool gRequestFailed = false;

int NoteRequestError(Display*, XErrorEvent*)
{
    gRequestFailed = true;
    return 0;
}

int QuietOnLostServer(Display*)
{
    return 0;
}

// Called instead of exit() when the server is gone: the connection is only marked lost.
void MarkLost(Display*, void* lost)
{
    *static_cast<bool*>(lost) = true;
}

// Xlib's error handlers are the whole program's: ours stand only while our connection is used,
// so that a game run inside the test program keeps its own.
class QuietHandlers {
public:
    QuietHandlers() : request(XSetErrorHandler(NoteRequestError)), io(XSetIOErrorHandler(QuietOnLostServer))
    {
        gRequestFailed = false;
    }
    ~QuietHandlers()
    {
        XSetErrorHandler(request);
        XSetIOErrorHandler(io);
    }
    QuietHandlers(const QuietHandlers&) = delete;
    QuietHandlers& operator=(const QuietHandlers&) = delete;

private:
    XErrorHandler request;
    XIOErrorHandler io;
};

int Shift(unsigned long mask)
{
    int shift = 0;
    while (mask && !(mask & 1u)) {
        mask >>= 1;
        ++shift;
    }
    return shift;
}

void CopyPixels(XImage& image, WindowPicture& picture)
{
    const int red = Shift(image.red_mask);
    const int green = Shift(image.green_mask);
    const int blue = Shift(image.blue_mask);
    // Straight from the rows when pixels are 32-bit words in this machine's order, the usual
    // case: a call per pixel would cost as much as the read itself.
    const std::uint32_t probe = 1;
    const bool lsbHost = *reinterpret_cast<const std::uint8_t*>(&probe) == 1;
    const bool direct = image.bits_per_pixel == 32 && (image.byte_order == LSBFirst) == lsbHost;
    picture.rgb.resize(static_cast<std::size_t>(picture.width) * picture.height * 3);
    std::uint8_t* out = picture.rgb.data();
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x, out += 3) {
            unsigned long value = 0;
            if (direct) {
                std::uint32_t word = 0;
                std::memcpy(&word, image.data + static_cast<std::size_t>(y) * image.bytes_per_line + x * 4u, 4);
                value = word;
            } else {
                value = XGetPixel(&image, x, y);
            }
            out[0] = static_cast<std::uint8_t>((value & image.red_mask) >> red);
            out[1] = static_cast<std::uint8_t>((value & image.green_mask) >> green);
            out[2] = static_cast<std::uint8_t>((value & image.blue_mask) >> blue);
        }
}

}  // namespace

WindowReader::~WindowReader()
{
    Disconnect();
}

void WindowReader::Connect()
{
    const char* name = std::getenv("DISPLAY");
    const std::string wanted = name ? name : "";
    if (display && (lost || wanted != displayName))
        Disconnect();
    if (display || wanted.empty())
        return;
    display = XOpenDisplay(wanted.c_str());
    if (!display)
        return;
    displayName = wanted;
    lost = false;
    XSetIOErrorExitHandler(display, MarkLost, &lost);
}

void WindowReader::Disconnect()
{
    if (!display)
        return;
    QuietHandlers quiet;
    XCloseDisplay(display);
    display = nullptr;
}

WindowPicture WindowReader::Read(const std::string& window, int top, int rows)
{
    WindowPicture picture;
    char* end = nullptr;
    const unsigned long id = std::strtoul(window.c_str(), &end, 0);
    if (window.empty() || *end != '\0')
        return picture;
    Connect();
    if (!display)
        return picture;
    // A window that closed since the last look is an error the program survives.
    QuietHandlers quiet;
    XWindowAttributes attributes{};
    XImage* image = nullptr;
    if (XGetWindowAttributes(display, id, &attributes) && attributes.map_state == IsViewable) {
        top = std::clamp(top, 0, attributes.height);
        const int height = rows > 0 ? std::min(rows, attributes.height - top) : attributes.height - top;
        if (height > 0)
            image = XGetImage(display, id, 0, top, static_cast<unsigned>(attributes.width),
                              static_cast<unsigned>(height), AllPlanes, ZPixmap);
    }
    XSync(display, False);
    if (image && !gRequestFailed && !lost) {
        picture.width = image->width;
        picture.height = image->height;
        CopyPixels(*image, picture);
    }
    if (image)
        XDestroyImage(image);
    return picture;
}

}  // namespace testsupport
