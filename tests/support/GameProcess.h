#pragma once
// The real game run from a temporary resource tree under the X server of the test run
// (xvfb-run), driven from outside with xdotool and watched through its window's pixels.
#include <sys/types.h>

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "support/TempResourceTree.h"
#include "support/WindowPicture.h"

namespace testsupport {

class WindowReader;

// Runs a shell command and returns what it printed.
std::string Capture(const std::string& command);

// Bounds all the waits of a test: while it lives, every wait of every game (and every loop of
// the test that asks InTime) ends by its end, however the waits nest and repeat. A test whose
// steps each keep their own bounds then still fails, saying what it waited for, before the test
// run's limit ends it without a word.
class WaitBudget {
public:
    explicit WaitBudget(std::chrono::seconds total);
    ~WaitBudget();
    WaitBudget(const WaitBudget&) = delete;
    WaitBudget& operator=(const WaitBudget&) = delete;

private:
    std::chrono::steady_clock::time_point previous;
};

// Whether the innermost wait under way, and the test's budget, still have time left: loops of a
// test's own that run inside a wait end with it.
bool InTime();

// Each game gets a window title of its own so that tests side by side on one display never
// touch each other's windows.
class GameProcess {
public:
    GameProcess(int width = 800, int height = 600);
    ~GameProcess();
    GameProcess(const GameProcess&) = delete;
    GameProcess& operator=(const GameProcess&) = delete;

    void Start(bool withDisplay = true);
    bool Running();
    // The window id, once the game shows its window (empty when it never does).
    std::string WaitForWindow(std::chrono::seconds limit = std::chrono::seconds(120));
    // The exit status, or -1 when the game was still running after `limit` (it is killed).
    // The limits only guard against a game that hangs: a loaded machine may be slow to close.
    int WaitForExit(std::chrono::seconds limit = std::chrono::seconds(120));
    // Asks `shown` (a look at the window, or at a file the game writes) until it answers yes;
    // false when the game ended or `limit` passed first (or an enclosing wait's end, or the
    // budget's), which it prints with `what` it waited for. Waits inside `shown` end by its end.
    bool WaitUntil(const std::function<bool()>& shown, std::chrono::seconds limit = std::chrono::seconds(120),
                   const std::string& what = "what the test looks for");
    // What the game printed, and how it ended once it has (a crash shows as 128 + the signal).
    std::string Output() const
    {
        const std::string printed = tree.ReadFile("stdout.txt");
        return pid < 0 && exitStatus >= 0 ? printed + "\n(the game ended with status " + std::to_string(exitStatus) + ")"
                                          : printed;
    }

    // xdotool on the game's window: keys by X keysym name ("d", "Escape", "shift+F6").
    void KeyDown(const std::string& key);
    void KeyUp(const std::string& key);
    void HoldKey(const std::string& key, double seconds);
    void TapKey(const std::string& key);
    // Pressed and let go a tenth of a second apart within one xdotool run, so that a loaded
    // machine cannot stretch the step; the game still reads a press let go within one frame.
    void StepKey(const std::string& key);
    void MoveMouse(int x, int y);
    void Click();
    // The window's picture, or only its rows from `top` on, `rows` of them (0: all).
    WindowPicture Grab(int top = 0, int rows = 0);

    TempResourceTree tree;
    // Set before Start: the game's sound output is written to this file (16-bit stereo at
    // 44.1 kHz, as the game opens its device) instead of going nowhere.
    std::string soundFile;
    std::string title;
    std::string window;
    pid_t pid = -1;
    int exitStatus = -1;

private:
    void Xdotool(const std::string& arguments);
    std::unique_ptr<WindowReader> reader;
    static inline int counter = 0;
};

}  // namespace testsupport
