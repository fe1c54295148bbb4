#pragma once
#include <string>

namespace Platform {

// The advisory lock of a folder, held for a scope: two writers of a file that another copy of
// the game may rewrite too take it around their read, join and rename, so that neither renames
// over what the other wrote in between. It is flock(2) on the folder itself: it leaves nothing on
// disk, a crash releases it, and two holders in one process (two threads, two editors) exclude
// each other too. It is never taken twice nested by one writer: that writer would wait on itself.
class FolderLock {
public:
    // Waits for another writer up to a bound (a live writer holds it well under a second), then
    // goes on without it. A disk that refuses locks is written as before, said once a folder.
    explicit FolderLock(const std::string& folder);
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

    // The folder that holds file, for the lock its writers share.
    static std::string FolderOf(const std::string& file);
    bool Held() const { return held; }

private:
    int fd = -1;
    bool held = false;
};

}  // namespace Platform
