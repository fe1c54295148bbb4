#pragma once
#include <chrono>
#include <functional>

#include "engine/Core.h"

// Everything the frame loop touches outside the core's system list. The game fills it with the
// real window, input and graphics systems; tests fill it with fakes and a fake clock.
struct FrameServices {
    std::function<Core::Clock::time_point()> now;
    std::function<void(std::chrono::nanoseconds)> sleepFor;
    std::function<void()> clearScreen;    // clear colour and depth with the clear colour
    std::function<void()> swapBuffers;
    std::function<bool(int key)> isKeyDown;
    std::function<bool(int key)> isKeyTriggered;
    std::function<void(bool fullscreen)> setFullscreen;
    std::function<bool()> quitRequested;  // the window system's quit flag
    // The quit chord came: true when the scene asks first (and quits itself on yes), or when a
    // file that could not be written asks through the quit question. May be empty: the chord
    // then quits at once.
    std::function<bool()> sceneAsksBeforeQuit;
};

// Many quantities move per frame, so frames are never shorter than this, whatever vsync does.
constexpr std::chrono::nanoseconds kMinFrameTime{16666667};

// The wanted display mode; starts fullscreen, F10 flips it.
extern bool gFullscreen;

// End-of-frame keys: F10 flips `fullscreenWanted` once per press and the mode is asked for;
// Left Ctrl with Escape (a press no scene took this frame) asks for windowed mode and returns
// true, meaning: leave the loop now, unless the scene asks first.
bool HandleFrameKeys(FrameServices& services, bool& fullscreenWanted);

// One frame: clock, clear, every system's Update, swap, frame limiter, end-of-frame keys.
// Returns false when the quit chord ends the loop.
bool RunFrame(Core& core, FrameServices& services, bool& fullscreenWanted);

// The whole run after Core::Initialize: Init, frames until the quit flag or the quit chord,
// windowed mode, Shutdown in reverse. Returns the process exit status: 0 for a normal end,
// non-zero when start-up failed or a frame threw (both reported to console and log).
int RunEngine(Core& core, FrameServices& services, bool& fullscreenWanted);

// The services of the real game: platform clock and sleep, gGraphicsSystem, gInputSystem,
// gWindowSystem.
FrameServices MakeGameFrameServices();
