#pragma once
#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <thread>

#include "platform/FolderLock.h"

namespace testsupport {

// Runs write on a thread of its own while this thread holds the folder's lock: true when the
// file was not written while the lock was held, and was once it was let go. A write that does
// not wait for the lock lands well within the time it is held.
inline bool WaitsForFolderLock(const std::string& folder, const std::function<void()>& write,
                               const std::function<bool()>& written)
{
    auto lock = std::make_unique<Platform::FolderLock>(folder);
    if (!lock->Held())
        return false;
    std::thread writer(write);
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(500);
    bool early = false;
    while (!early && std::chrono::steady_clock::now() < until) {
        early = written();
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    lock.reset();
    writer.join();
    return !early && written();
}

}  // namespace testsupport
