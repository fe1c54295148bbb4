#include "platform/FolderLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <mutex>
#include <set>
#include <thread>
#include <tuple>

#include "platform/FileSystemSeam.h"
#include "platform/PrintableText.h"

namespace Platform {

namespace {
using Clock = std::chrono::steady_clock;

// Far past any live writer's hold: one that holds it longer is stuck, and waiting on would lose
// this write too.
constexpr auto kMostWait = std::chrono::seconds(10);
constexpr auto kFirstPause = std::chrono::milliseconds(1);
constexpr auto kLongestPause = std::chrono::milliseconds(20);

// A refusal is the disk's for good: said once for each folder, by its name and identity.
bool FirstRefusal(const std::string& folder, int fd)
{
    static std::mutex guard;
    static std::set<std::tuple<std::string, dev_t, ino_t>> refused;
    struct stat info {};
    if (fd < 0 || fstat(fd, &info) != 0)
        info = {};
    const std::lock_guard<std::mutex> hold(guard);
    return refused.insert({folder, info.st_dev, info.st_ino}).second;
}

void SayRefused(const std::string& folder, int fd, int error)
{
    if (FirstRefusal(folder, fd))
        std::cout << "Files: the folder \"" << Printable(folder) << "\" cannot be locked (" << std::strerror(error)
                  << "); its files are written without the lock, so another game writing them at the same "
                     "moment may undo this one's write\n";
}
}  // namespace

FolderLock::FolderLock(const std::string& folder)
{
    const std::string shown = folder.empty() ? "." : folder;
    fd = open(shown.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        // A folder that is not there holds nothing to share; its write fails and says so.
        if (errno != ENOENT)
            SayRefused(shown, fd, errno);
        return;
    }
    const Clock::time_point giveUp = Clock::now() + kMostWait;
    auto pause = kFirstPause;
    for (;;) {
        if (FileSystemSeam::Lock(fd, LOCK_EX | LOCK_NB) == 0) {
            held = true;
            return;
        }
        const int error = errno;
        if (error == EINTR)
            continue;
        if (error != EWOULDBLOCK) {
            SayRefused(shown, fd, error);
            return;
        }
        if (Clock::now() >= giveUp) {
            std::cout << "Files: another writer has held the lock of \"" << Printable(shown) << "\" for "
                      << kMostWait.count() << " s; writing without it\n";
            return;
        }
        std::this_thread::sleep_for(pause);
        pause = std::min(pause * 2, kLongestPause);
    }
}

FolderLock::~FolderLock()
{
    // Closing the folder's only descriptor releases the lock.
    if (fd >= 0)
        close(fd);
}

std::string FolderLock::FolderOf(const std::string& file)
{
    const std::filesystem::path folder = std::filesystem::path(file).parent_path();
    return folder.empty() ? "." : folder.string();
}

}  // namespace Platform
