#include "platform/DisplayConnection.h"

#include <SDL.h>
#include <SDL_syswm.h>
#include <X11/Xlib.h>

#include <atomic>

namespace Platform {

namespace {

std::atomic<bool> gLost{false};

// In place of the library's handler, which prints and exits.
int NoteLoss(Display*)
{
    gLost = true;
    return 0;
}

// Returning from here (rather than exiting) leaves the connection marked dead.
void KeepRunning(Display*, void*)
{
    gLost = true;
}

}  // namespace

void WatchDisplay(SDL_Window* window)
{
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!window || !SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11 || !info.info.x11.display)
        return;
    XSetIOErrorHandler(NoteLoss);
    XSetIOErrorExitHandler(info.info.x11.display, KeepRunning, nullptr);
}

bool DisplayLost()
{
    return gLost;
}

}  // namespace Platform
