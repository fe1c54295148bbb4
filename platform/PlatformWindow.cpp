#include "platform/PlatformWindow.h"

#include <SDL.h>

#include <algorithm>

#include "platform/DisplayConnection.h"
#include "platform/GLContext.h"
#include "platform/PlatformEvents.h"

namespace Platform {

namespace {
bool gVideoStarted = false;
// SDL_CreateWindow refuses a side longer than this ("Window is too large").
constexpr int kLargestSdlSide = 16384;
}  // namespace

bool InitVideo(std::string& error)
{
    if (gVideoStarted) {
        return true;
    }
    // X11 unless the environment names another driver.
    SDL_SetHint(SDL_HINT_VIDEODRIVER, "x11");
    // Keep the desktop mode when the window loses focus instead of minimising it.
    SDL_SetHint(SDL_HINT_VIDEO_MINIMIZE_ON_FOCUS_LOSS, "0");
    if (SDL_InitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) {
        error = std::string("could not start the video system: ") + SDL_GetError();
        return false;
    }
    gVideoStarted = true;
    return true;
}

void QuitVideo()
{
    if (!gVideoStarted) {
        return;
    }
    ForgetHeldEvent();
    // Closing SDL's connections would wait on a dead server; the process ends anyway.
    if (DisplayLost()) {
        gVideoStarted = false;
        return;
    }
    SDL_QuitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS);
    gVideoStarted = false;
}

void ShowCursor(bool show)
{
    SDL_ShowCursor(show ? SDL_ENABLE : SDL_DISABLE);
}

void LargestWindowSize(int& width, int& height)
{
    width = 0;
    height = 0;
    const int displays = gVideoStarted ? SDL_GetNumVideoDisplays() : 0;
    for (int display = 0; display < displays; ++display) {
        SDL_Rect bounds{};
        if (SDL_GetDisplayBounds(display, &bounds) == 0) {
            width = std::max(width, bounds.w);
            height = std::max(height, bounds.h);
        }
        const int modes = SDL_GetNumDisplayModes(display);
        for (int index = 0; index < modes; ++index) {
            SDL_DisplayMode mode{};
            if (SDL_GetDisplayMode(display, index, &mode) == 0) {
                width = std::max(width, mode.w);
                height = std::max(height, mode.h);
            }
        }
    }
    if (width <= 0 || width > kLargestSdlSide)
        width = kLargestSdlSide;
    if (height <= 0 || height > kLargestSdlSide)
        height = kLargestSdlSide;
}

PlatformWindow::~PlatformWindow()
{
    Destroy();
}

bool PlatformWindow::Create(const std::string& title, int width, int height, std::string& error)
{
    if (window) {
        error = "the window exists already";
        return false;
    }
    if (!InitVideo(error)) {
        return false;
    }
    // The context's attributes must be set before the window exists: 3.1 with no profile mask
    // (never core or forward-compatible), 8-bit colour, double-buffered. No depth buffer:
    // nothing is drawn with the depth test (the world is painted in depth order), and without
    // one the software rasteriser neither clears nor carries it for every pixel.
    SDL_GL_ResetAttributes();
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 3);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 1);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, 0);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_FLAGS, 0);
    SDL_GL_SetAttribute(SDL_GL_RED_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_ALPHA_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 0);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);

    window = SDL_CreateWindow(title.c_str(), SDL_WINDOWPOS_UNDEFINED, SDL_WINDOWPOS_UNDEFINED,
                              width, height, SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN);
    if (!window) {
        error = std::string("could not create the window: ") + SDL_GetError();
        return false;
    }
    WatchDisplay(window);
    SDL_StartTextInput();
    return true;
}

void PlatformWindow::Destroy()
{
    if (!window) {
        return;
    }
    // On a lost display the window and its context are gone with the server: destroying them
    // would wait for ever for the server's answer.
    if (DisplayLost()) {
        glContext = nullptr;
        window = nullptr;
        return;
    }
    DestroyGLContext(*this);
    SDL_DestroyWindow(window);
    window = nullptr;
}

void PlatformWindow::Show()
{
    if (window && !DisplayLost()) {
        SDL_ShowWindow(window);
    }
}

void PlatformWindow::Hide()
{
    if (window && !DisplayLost()) {
        SDL_HideWindow(window);
    }
}

void PlatformWindow::Move(int x, int y)
{
    if (window && !DisplayLost()) {
        SDL_SetWindowPosition(window, x, y);
    }
}

bool PlatformWindow::IsVisible() const
{
    if (!window) {
        return false;
    }
    const Uint32 flags = SDL_GetWindowFlags(window);
    return (flags & SDL_WINDOW_SHOWN) != 0 && (flags & SDL_WINDOW_HIDDEN) == 0;
}

void PlatformWindow::GetPosition(int& x, int& y) const
{
    x = 0;
    y = 0;
    if (window) {
        SDL_GetWindowPosition(window, &x, &y);
    }
}

void PlatformWindow::GetClientSize(int& w, int& h) const
{
    w = 0;
    h = 0;
    if (window) {
        SDL_GetWindowSize(window, &w, &h);
    }
}

bool PlatformWindow::IsFullscreen() const
{
    return window && (SDL_GetWindowFlags(window) & SDL_WINDOW_FULLSCREEN) != 0;
}

unsigned int PlatformWindow::Id() const
{
    return window ? SDL_GetWindowID(window) : 0;
}

bool PlatformWindow::EnterFullscreen(int width, int height, std::string& error)
{
    if (!window) {
        error = "there is no window";
        return false;
    }
    if (DisplayLost()) {
        error = "the display is gone";
        return false;
    }
    const int display = SDL_GetWindowDisplayIndex(window);
    if (display < 0) {
        error = std::string("the window is on no display: ") + SDL_GetError();
        return false;
    }
    SDL_DisplayMode wanted{};
    wanted.w = width;
    wanted.h = height;
    SDL_DisplayMode closest{};
    if (!SDL_GetClosestDisplayMode(display, &wanted, &closest) || closest.w != width ||
        closest.h != height) {
        error = "the display has no " + std::to_string(width) + "x" + std::to_string(height) +
                " mode";
        return false;
    }

    int oldX = 0, oldY = 0;
    SDL_GetWindowPosition(window, &oldX, &oldY);
    if (SDL_SetWindowDisplayMode(window, &closest) != 0 ||
        SDL_SetWindowFullscreen(window, SDL_WINDOW_FULLSCREEN) != 0) {
        error = std::string("the display refused fullscreen: ") + SDL_GetError();
        SDL_SetWindowFullscreen(window, 0);
        SDL_SetWindowPosition(window, oldX, oldY);
        return false;
    }

    // The request can be accepted and still not happen (no window manager, a mode switch the
    // server ignores): believe only what the window and the display report now.
    // A window manager answers asynchronously, so give it a moment.
    bool switched = false;
    const Uint32 startTicks = SDL_GetTicks();
    do {
        SDL_PumpEvents();
        int w = 0, h = 0;
        SDL_GetWindowSize(window, &w, &h);
        SDL_DisplayMode current{};
        const bool modeOk = SDL_GetCurrentDisplayMode(display, &current) == 0 &&
                            current.w == width && current.h == height;
        switched = IsFullscreen() && w == width && h == height && modeOk;
        if (!switched) {
            SDL_Delay(10);
        }
    } while (!switched && SDL_GetTicks() - startTicks < 250);
    if (!switched) {
        error = "the display did not switch to " + std::to_string(width) + "x" +
                std::to_string(height);
        SDL_SetWindowFullscreen(window, 0);
        SDL_SetWindowPosition(window, oldX, oldY);
        return false;
    }
    return true;
}

void PlatformWindow::LeaveFullscreen()
{
    if (window && !DisplayLost()) {
        SDL_SetWindowFullscreen(window, 0);
    }
}

}  // namespace Platform
