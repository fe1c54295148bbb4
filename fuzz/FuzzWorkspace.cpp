#include "FuzzWorkspace.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>

namespace fs = std::filesystem;

FuzzWorkspace& FuzzWorkspace::OfThisProcess()
{
    static FuzzWorkspace workspace;
    return workspace;
}

FuzzWorkspace::FuzzWorkspace()
{
    std::error_code ec;
    const fs::path base = fs::is_directory("/dev/shm", ec) ? fs::path("/dev/shm") : fs::temp_directory_path();
    std::string pattern = (base / "vesperine-fuzz-XXXXXX").string();
    if (!mkdtemp(pattern.data())) {
        std::perror("fuzz workspace");
        std::abort();
    }
    root = pattern;
    const fs::path start = fs::current_path(ec);
    StartWatcher(start.empty() ? fs::temp_directory_path().string() : start.string());
    for (const char* folder : {"resources/level/Editor", "resources/prefab", "resources/sfx", "resources/bgm",
                               "resources/save", "logs", "work"})
        fs::create_directories(fs::path(root) / folder);
    fs::current_path(fs::path(root) / "work");
}

FuzzWorkspace::~FuzzWorkspace()
{
    std::error_code ec;
    fs::current_path(fs::temp_directory_path(), ec);
    fs::remove_all(root, ec);
    // The watcher sees the pipe close and finds nothing left to remove.
    if (watcherPipe >= 0)
        close(watcherPipe);
}

void FuzzWorkspace::StartWatcher(const std::string& startFolder)
{
    // The watcher waits for the end of a pipe only this process holds open: the kernel closes
    // it however the process ends. It runs in a session of its own under init (a double fork),
    // so neither a Ctrl-C to the group nor a runner that kills the fuzzer's children (CTest on
    // a timeout) takes it down first. libFuzzer writes a crashing input to the current folder
    // unless told otherwise: such files are moved to the folder the run started in first.
    int ends[2];
    if (pipe2(ends, O_CLOEXEC) != 0) {
        std::perror("fuzz workspace watcher");
        return;
    }
    const pid_t child = fork();
    if (child == 0) {
        if (setsid() < 0 || fork() != 0)
            _exit(0);
        close(ends[1]);
        if (chdir("/") != 0)
            _exit(1);
        const int nowhere = open("/dev/null", O_RDWR);
        if (dup2(ends[0], 0) < 0 || nowhere < 0 || dup2(nowhere, 1) < 0 || dup2(nowhere, 2) < 0)
            _exit(1);
        const char* script =
            "cat > /dev/null\n"
            "for found in \"$0\"/work/crash-* \"$0\"/work/leak-* \"$0\"/work/timeout-* \"$0\"/work/oom-*; do\n"
            "  [ -f \"$found\" ] && mv -f -- \"$found\" \"$1\"/\n"
            "done\n"
            "rm -rf -- \"$0\"\n";
        execl("/bin/sh", "sh", "-c", script, root.c_str(), startFolder.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    close(ends[0]);
    if (child < 0) {
        std::perror("fuzz workspace watcher");
        close(ends[1]);
        return;
    }
    waitpid(child, nullptr, 0);
    watcherPipe = ends[1];
}

std::string FuzzWorkspace::Path(const std::string& relative) const
{
    return (fs::path(root) / relative).string();
}

void FuzzWorkspace::Write(const std::string& relative, const std::string& bytes) const
{
    std::ofstream out(Path(relative), std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string FuzzWorkspace::Read(const std::string& relative) const
{
    std::ifstream in(Path(relative), std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void FuzzWorkspace::Remove(const std::string& relative) const
{
    std::error_code ec;
    fs::remove(Path(relative), ec);
}

void FuzzWorkspace::WriteInput(const std::string& relative, const std::string& bytes) const
{
    Write(relative, bytes);
    Remove(relative + ".broken");
}

void FuzzWorkspace::EmptyFolder(const std::string& relative) const
{
    std::error_code ec;
    for (fs::directory_iterator it(Path(relative), ec), end; !ec && it != end; it.increment(ec))
        fs::remove_all(it->path(), ec);
}
