#include "support/GameProcess.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <sstream>
#include <thread>

#include "support/WindowReader.h"

namespace testsupport {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

namespace {
// The end of the innermost wait under way, or of the budget: no wait goes past it.
Clock::time_point gWaitsEnd = Clock::time_point::max();

// The earlier of a wait's own end and the end it runs within.
Clock::time_point EndWithin(std::chrono::seconds limit)
{
    const Clock::time_point now = Clock::now();
    return gWaitsEnd - now > limit ? now + limit : gWaitsEnd;
}

// Says why a wait ended without what it waited for.
void GaveUp(const std::string& what, Clock::time_point start, std::chrono::seconds limit, bool running)
{
    const double waited = std::chrono::duration<double>(Clock::now() - start).count();
    std::cout << "gave up waiting for " << what << " after " << waited << " s of its " << limit.count() << " s: "
              << (!running                       ? "the game ended"
                  : waited + 0.5 < limit.count() ? "the time of the wait round it, or of the test, ran out"
                                                 : "its time ran out")
              << std::endl;
}

// Waits nested in this one end by its end.
class NestedEnd {
public:
    explicit NestedEnd(Clock::time_point end) : outer(gWaitsEnd) { gWaitsEnd = end; }
    ~NestedEnd() { gWaitsEnd = outer; }

private:
    Clock::time_point outer;
};
}  // namespace

WaitBudget::WaitBudget(std::chrono::seconds total) : previous(gWaitsEnd)
{
    gWaitsEnd = EndWithin(total);
}

WaitBudget::~WaitBudget()
{
    gWaitsEnd = previous;
}

bool InTime()
{
    return Clock::now() < gWaitsEnd;
}

std::string Capture(const std::string& command)
{
    std::string out;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[256];
        while (fgets(buffer, sizeof buffer, pipe))
            out += buffer;
        pclose(pipe);
    }
    return out;
}

GameProcess::GameProcess(int width, int height) : tree(false)
{
    title = "VesperineApp" + std::to_string(getpid()) + "n" + std::to_string(counter++);
    tree.WriteFile("resources/init.ini", std::to_string(width) + "\n" + std::to_string(height) + "\n" + title + "\n");
    // The bindings in an order the game never writes, so a rewrite shows.
    tree.WriteFile("resources/KeyboardActionMap.txt",
                   "ACTION_UP W ACTION_RUN LeftShift ACTION_LEFT A\n"
                   "ACTION_RIGHT D ACTION_INTERACT E ACTION_DOWN S\n");
}

GameProcess::~GameProcess()
{
    if (pid > 0) {
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
    }
}

void GameProcess::Start(bool withDisplay)
{
    const std::string out = (tree.Root() / "stdout.txt").string();
    pid = fork();
    if (pid == 0) {
        if (chdir(tree.Work().c_str()) != 0)
            _exit(126);
        if (soundFile.empty()) {
            setenv("SDL_AUDIODRIVER", "dummy", 1);
        } else {
            setenv("SDL_AUDIODRIVER", "disk", 1);
            setenv("SDL_DISKAUDIOFILE", soundFile.c_str(), 1);
        }
        if (!withDisplay)
            unsetenv("DISPLAY");
        // Emptied, then both appended to: stdout's buffer, flushed late, would otherwise write
        // over the stderr lines that came before it.
        if (!freopen(out.c_str(), "w", stdout) || !freopen(out.c_str(), "a", stdout) ||
            !freopen(out.c_str(), "a", stderr))
            _exit(126);
        const char* binary = VESPERINE_BINARY_DIR "/vesperine";
        execl(binary, binary, static_cast<char*>(nullptr));
        _exit(127);
    }
}

bool GameProcess::Running()
{
    if (pid <= 0)
        return false;
    int status = 0;
    if (waitpid(pid, &status, WNOHANG) == pid) {
        pid = -1;
        exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        return false;
    }
    return true;
}

std::string GameProcess::WaitForWindow(std::chrono::seconds limit)
{
    const auto start = Clock::now();
    const auto end = EndWithin(limit);
    while (std::chrono::steady_clock::now() < end && Running()) {
        std::istringstream ids(Capture("xdotool search --name '^" + title + "$' 2>/dev/null"));
        std::string id;
        if (ids >> id) {
            window = id;
            // Keys an earlier test left down on the shared display (a release sent to a window
            // that had already closed) would reach this game: a stuck Left Ctrl makes Escape quit.
            Xdotool("keyup Control_L Control_R Shift_L Shift_R Alt_L Escape");
            // Without a window manager the keyboard follows the pointer: an earlier test may
            // have left it outside this window, which would then never hear its keys.
            Xdotool("mousemove --window " + id + " 10 10");
            Xdotool("windowfocus " + id);
            return id;
        }
        std::this_thread::sleep_for(100ms);
    }
    GaveUp("the window titled " + title, start, limit, Running());
    return std::string();
}

int GameProcess::WaitForExit(std::chrono::seconds limit)
{
    const auto start = Clock::now();
    const auto end = EndWithin(limit);
    while (Running() && Clock::now() < end)
        std::this_thread::sleep_for(50ms);
    if (Running()) {
        GaveUp("the game to end", start, limit, true);
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
        pid = -1;
        return -1;
    }
    return exitStatus;
}

bool GameProcess::WaitUntil(const std::function<bool()>& shown, std::chrono::seconds limit, const std::string& what)
{
    const auto start = Clock::now();
    const NestedEnd nested(EndWithin(limit));
    while (Running() && InTime()) {
        if (shown())
            return true;
        std::this_thread::sleep_for(100ms);
    }
    GaveUp(what, start, limit, Running());
    return false;
}

void GameProcess::Xdotool(const std::string& arguments)
{
    Capture("xdotool " + arguments + " 2>/dev/null");
}

void GameProcess::KeyDown(const std::string& key)
{
    Xdotool("keydown --window " + window + " " + key);
}

void GameProcess::KeyUp(const std::string& key)
{
    Xdotool("keyup --window " + window + " " + key);
}

void GameProcess::HoldKey(const std::string& key, double seconds)
{
    KeyDown(key);
    std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
    KeyUp(key);
}

void GameProcess::TapKey(const std::string& key)
{
    // Held over several frames so that a slow frame cannot miss it.
    HoldKey(key, 0.25);
    std::this_thread::sleep_for(150ms);
}

void GameProcess::StepKey(const std::string& key)
{
    Xdotool("keydown --window " + window + " " + key + " sleep 0.1 keyup --window " + window + " " + key);
}

void GameProcess::MoveMouse(int x, int y)
{
    // Real pointer motion (not an event sent to the window), offset by where the window stands.
    int left = 0;
    int top = 0;
    std::istringstream geometry(Capture("xdotool getwindowgeometry --shell " + window + " 2>/dev/null"));
    std::string line;
    while (std::getline(geometry, line)) {
        if (line.rfind("X=", 0) == 0)
            left = std::atoi(line.c_str() + 2);
        else if (line.rfind("Y=", 0) == 0)
            top = std::atoi(line.c_str() + 2);
    }
    Xdotool("mousemove " + std::to_string(left + x) + " " + std::to_string(top + y));
    std::this_thread::sleep_for(200ms);
}

void GameProcess::Click()
{
    Xdotool("mousedown 1");
    std::this_thread::sleep_for(250ms);
    Xdotool("mouseup 1");
    std::this_thread::sleep_for(150ms);
}

WindowPicture GameProcess::Grab(int top, int rows)
{
    if (!reader)
        reader = std::make_unique<WindowReader>();
    return reader->Read(window, top, rows);
}

}  // namespace testsupport
