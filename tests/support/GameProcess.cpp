#include "support/GameProcess.h"

#include <lodepng.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <thread>

namespace testsupport {

using namespace std::chrono_literals;

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
        if (!freopen(out.c_str(), "w", stdout) || !freopen(out.c_str(), "a", stderr))
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
    const auto end = std::chrono::steady_clock::now() + limit;
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
    return std::string();
}

int GameProcess::WaitForExit(std::chrono::seconds limit)
{
    const auto end = std::chrono::steady_clock::now() + limit;
    while (Running() && std::chrono::steady_clock::now() < end)
        std::this_thread::sleep_for(50ms);
    if (Running()) {
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
        pid = -1;
        return -1;
    }
    return exitStatus;
}

bool GameProcess::WaitUntil(const std::function<bool()>& shown, std::chrono::seconds limit)
{
    const auto end = std::chrono::steady_clock::now() + limit;
    while (Running() && std::chrono::steady_clock::now() < end) {
        if (shown())
            return true;
        std::this_thread::sleep_for(100ms);
    }
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

namespace {
std::uint32_t BigEndian(const std::string& data, std::size_t at)
{
    if (at + 4 > data.size())
        return 0;
    return (static_cast<std::uint32_t>(static_cast<unsigned char>(data[at])) << 24) |
           (static_cast<std::uint32_t>(static_cast<unsigned char>(data[at + 1])) << 16) |
           (static_cast<std::uint32_t>(static_cast<unsigned char>(data[at + 2])) << 8) |
           static_cast<std::uint32_t>(static_cast<unsigned char>(data[at + 3]));
}
}  // namespace

WindowPicture GameProcess::Grab()
{
    // xwd's dump: a big-endian header, a colour map, then 32-bit pixels in the server's order.
    const std::string path = (tree.Root() / "grab.xwd").string();
    Capture("xwd -silent -id " + window + " -out " + path + " 2>/dev/null");
    const std::string data = tree.ReadFile("grab.xwd");
    WindowPicture picture;
    const std::uint32_t headerSize = BigEndian(data, 0);
    const std::uint32_t width = BigEndian(data, 16);
    const std::uint32_t height = BigEndian(data, 20);
    const std::uint32_t byteOrder = BigEndian(data, 28);
    const std::uint32_t bitsPerPixel = BigEndian(data, 44);
    const std::uint32_t bytesPerLine = BigEndian(data, 48);
    const std::uint32_t colourCount = BigEndian(data, 76);
    const std::size_t pixels = headerSize + colourCount * 12u;
    if (bitsPerPixel != 32 || width == 0 || height == 0 ||
        data.size() < pixels + static_cast<std::size_t>(bytesPerLine) * height)
        return picture;
    picture.width = static_cast<int>(width);
    picture.height = static_cast<int>(height);
    picture.rgb.resize(static_cast<std::size_t>(width) * height * 3);
    for (std::uint32_t y = 0; y < height; ++y) {
        for (std::uint32_t x = 0; x < width; ++x) {
            const std::size_t at = pixels + static_cast<std::size_t>(y) * bytesPerLine + x * 4u;
            std::uint32_t value = 0;
            for (int b = 0; b < 4; ++b) {
                const std::uint32_t byte = static_cast<unsigned char>(data[at + static_cast<std::size_t>(b)]);
                value |= byteOrder == 0 ? byte << (8 * b) : byte << (8 * (3 - b));
            }
            std::uint8_t* out = &picture.rgb[(static_cast<std::size_t>(y) * width + x) * 3];
            out[0] = static_cast<std::uint8_t>(value >> 16);
            out[1] = static_cast<std::uint8_t>(value >> 8);
            out[2] = static_cast<std::uint8_t>(value);
        }
    }
    return picture;
}

double WindowPicture::LitShare(int x0, int y0, int x1, int y1, int threshold) const
{
    x0 = std::max(0, x0);
    y0 = std::max(0, y0);
    x1 = std::min(width, x1);
    y1 = std::min(height, y1);
    if (x1 <= x0 || y1 <= y0)
        return 0.0;
    long lit = 0;
    for (int y = y0; y < y1; ++y) {
        for (int x = x0; x < x1; ++x) {
            const std::uint8_t* p = &rgb[(static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)) * 3];
            if (std::max({p[0], p[1], p[2]}) > threshold)
                ++lit;
        }
    }
    return static_cast<double>(lit) / static_cast<double>((x1 - x0) * (y1 - y0));
}

bool WindowPicture::SavePng(const std::string& path) const
{
    if (Empty())
        return false;
    return lodepng::encode(path, rgb, static_cast<unsigned>(width), static_cast<unsigned>(height), LCT_RGB, 8) == 0;
}

}  // namespace testsupport
