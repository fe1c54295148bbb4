#pragma once
#include <string>

#include "support/WindowPicture.h"

struct _XDisplay;

namespace testsupport {

// Reads windows' pixels straight from the X server of $DISPLAY over a connection kept between
// looks (the server takes tens of milliseconds to accept each new one): a look at a full-screen
// window then costs milliseconds where an xwd dump costs a process and an 8 MB file, so that
// something as short as a door's half-second fade can be watched. A test may change $DISPLAY
// between looks, or lose its server: the connection follows, and never ends the test program.
class WindowReader {
public:
    WindowReader() = default;
    ~WindowReader();
    WindowReader(const WindowReader&) = delete;
    WindowReader& operator=(const WindowReader&) = delete;

    // The window's picture; empty when there is no such window, it is not shown, or there is
    // no server. Only its rows from `top` on, `rows` of them (0: all), when asked: a band of the
    // window costs as much less to read.
    WindowPicture Read(const std::string& window, int top = 0, int rows = 0);

private:
    void Connect();
    void Disconnect();

    _XDisplay* display = nullptr;
    std::string displayName;
    bool lost = false;
};

}  // namespace testsupport
