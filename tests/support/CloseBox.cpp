#include "support/CloseBox.h"

#include <dlfcn.h>

#include <cstring>

namespace testsupport {

bool SendDeleteWindow(unsigned long window)
{
    void* x11 = dlopen("libX11.so.6", RTLD_NOW);
    if (!x11)
        return false;
    using OpenDisplay = void* (*)(const char*);
    using InternAtom = unsigned long (*)(void*, const char*, int);
    using SendEvent = int (*)(void*, unsigned long, int, long, void*);
    using Flush = int (*)(void*);
    using CloseDisplay = int (*)(void*);
    auto open = reinterpret_cast<OpenDisplay>(dlsym(x11, "XOpenDisplay"));
    auto intern = reinterpret_cast<InternAtom>(dlsym(x11, "XInternAtom"));
    auto send = reinterpret_cast<SendEvent>(dlsym(x11, "XSendEvent"));
    auto flush = reinterpret_cast<Flush>(dlsym(x11, "XFlush"));
    auto close = reinterpret_cast<CloseDisplay>(dlsym(x11, "XCloseDisplay"));
    if (!open || !intern || !send || !flush || !close)
        return false;
    void* display = open(nullptr);
    if (!display)
        return false;

    // XClientMessageEvent, laid out as Xlib declares it.
    struct {
        int type;
        unsigned long serial;
        int send_event;
        void* display;
        unsigned long window;
        unsigned long message_type;
        int format;
        long data[5];
    } event{};
    event.type = 33;  // ClientMessage
    event.send_event = 1;
    event.display = display;
    event.window = window;
    event.message_type = intern(display, "WM_PROTOCOLS", 0);
    event.format = 32;
    event.data[0] = static_cast<long>(intern(display, "WM_DELETE_WINDOW", 0));
    event.data[1] = 0;  // CurrentTime
    char xevent[192] = {};  // an XEvent is a union of 24 longs
    static_assert(sizeof(event) <= sizeof(xevent), "client message larger than an XEvent");
    std::memcpy(xevent, &event, sizeof(event));
    const bool sent = send(display, window, 0, 0, xevent) != 0;
    flush(display);
    close(display);
    return sent;
}

}  // namespace testsupport
