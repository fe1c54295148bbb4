// The real game on an X server of the test's own, which the test then kills under it.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <string>
#include <thread>

#include "support/GameProcess.h"

namespace {

using namespace std::chrono_literals;
using testsupport::GameProcess;

// Xvfb on a display number it picks itself (-displayfd), so that killing it disturbs no other
// test and no other server.
class OwnXServer {
public:
    OwnXServer()
    {
        int fds[2];
        if (pipe(fds) != 0)
            return;
        pid = fork();
        if (pid == 0) {
            close(fds[0]);
            const int quiet = open("/dev/null", O_WRONLY);
            dup2(quiet, STDOUT_FILENO);
            dup2(quiet, STDERR_FILENO);
            const std::string fd = std::to_string(fds[1]);
            execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1024x768x24", "-nolisten", "tcp",
                   static_cast<char*>(nullptr));
            _exit(127);
        }
        close(fds[1]);
        // The server writes its number once it takes connections.
        std::string number;
        pollfd ready{fds[0], POLLIN, 0};
        char c = 0;
        while (poll(&ready, 1, 60000) > 0 && read(fds[0], &c, 1) == 1 && c != '\n')
            number += c;
        close(fds[0]);
        if (!number.empty())
            display = ":" + number;
    }
    ~OwnXServer() { Stop(); }
    void Stop()
    {
        if (pid > 0) {
            kill(pid, SIGTERM);
            waitpid(pid, nullptr, 0);
            pid = -1;
        }
    }

    std::string display;
    pid_t pid = -1;
};

// The game and the test's own X tools talk to the given display while this lives.
class DisplayInUse {
public:
    explicit DisplayInUse(const std::string& display)
    {
        if (const char* old = std::getenv("DISPLAY"))
            previous = old;
        setenv("DISPLAY", display.c_str(), 1);
    }
    ~DisplayInUse()
    {
        if (previous.empty())
            unsetenv("DISPLAY");
        else
            setenv("DISPLAY", previous.c_str(), 1);
    }

private:
    std::string previous;
};

TEST(LostDisplayTest, TheGameEndsInOrderWhenItsDisplayGoesAway)
{
    OwnXServer server;
    ASSERT_FALSE(server.display.empty()) << "Xvfb did not start";
    GameProcess game;
    {
        DisplayInUse use(server.display);
        game.Start();
        ASSERT_FALSE(game.WaitForWindow().empty()) << game.Output();
        // Frames are being drawn: the splash's first logo is up.
        bool drawn = false;
        for (auto end = std::chrono::steady_clock::now() + 60s; !drawn && std::chrono::steady_clock::now() < end;) {
            const testsupport::WindowPicture picture = game.Grab();
            drawn = !picture.Empty() && picture.LitShare(0, 0, picture.width, picture.height) > 0.01;
            if (!drawn)
                std::this_thread::sleep_for(100ms);
        }
        ASSERT_TRUE(drawn) << "waited a minute for the splash's first logo\n" << game.Output();
        server.Stop();
    }

    EXPECT_EQ(game.WaitForExit(std::chrono::seconds(45)), 0) << game.Output();
    EXPECT_NE(game.Output().find("The connection to the display was lost"), std::string::npos) << game.Output();
    // Shut down in order: the bindings were written back, sorted.
    EXPECT_EQ(game.tree.ReadFile("resources/KeyboardActionMap.txt"),
              "ACTION_DOWN\nS\n\nACTION_INTERACT\nE\n\nACTION_LEFT\nA\n\nACTION_RIGHT\nD\n\n"
              "ACTION_RUN\nLeftShift\n\nACTION_UP\nW\n\n");
    EXPECT_EQ(game.tree.ReadFile("logs/.txt"), "The connection to the display was lost; closing the game\n");
}

}  // namespace
