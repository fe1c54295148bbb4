#pragma once
#include <string>

namespace Platform {

// The calls that claim a name without replacing what is there, and the lock that two writers of
// one folder share. Some disks refuse them: FAT and exFAT (a game on a memory stick) and some
// network disks have no hard links, many have no no-replace rename, and some refuse locks. The
// game makes them here so that tests can play such a disk; by default each is the system's own
// call.
class FileSystemSeam {
public:
    // A hard link named `to` to the file at `from` (following a symbolic link at from): 0, or -1
    // with errno set; EEXIST when something stands at `to`.
    static int Link(const std::string& from, const std::string& to);
    // Renames `from` to `to` unless something stands at `to`: 0, or -1 with errno set; EEXIST
    // when something stands there.
    static int RenameNoReplace(const std::string& from, const std::string& to);
    // flock(2) on the open file fd: 0, or -1 with errno set; EWOULDBLOCK when another holds it
    // and operation has LOCK_NB.
    static int Lock(int fd, int operation);

    // For tests: from now on the call fails with this errno, as such a disk would; 0 makes it the
    // system's own again.
    static void RefuseLink(int error);
    static void RefuseRenameNoReplace(int error);
    static void RefuseLock(int error);
};

}  // namespace Platform
