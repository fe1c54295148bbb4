#pragma once
// A named pipe in a file's place, for tests of code that must never wait on one. Code that
// opens it the plain way would wait for a writer for good: after the limit a writer comes,
// which lets it go (reading nothing), and Waited tells the test that something had waited.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <filesystem>
#include <mutex>
#include <string>
#include <thread>

namespace testsupport {

class WatchedPipe {
public:
    explicit WatchedPipe(std::filesystem::path where, std::chrono::seconds limit = std::chrono::seconds(10))
        : path(std::move(where))
    {
        made = mkfifo(path.c_str(), 0644) == 0;
        watcher = std::thread([this, limit] {
            std::unique_lock<std::mutex> hold(lock);
            if (stopped.wait_for(hold, limit, [this] { return stop; }))
                return;
            // Past the limit: whoever holds the pipe open to read is let go, again and again
            // until the test ends.
            while (!stop) {
                const int fd = open(path.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
                if (fd >= 0) {
                    waited = true;
                    close(fd);
                }
                stopped.wait_for(hold, std::chrono::milliseconds(50), [this] { return stop; });
            }
        });
    }
    ~WatchedPipe()
    {
        {
            const std::lock_guard<std::mutex> hold(lock);
            stop = true;
        }
        stopped.notify_all();
        watcher.join();
    }
    WatchedPipe(const WatchedPipe&) = delete;
    WatchedPipe& operator=(const WatchedPipe&) = delete;

    bool Made() const { return made; }
    // Something waited on the pipe past the limit.
    bool Waited() const { return waited; }
    const std::filesystem::path& Path() const { return path; }

private:
    std::filesystem::path path;
    bool made = false;
    std::atomic<bool> waited{false};
    std::mutex lock;
    std::condition_variable stopped;
    bool stop = false;
    std::thread watcher;
};

}  // namespace testsupport
