#include "support/GameProcess.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <thread>

using namespace std::chrono_literals;

namespace testsupport {

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
    tree.WriteFile("resources/init.ini",
                   std::to_string(width) + "\n" + std::to_string(height) + "\n" + title + "\n");
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
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        if (!withDisplay)
            unsetenv("DISPLAY");
        if (!freopen(out.c_str(), "w", stdout) || !freopen(out.c_str(), "a", stderr))
            _exit(126);
        const char* binary = VESPERINE_BINARY_DIR "/vesperine";
        execl(binary, binary, static_cast<char*>(nullptr));
        _exit(127);
    }
    if (pid <= 0)
        ADD_FAILURE() << "fork failed";
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
        if (ids >> id)
            return id;
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

}  // namespace testsupport
