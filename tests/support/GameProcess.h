#pragma once
// Runs the real game in a temporary resource tree under the test run's X server (xvfb-run).
#include <sys/types.h>

#include <chrono>
#include <string>

#include "support/TempResourceTree.h"

namespace testsupport {

// The standard output of a shell command.
std::string Capture(const std::string& command);

// The game in a temporary tree, with a window title of its own so that tests running side by
// side on one display never touch each other's windows.
class GameProcess {
public:
    // width x height: the window size written to the tree's init.ini.
    explicit GameProcess(int width = 800, int height = 600);
    ~GameProcess();

    void Start(bool withDisplay = true);
    bool Running();
    // The window id, once the game shows its window (empty when it never does).
    std::string WaitForWindow(std::chrono::seconds limit = std::chrono::seconds(60));
    // The exit status, or -1 when the game was still running after `limit` (it is killed).
    int WaitForExit(std::chrono::seconds limit = std::chrono::seconds(30));
    std::string Output() const { return tree.ReadFile("stdout.txt"); }

    TempResourceTree tree;
    std::string title;
    pid_t pid = -1;
    int exitStatus = -1;
    static inline int counter = 0;
};

}  // namespace testsupport
