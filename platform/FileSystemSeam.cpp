#include "platform/FileSystemSeam.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>

namespace Platform {

namespace {
// Writers on several threads may claim names while a test changes these.
std::atomic<int> gLinkRefusal{0};
std::atomic<int> gRenameRefusal{0};
std::atomic<int> gLockRefusal{0};

// renameat2's flag; older headers lack it.
constexpr unsigned kRenameNoReplace = 1u;

int Refused(int error)
{
    errno = error;
    return -1;
}
}  // namespace

int FileSystemSeam::Link(const std::string& from, const std::string& to)
{
    if (const int error = gLinkRefusal.load())
        return Refused(error);
    return linkat(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), AT_SYMLINK_FOLLOW);
}

int FileSystemSeam::RenameNoReplace(const std::string& from, const std::string& to)
{
    if (const int error = gRenameRefusal.load())
        return Refused(error);
#ifdef SYS_renameat2
    // The system call itself: not every C library has the wrapper.
    return static_cast<int>(syscall(SYS_renameat2, AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), kRenameNoReplace));
#else
    (void)from;
    (void)to;
    (void)kRenameNoReplace;
    return Refused(ENOSYS);
#endif
}

int FileSystemSeam::Lock(int fd, int operation)
{
    if (const int error = gLockRefusal.load())
        return Refused(error);
    return flock(fd, operation);
}

void FileSystemSeam::RefuseLink(int error)
{
    gLinkRefusal = error;
}

void FileSystemSeam::RefuseRenameNoReplace(int error)
{
    gRenameRefusal = error;
}

void FileSystemSeam::RefuseLock(int error)
{
    gLockRefusal = error;
}

}  // namespace Platform
